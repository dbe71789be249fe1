// kestrune-convert as a script runs it (see TConvertDriver.h). A start-up
// that raises an error (a malformed "set.txt") gets its box printed and
// answered, and the job still runs and decides the exit code; help and wrong
// arguments get the usage text and no job.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "TConvertDriver.h"
#include "VideoService.h"
#include "os/UserFolders.h"

namespace {

namespace fs = std::filesystem;

bool Holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class TConvertDriverTest : public ::testing::Test {
protected:
    TConvertDriver Driver{"driver", KESTRUNE_CONVERT, os::ProgramFolder() + "f.exe"};
};

TEST_F(TConvertDriverTest, MalformedSettingsAreAnsweredAndTheJobDecidesTheCode) {
    static TTestVideoService service;
    const struct {
        std::string Address;
        int ExitCode;
        const char* JobMessage;
    } cases[] = {
        {service.WatchUrl("demo"), 0, "message: Done.\n"},
        {"www.example.com/watch?v=demo", 1, "message: Error: Invalid YouTube URL.\n"},
    };
    const std::string settings = "/srv/videos/\r\nabc\r\n10\r\n1\r\n";
    const std::string settingsPath = Driver.ProgramFolder + "set.txt";
    for (const auto& c : cases) {
        std::ofstream(settingsPath, std::ios::binary | std::ios::trunc) << settings;
        const TDriverRun run = Driver.RunJob(c.Address);
        EXPECT_EQ(run.ExitCode, c.ExitCode) << run.Output;
        EXPECT_TRUE(Holds(run.Output, "message: 'abc' is not a valid integer value")) << run.Output;
        EXPECT_TRUE(Holds(run.Output, c.JobMessage)) << run.Output;
        // The driver leaves the settings as it found them.
        std::ifstream in(settingsPath, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), settings);
    }
}

TEST_F(TConvertDriverTest, HelpAndWrongArgumentsPrintTheUsageAndRunNoJob) {
    const struct {
        std::vector<std::string> Arguments;
        int ExitCode;
        const char* Says;
    } cases[] = {
        {{"--help"}, 0, "usage: kestrune-convert ADDRESS [FOLDER]\n"},
        {{"--verbose", "http://127.0.0.1:1/watch?v=demo"}, 2, "kestrune-convert: unknown option --verbose\n"},
        {{"http://127.0.0.1:1/watch?v=demo", "-o"}, 2, "kestrune-convert: unknown option -o\n"},
        {{}, 2, "usage: kestrune-convert ADDRESS [FOLDER]\n"},
        {{"a", "b", "c"}, 2, "usage: kestrune-convert ADDRESS [FOLDER]\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Arguments.empty() ? "no arguments" : c.Arguments.front());
        const TDriverRun run = Driver.Run(c.Arguments);
        EXPECT_EQ(run.ExitCode, c.ExitCode) << run.Output;
        EXPECT_TRUE(Holds(run.Output, c.Says)) << run.Output;
        EXPECT_TRUE(Holds(run.Output, "--help   print this text and exit")) << run.Output;
        // No job ran: no window was made, so no working folder either.
        EXPECT_FALSE(fs::exists(Driver.WorkingFolder));
    }
}

}  // namespace
