#include "os/TChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <chrono>
#include <fstream>
#include <string>
#include <thread>

namespace {

const std::string Helper = FAKE_ENCODER;

std::string Started(os::TChildProcess& child, const std::string& commandLine) {
    if (!child.CreatePipe()) return "no pipe";
    return child.Spawn(commandLine) ? "started" : "not started";
}

// Everything the child prints until it ends; what it printed last still waits
// in the pipe after it has ended, since we hold the write end.
std::string OutputToEnd(os::TChildProcess& child) {
    std::string output;
    for (;;) {
        const bool ended = child.ExitCode() != os::STILL_ACTIVE;
        while (const uint32_t waiting = child.BytesWaiting()) {
            std::string chunk(waiting, '\0');
            chunk.resize(child.Read(chunk.data(), chunk.size()));
            output += chunk;
        }
        if (ended) return output;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// True when this process has no child left, running or unreaped.
bool NoChildLeft() { return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

TEST(ChildProcess, ArgumentsArriveAsTheCommandLineSplitsThem) {
    os::TChildProcess child;
    ASSERT_EQ(Started(child, "\"" + Helper + "\" args \"a b\" c\\\\d \\\"e\\\" \"\""), "started");
    EXPECT_EQ(OutputToEnd(child), "<" + Helper + ">\n<args>\n<a b>\n<c\\\\d>\n<\"e\">\n<>\n");
}

TEST(ChildProcess, ExitCodeIsStillActiveWhileTheChildRuns) {
    os::TChildProcess child;
    ASSERT_EQ(Started(child, Helper + " silent 300"), "started");
    EXPECT_EQ(child.ExitCode(), os::STILL_ACTIVE);
    EXPECT_EQ(OutputToEnd(child), "");
    EXPECT_EQ(child.ExitCode(), 0u);

    ASSERT_EQ(Started(child, Helper + " exit 7"), "started");
    OutputToEnd(child);
    EXPECT_EQ(child.ExitCode(), 7u);

    ASSERT_EQ(Started(child, Helper + " killself"), "started");
    OutputToEnd(child);
    EXPECT_EQ(child.ExitCode(), 128u + SIGTERM);
    child.Close();
    EXPECT_TRUE(NoChildLeft());
}

TEST(ChildProcess, ProgramsThatCannotRunAreNotStarted) {
    os::TChildProcess child;
    EXPECT_EQ(Started(child, "/nonexistent/f.exe -i x"), "not started");
    EXPECT_EQ(Started(child, " -i x"), "not started");
    EXPECT_EQ(Started(child, ""), "not started");
    EXPECT_EQ(Started(child, "/tmp -i x"), "not started");
    // No shell: a shell's words mean nothing here.
    EXPECT_EQ(Started(child, "echo hello"), "not started");
    EXPECT_EQ(child.ExitCode(), 0u);
    EXPECT_TRUE(NoChildLeft());
}

TEST(ChildProcess, ChildGetsThePipeAndNothingElse) {
    // A descriptor left open across exec by careless code must not reach the child.
    const int leaky = open("/dev/null", O_RDONLY);
    ASSERT_GE(leaky, 0);
    os::TChildProcess child;
    ASSERT_EQ(Started(child, Helper + " fds"), "started");
    EXPECT_EQ(OutputToEnd(child), "0 1 2 \n");
    close(leaky);
    // No controlling terminal to inherit: a session of its own.
    ASSERT_EQ(Started(child, Helper + " session"), "started");
    EXPECT_EQ(OutputToEnd(child), "own session\n");
    // Standard input is the pipe's write end: reading fails at once, so no
    // encoder can sit waiting for console input.
    ASSERT_EQ(Started(child, Helper + " stdin"), "started");
    EXPECT_EQ(OutputToEnd(child), "read failed: Bad file descriptor\n");
}

TEST(ChildProcess, ClosingOrDroppingARunningChildEndsIt) {
    os::TChildProcess child;
    ASSERT_EQ(Started(child, Helper + " silent 60000"), "started");
    const pid_t pid = child.ProcessId();
    child.Close();
    EXPECT_EQ(kill(pid, 0), -1);
    EXPECT_TRUE(NoChildLeft());
    EXPECT_EQ(child.BytesWaiting(), 0u);
    child.Terminate();
    child.Close();
    EXPECT_NE(child.ExitCode(), os::STILL_ACTIVE);
    {
        os::TChildProcess dropped;
        ASSERT_EQ(Started(dropped, Helper + " silent 60000"), "started");
    }
    EXPECT_TRUE(NoChildLeft());
}

// Gone, or a zombie that only waits for its new parent to reap it.
bool ProcessEnded(pid_t pid) {
    for (int round = 0; round < 200; ++round) {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string text(std::istreambuf_iterator<char>(stat), {});
        const size_t close = text.rfind(')');
        if (!stat || (close != std::string::npos && text.compare(close + 2, 1, "Z") == 0)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

// A program told to end takes its children with it, although they run in
// sessions of their own; it still ends by the signal it was sent.
TEST(ChildProcess, ProgramToldToEndTakesItsChildrenAlong) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(strsignal(signal));
        int report[2];
        ASSERT_EQ(pipe(report), 0);
        const pid_t program = fork();
        if (program == 0) {
            os::TChildProcess child;
            // sleep, not the helper, which would end with its parent by itself
            if (Started(child, "/bin/sleep 60") != "started") _exit(1);
            const pid_t pid = child.ProcessId();
            if (write(report[1], &pid, sizeof pid) != sizeof pid) _exit(1);
            for (;;) pause();
        }
        close(report[1]);
        pid_t grandchild = -1;
        ASSERT_EQ(read(report[0], &grandchild, sizeof grandchild), static_cast<ssize_t>(sizeof grandchild));
        close(report[0]);
        kill(program, signal);
        int status = 0;
        ASSERT_EQ(waitpid(program, &status, 0), program);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_TRUE(ProcessEnded(grandchild));
        kill(grandchild, SIGKILL);  // should the test fail, nothing stays behind
    }
}

}  // namespace
