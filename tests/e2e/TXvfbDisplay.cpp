#include "TXvfbDisplay.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace {

// A loaded machine running sanitizer builds can be slow to start anything.
constexpr int StartTimeoutMs = 60000;

// Xvfb writes the display number it took, then a new line, once it accepts
// connections.
std::string ReadDisplayNumber(int fd) {
    std::string number;
    for (char c = 0;;) {
        pollfd ready{fd, POLLIN, 0};
        const int polled = poll(&ready, 1, StartTimeoutMs);
        if (polled < 0 && errno == EINTR) continue;
        if (polled <= 0 || read(fd, &c, 1) != 1 || c == '\n') return number;
        number += c;
    }
}

}  // namespace

TXvfbDisplay::TXvfbDisplay() {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) throw std::runtime_error("Xvfb: no pipe");
    try {
        Server = std::make_unique<TTestProcess>(
            std::vector<std::string>{"Xvfb", "-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"},
            EnvironmentWith({}), "/dev/null", pipeFds[1]);
    } catch (...) {
        close(pipeFds[0]);
        close(pipeFds[1]);
        throw;
    }
    close(pipeFds[1]);
    const std::string number = ReadDisplayNumber(pipeFds[0]);
    close(pipeFds[0]);
    if (number.empty()) throw std::runtime_error("Xvfb did not come up");
    DisplayName = ":" + number;
}
