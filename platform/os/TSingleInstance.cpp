#include "os/TSingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

#include "os/FileSystem.h"

namespace os {

namespace {

std::string LockFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime == '/' && DirectoryExists(runtime))
        return IncludeTrailingPathDelimiter(runtime);
    return "/tmp/";
}

}  // namespace

TSingleInstance::TSingleInstance(const std::string& name) {
    const std::string folder = LockFolder();
    // Without a runtime folder the shared temp folder serves, with the user in
    // the name so that users do not lock each other out.
    Path = folder + name;
    if (folder == "/tmp/") Path += '.' + std::to_string(::getuid());
    Path += ".lock";
    Handle = ::open(Path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (Handle >= 0 && ::flock(Handle, LOCK_EX | LOCK_NB) != 0) Release();
}

TSingleInstance::~TSingleInstance() { Release(); }

void TSingleInstance::Release() {
    if (Handle < 0) return;
    ::close(Handle);  // closing drops the lock
    Handle = -1;
}

}  // namespace os
