#include "os/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace os {

namespace {

bool CopyFileContents(const std::string& from, const std::string& to) {
    const int source = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (source < 0) return false;
    const int target = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (target < 0) {
        ::close(source);
        return false;
    }
    char buffer[1 << 16];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(source, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        for (ssize_t done = 0; ok && done < n;) {
            const ssize_t w = ::write(target, buffer + done, static_cast<size_t>(n - done));
            if (w < 0 && errno == EINTR) continue;
            ok = w > 0;
            done += w > 0 ? w : 0;
        }
        if (!ok) break;
    }
    ok = ::close(target) == 0 && ok;
    ::close(source);
    if (!ok) ::unlink(to.c_str());
    return ok;
}

}  // namespace

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CreateDir(const std::string& path, unsigned mode) {
    return ::mkdir(path.c_str(), mode) == 0 || (errno == EEXIST && DirectoryExists(path));
}

bool DeleteFile(const std::string& path) { return ::unlink(path.c_str()) == 0 || errno == ENOENT; }

bool MoveFile(const std::string& from, const std::string& to) {
    if (!FileExists(from)) return false;
    // link + unlink refuses an existing target, as the original move does;
    // rename would silently replace it.
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return true;
    }
    if (errno != EXDEV && errno != EPERM && errno != ENOTSUP) return false;
    if (!CopyFileContents(from, to)) return false;
    ::unlink(from.c_str());
    return true;
}

std::string IncludeTrailingPathDelimiter(const std::string& path) {
    return !path.empty() && path.back() == PathDelim ? path : path + PathDelim;
}

}  // namespace os
