#pragma once
// A virtual X display for one test: Xvfb on a display number it chooses
// itself among the free ones, 1280x1024 at 24 bits, no TCP.
#include <memory>
#include <string>

#include "TTestProcess.h"

class TXvfbDisplay {
public:
    // Throws std::runtime_error when the server does not come up.
    TXvfbDisplay();

    // ":N", for DISPLAY.
    const std::string& Name() const { return DisplayName; }

private:
    std::unique_ptr<TTestProcess> Server;
    std::string DisplayName;
};
