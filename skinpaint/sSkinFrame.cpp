#include "skinpaint/sSkinFrame.h"

#include <algorithm>

#include "skin/sSkinTables.h"
#include "skinpaint/sBlockCopy.h"
#include "skinpaint/sPieceCopy.h"
#include "skinpaint/sStretchMaskedPiece.h"

namespace skinpaint {

namespace {

enum : int { StretchFlag = 1, NoStateZeroFlag = 2, CentreFlag = 4 };

void Shrink(int length, int& first, int& second) {
    if (length >= first + second) return;
    const int k = (first + second - length) / 2;
    first = std::max(first - k, 0);
    second = std::max(second - k - (length % 2 != 0 ? 1 : 0), 0);
}

// The frame being painted: where its source lies and how its pieces go.
class TFramePainter {
public:
    TFramePainter(gfx::TBitmap& bitmap, const skin::TsMaskData& entry, const gfx::TBitmap& source,
                  const ParentBackground& background, bool replaceCorners)
        : FBitmap(bitmap), FEntry(entry), FSource(source), FBackground(background), FReplace(replaceCorners),
          FMasked(entry.MaskKind == 1), FStretch(entry.DrawFlags & StretchFlag) {}

    void Corner(const gfx::TRect& dest, int sx, int sy) {
        if (dest.IsEmpty()) return;
        const gfx::TRect src = gfx::Bounds(sx, sy, dest.Width(), dest.Height());
        if (FMasked) CopyMaskedPiece(dest, src, FBitmap, FEntry, FReplace, FBackground, FSource);
        else CopyKeyedPiece(FBitmap, FSource, dest.Left, FReplace, FBackground, KEY_COLOR,
                            {src.Left, src.Top, src.Right - 1, src.Bottom - 1}, dest.Top);
    }

    // A side or the centre: src stretched or tiled over dest.
    void Fill(const gfx::TRect& dest, const gfx::TRect& src, bool centre) {
        if (dest.IsEmpty()) return;
        if (FStretch) {
            StretchMaskedPiece(FBitmap, dest, FSource, src, FMasked ? FrameHeight(FEntry) : 0, centre);
            return;
        }
        if (src.IsEmpty()) return;
        if (!FMasked) {
            TileBlock(FBitmap, dest, FSource, src);
        } else {
            for (int y = dest.Top; y < dest.Bottom; y += src.Height())
                for (int x = dest.Left; x < dest.Right; x += src.Width())
                    CopyMaskedPiece({x, y, std::min(x + src.Width(), dest.Right), std::min(y + src.Height(), dest.Bottom)},
                                    src, FBitmap, FEntry, false, EmptyBackground, FSource);
        }
    }

private:
    gfx::TBitmap& FBitmap;
    const skin::TsMaskData& FEntry;
    const gfx::TBitmap& FSource;
    const ParentBackground& FBackground;
    bool FReplace;
    bool FMasked;
    bool FStretch;
};

}  // namespace

TFrameMargins ShrunkMargins(const skin::TsMaskData& entry, int width, int height) {
    TFrameMargins m{entry.MarginLeft, entry.MarginTop, entry.MarginRight, entry.MarginBottom};
    Shrink(width, m.Left, m.Right);
    Shrink(height, m.Top, m.Bottom);
    return m;
}

void PaintSkinFrame(gfx::TBitmap& bitmap, const gfx::TRect& rect, const ParentBackground& background,
                    const skin::TsMaskData& entry, int state, bool updateCorners) {
    if (state == 0 && (entry.DrawFlags & NoStateZeroFlag)) return;
    if (rect.Width() < 2 || rect.Height() < 2 || !entry.Owner || entry.StateCount <= 0) return;
    const TFrameMargins m = ShrunkMargins(entry, rect.Width(), rect.Height());
    const int l = m.Left, t = m.Top, r = m.Right, b = m.Bottom;
    state = std::clamp(state, 0, entry.StateCount - 1);
    const int fw = skin::FrameWidth(entry), fh = skin::FrameHeight(entry);
    const int ox = entry.SourceRect.Left + fw * state, oy = entry.SourceRect.Top;
    const int cw = fw - l - r, ch = fh - t - b;
    if (cw < 0 || ch < 0) return;

    TFramePainter paint(bitmap, entry, entry.Owner->SourceBitmap(entry), background,
                        updateCorners && entry.CornerTransparency > 0);
    const int right = ox + l + cw, bottom = oy + fh - b;
    const gfx::TRect& R = rect;
    paint.Corner(gfx::Bounds(R.Left, R.Top, l, t), ox, oy);
    paint.Fill({R.Left, R.Top + t, R.Left + l, R.Bottom - b}, gfx::Bounds(ox, oy + t, l, ch), false);
    paint.Fill({R.Left + l, R.Top, R.Right - r, R.Top + t}, gfx::Bounds(ox + l, oy, cw, t), false);
    paint.Corner(gfx::Bounds(R.Left, R.Bottom - b, l, b), ox, bottom);
    paint.Fill({R.Left + l, R.Bottom - b, R.Right - r, R.Bottom}, gfx::Bounds(ox + l, bottom, cw, b), false);
    paint.Corner(gfx::Bounds(R.Right - r, R.Bottom - b, r, b), right, bottom);
    paint.Corner(gfx::Bounds(R.Right - r, R.Top, r, t), right, oy);
    paint.Fill({R.Right - r, R.Top + t, R.Right, R.Bottom - b}, gfx::Bounds(right, oy + t, r, ch), false);
    if (entry.DrawFlags & CentreFlag)
        paint.Fill({R.Left + l, R.Top + t, R.Right - r, R.Bottom - b}, gfx::Bounds(ox + l, oy + t, cw, ch), true);
}

}  // namespace skinpaint
