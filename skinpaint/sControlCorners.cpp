#include "skinpaint/sControlCorners.h"

#include <algorithm>

#include "skin/sSkinManager.h"
#include "skinpaint/sEntryLookup.h"
#include "skinpaint/sPieceCopy.h"
#include "skinpaint/sPixelMath.h"
#include "vcl/TControl.h"

namespace skinpaint {

void RepaintControlCorners(const skin::TsCommonData& data, int state) {
    const skin::TsSkinTables* manager = data.UsedManager();
    if (!manager || !data.CachePicture || !data.HostControl) return;
    const skin::TsMaskData* entry = ValidEntry(*manager, data.FrameIndex);
    if (!entry || entry->CornerTransparency == 0 || !Is32(*data.CachePicture)) return;

    const ParentBackground behind = ParentBackgroundOf(data);
    const gfx::TRect bounds = data.HostControl->BoundsRect();

    // A whole picture of its own without frames counts as three masked frames.
    const bool wholePicture = entry->Bitmap && entry->StateCount == 0;
    const int stateCount = wholePicture ? 3 : entry->StateCount;
    const int maskKind = wholePicture ? 1 : entry->MaskKind;
    if (stateCount <= 0) return;
    state = std::clamp(state, 0, stateCount - 1);
    const gfx::TBitmap& source = entry->Owner->SourceBitmap(*entry);
    const gfx::TRect& sr = wholePicture ? gfx::TRect{0, 0, source.Width(), source.Height()} : entry->SourceRect;
    const int fw = sr.Width() / stateCount, fh = sr.Height() / (maskKind + 1);
    const int ox = sr.Left + fw * state, oy = sr.Top;
    const int l = entry->MarginLeft, t = entry->MarginTop, r = entry->MarginRight, b = entry->MarginBottom;
    const int w = bounds.Width(), h = bounds.Height();
    gfx::TBitmap& cache = *data.CachePicture;

    auto corner = [&](gfx::TRect dest, int sx, int sy) {
        if (dest.IsEmpty()) return;
        const gfx::TRect src = gfx::Bounds(sx, sy, dest.Width(), dest.Height());
        if (maskKind == 1) {
            LayBackground(cache, dest, behind);
            CopyMaskedPiece(dest, src, cache, *entry, false, behind, source);
        } else {
            CopyKeyedPiece(cache, source, dest.Left, true, behind, KEY_COLOR,
                           {src.Left, src.Top, src.Right - 1, src.Bottom - 1}, dest.Top);
        }
    };
    corner(gfx::Bounds(0, 0, l, t), ox, oy);
    corner(gfx::Bounds(0, h - b, l, b), ox, oy + fh - b);
    corner(gfx::Bounds(w - r, h - b, r, b), ox + fw - r, oy + fh - b);
    corner(gfx::Bounds(w - r, 0, r, t), ox + fw - r, oy);
}

}  // namespace skinpaint
