// A whole conversion with the program folder's f.exe (our relay in front of the
// system's ffmpeg):
// a clip made here goes through the exact command line and the runner, and
// ffprobe checks what came out.
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "TempFolder.h"
#include "conversion/EncoderCommandLine.h"
#include "conversion/Tmpegconverter.h"

namespace {

using conversion::Tmpegconverter;

const std::string Encoder = KESTRUNE_ENCODER;
const std::string Probe = KESTRUNE_FFPROBE;

// Runs a tool to its end and gives back all it printed.
std::string RunToEnd(const std::string& commandLine) {
    Tmpegconverter tool;
    tool.Start(commandLine);
    for (tool.Poll(); !tool.Finished(); tool.Poll()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return tool.Output();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

bool Holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(RealEncoder, ConvertsAClipToDivxAndMp3InAvi) {
    if (access(Encoder.c_str(), X_OK) != 0 || Probe.empty()) GTEST_SKIP() << "no ffmpeg/ffprobe on this machine";
    const TTempFolder working("kestrune_temp_folder");
    const std::string flv = working.Path() + "temp.flv";
    RunToEnd(Encoder + " -hide_banner -loglevel error -f lavfi -i testsrc=duration=30:size=1280x720:rate=25"
                       " -f lavfi -i sine=frequency=440:sample_rate=44100:duration=30"
                       " -c:v flv1 -c:a libmp3lame -ar 22050 -ac 1 -shortest " + flv);
    ASSERT_EQ(access(flv.c_str(), R_OK), 0) << "could not make the clip";

    Tmpegconverter converter;
    converter.Start(conversion::EncoderCommandLine(Encoder, working.Path()));
    // A clip this short may be done by the end of the first poll already.
    converter.Poll();
    EXPECT_EQ(converter.GetDurationText(), "00:00:30") << converter.Output();
    const int duration = conversion::TimeToSeconds(converter.GetDurationText());
    EXPECT_EQ(duration, 30);

    // The job's ticks, only faster. The positions read stay within the clip,
    // and they move: f.exe puts each status line's "time=" at its end, within
    // the last 51 characters that are looked at.
    int furthest = 0;
    while (true) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (converter.Finished()) break;
        converter.Poll();
        const int position = converter.GetPosition();
        EXPECT_GE(position, 0);
        EXPECT_LE(position, duration);
        furthest = std::max(furthest, position);
    }
    EXPECT_GT(furthest, 0) << converter.Output();

    // The encoder's last status line holds the final position; its summary
    // follows it, so it lies beyond the last 51 characters by now.
    const std::string& output = converter.Output();
    const size_t last = output.rfind("time=");
    ASSERT_NE(last, std::string::npos) << output;
    const int final = conversion::TimeToSeconds(output.substr(last + 5, 8));
    EXPECT_GE(final, duration - 1);
    EXPECT_LE(final, duration);
    EXPECT_TRUE(Holds(output.substr(last), "video:")) << output.substr(last);

    const std::vector<std::string> streams =
        Lines(RunToEnd(Probe + " -v error -show_entries stream=codec_type,codec_name,codec_tag_string,channels,"
                               "sample_rate -of compact=p=0 " + working.Path() + "temp.avi"));
    ASSERT_EQ(streams.size(), 2u);
    const std::string& video = Holds(streams[0], "codec_type=video") ? streams[0] : streams[1];
    const std::string& audio = Holds(streams[0], "codec_type=video") ? streams[1] : streams[0];
    EXPECT_TRUE(Holds(video, "codec_name=mpeg4|")) << video;
    EXPECT_TRUE(Holds(video, "codec_tag_string=divx") || Holds(video, "codec_tag_string=DIVX")) << video;
    EXPECT_TRUE(Holds(audio, "codec_type=audio")) << audio;
    EXPECT_TRUE(Holds(audio, "codec_name=mp3|")) << audio;
    EXPECT_TRUE(Holds(audio, "sample_rate=44100")) << audio;
    EXPECT_TRUE(Holds(audio, "channels=2")) << audio;
}

}  // namespace
