#include "conversion/EncoderCommandLine.h"

#include <sys/stat.h>

#include "os/CommandLineSplit.h"

namespace conversion {

std::string GetShortPath(const std::string& path) {
    struct stat info;
    if (path.empty() || stat(path.c_str(), &info) != 0) return {};
    if (path.find('"') != std::string::npos) return {};
    if (path.find_first_of(" \t") == std::string::npos) return path;
    return '"' + path + '"';
}

std::string EncoderCommandLine(const std::string& encoderPath, const std::string& workingFolder) {
    std::string commandLine = GetShortPath(encoderPath);
    commandLine += " -i ";
    commandLine += os::QuoteArgument(workingFolder + std::string(DownloadFileName));
    commandLine += EncoderOptions;
    commandLine += os::QuoteArgument(workingFolder + std::string(EncodedFileName));
    return commandLine;
}

}  // namespace conversion
