#include "os/ShellOpen.h"

#include <spawn.h>
#include <sys/wait.h>

#include <thread>

extern char** environ;

namespace os {

namespace {

std::string& Opener() {
    static std::string opener = "xdg-open";
    return opener;
}

}  // namespace

bool ShellOpen(const std::string& target) {
    std::string program = Opener();
    std::string argument = target;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t pid = 0;
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    const bool started = posix_spawnp(&pid, program.c_str(), nullptr, &attributes, argv, environ) == 0;
    posix_spawnattr_destroy(&attributes);
    // Reaped in the background, so that it does not linger as a zombie.
    if (started) std::thread([pid] { ::waitpid(pid, nullptr, 0); }).detach();
    return started;
}

void SetShellOpener(const std::string& program) { Opener() = program; }

}  // namespace os
