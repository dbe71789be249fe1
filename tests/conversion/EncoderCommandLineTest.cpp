#include "conversion/EncoderCommandLine.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "TempFolder.h"
#include "os/CommandLineSplit.h"

namespace {

using conversion::EncoderCommandLine;
using conversion::GetShortPath;

std::string Touch(const std::string& path) {
    std::ofstream(path) << "x";
    return path;
}

TEST(GetShortPath, ExistingFiles) {
    const TTempFolder plainFolder;
    const std::string plain = Touch(plainFolder.Path() + "f.exe");
    EXPECT_EQ(GetShortPath(plain), plain);
    const TTempFolder folder("with blank");
    const std::string blank = Touch(folder.Path() + "f.exe");
    EXPECT_EQ(GetShortPath(blank), "\"" + blank + "\"");
    const std::string tab = Touch(folder.Path() + "f\t.exe");
    EXPECT_EQ(GetShortPath(tab), "\"" + tab + "\"");
}

TEST(GetShortPath, NoSuchFileOrNoWayToPassItGivesEmptyText) {
    const TTempFolder folder;
    EXPECT_EQ(GetShortPath(folder.Path() + "f.exe"), "");
    EXPECT_EQ(GetShortPath(""), "");
    // A program path cannot carry a double quote through the command line.
    EXPECT_EQ(GetShortPath(Touch(folder.Path() + "f\".exe")), "");
}

TEST(EncoderCommandLine, SevenPieces) {
    const TTempFolder folder;
    const std::string encoder = Touch(folder.Path() + "f.exe");
    EXPECT_EQ(EncoderCommandLine(encoder, "/home/me/.cache/kestrune_temp_folder/"),
              encoder +
                  " -i /home/me/.cache/kestrune_temp_folder/temp.flv -vcodec mpeg4 -vtag divx -qscale 3"
                  " -b 640000 -acodec libmp3lame -ac 2 -ar 44100 -ab 128000 -f avi"
                  " /home/me/.cache/kestrune_temp_folder/temp.avi");
}

TEST(EncoderCommandLine, MissingEncoderLeavesNoProgramPath) {
    const std::string commandLine = EncoderCommandLine("/nonexistent/f.exe", "/w/");
    EXPECT_EQ(commandLine.substr(0, 17), " -i /w/temp.flv -");
    EXPECT_EQ(os::SplitCommandLine(commandLine).front(), "");
}

TEST(EncoderCommandLine, BlanksInPathsStayInsideTheirArguments) {
    const TTempFolder folder("my programs");
    const std::string encoder = Touch(folder.Path() + "f.exe");
    const auto arguments = os::SplitCommandLine(EncoderCommandLine(encoder, "/home/my name/.cache/k/"));
    ASSERT_EQ(arguments.size(), 22u);
    EXPECT_EQ(arguments[0], encoder);
    EXPECT_EQ(arguments[1], "-i");
    EXPECT_EQ(arguments[2], "/home/my name/.cache/k/temp.flv");
    EXPECT_EQ(arguments[3], "-vcodec");
    EXPECT_EQ(arguments[20], "avi");
    EXPECT_EQ(arguments[21], "/home/my name/.cache/k/temp.avi");
}

}  // namespace
