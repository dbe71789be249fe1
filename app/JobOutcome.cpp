#include "app/JobOutcome.h"

namespace app {

bool ConversionFailed(const TConversionEnd& end) {
    if (end.VideoDuration <= 0) return false;
    if (end.EncoderExitCode != 0) return true;
    // A stream that broke off is shorter than its announced duration; it is
    // delivered for what it holds.
    return end.DownloadComplete && int64_t{end.FurthestPosition} * 10 < int64_t{end.VideoDuration} * 9;
}

std::string ConversionFailedText(const std::string& workingFile) {
    return "Error: Cant convert the video file. What was converted is kept as " + workingFile + ".";
}

std::string ConverterFailedText(uint32_t encoderExitCode) {
    return "Error: Cant convert the video file. The converter failed with exit code " +
           std::to_string(encoderExitCode) + " and made no file.";
}

std::string DoneText(int64_t bytesDownloaded, int64_t videoSize) {
    if (videoSize <= 0 || bytesDownloaded >= videoSize) return "Done.";
    return "Done. The download broke off after " + std::to_string(bytesDownloaded) + " of " +
           std::to_string(videoSize) + " bytes, so the video is incomplete.";
}

}  // namespace app
