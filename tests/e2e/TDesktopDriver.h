#pragma once
// What a person does at an X display, done through xdotool and ImageMagick:
// find windows by name, read where they are, click, type, press keys, and
// take pictures of windows.
#include <string>
#include <vector>

struct TWindowBox {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
};

class TDesktopDriver {
public:
    // Makes `display` the display of this process and of what it starts.
    explicit TDesktopDriver(const std::string& display);

    // Mapped windows whose name matches the regular expression, bottom first.
    std::vector<std::string> VisibleWindows(const std::string& namePattern) const;
    // Place and size of the whole window, frame included.
    TWindowBox Box(const std::string& window) const;

    void Click(int x, int y) const;
    // Moves a window's top-left corner to (x, y) of the screen.
    void Move(const std::string& window, int x, int y) const;
    void Type(const std::string& text) const;
    // A key or a combination in xdotool's names: "Return", "alt+F4".
    void Key(const std::string& keys) const;
    // A PNG of one window, or of the whole screen for "root"; false when none was made.
    bool Picture(const std::string& window, const std::string& path) const;
};
