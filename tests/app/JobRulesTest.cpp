// The job's pure rules: gauge arithmetic, how a job ends, the unique output
// name, and the settings files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

#include "app/JobGauges.h"
#include "app/JobOutcome.h"
#include "app/OutputName.h"
#include "app/SettingsFile.h"
#include "rtl/Exceptions.h"

using namespace app;

TEST(JobGauges, TruncateAndNeverRound) {
    EXPECT_EQ(DownloadStage(1, 4), 25);
    EXPECT_EQ(DownloadTotal(1, 4), 37);  // 7.5 truncated, plus 30
    EXPECT_EQ(DownloadStage(3, 4), 75);
    EXPECT_EQ(DownloadTotal(3, 4), 52);
    EXPECT_EQ(DownloadStage(4, 4), 100);
    EXPECT_EQ(DownloadTotal(4, 4), 60);
    EXPECT_EQ(ConvertStage(30, 40), 75);
    EXPECT_EQ(ConvertTotal(30, 40), 90);
    EXPECT_EQ(ConvertStage(40, 40), 100);
    EXPECT_EQ(ConvertTotal(40, 40), 100);
    EXPECT_EQ(DownloadStage(2, 3), 66);
}

TEST(JobGauges, MoreThanAnnouncedGoesPastTheEndForTheGaugeToClamp) {
    EXPECT_EQ(DownloadStage(8, 4), 200);
    EXPECT_EQ(DownloadTotal(8, 4), 90);
    EXPECT_EQ(DownloadStage(1, -4), -25);  // a negative size passes the size check
    EXPECT_EQ(DownloadTotal(int64_t{1} << 40, 1), 1000030);  // far beyond: cut short, no overflow
}

TEST(JobOutcome, FailedConversions) {
    const struct {
        TConversionEnd End;
        bool Failed;
    } cases[] = {
        {{.EncoderExitCode = 0, .FurthestPosition = 60, .VideoDuration = 60}, false},
        {{.EncoderExitCode = 0, .FurthestPosition = 54, .VideoDuration = 60}, false},  // 90 % is enough
        {{.EncoderExitCode = 0, .FurthestPosition = 53, .VideoDuration = 60}, true},
        {{.EncoderExitCode = 1, .FurthestPosition = 60, .VideoDuration = 60}, true},
        {{.EncoderExitCode = 137, .FurthestPosition = 0, .VideoDuration = 60}, true},
        // No duration known: nothing to judge by.
        {{.EncoderExitCode = 1, .FurthestPosition = 0, .VideoDuration = 0}, false},
        // A stream that broke off is as long as what came; its encoder's end still counts.
        {{.EncoderExitCode = 0, .FurthestPosition = 20, .VideoDuration = 60, .DownloadComplete = false}, false},
        {{.EncoderExitCode = 1, .FurthestPosition = 20, .VideoDuration = 60, .DownloadComplete = false}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConversionFailed(c.End), c.Failed)
            << c.End.EncoderExitCode << " " << c.End.FurthestPosition << "/" << c.End.VideoDuration;
    EXPECT_EQ(ConversionFailedText("/c/kestrune_temp_folder/temp.avi"),
              "Error: Cant convert the video file. What was converted is kept as /c/kestrune_temp_folder/temp.avi.");
}

TEST(JobOutcome, DoneTextTellsOfADownloadThatBrokeOff) {
    EXPECT_EQ(DoneText(2883021, 2883021), "Done.");
    EXPECT_EQ(DoneText(2883022, 2883021), "Done.");  // more than announced is no loss
    EXPECT_EQ(DoneText(-1, -1), "Done.");            // a negative size passes the size check
    EXPECT_EQ(DoneText(1000000, 2883021),
              "Done. The download broke off after 1000000 of 2883021 bytes, so the video is incomplete.");
    EXPECT_EQ(DoneText(0, 2147483647),
              "Done. The download broke off after 0 of 2147483647 bytes, so the video is incomplete.");
}

namespace {

std::function<bool(const std::string&)> Existing(std::set<std::string> names) {
    return [names](const std::string& path) { return names.count(path) > 0; };
}

}  // namespace

TEST(OutputName, BracketedCounterFillsTheFirstGap) {
    EXPECT_EQ(UniqueVideoTitle("/v/", "Clip", Existing({})), "Clip");
    EXPECT_EQ(UniqueVideoTitle("/v/", "Clip", Existing({"/v/[1]Clip.AVI"})), "Clip");
    EXPECT_EQ(UniqueVideoTitle("/v/", "Clip", Existing({"/v/Clip.AVI"})), "[1]Clip");
    EXPECT_EQ(UniqueVideoTitle("/v/", "Clip", Existing({"/v/Clip.AVI", "/v/[1]Clip.AVI"})), "[2]Clip");
    EXPECT_EQ(UniqueVideoTitle("/v/", "Clip", Existing({"/v/Clip.AVI", "/v/[2]Clip.AVI"})), "[1]Clip");
    EXPECT_EQ(UniqueVideoTitle("/w/", "Clip", Existing({"/v/Clip.AVI"})), "Clip");
}

namespace {

struct TRecordedSettings : TSettingsTarget {
    std::string Folder = "unset";
    int Top = -1, Left = -1;
    bool Open = true;
    void SetOutputFolder(const std::string& folder) override { Folder = folder; }
    void SetWindowTop(int top) override { Top = top; }
    void SetWindowLeft(int left) override { Left = left; }
    void SetOpenFile(bool open) override { Open = open; }
};

std::string Scratch(const std::string& name) { return ::testing::TempDir() + "kestrune-app-" + name; }

void Write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace

TEST(SettingsFile, WritesFourCrLfLines) {
    const std::string path = Scratch("set.txt");
    WriteSettingsFile(path, "C:/Videos/", 172, 389, true);
    EXPECT_EQ(Read(path), "C:/Videos/\r\n172\r\n389\r\n1\r\n");
    WriteSettingsFile(path, "/v/", -20, -1300, false);
    EXPECT_EQ(Read(path), "/v/\r\n-20\r\n-1300\r\n0\r\n");
    WriteDoneMarker(Scratch("done.txt"));
    EXPECT_EQ(Read(Scratch("done.txt")), "Done\r\n");
    EXPECT_THROW(WriteSettingsFile("/nonexistent-folder/set.txt", "/", 0, 0, true), rtl::EFCreateError);
}

TEST(SettingsFile, ReadsWhatWasWrittenAndLfOnlyFiles) {
    const std::string path = Scratch("set.txt");
    TRecordedSettings settings;
    WriteSettingsFile(path, "/home/u/Videos/", -20, 389, false);
    ReadSettingsFile(path, settings);
    EXPECT_EQ(settings.Folder, "/home/u/Videos/");
    EXPECT_EQ(settings.Top, -20);
    EXPECT_EQ(settings.Left, 389);
    EXPECT_FALSE(settings.Open);
    Write(path, " /with blank \n5\n6\n1\nextra\n");
    ReadSettingsFile(path, settings);
    EXPECT_EQ(settings.Folder, " /with blank ");
    EXPECT_TRUE(settings.Open);
}

TEST(SettingsFile, OptionIsOnOnlyForExactlyOne) {
    const std::string path = Scratch("set.txt");
    for (const char* line : {"01", "1 ", "true", ""}) {
        TRecordedSettings settings;
        Write(path, std::string("/\r\n1\r\n2\r\n") + line + "\r\n");
        ReadSettingsFile(path, settings);
        EXPECT_FALSE(settings.Open) << line;
    }
}

TEST(SettingsFile, BrokenFilesStopAtTheFirstBadLineKeepingWhatCameBefore) {
    const std::string path = Scratch("set.txt");
    TRecordedSettings settings;
    Write(path, "/videos/\r\n100\r\n");
    try {
        ReadSettingsFile(path, settings);
        FAIL();
    } catch (const rtl::EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (2)");
    }
    EXPECT_EQ(settings.Folder, "/videos/");
    EXPECT_EQ(settings.Top, 100);
    EXPECT_EQ(settings.Left, -1);

    TRecordedSettings other;
    Write(path, "/v/\r\n12px\r\n3\r\n1\r\n");
    try {
        ReadSettingsFile(path, other);
        FAIL();
    } catch (const rtl::EConvertError& e) {
        EXPECT_EQ(e.Message(), "'12px' is not a valid integer value");
    }
    EXPECT_EQ(other.Folder, "/v/");
    EXPECT_EQ(other.Top, -1);
}
