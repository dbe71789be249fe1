// The encoder fails the real program: it is missing, it prints nothing and
// runs on, it prints garbage and fails, or it cannot read what was downloaded.
// Each ends with a message, or, for the one that never ends, with the signal
// that a user's Ctrl+C or a desktop's logout sends, and takes the encoder and
// its children along.
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "TFaultTest.h"

namespace {

namespace fs = std::filesystem;

class TEncoderFaultTest : public TFaultTest {
protected:
    // Puts a shell script in the encoder's place.
    void UseEncoder(const std::string& script) {
        const std::string path = Driver.ProgramFolder + "f.exe";
        fs::remove(path);
        std::ofstream(path) << "#!/bin/sh\n" << script;
        fs::permissions(path, fs::perms::owner_all);
    }
    void UseRealEncoder() {
        fs::remove(Driver.ProgramFolder + "f.exe");
        fs::create_symlink(fs::canonical(KESTRUNE_ENCODER), Driver.ProgramFolder + "f.exe");
    }
};

TEST_F(TEncoderFaultTest, EncoderThatFailsOrIsMissingEndsTheJobWithAMessage) {
    const std::string noFile = "Error: Cant convert the video file. The converter failed with exit code 1 and made no file.";
    const struct {
        const char* Name;
        const char* Script;  // nullptr: no encoder at all
        const char* Id;
        std::string Message;
    } cases[] = {
        {"missing", nullptr, "demo", "CreateProcess error!"},
        {"garbage", "head -c 3000 /dev/urandom | tr -d '\\000'\nexit 1\n", "demo", noFile},
        {"unreadable input", "", "demo-break100", noFile},  // the real encoder on 100 bytes of a video
    };
    for (const auto& fault : cases) {
        SCOPED_TRACE(fault.Name);
        if (!fault.Script) fs::remove(Driver.ProgramFolder + "f.exe");
        else if (*fault.Script) UseEncoder(fault.Script);
        else UseRealEncoder();
        const TDriverRun run = Driver.RunJob(Service().WatchUrl(fault.Id));
        ExpectFailedSoundly(run, fault.Message, 30);
        EXPECT_TRUE(fs::is_empty(Driver.OutputFolder));
    }
    UseRealEncoder();
    ExpectNextJobRuns(Driver.OutputFolder);
}

// The first poll gives up waiting for the summary after its ten seconds, so
// the program goes on and a signal can end it, with the encoder.
TEST_F(TEncoderFaultTest, EncoderThatSaysNothingAndRunsOnEndsWithTheProgram) {
    UseEncoder("sh -c 'sleep 600; :' \"$0\"\n");
    Driver.Start({Service().WatchUrl("demo"), Driver.OutputFolder});
    ASSERT_TRUE(Driver.WaitForOutput("progress: Converting...", 30)) << Driver.OutputSoFar();
    EXPECT_FALSE(Driver.Leftovers().empty()) << "the encoder should run now";
    Driver.SendSignal(SIGTERM);
    const TDriverRun run = Driver.Finish(10);
    EXPECT_EQ(run.Signal, SIGTERM) << run.Output;
    ExpectNothingLeft();
    UseRealEncoder();
    ExpectNextJobRuns(Driver.OutputFolder);
}

}  // namespace
