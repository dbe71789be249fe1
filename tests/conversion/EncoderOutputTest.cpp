#include "conversion/TEncoderOutput.h"

#include <gtest/gtest.h>

#include <string>

#include "rtl/Exceptions.h"

namespace {

using conversion::TEncoderOutput;
using conversion::TimeToSeconds;

TEncoderOutput OutputOf(const std::string& text) {
    TEncoderOutput output;
    output.Append(text);
    return output;
}

template <typename Action>
std::string ConvertErrorOf(Action action) {
    try {
        action();
    } catch (const rtl::EConvertError& error) {
        return error.Message();
    }
    return "no error";
}

std::string PositionErrorOf(const std::string& text) {
    return ConvertErrorOf([&] { OutputOf(text).GetPosition(); });
}

std::string SecondsErrorOf(const std::string& text) {
    return ConvertErrorOf([&] { TimeToSeconds(text); });
}

const std::string Summary =
    "Input #0, flv, from 'temp.flv':\n  Duration: 00:03:25.41, start: 0.000000, bitrate: 402 kb/s\n";

TEST(EncoderOutput, WorkedExample) {
    const TEncoderOutput output =
        OutputOf(Summary + "frame= 1600 fps=320 q=3.0 size=    3072kB time=00:01:04.00 bitrate= 393.2kbits/s    \r");
    EXPECT_EQ(output.GetDurationText(), "00:03:25");
    EXPECT_EQ(TimeToSeconds(output.GetDurationText()), 205);
    const conversion::TProgressTexts texts = output.ReadProgress(true, true);
    EXPECT_EQ(texts.DurationText, "00:03:25");
    EXPECT_EQ(texts.TimeText, "00:01:04");
    EXPECT_EQ(output.GetPosition(), 64);
    // A text that was not asked for keeps its default.
    EXPECT_EQ(output.ReadProgress(false, true).DurationText, "00:00:00");
    EXPECT_FALSE(output.ReadProgress(true, false).TimeText.has_value());
}

TEST(EncoderOutput, FurthestPositionOutlastsTheWindowAndPieceBoundaries) {
    TEncoderOutput output;
    const struct {
        const char* Piece;
        int32_t Furthest;
    } steps[] = {
        {"  Duration: 00:01:00.00, start: 0.000000\n", 0},
        {"frame=  100 speed=2.0x time=00:00:1", 0},  // not whole yet
        {"2.00\rframe=  200 speed=2.0x time=00:00:24.00\r", 24},
        {"frame=  201 time=N/A\r", 24},        // unreadable: counts for nothing
        {"frame=  150 time=00:00:20.00\r", 24},  // never backwards
        {"frame= 1500 Lsize= 4096kB speed=2.1x tim", 24},
        {"e=00:01:00.00\n", 60},
        {"video:3800kB audio:940kB subtitle:0kB other streams:0kB global headers:0kB muxing overhead: 1.2%\n", 60},
    };
    for (const auto& step : steps) {
        output.Append(step.Piece);
        EXPECT_EQ(output.FurthestPosition(), step.Furthest) << step.Piece;
    }
    // The summary has pushed the last "time=" out of the window.
    EXPECT_EQ(output.GetPosition(), 0);
    output.Clear();
    EXPECT_EQ(output.FurthestPosition(), 0);
}

TEST(EncoderOutput, DurationText) {
    // Absent: the zero duration, as after "Unknown format".
    EXPECT_EQ(OutputOf("temp.flv: Unknown format\n").GetDurationText(), "00:00:00");
    EXPECT_EQ(OutputOf("").GetDurationText(), "00:00:00");
    // The first one counts.
    EXPECT_EQ(OutputOf("Duration: 00:00:07.00\nDuration: 00:09:00.00\n").GetDurationText(), "00:00:07");
    // Eight characters, blanks and control characters cut from both ends.
    EXPECT_EQ(OutputOf("Duration: \t00:01:02.5").GetDurationText(), "00:01:0");
    EXPECT_EQ(OutputOf("Duration: 1:02:03\r\n").GetDurationText(), "1:02:03");
    EXPECT_EQ(OutputOf("Duration: 00:0").GetDurationText(), "00:0");
    EXPECT_EQ(OutputOf("Duration: ").GetDurationText(), "");
    // Not a time at all: the hours piece does not convert.
    const std::string na = OutputOf("  Duration: N/A, start: 0.000000, bitrate: N/A\n").GetDurationText();
    EXPECT_EQ(na, "N/A, sta");
    EXPECT_EQ(SecondsErrorOf(na), "'N/' is not a valid integer value");
}

TEST(EncoderOutput, MarksSplitAcrossPiecesAreFound) {
    TEncoderOutput output;
    output.Append("  Dura");
    EXPECT_FALSE(output.SummarySeen());
    output.Append("tion");
    output.Append(":");
    EXPECT_FALSE(output.SummarySeen());
    output.Append(" 00:01:00.00, start");
    EXPECT_TRUE(output.SummarySeen());
    EXPECT_EQ(output.GetDurationText(), "00:01:00");

    TEncoderOutput unknown;
    for (const char c : std::string("temp.flv: Unknown format\n")) unknown.Append(std::string(1, c));
    EXPECT_TRUE(unknown.SummarySeen());
    EXPECT_EQ(unknown.GetDurationText(), "00:00:00");
}

TEST(EncoderOutput, NulBytesBecomeBlanks) {
    TEncoderOutput output;
    output.Append(std::string("Duration:\0", 10));
    output.Append(std::string("00:00:09.00\0x", 13));
    EXPECT_EQ(output.Text(), "Duration: 00:00:09.00 x");
    EXPECT_TRUE(output.SummarySeen());
    EXPECT_EQ(output.GetDurationText(), "00:00:09");
}

TEST(EncoderOutput, ClearForgetsTheMarksToo) {
    TEncoderOutput output = OutputOf(Summary + "time=00:00:05.00");
    output.Clear();
    EXPECT_FALSE(output.SummarySeen());
    EXPECT_EQ(output.GetDurationText(), "00:00:00");
    output.Append("Duration: 00:00:02.00");
    EXPECT_EQ(output.GetDurationText(), "00:00:02");
}

TEST(EncoderOutput, PositionLooksAtTheLast51CharactersOnly) {
    // Shorter than the window: all of it is looked at.
    EXPECT_EQ(OutputOf("time=00:00:12.00").GetPosition(), 12);
    // "time=" as the first characters of exactly 51 is in; one more character
    // behind pushes its "t" out.
    const std::string status = "time=00:00:12.00";
    const std::string fill(51 - status.size(), ' ');
    EXPECT_EQ(OutputOf(status + fill).GetPosition(), 12);
    EXPECT_EQ(OutputOf(status + fill + "x").GetPosition(), 0);
    // Right after the summary, before the first status line: no position yet.
    EXPECT_EQ(OutputOf(Summary + "Stream mapping:\n  Stream #0:0 -> #0:0 (flv1 (flv) -> mpeg4 (native))\n")
                  .GetPosition(),
              0);
    // The first "time=" of the window counts, not the last.
    EXPECT_EQ(OutputOf("time=00:00:01.00 ... time=00:00:02.00").GetPosition(), 1);
    // The separators are not looked at.
    EXPECT_EQ(OutputOf("time=00.01.04.00").ReadProgress(false, true).TimeText, "00");
    EXPECT_EQ(TimeToSeconds("00.01.04"), 64);
}

TEST(EncoderOutput, PositionsThatAreNoTimeRaiseConvertErrors) {
    // A "time=" with no "." behind it in the window: empty time text.
    EXPECT_EQ(PositionErrorOf("time=00:00:05"), "'' is not a valid integer value");
    // Plain seconds: the time text is "4", the minutes piece is empty.
    EXPECT_EQ(PositionErrorOf("size= 10kB time=4.90 bitrate="), "'' is not a valid integer value");
    // Three digits of hours shift the minutes piece onto a colon.
    EXPECT_EQ(PositionErrorOf("time=100:00:00.00"), "':0' is not a valid integer value");
    EXPECT_EQ(PositionErrorOf("time=N/A bitrate=N/A speed=N/A. "), "'N/' is not a valid integer value");
}

TEST(TimeToSeconds, ReadsFixedPlaces) {
    EXPECT_EQ(TimeToSeconds("00:00:00"), 0);
    EXPECT_EQ(TimeToSeconds("01:02:03"), 3723);
    EXPECT_EQ(TimeToSeconds("99:59:59"), 359999);
    EXPECT_EQ(TimeToSeconds("00:01:04.99 and more"), 64);
    // Each piece converts as an integer would: blanks in front, signs, hexadecimal.
    EXPECT_EQ(TimeToSeconds(" 1: 2: 3"), 3723);
    EXPECT_EQ(TimeToSeconds("-1:00:00"), -3600);
    EXPECT_EQ(TimeToSeconds("$A:00:00"), 36000);
}

TEST(TimeToSeconds, NamesTheFirstPieceThatDoesNotConvert) {
    EXPECT_EQ(SecondsErrorOf(""), "'' is not a valid integer value");
    EXPECT_EQ(SecondsErrorOf("4"), "'' is not a valid integer value");
    EXPECT_EQ(SecondsErrorOf("ab:cd:ef"), "'ab' is not a valid integer value");
    EXPECT_EQ(SecondsErrorOf("00:cd:ef"), "'cd' is not a valid integer value");
    EXPECT_EQ(SecondsErrorOf("00:00:e"), "'e' is not a valid integer value");
    EXPECT_EQ(SecondsErrorOf("00:00"), "'' is not a valid integer value");
}

}  // namespace
