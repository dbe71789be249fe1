// The program itself is ended or started too often: SIGTERM, SIGINT and SIGKILL
// while it downloads and while it converts end it with the encoder, release the
// lock and leave "set.txt" as it was; twenty starts at once run one job and
// turn the others away, and of twenty starts of the desktop program one stays.
#include <signal.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "TFaultTest.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class TProcessFaultTest : public TFaultTest {};

TEST_F(TProcessFaultTest, SignalsEndTheProgramWithItsEncoderAndKeepTheSettings) {
    const std::string settingsPath = Driver.ProgramFolder + "set.txt";
    const std::string settings = Driver.OutputFolder + "\r\n10\r\n20\r\n0\r\n";
    std::ofstream(settingsPath, std::ios::binary) << settings;
    const struct {
        const char* Id;
        const char* During;
        bool EncoderRuns;
    } stages[] = {
        {"long-trickle200", "progress: Downloading...", false},  // about two minutes of download
        {"long", "progress: Converting...", true},
    };
    for (const auto& stage : stages) {
        // SIGKILL leaves the program no say: the encoder ends with it by itself.
        for (const int signal : {SIGTERM, SIGINT, SIGKILL}) {
            SCOPED_TRACE(std::string(stage.During) + ", " + strsignal(signal));
            Driver.Start({Service().WatchUrl(stage.Id), Driver.OutputFolder});
            ASSERT_TRUE(Driver.WaitForOutput(stage.During, 60)) << Driver.OutputSoFar();
            EXPECT_EQ(Driver.Leftovers().empty(), !stage.EncoderRuns);
            Driver.SendSignal(signal);
            const TDriverRun run = Driver.Finish(10);
            EXPECT_EQ(run.Signal, signal) << run.Output;
            ExpectNothingLeft();
            EXPECT_EQ(ReadAll(settingsPath), settings);
            EXPECT_TRUE(fs::is_empty(Driver.OutputFolder));
        }
    }
    ExpectNextJobRuns(Driver.OutputFolder);
}

TEST_F(TProcessFaultTest, TwentyStartsAtOnceRunOneJob) {
    const auto runs = Driver.RunAtOnce(20, {Service().WatchUrl("demo"), Driver.OutputFolder});
    int done = 0, turnedAway = 0;
    for (const auto& run : runs) {
        EXPECT_FALSE(run.TimedOut);
        if (run.ExitCode == 0 && Holds(run.Output, "message: Done.\n")) ++done;
        if (run.ExitCode == 3 && Holds(run.Output, "the program runs already")) ++turnedAway;
    }
    EXPECT_EQ(done, 1);
    EXPECT_EQ(turnedAway, 19);
    ExpectNothingLeft();
    EXPECT_EQ(std::distance(fs::directory_iterator(Driver.OutputFolder), {}), 1);
}

// The desktop program itself: one of twenty stays (and is ended at the time
// limit), nineteen end quietly within it.
TEST_F(TProcessFaultTest, TwentyStartsOfTheDesktopProgramLeaveOneInstance) {
    TConvertDriver desktop("desktop", KESTRUNE_PROGRAM, KESTRUNE_ENCODER);
    const auto runs = desktop.RunAtOnce(20, {}, 30);
    int stayed = 0, endedQuietly = 0;
    for (const auto& run : runs) {
        if (run.TimedOut) ++stayed;
        else if (run.ExitCode == 0 && run.Output.empty()) ++endedQuietly;
    }
    EXPECT_EQ(stayed, 1);
    EXPECT_EQ(endedQuietly, 19);
    EXPECT_TRUE(desktop.LockIsFree());
}

}  // namespace
