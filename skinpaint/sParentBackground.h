#pragma once
// What lies behind a painted rectangle, and the record by which a control asks
// its parent for it. Painters merge see-through pixels and transparent looks
// with the parent's picture when there is one, else with its plain colour.
#include <functional>

#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"
#include "gfx/TCanvas.h"
#include "skin/sBackgroundRequest.h"
#include "skinpaint/sPaintConst.h"

namespace skin {
class TsCommonData;
}

namespace skinpaint {

struct ParentBackground {
    // The parent's own cache bitmap, or null.
    const gfx::TBitmap* Bitmap = nullptr;
    // Where the painted bitmap's origin lies inside Bitmap.
    int X = 0;
    int Y = 0;
    // The parent's plain colour when no bitmap is available; KEY_COLOR when
    // nothing is known.
    TColor FillColor = KEY_COLOR;
    // Bitmap is valid and holds the parent's current picture.
    bool Ready = false;
};

// Nothing to merge with.
inline constexpr ParentBackground EmptyBackground{};

inline ParentBackground BackgroundFromBitmap(const gfx::TBitmap& bitmap, int x, int y) {
    return {&bitmap, x, y, KEY_COLOR, true};
}

// The same background seen from a rectangle that lies at `offset` inside the
// painted bitmap.
inline ParentBackground MovedBy(ParentBackground background, gfx::TPoint offset) {
    background.X += offset.X;
    background.Y += offset.Y;
    return background;
}

// The request a control sends its parent (command 34 of the skin command
// message) belongs to the binding, which answers it.
using skin::BackgroundRequest;

// Whoever can ask the parent: the binding of the asking control sends the
// request on and returns with it answered.
using TBackgroundAsker = std::function<void(BackgroundRequest&)>;

// Lays what lies behind `area` of bitmap into it: the background bitmap's
// pixels at the matching place (X, Y added) when Ready, else its FillColor.
// A background that is the bitmap itself already lies there.
void LayBackground(gfx::TBitmap& bitmap, const gfx::TRect& area, const ParentBackground& background);

// An answered request as a background: a bitmap answer is Ready with
// KEY_COLOR as its colour; any other answer carries the colour as RGB.
ParentBackground BackgroundFromRequest(const BackgroundRequest& request);

// What lies behind the binding's control, as the painters take it: the
// parent's picture moved to the control's place, or the parent's colour.
ParentBackground ParentBackgroundOf(const skin::TsCommonData& data);

}  // namespace skinpaint
