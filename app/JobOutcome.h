#pragma once
// How a job that got past the size check ends: "Done.", "Done." with a word
// on a download that broke off, or a failed conversion. The encoder's exit
// code and how far it got are looked at because ffmpeg, with the working
// folder full, stops halfway and the half file would be delivered as done.
#include <cstdint>
#include <string>

namespace app {

struct TConversionEnd {
    uint32_t EncoderExitCode = 0;
    int32_t FurthestPosition = 0;  // seconds, from the encoder's status lines
    int32_t VideoDuration = 0;     // seconds; 0 when the encoder gave none
    bool DownloadComplete = true;  // all the bytes of the stream's Content-Length came
};

// A conversion (not a cancelled one: a stopped encoder is no failure) whose
// encoder failed, or that stopped short of 90 % of the video's length although
// the whole stream had come. Without a known duration nothing is judged: the
// encoder fails on an input it cannot read, and the delivery says then that
// it made no file.
bool ConversionFailed(const TConversionEnd& end);

// The message of a failed conversion; `workingFile` is the encoder's output.
std::string ConversionFailedText(const std::string& workingFile);

// The message of an encoder that failed without making a file at all, as it
// does on garbage or on an input it cannot read.
std::string ConverterFailedText(uint32_t encoderExitCode);

// "Done.", or, when fewer bytes came than the stream announced, the same
// with how far the download got.
std::string DoneText(int64_t bytesDownloaded, int64_t videoSize);

}  // namespace app
