#include "TTestProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace {

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

std::string NameOf(const std::string& variable) { return variable.substr(0, variable.find('=')); }

}  // namespace

TTestProcess::TTestProcess(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
                           const std::string& output, int passFd) {
    std::vector<std::string> argv = arguments, envp = environment;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    if (passFd >= 0) posix_spawn_file_actions_adddup2(&actions, passFd, 3);
    // A new process group, so that Kill reaches what the program started too.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    const int failed = posix_spawnp(&Pid, argv[0].c_str(), &actions, &attributes, Pointers(argv).data(),
                                    Pointers(envp).data());
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (failed) {
        Pid = -1;
        throw std::runtime_error("cannot start " + arguments[0] + ": " + std::strerror(failed));
    }
}

TTestProcess::~TTestProcess() { Kill(); }

std::optional<int> TTestProcess::WaitFor(double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
        int status = 0;
        const pid_t ended = waitpid(Pid, &status, WNOHANG);
        if (ended == Pid) {
            Pid = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        if (ended < 0 && errno != EINTR) return std::nullopt;
        if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

void TTestProcess::Kill() {
    if (Pid <= 0) return;
    // Asked first, so that a display server takes its lock files away.
    const pid_t group = Pid;
    kill(-group, SIGTERM);
    if (WaitFor(5)) return;
    kill(-group, SIGKILL);
    while (waitpid(group, nullptr, 0) < 0 && errno == EINTR) {
    }
    Pid = -1;
}

std::vector<std::string> EnvironmentWith(const std::vector<std::string>& changes,
                                         const std::vector<std::string>& removed) {
    std::vector<std::string> result;
    const auto replacedOrRemoved = [&](const std::string& name) {
        for (const std::string& change : changes)
            if (NameOf(change) == name) return true;
        for (const std::string& gone : removed)
            if (gone == name) return true;
        return false;
    };
    for (char** variable = environ; *variable; ++variable)
        if (!replacedOrRemoved(NameOf(*variable))) result.emplace_back(*variable);
    result.insert(result.end(), changes.begin(), changes.end());
    return result;
}

std::string OutputOf(const std::vector<std::string>& arguments) {
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) return {};
    std::vector<std::string> argv = arguments;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int failed = posix_spawnp(&pid, argv[0].c_str(), &actions, nullptr, Pointers(argv).data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string output;
    char buffer[4096];
    for (ssize_t n; !failed && ((n = read(out[0], buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR));)
        if (n > 0) output.append(buffer, static_cast<size_t>(n));
    close(out[0]);
    if (!failed)
        while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
    return output;
}

bool ProgramInPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::stringstream folders(path ? path : "");
    for (std::string folder; std::getline(folders, folder, ':');)
        if (!folder.empty() && access((folder + "/" + name).c_str(), X_OK) == 0) return true;
    return false;
}
