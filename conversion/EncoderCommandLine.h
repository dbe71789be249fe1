#pragma once
// The one command line the encoder runs with: turn the downloaded FLV in the
// working folder into an AVI beside it, MPEG-4 Part 2 video tagged divx and MP3
// audio in stereo at 44100 Hz.
#include <string>
#include <string_view>

namespace conversion {

// The working files, in the working folder.
inline constexpr std::string_view DownloadFileName = "temp.flv";
inline constexpr std::string_view EncodedFileName = "temp.avi";

// The encoder's options between its input and its output.
inline constexpr std::string_view EncoderOptions =
    " -vcodec mpeg4 -vtag divx -qscale 3 -b 640000 -acodec libmp3lame -ac 2 -ar 44100 -ab 128000 -f avi ";

// A path that reaches the child as one program path at the head of a command
// line: the path of an existing file as it stands, in double quotes when it
// holds a blank or tab. Empty when there is no such file, or when the path
// holds a double quote (a program path cannot carry one); a command line that
// begins with the empty text cannot be started.
std::string GetShortPath(const std::string& path);

// GetShortPath(encoderPath) + " -i " + working folder + "temp.flv" + the
// options + working folder + "temp.avi". The working folder ends with the path
// delimiter. Should it hold a blank, the two working files are quoted so that
// each stays one argument.
std::string EncoderCommandLine(const std::string& encoderPath, const std::string& workingFolder);

}  // namespace conversion
