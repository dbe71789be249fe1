#pragma once
// The nine-slice frame of an image entry: four corners, four sides and
// optionally the centre, cut from one state frame of the entry and laid around
// a rectangle, the sides and centre tiled or stretched.
#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"
#include "skin/sSkinRecords.h"
#include "skinpaint/sParentBackground.h"

namespace skinpaint {

// Slice widths of a frame laid around a rectangle: the entry's margins, shrunk
// equally from both sides when the rectangle is narrower (or lower) than the
// two together, the odd pixel taken from the right (bottom) one.
struct TFrameMargins {
    int Left, Top, Right, Bottom;
};
TFrameMargins ShrunkMargins(const skin::TsMaskData& entry, int width, int height);

// Paints entry's frame for state (the last frame for a state beyond them) into
// rect of bitmap. Nothing for state 0 when DrawFlags bit 1 is set, a rectangle
// narrower or lower than 2 pixels, an entry without owner or frames, or margins
// wider than a frame. With updateCorners, see-through pixels of corners that
// have them (CornerTransparency > 0) show the background; background X and Y
// are the rectangle's bitmap origin inside the background's bitmap.
void PaintSkinFrame(gfx::TBitmap& bitmap, const gfx::TRect& rect, const ParentBackground& background,
                    const skin::TsMaskData& entry, int state, bool updateCorners);

}  // namespace skinpaint
