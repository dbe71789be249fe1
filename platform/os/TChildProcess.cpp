#include "os/TChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "os/ChildGroups.h"
#include "os/CommandLineSplit.h"

extern char** environ;

namespace os {

namespace {

// Keeps a pipe end away from descriptors 0 to 2: the child gets the write end
// duplicated onto those, and duplicating a descriptor onto itself would leave
// its close-on-exec flag standing.
int AboveStandardHandles(int fd) {
    if (fd < 0 || fd > 2) return fd;
    const int moved = fcntl(fd, F_DUPFD_CLOEXEC, 3);
    close(fd);
    return moved;
}

pid_t WaitFor(pid_t pid, int* status, int options) {
    pid_t result;
    do result = waitpid(pid, status, options);
    while (result < 0 && errno == EINTR);
    return result;
}

// Spawn settings that hold for every child: its own session (no controlling
// terminal, and a process group that Terminate can end as a whole), no signal
// blocked, and default handling for every signal, whatever this program ignores.
class TSpawnAttributes {
public:
    TSpawnAttributes() {
        posix_spawnattr_init(&Attributes);
        sigset_t none, all;
        sigemptyset(&none);
        sigfillset(&all);
        sigdelset(&all, SIGKILL);
        sigdelset(&all, SIGSTOP);
        posix_spawnattr_setsigmask(&Attributes, &none);
        posix_spawnattr_setsigdefault(&Attributes, &all);
        posix_spawnattr_setflags(&Attributes,
                                 POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    }
    ~TSpawnAttributes() { posix_spawnattr_destroy(&Attributes); }
    const posix_spawnattr_t* Get() const { return &Attributes; }

private:
    posix_spawnattr_t Attributes;
};

// The pipe's write end as standard input, output and error; every other
// descriptor closed, including ones that some library opened without
// close-on-exec.
class TSpawnFileActions {
public:
    explicit TSpawnFileActions(int stdHandle) {
        posix_spawn_file_actions_init(&Actions);
        for (int fd = 0; fd <= 2; ++fd) posix_spawn_file_actions_adddup2(&Actions, stdHandle, fd);
        posix_spawn_file_actions_addclosefrom_np(&Actions, 3);
    }
    ~TSpawnFileActions() { posix_spawn_file_actions_destroy(&Actions); }
    const posix_spawn_file_actions_t* Get() const { return &Actions; }

private:
    posix_spawn_file_actions_t Actions;
};

}  // namespace

TChildProcess::~TChildProcess() { Close(); }

bool TChildProcess::CreatePipe() {
    Close();
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return false;
    ReadEnd = AboveStandardHandles(ends[0]);
    WriteEnd = AboveStandardHandles(ends[1]);
    if (ReadEnd >= 0 && WriteEnd >= 0) return true;
    Close();
    return false;
}

bool TChildProcess::Spawn(std::string_view commandLine) {
    if (WriteEnd < 0 || Pid >= 0) return false;
    std::vector<std::string> arguments = SplitCommandLine(commandLine);
    if (arguments.front().empty()) return false;
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    const TSpawnFileActions actions(WriteEnd);
    const TSpawnAttributes attributes;
    pid_t pid;
    if (posix_spawn(&pid, argv[0], actions.Get(), attributes.Get(), argv.data(), environ) != 0) {
        return false;
    }
    Pid = pid;
    Ended = false;
    Code = STILL_ACTIVE;
    KeepChildGroup(pid);
    return true;
}

void TChildProcess::Reap(int status) {
    DropChildGroup(Pid);
    Ended = true;
    Code = static_cast<uint32_t>(WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status));
}

uint32_t TChildProcess::ExitCode() {
    if (Pid < 0 || Ended) return Code;
    int status = 0;
    const pid_t result = WaitFor(Pid, &status, WNOHANG);
    if (result == 0) return STILL_ACTIVE;
    // Anything but our child means someone else reaped it (SIGCHLD ignored):
    // it has ended, and its code is lost.
    Reap(result == Pid ? status : 0);
    return Code;
}

uint32_t TChildProcess::BytesWaiting() const {
    int waiting = 0;
    if (ReadEnd < 0 || ioctl(ReadEnd, FIONREAD, &waiting) != 0 || waiting < 0) return 0;
    return static_cast<uint32_t>(waiting);
}

size_t TChildProcess::Read(char* buffer, size_t count) {
    if (ReadEnd < 0 || count == 0) return 0;
    ssize_t got;
    do got = read(ReadEnd, buffer, count);
    while (got < 0 && errno == EINTR);
    return got > 0 ? static_cast<size_t>(got) : 0;
}

void TChildProcess::Terminate() {
    if (Pid < 0 || Ended) return;
    if (kill(-Pid, SIGKILL) != 0) kill(Pid, SIGKILL);
}

void TChildProcess::Close() {
    if (Pid >= 0) {
        if (!Ended) {
            Terminate();
            int status = 0;
            Reap(WaitFor(Pid, &status, 0) == Pid ? status : 0);
        }
        Pid = -1;
    }
    for (int* end : {&ReadEnd, &WriteEnd}) {
        if (*end >= 0) close(*end);
        *end = -1;
    }
}

}  // namespace os
