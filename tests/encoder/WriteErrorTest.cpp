// The encoder's own verdict on ffmpeg's end: a write error that ffmpeg printed
// fails the conversion even when ffmpeg itself ended well.
#include <gtest/gtest.h>

#include "encoder/WriteErrors.h"

using encoder::EncoderExitCode;
using encoder::ReportsWriteError;

TEST(EncoderWriteErrors, LinesThatTellOfAFailedWrite) {
    const struct {
        const char* Line;
        bool WriteError;
    } cases[] = {
        {"av_interleaved_write_frame(): No space left on device\n", true},
        {"Error writing trailer of /home/u/.cache/kestrune_temp_folder/temp.avi: No space left on device\n", true},
        {"Error writing trailer of temp.avi: Input/output error\n", true},
        {"frame=  168 fps=0.0 q=3.0 Lsize=     512kB bitrate= 619.9kbits/s speed=19.7x time=00:00:06.76\r", false},
        {"video:660kB audio:106kB subtitle:0kB other streams:0kB global headers:0kB muxing overhead: 2.3%\n", false},
        {"Please use -b:a or -b:v, -b is ambiguous\n", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(ReportsWriteError(c.Line), c.WriteError) << c.Line;
}

TEST(EncoderWriteErrors, ExitCodeKeepsFfmpegsFailureAndAddsOneForAWriteError) {
    EXPECT_EQ(EncoderExitCode(0, false), 0);
    EXPECT_EQ(EncoderExitCode(0, true), 1);
    EXPECT_EQ(EncoderExitCode(1, false), 1);
    EXPECT_EQ(EncoderExitCode(137, true), 137);
}
