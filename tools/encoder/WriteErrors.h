#pragma once
// ffmpeg does not always end with a failure code when its output could not be
// written: with the working folder full it may print "No space left on
// device" and "Error writing trailer", then exit 0 over a file half as long
// as its input. Our encoder watches its lines for these texts and ends with a
// failure code of its own, so that the job does not deliver such a file.
#include <string_view>

namespace encoder {

// Whether one line of ffmpeg's output tells of a write error.
bool ReportsWriteError(std::string_view line);

// What the encoder ends with: ffmpeg's own code when that is a failure, 1
// when ffmpeg ended well but a write error was seen, 0 otherwise.
inline int EncoderExitCode(int ffmpegCode, bool writeErrorSeen) {
    if (ffmpegCode != 0) return ffmpegCode;
    return writeErrorSeen ? 1 : 0;
}

}  // namespace encoder
