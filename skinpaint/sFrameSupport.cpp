#include "skinpaint/sFrameSupport.h"

#include <algorithm>

#include "gfx/PixelAccess.h"
#include "skin/sSkinTables.h"
#include "skinpaint/sPixelMath.h"

namespace skinpaint {

namespace {

// The key runs of columns [from, to) of source row sy, placed from column x
// at destination row y.
void RowRuns(std::vector<gfx::TRect>& runs, const gfx::TBitmap& source, int sy, int from, int to, int x, int y) {
    const int last = std::min(to, source.Width());
    int start = -1;
    for (int sx = std::max(from, 0); sx <= last; ++sx) {
        const bool key = sx < last && gfx::LoadPixel32(gfx::PixelAt32(source, sx, sy)) == KeyPixel;
        if (key && start < 0) start = sx;
        if (!key && start >= 0) {
            runs.push_back({x + start - from, y, x + sx - from, y + 1});
            start = -1;
        }
    }
}

}  // namespace

void CopyBorderRing(gfx::TCanvas& dc, gfx::TBitmap& cache, int width) {
    const int w = cache.Width(), h = cache.Height();
    const gfx::TCanvas& source = cache.Canvas();
    dc.BitBlt(0, 0, width, h, source, 0, 0);
    dc.BitBlt(0, 0, w, width, source, 0, 0);
    dc.BitBlt(w - width, 0, width, h, source, w - width, 0);
    dc.BitBlt(0, h - width, w, width, source, 0, h - width);
}

void ExcludeGraphicChildren(gfx::TCanvas& dc, const std::vector<gfx::TRect>& children, gfx::TPoint offset) {
    for (const gfx::TRect& child : children) dc.ExcludeClipRect(gfx::OffsetRect(child, offset.X, offset.Y));
}

void CollectKeyRuns(std::vector<gfx::TRect>& runs, const skin::TsMaskData& entry, bool bottom, int width, int y) {
    if (!entry.Owner || entry.StateCount <= 0) return;
    const gfx::TBitmap& source = entry.Owner->SourceBitmap(entry);
    if (!Is32(source)) return;
    const int fw = skin::FrameWidth(entry), fh = skin::FrameHeight(entry);
    const int rows = bottom ? entry.MarginBottom : entry.MarginTop;
    const int firstRow = entry.SourceRect.Top + (bottom ? fh - rows : 0);
    const int left = entry.SourceRect.Left;
    for (int row = 0; row < rows; ++row) {
        const int sy = firstRow + row;
        if (sy < 0 || sy >= source.Height()) continue;
        RowRuns(runs, source, sy, left, left + entry.MarginLeft, 0, y + row);
        RowRuns(runs, source, sy, left + fw - entry.MarginRight, left + fw, width - entry.MarginRight, y + row);
    }
}

void FillBorderBands(gfx::TCanvas& dc, const gfx::TRect& rect, int left, int top, int right, int bottom, TColor color) {
    const gfx::TBrush saved = dc.Brush;
    dc.Brush = {color, gfx::bsSolid};
    dc.FillRect({rect.Left, rect.Top, rect.Left + left, rect.Bottom});
    dc.FillRect({rect.Left, rect.Top, rect.Right, rect.Top + top});
    dc.FillRect({rect.Right - right, rect.Top, rect.Right, rect.Bottom});
    dc.FillRect({rect.Left, rect.Bottom - bottom, rect.Right, rect.Bottom});
    dc.Brush = saved;
}

}  // namespace skinpaint
