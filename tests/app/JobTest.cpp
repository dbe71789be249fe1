// Whole jobs through the program's windows on the headless desktop, with the
// demo video service and the real encoder (or a stand-in for it): completion
// and naming, cancel in both stages, the error messages, streams that break
// off or have no length, close requests during a job, a failed delivery, and
// encoders that fail or stop short. In every job the total gauge only rises.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "JobHarness.h"
#include "VideoService.h"
#include "app/AboutUnit.h"
#include "app/AppResources.h"
#include "app/ProgramWindows.h"
#include "app/ProgramEnd.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "os/FileSystem.h"
#include "os/UserFolders.h"
#include "ui/Headless.h"
#include "vcl/Dialogs.h"
#include "vcl/TApplication.h"
#include "vcl/TMessageForm.h"

namespace {

TEST_F(TJobTest, CompletedJobDeliversTheVideoUnderItsTitle) {
    RunJob(Service().WatchUrl("demo"));
    EXPECT_EQ(Messages, std::vector<std::string>{"Done."});
    EXPECT_TRUE(os::FileExists(Output + VideoTitle + ".AVI")) << VideoTitle;
    EXPECT_EQ(VideoTitle, "Test_Pattern_Demo__5_seconds_");
    EXPECT_EQ(Form2->sGauge1->Progress(), 100);
    EXPECT_EQ(Form2->sGauge2->Progress(), 100);
    EXPECT_EQ(Form1->sEdit1->Text(), "");
    EXPECT_TRUE(Form1->Visible());
    EXPECT_FALSE(Form2->Visible());
}

TEST_F(TJobTest, TakenNamesGetTheFirstFreeCounter) {
    const std::string title = "Test_Pattern_Demo__5_seconds_";
    Touch(Output + title + ".AVI");
    Touch(Output + "[2]" + title + ".AVI");
    RunJob(Service().WatchUrl("demo"));
    EXPECT_TRUE(os::FileExists(Output + "[1]" + title + ".AVI"));
    RunJob(Service().WatchUrl("demo"));
    EXPECT_TRUE(os::FileExists(Output + "[3]" + title + ".AVI"));
}

TEST_F(TJobTest, ErrorMessagesKeepTheAddress) {
    RunJob("https://www.example.com/watch?v=demo");
    RunJob(Service().WatchUrl("no-such-clip"));
    RunJob(Service().WatchUrl("demo-chunked"));
    RunJob(Service().WatchUrl("demo-huge"));
    EXPECT_EQ(Messages, (std::vector<std::string>{"Error: Invalid YouTube URL.", "Error: Cant get and check video link.",
                                                  "Error: Cant download video file.",
                                                  "Error: Cant download video file."}));
    EXPECT_EQ(Form1->sEdit1->Text(), Service().WatchUrl("demo-huge"));
    EXPECT_TRUE(Form1->Visible());
    EXPECT_FALSE(Form2->Visible());
}

TEST_F(TJobTest, SchemeInCapitalsPassesTheCheck) {
    std::string address = Service().WatchUrl("demo");
    address.replace(0, 4, "HTTP");
    RunJob(address);
    EXPECT_EQ(Messages, std::vector<std::string>{"Done."});
}

TEST_F(TJobTest, CancelDuringTheDownloadMovesNothing) {
    bool pressed = false;
    RunJob(Service().WatchUrl("long-trickle50"), [&] {
        if (Downloading && !pressed && DownloadThread->BytesShown > 0) {
            pressed = true;
            EXPECT_FALSE(Form1->CloseQuery());  // closing is refused while the job runs
            Form2->sSpeedButton1->Click();
            Form2->sSpeedButton1->Click();  // twice is as once
        }
    });
    EXPECT_TRUE(pressed);
    EXPECT_EQ(Messages, std::vector<std::string>{"Done."});
    EXPECT_FALSE(os::FileExists(Output + VideoTitle + ".AVI"));
    EXPECT_EQ(Form1->sEdit1->Text(), "");
    EXPECT_TRUE(Form1->CloseQuery());
}

TEST_F(TJobTest, CancelDuringTheConversionStopsTheEncoder) {
    bool pressed = false;
    RunJob(Service().WatchUrl("long"), [&] {
        if (Converting && !pressed) {
            pressed = true;
            Form2->sSpeedButton1->Click();
        }
    });
    EXPECT_TRUE(pressed);
    EXPECT_EQ(Messages, std::vector<std::string>{"Done."});
    EXPECT_FALSE(os::FileExists(Output + VideoTitle + ".AVI"));
}

TEST_F(TJobTest, BrokenStreamIsConvertedAsFarAsItArrivedAndSaidToBeIncomplete) {
    RunJob(Service().WatchUrl("long-break1000000"));
    const auto size = std::filesystem::file_size(TTestVideoService::ClipPath("long"));
    EXPECT_EQ(Messages, std::vector<std::string>{"Done. The download broke off after 1000000 of " +
                                                 std::to_string(size) + " bytes, so the video is incomplete."});
    EXPECT_TRUE(os::FileExists(Output + VideoTitle + ".AVI"));
}

// The one-minute clip: its encoder is done within a few ticks, and the last
// poll reads only the closing summary, which holds no "time=".
TEST_F(TJobTest, GaugesNeverFallBeforeTheEndOfAConversion) {
    std::vector<int> stages;
    RunJob(Service().WatchUrl("long"), [&] {
        if (Converting) stages.push_back(Form2->sGauge1->Progress());
    });
    EXPECT_EQ(Messages, std::vector<std::string>{"Done."});
    ASSERT_FALSE(stages.empty());
    // Until the first conversion tick the stage gauge still shows where the
    // download ended (100, or 99 when its last tick came just before the end).
    const int leftFromTheDownload = stages.front();
    stages.erase(stages.begin(), std::find_if(stages.begin(), stages.end(),
                                              [&](int v) { return v != leftFromTheDownload; }));
    EXPECT_TRUE(std::is_sorted(stages.begin(), stages.end())) << Join(stages);
}

// The encoder is a stand-in here, told how long the video is, how far it gets
// and how it ends; the stream is the demo clip's.
TEST_F(TJobTest, EncoderThatFailsOrStopsShortKeepsItsWorkInTheWorkingFolder) {
    const std::string failed = "Error: Cant convert the video file. What was converted is kept as ";
    const struct {
        const char* Run;  // duration, furthest position, exit code
        bool Delivered;
    } cases[] = {
        {"60 60 0", true},
        {"60 54 0", true},  // 90 % is far enough
        {"60 53 0", false},
        {"60 60 1", false},  // a write error that our encoder reported
        {"60 30 0", false},
    };
    for (const auto& c : cases) {
        Messages.clear();
        ::setenv("FAKE_ENCODER_RUN", c.Run, 1);
        EncoderPath = FAKE_ENCODER;
        RunJob(Service().WatchUrl("demo"));
        ::unsetenv("FAKE_ENCODER_RUN");
        const std::string delivered = Output + VideoTitle + ".AVI";
        EXPECT_EQ(os::FileExists(delivered), c.Delivered) << c.Run;
        const std::string expected = c.Delivered ? "Done." : failed + TempFolder + "temp.avi.";
        EXPECT_EQ(Messages, std::vector<std::string>{expected}) << c.Run;
        if (!c.Delivered) {
            EXPECT_TRUE(os::FileExists(TempFolder + "temp.avi")) << c.Run;
        }
        os::DeleteFile(delivered);
    }
}

// An encoder that gave no duration is not judged by how far it got, only by
// whether it made a file and how it ended.
TEST_F(TJobTest, EncoderWithoutADurationThatMadeNoFileIsReportedByHowItEnded) {
    const struct {
        const char* Run;
        std::string Message;
    } cases[] = {
        {"0 0 1", "Error: Cant convert the video file. The converter failed with exit code 1 and made no file."},
        {"0 0 0", "Error: Cant move the video file into " + Output + ". The converter made no file."},
    };
    EncoderPath = FAKE_ENCODER;
    for (const auto& c : cases) {
        Messages.clear();
        ::setenv("FAKE_ENCODER_RUN", c.Run, 1);
        RunJob(Service().WatchUrl("demo"));
        ::unsetenv("FAKE_ENCODER_RUN");
        EXPECT_EQ(Messages, std::vector<std::string>{c.Message}) << c.Run;
    }
}

// A working folder on a file system too small for the converted video: the
// real encoder runs out of room halfway.
TEST_F(TJobTest, FullWorkingFolderFailsTheConversion) {
    const std::string folder = MakeFolder("small");
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=3500k") != 0)
        GTEST_SKIP() << "a small file system cannot be mounted here (" << std::strerror(errno) << ")";
    const struct TUnmount {
        std::string Path;
        ~TUnmount() { ::umount2(Path.c_str(), MNT_DETACH); }
    } unmount{folder};
    TempFolder = folder;
    RunJob(Service().WatchUrl("long"));
    EXPECT_EQ(Messages, std::vector<std::string>{"Error: Cant convert the video file. What was converted is kept as " +
                                                 folder + "temp.avi."});
    EXPECT_FALSE(os::FileExists(Output + VideoTitle + ".AVI"));
    EXPECT_TRUE(os::FileExists(folder + "temp.avi"));
}

TEST_F(TJobTest, FailedDeliveryNamesTheFolderAndKeepsTheFile) {
    OnMessage = nullptr;
    RunJob(Service().WatchUrl("demo"), [&] {
        // The output folder goes away while the encoder works.
        if (Converting) std::system(("rm -rf '" + Output + "'").c_str());
    });
    ASSERT_EQ(Messages.size(), 1u);
    const std::string kept = TempFolder + VideoTitle + ".AVI";
    EXPECT_EQ(Messages[0], "Error: Cant move the video file into " + Output + ". It is kept as " + kept + ".");
    EXPECT_TRUE(os::FileExists(kept));
}

TEST_F(TJobTest, DownloadThatCannotBeStoredEndsWithAMessage) {
    TempFolder = "/nonexistent-folder/";
    RunJob(Service().WatchUrl("demo"));
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].rfind("Error: Cant download video file.\nCannot create file", 0), 0u) << Messages[0];
}

TEST_F(TJobTest, ProgressWindowRefusesToClose) {
    Form2->Show();
    Form2->Close();
    vcl::Application->ProcessMessages();
    EXPECT_TRUE(Form2->Visible());
    Form2->Hide();
}

TEST_F(TJobTest, FolderEditAlwaysEndsWithADelimiter) {
    Form1->sDirectoryEdit1->SetText("");
    EXPECT_EQ(Form1->sDirectoryEdit1->Text(), "/");
    Form1->sDirectoryEdit1->SetText("/media/clips");
    EXPECT_EQ(Form1->sDirectoryEdit1->Text(), "/media/clips/");
}

}  // namespace
