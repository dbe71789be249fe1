#pragma once
// The cover of the skin change where windows cannot be layered: a plain
// window over the form that shows the old look, the old and new looks mixed,
// and the new look, while the form itself stays frozen underneath. It never
// erases its background and has no frame.
#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"
#include "ui/Types.h"

namespace skinpaint {

class TOutputWindow {
public:
    // Hidden, at `place` (screen) just above `over`, topmost when it is.
    TOutputWindow(const gfx::TRect& place, ui::HWND over);
    ~TOutputWindow();
    TOutputWindow(const TOutputWindow&) = delete;
    TOutputWindow& operator=(const TOutputWindow&) = delete;

    ui::HWND Handle() const { return FWindow; }
    // Shows the picture at once (shown without activation the first time);
    // `weight` only tells the frame observer how much of the old look it is.
    void Show(const gfx::TBitmap& picture, int weight);

private:
    ui::HWND FWindow = nullptr;
};

}  // namespace skinpaint
