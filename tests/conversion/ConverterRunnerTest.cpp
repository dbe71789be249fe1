#include "conversion/Tmpegconverter.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "TempFolder.h"
#include "conversion/EncoderCommandLine.h"

namespace {

using conversion::Tmpegconverter;

const std::string Helper = FAKE_ENCODER;

int OpenDescriptors() {
    int count = 0;
    DIR* folder = opendir("/proc/self/fd");
    while (readdir(folder)) ++count;
    closedir(folder);
    return count;
}

// True when this process has no child left, running or unreaped.
bool NoChildLeft() { return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

struct TFatal : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A runner whose fatal failures come back to the test instead of ending it.
struct TTestConverter : Tmpegconverter {
    TTestConverter() {
        FatalHandler = [](const std::string& message) { throw TFatal(message); };
    }
};

// Polls until `done` holds or the child has ended, the way the job's timer
// would, only faster.
template <typename Done>
void PollUntil(Tmpegconverter& converter, Done done) {
    for (int round = 0; round < 3000 && !converter.Finished() && !done(); ++round) {
        converter.Poll();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// What the first poll after Start gives, child by child.
struct TFirstPoll {
    const char* Child;
    const char* Output;
    bool Finished;
    const char* DurationText;
};

const TFirstPoll FirstPolls[] = {
    // The wait ends only once the second piece has made "Duration: " whole.
    {"split", "Duration: 00:01:00.00, start: 0.000000\n", false, "00:01:00"},
    {"unknown", "temp.flv: Unknown format\n", false, "00:00:00"},
    {"nul", "Duration: 00:00:01.00 A  B\n", false, "00:00:01"},
    // A silent child keeps the poll waiting as long as it runs: one poll, and
    // its end has been seen.
    {"silent 1000", "", true, "00:00:00"},
    {"exit 0", "", true, "00:00:00"},
};

TEST(ConverterRunner, FirstPollWaitsForTheInputSummaryOrTheEnd) {
    for (const TFirstPoll& expected : FirstPolls) {
        SCOPED_TRACE(expected.Child);
        TTestConverter converter;
        converter.Start(Helper + " " + expected.Child);
        EXPECT_EQ(converter.CommandLine(), Helper + " " + expected.Child);
        converter.Poll();
        EXPECT_EQ(converter.Finished(), expected.Finished);
        EXPECT_EQ(converter.Output(), expected.Output);
        EXPECT_EQ(converter.GetDurationText(), expected.DurationText);
        converter.Stop();
        EXPECT_TRUE(NoChildLeft());
    }
}

// A child that says nothing and runs on holds the poll for the summary wait
// only; later polls return at once, and Stop ends it.
TEST(ConverterRunner, SilentChildHoldsThePollForTheSummaryWaitOnly) {
    TTestConverter converter;
    converter.SummaryWait = std::chrono::milliseconds(500);
    converter.Start(Helper + " silent 60000");
    for (int poll = 0; poll < 3; ++poll) {
        const auto start = std::chrono::steady_clock::now();
        converter.Poll();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_LT(seconds, poll == 0 ? 2.0 : 0.2) << poll;
        EXPECT_FALSE(converter.Finished());
    }
    converter.Stop();
    EXPECT_TRUE(NoChildLeft());
}

TEST(ConverterRunner, MegabytesOfOutputArriveWhole) {
    const size_t statusBytes = 6 * 1024 * 1024;
    const std::string head = "Duration: 00:01:00.00, start: 0.000000\n";
    TTestConverter converter;
    converter.Start(Helper + " flood " + std::to_string(statusBytes));
    PollUntil(converter, [&] { return converter.Output().size() >= head.size() + statusBytes + 3; });
    ASSERT_FALSE(converter.Finished());
    const std::string& output = converter.Output();
    EXPECT_EQ(output.size(), head.size() + statusBytes + 3);
    EXPECT_EQ(output.substr(0, head.size()), head);
    EXPECT_EQ(output.substr(output.size() - 3), "END");
    EXPECT_EQ(converter.GetDurationText(), "00:01:00");
    converter.Stop();
}

TEST(ConverterRunner, LastWordsOfAChildThatEndedAreKept) {
    TTestConverter converter;
    converter.Start(Helper + " -i in out");
    PollUntil(converter, [] { return false; });
    EXPECT_TRUE(converter.Finished());
    EXPECT_EQ(converter.Output(), "  Duration: 00:00:07.00, start: 0.000000, bitrate: 300 kb/s\n" + Helper +
                                      "\n-i\nin\nout\n");
    EXPECT_EQ(converter.ChildExitCode(), 0u);
}

TEST(ConverterRunner, StopEndsAChildThatIgnoresSigterm) {
    TTestConverter converter;
    converter.Start(Helper + " stubborn");
    converter.Poll();
    const std::string& output = converter.Output();
    const size_t at = output.find("pid=");
    ASSERT_NE(at, std::string::npos) << output;
    const pid_t pid = std::stoi(output.substr(at + 4));
    converter.Stop();
    EXPECT_TRUE(converter.Finished());
    EXPECT_EQ(kill(pid, 0), -1);
    EXPECT_TRUE(NoChildLeft());
}

TEST(ConverterRunner, StopRightAfterStartReleasesEverything) {
    const int before = OpenDescriptors();
    TTestConverter converter;
    converter.Start(Helper + " silent 60000");
    EXPECT_FALSE(converter.Finished());
    EXPECT_EQ(OpenDescriptors(), before + 2);
    converter.Stop();
    EXPECT_TRUE(converter.Finished());
    EXPECT_EQ(OpenDescriptors(), before);
    EXPECT_TRUE(NoChildLeft());
    // A second Stop has nothing left to release; a poll finds nothing to wait for.
    converter.Stop();
    converter.Poll();
    EXPECT_TRUE(converter.Finished());
    EXPECT_EQ(OpenDescriptors(), before);
}

TEST(ConverterRunner, ChildThatEndedByItselfIsReleasedBeforeTheNextStart) {
    const int before = OpenDescriptors();
    TTestConverter converter;
    converter.Start(Helper + " -i first");
    PollUntil(converter, [] { return false; });
    EXPECT_EQ(OpenDescriptors(), before);
    EXPECT_TRUE(NoChildLeft());
    converter.Stop();

    // The next job starts afresh.
    converter.Start(Helper + " unknown");
    EXPECT_FALSE(converter.Finished());
    EXPECT_EQ(converter.Output(), "");
    converter.Poll();
    EXPECT_EQ(converter.Output(), "temp.flv: Unknown format\n");
    // Starting over a child that still runs ends it.
    converter.Start(Helper + " exit 0");
    converter.Poll();
    EXPECT_TRUE(converter.Finished());
    EXPECT_EQ(converter.Output(), "");
    EXPECT_TRUE(NoChildLeft());
}

TEST(ConverterRunner, EncoderInAFolderWithBlanks) {
    const TTempFolder programs("Program Files/Kestrune YouTube Converter");
    const TTempFolder working("kestrune temp");
    const std::string encoder = programs.Path() + "f.exe";
    std::filesystem::create_symlink(Helper, encoder);
    TTestConverter converter;
    converter.Start(conversion::EncoderCommandLine(encoder, working.Path()));
    PollUntil(converter, [] { return false; });
    const std::string expected = "  Duration: 00:00:07.00, start: 0.000000, bitrate: 300 kb/s\n" + encoder +
                                 "\n-i\n" + working.Path() +
                                 "temp.flv\n-vcodec\nmpeg4\n-vtag\ndivx\n-qscale\n3\n-b\n640000\n-acodec\n"
                                 "libmp3lame\n-ac\n2\n-ar\n44100\n-ab\n128000\n-f\navi\n" +
                                 working.Path() + "temp.avi\n";
    EXPECT_EQ(converter.Output(), expected);
}

TEST(ConverterRunner, MissingEncoderIsFatalAndStartGoesNoFurther) {
    const int before = OpenDescriptors();
    Tmpegconverter converter;
    std::vector<std::string> messages;
    converter.FatalHandler = [&](const std::string& message) { messages.push_back(message); };
    converter.Start(conversion::EncoderCommandLine("/nonexistent/f.exe", "/tmp/"));
    EXPECT_EQ(messages, std::vector<std::string>{"CreateProcess error!"});
    EXPECT_TRUE(converter.Finished());
    EXPECT_EQ(OpenDescriptors(), before);
    converter.Poll();
    converter.Stop();
    EXPECT_TRUE(converter.Finished());
    EXPECT_TRUE(NoChildLeft());
}

TEST(ConverterRunner, NoPipeIsFatal) {
    rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
    rlimit few = saved;
    few.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &few), 0);
    std::vector<int> fillers;
    for (int fd; (fd = open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;) fillers.push_back(fd);

    // The handler only takes note: with no descriptor left, even the
    // sanitizers' own checks of an exception object would fail.
    Tmpegconverter converter;
    std::vector<std::string> messages;
    converter.FatalHandler = [&](const std::string& message) { messages.push_back(message); };
    converter.Start(Helper + " exit 0");
    for (const int fd : fillers) close(fd);
    setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_EQ(messages, std::vector<std::string>{"Can not create a pipe for STDOUT!"});
    EXPECT_TRUE(converter.Finished());
    EXPECT_TRUE(NoChildLeft());
}

TEST(ConverterRunnerDeathTest, DefaultFatalHandlerEndsTheProgramQuietly) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(Tmpegconverter().Start("/nonexistent/f.exe -i x"), testing::ExitedWithCode(0),
                "CreateProcess error!");
}

}  // namespace
