// kestrune-convert as a script runs it: a program folder of its own (a copy
// of the driver with the encoder beside it), a home of its own, and a limit on
// how long it may take. A start-up that raises an error (a malformed
// "set.txt") gets its box printed and answered, and the job still runs and
// decides the exit code.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "VideoService.h"
#include "os/UserFolders.h"

namespace {

namespace fs = std::filesystem;

struct TRun {
    int ExitCode = -1;
    std::string Output;
};

bool Holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class TConvertDriverTest : public ::testing::Test {
protected:
    void SetUp() override {
        Root = ::testing::TempDir() + "kestrune-driver-" + std::to_string(::getpid()) + "/";
        fs::remove_all(Root);
        for (const char* folder : {"program", "home", "cache", "runtime", "output"}) fs::create_directories(Root + folder);
        fs::copy_file(KESTRUNE_CONVERT, Root + "program/kestrune-convert");
        fs::create_symlink(fs::canonical(os::ProgramFolder() + "f.exe"), Root + "program/f.exe");
        std::ofstream(Root + "program/done.txt") << "Done\r\n";
    }
    void TearDown() override { fs::remove_all(Root); }

    // Runs the driver on one address to its end, or for a minute and a half at most.
    TRun Run(const std::string& address) const { return RunWith("'" + address + "' '" + Root + "output/'"); }

    // The same with the driver's arguments as a shell would read them.
    TRun RunWith(const std::string& arguments) const {
        const std::string command = "env HOME='" + Root + "home' XDG_CACHE_HOME='" + Root + "cache' XDG_RUNTIME_DIR='" +
                                    Root + "runtime' timeout -k 5 90 '" + Root + "program/kestrune-convert' " +
                                    arguments + " 2>&1";
        TRun run;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (!pipe) return run;
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.Output.append(buffer, n);
        const int status = ::pclose(pipe);
        run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return run;
    }

    std::string Root;
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
    for (const auto& c : cases) {
        std::ofstream(Root + "program/set.txt", std::ios::binary | std::ios::trunc) << settings;
        const TRun run = Run(c.Address);
        EXPECT_EQ(run.ExitCode, c.ExitCode) << run.Output;
        EXPECT_TRUE(Holds(run.Output, "message: 'abc' is not a valid integer value")) << run.Output;
        EXPECT_TRUE(Holds(run.Output, c.JobMessage)) << run.Output;
        // The driver leaves the settings as it found them.
        std::ifstream in(Root + "program/set.txt", std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), settings);
    }
}

TEST_F(TConvertDriverTest, HelpAndWrongArgumentsPrintTheUsageAndRunNoJob) {
    const struct {
        std::string Arguments;
        int ExitCode;
        const char* Says;
    } cases[] = {
        {"--help", 0, "usage: kestrune-convert ADDRESS [FOLDER]\n"},
        {"--verbose http://127.0.0.1:1/watch?v=demo", 2, "kestrune-convert: unknown option --verbose\n"},
        {"http://127.0.0.1:1/watch?v=demo -o", 2, "kestrune-convert: unknown option -o\n"},
        {"", 2, "usage: kestrune-convert ADDRESS [FOLDER]\n"},
        {"a b c", 2, "usage: kestrune-convert ADDRESS [FOLDER]\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Arguments);
        const TRun run = RunWith(c.Arguments);
        EXPECT_EQ(run.ExitCode, c.ExitCode) << run.Output;
        EXPECT_TRUE(Holds(run.Output, c.Says)) << run.Output;
        EXPECT_TRUE(Holds(run.Output, "--help   print this text and exit")) << run.Output;
        // No job ran: no window was made, so no settings were written and no working folder made.
        EXPECT_FALSE(fs::exists(Root + "program/set.txt"));
        EXPECT_FALSE(fs::exists(Root + "cache/kestrune_temp_folder"));
    }
}

}  // namespace
