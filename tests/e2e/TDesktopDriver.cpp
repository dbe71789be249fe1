#include "TDesktopDriver.h"

#include <stdlib.h>
#include <unistd.h>

#include <sstream>

#include "TTestProcess.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

// The value of NAME in xdotool's --shell output, lines of NAME=value.
int ShellValue(const std::string& output, const std::string& name) {
    for (const std::string& line : Lines(output))
        if (line.rfind(name + "=", 0) == 0) return std::stoi(line.substr(name.size() + 1));
    return 0;
}

}  // namespace

TDesktopDriver::TDesktopDriver(const std::string& display) { setenv("DISPLAY", display.c_str(), 1); }

std::vector<std::string> TDesktopDriver::VisibleWindows(const std::string& namePattern) const {
    return Lines(OutputOf({"xdotool", "search", "--onlyvisible", "--name", namePattern}));
}

TWindowBox TDesktopDriver::Box(const std::string& window) const {
    const std::string shell = OutputOf({"xdotool", "getwindowgeometry", "--shell", window});
    return {ShellValue(shell, "X"), ShellValue(shell, "Y"), ShellValue(shell, "WIDTH"), ShellValue(shell, "HEIGHT")};
}

void TDesktopDriver::Click(int x, int y) const {
    OutputOf({"xdotool", "mousemove", "--sync", std::to_string(x), std::to_string(y), "click", "1"});
}

void TDesktopDriver::Move(const std::string& window, int x, int y) const {
    OutputOf({"xdotool", "windowmove", window, std::to_string(x), std::to_string(y)});
}

void TDesktopDriver::Type(const std::string& text) const { OutputOf({"xdotool", "type", "--delay", "30", text}); }

void TDesktopDriver::Key(const std::string& keys) const { OutputOf({"xdotool", "key", keys}); }

bool TDesktopDriver::Picture(const std::string& window, const std::string& path) const {
    unlink(path.c_str());
    OutputOf({"import", "-window", window, path});
    return access(path.c_str(), R_OK) == 0;
}
