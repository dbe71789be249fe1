#pragma once
// A child process whose standard input, output and error are one anonymous
// pipe, the way the encoder runs: started from a single command line, polled
// for what it printed without ever blocking, and ended by force when asked.
//
// The child inherits nothing but the pipe's write end (as descriptors 0, 1 and
// 2), runs in a session of its own without a controlling terminal, starts with
// default signal handling, and is started directly, never through a shell.
// The program path of the command line is used as it stands: an absolute path,
// or a path relative to the current folder; PATH is not searched.
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace os {

// The exit code reported while the child runs.
inline constexpr uint32_t STILL_ACTIVE = 259;

class TChildProcess {
public:
    TChildProcess() = default;
    TChildProcess(const TChildProcess&) = delete;
    TChildProcess& operator=(const TChildProcess&) = delete;
    ~TChildProcess();

    // Makes the pipe, after releasing whatever is held (see Close); false when
    // no pipe can be had (no descriptors left).
    bool CreatePipe();
    // Starts the command line's program with the pipe as its standard handles.
    // False when there is no pipe, a child is already held, or the program
    // cannot be started (missing, not executable, empty path).
    bool Spawn(std::string_view commandLine);

    // STILL_ACTIVE while the child runs. Once it has ended: its exit status, or
    // 128 plus the signal that killed it; the child is reaped then. Without a
    // child, the last code known (0 before any child).
    uint32_t ExitCode();
    // How many bytes wait in the pipe, without taking them and without blocking.
    uint32_t BytesWaiting() const;
    // Takes up to `count` bytes; returns how many it took. Blocks only when
    // nothing waits, so callers ask BytesWaiting first.
    size_t Read(char* buffer, size_t count);

    // Kills the child and what it started in its session, at once. Nothing
    // happens when the child has ended already: its id may belong to someone
    // else by now.
    void Terminate();
    // Releases the child and both pipe ends. A child that still runs is killed
    // first: with its pipe gone nobody could read it or reap it. Safe to call
    // again; the second call releases nothing.
    void Close();

    pid_t ProcessId() const { return Pid; }

private:
    void Reap(int status);

    int ReadEnd = -1;
    int WriteEnd = -1;
    pid_t Pid = -1;  // -1: no child held
    bool Ended = false;
    uint32_t Code = 0;
};

}  // namespace os
