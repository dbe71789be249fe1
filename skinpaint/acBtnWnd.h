#pragma once
// The adapter of a standard push button: the button keeps its own behaviour
// (focus, Space, default button, click) and is painted from the section
// BUTTON in the state its window shows: pressed while pushed, hot while it has
// the focus, the mouse or is the default button. A state change repaints at
// once; there is no fade, and hovering shows the section's glow.
#include "gfx/TBitmap.h"
#include "skinpaint/acMainWnd.h"
#include "skinpaint/sParentBackground.h"

namespace skinpaint {

class TacBtnWnd : public TacMainWnd {
public:
    TacBtnWnd(vcl::TWinControl& control, const std::string& section, skin::TsCommonData* binding);

    // 0 normal, 1 hot (focus, mouse or default button), 2 pushed.
    int State();
    // The caption's place in the last picture.
    const gfx::TRect& TextRect() const { return FTextRect; }

protected:
    void WndProc(vcl::TMessage& message) override;

private:
    void Paint(vcl::TMessage& message);
    void ComposePicture();
    void PaintText(gfx::TBitmap& picture, int state);
    void PaintDisabled(gfx::TBitmap& picture, const ParentBackground& behind);
    unsigned TextFormat() const;
    void RepaintNow();
    bool CursorInside() const;
    void MouseEntered();
    void MouseLeft();

    gfx::TRect FTextRect;
};

}  // namespace skinpaint
