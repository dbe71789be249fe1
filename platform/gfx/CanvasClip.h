#pragma once
// The canvas's walk over its clip rectangles, shared by its drawing files.
#include "gfx/TCanvas.h"

namespace gfx {

// Calls f with each part of area (bitmap coordinates) that may be drawn,
// top to bottom.
template <typename F>
void TCanvas::ForEachClipRect(const TRect& area, F&& f) const {
    const TRegion& clip = Clip();
    if (IntersectRect(area, clip.Bounds()).IsEmpty()) return;
    for (const TRect& r : clip.Rects()) {
        if (r.Top >= area.Bottom) break;
        const TRect part = IntersectRect(r, area);
        if (!part.IsEmpty()) f(part);
    }
}

}  // namespace gfx
