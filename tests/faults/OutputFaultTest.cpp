// The output folder or the working folder fails the real program: a folder
// that is not there, one that cannot be written (read-only even for root),
// names that are taken, and file systems that are full. The converted video is
// never lost (it stays in the working folder under its title, and the message
// says where), what was in the output folder is never overwritten, nothing
// half-written is left there, and the next job runs.
#include <filesystem>
#include <fstream>
#include <string>

#include "TFaultTest.h"
#include "TScratchMount.h"

namespace {

namespace fs = std::filesystem;

class TOutputFaultTest : public TFaultTest {
protected:
    std::string KeptMessage(const std::string& folder) const {
        return "Error: Cant move the video file into " + folder + ". It is kept as " + Driver.WorkingFolder +
               DemoTitle + ".AVI.";
    }
    // The job delivers nothing into `folder` and keeps the video in the
    // working folder; afterwards the kept video is cleared away.
    void ExpectKept(const std::string& folder) {
        const TDriverRun run = Driver.Run({Service().WatchUrl("demo"), folder});
        ExpectFailedSoundly(run, KeptMessage(folder), 60);
        EXPECT_GT(SizeOf(Driver.WorkingFolder + DemoTitle + ".AVI"), 100000u);
        EXPECT_FALSE(fs::exists(folder + DemoTitle + ".AVI"));
        fs::remove(Driver.WorkingFolder + DemoTitle + ".AVI");
    }
    std::string MakeFolder(const std::string& name) const {
        const std::string folder = Driver.Root + name + "/";
        fs::create_directories(folder);
        return folder;
    }
};

TEST_F(TOutputFaultTest, FolderThatIsNotThereKeepsTheVideo) {
    ExpectKept(Driver.Root + "nowhere/");
    EXPECT_FALSE(fs::exists(Driver.Root + "nowhere"));
    ExpectNextJobRuns(Driver.OutputFolder);
}

TEST_F(TOutputFaultTest, FolderThatCannotBeWrittenKeepsTheVideoAndWhatWasThere) {
    const std::string folder = MakeFolder("readonly");
    std::ofstream(folder + "mine.txt") << "the user's own file";
    TScratchMount mount = TScratchMount::ReadOnly(folder);
    if (!mount.Mounted()) GTEST_SKIP() << mount.Why();
    ExpectKept(folder);
    mount.Unmount();
    EXPECT_EQ(SizeOf(folder + "mine.txt"), 19u);
    ExpectNextJobRuns(folder);
}

TEST_F(TOutputFaultTest, TakenNamesAreNeverOverwritten) {
    const std::string taken[] = {DemoTitle + ".AVI", "[1]" + DemoTitle + ".AVI"};
    for (const auto& name : taken) std::ofstream(Driver.OutputFolder + name) << "an older video: " << name;
    const TDriverRun run = Driver.RunJob(Service().WatchUrl("demo"));
    EXPECT_EQ(run.ExitCode, 0) << run.Output;
    EXPECT_TRUE(Holds(run.Output, "message: Done.\n")) << run.Output;
    ExpectNothingLeft();
    EXPECT_GT(SizeOf(Driver.OutputFolder + "[2]" + DemoTitle + ".AVI"), 100000u);
    for (const auto& name : taken) EXPECT_EQ(SizeOf(Driver.OutputFolder + name), 16 + name.size()) << name;
}

TEST_F(TOutputFaultTest, FullOutputFolderKeepsTheVideoWholeAndLeavesNoPart) {
    const std::string folder = MakeFolder("small-output");
    TScratchMount mount = TScratchMount::Tmpfs(folder, 64);
    if (!mount.Mounted()) GTEST_SKIP() << mount.Why();
    ExpectKept(folder);
    EXPECT_TRUE(fs::is_empty(folder));
    mount.Unmount();
    ExpectNextJobRuns(Driver.OutputFolder);
}

// The stream does not fit into the working folder: the download itself fails.
TEST_F(TOutputFaultTest, FullWorkingFolderEndsTheDownloadWithAMessage) {
    TScratchMount mount = TScratchMount::Tmpfs(Driver.Root + "cache", 128);
    if (!mount.Mounted()) GTEST_SKIP() << mount.Why();
    const TDriverRun run = Driver.RunJob(Service().WatchUrl("demo"));
    ExpectFailedSoundly(
        run, "Error: Cant download video file.\nCannot write file \"" + Driver.WorkingFolder + "temp.flv\".", 30);
    // The part that filled the disk goes, so that the disk is not left full.
    EXPECT_FALSE(fs::exists(Driver.WorkingFolder + "temp.flv"));
    EXPECT_TRUE(fs::is_empty(Driver.OutputFolder));
    mount.Unmount();
    ExpectNextJobRuns(Driver.OutputFolder);
}

}  // namespace
