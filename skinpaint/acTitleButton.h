#pragma once
// A title button of a skinned window frame and the frame provider as the
// button's animation sees them. The window frame fills in the rest of both.
#include "gfx/Geometry.h"
#include "skin/sCommonData.h"
#include "ui/Types.h"

namespace vcl {
class TComponent;
}

namespace skinpaint {

class TacSBAnimation;

struct TitleButtonState {
    // -1 not in use, 0 normal, 1 hot, 2 pressed.
    int State = -1;
    // The button's image entry (GLOBALINFO, Masks index) or -1.
    int GlyphIndex = -1;
    // In window coordinates.
    gfx::TRect Bounds;
    // HTMINBUTTON, HTMAXBUTTON, HTCLOSE, HTHELP, or 1000 + n for user buttons.
    int HitCode = 0;
    bool LargeImages = false;
    // The running animation, or null; the animation clears it when it goes.
    TacSBAnimation* Animation = nullptr;
    // The glow around the button, -1 for none.
    int GlowHandle = -1;
};

// The frame provider of the window the buttons belong to.
class TacTitleButtonHost {
public:
    // Owns the animations.
    virtual vcl::TComponent* HostComponent() = 0;
    virtual skin::TsCommonData& HostSkinData() = 0;
    virtual ui::HWND HostWindow() = 0;
    // The form is minimised: its minimise button shows the restore image.
    virtual bool HostMinimized() = 0;

protected:
    ~TacTitleButtonHost() = default;
};

}  // namespace skinpaint
