#pragma once
// Helpers of the window frame and the edit controls: copying a border ring to
// a window, keeping children without windows out of a parent's painting,
// the see-through runs of a frame's corners, and plain border bands.
#include <vector>

#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"
#include "gfx/TCanvas.h"
#include "skin/sSkinRecords.h"
#include "skinpaint/sPaintConst.h"

namespace skinpaint {

// The left, top, right and bottom strips of `width` pixels of cache to the
// same places of dc; the inside is left alone.
void CopyBorderRing(gfx::TCanvas& dc, gfx::TBitmap& cache, int width);

// Excludes from dc's clip region each rectangle (the visible children without
// windows of a windowed control), moved by offset.
void ExcludeGraphicChildren(gfx::TCanvas& dc, const std::vector<gfx::TRect>& children, gfx::TPoint offset);

// Appends, row by row, the runs of see-through pixels in the corner slices of
// the entry's first state frame, for a window width wide: the top slices
// (MarginTop rows) or, with bottom, the bottom slices (MarginBottom rows),
// placed from row y; the left corner's MarginLeft columns at the left edge,
// the right corner's MarginRight columns at the right edge. Each run is a
// rectangle one row high.
void CollectKeyRuns(std::vector<gfx::TRect>& runs, const skin::TsMaskData& entry, bool bottom, int width, int y);

// Fills the bands of the given widths along the four edges of rect.
void FillBorderBands(gfx::TCanvas& dc, const gfx::TRect& rect, int left, int top, int right, int bottom, TColor color);

}  // namespace skinpaint
