#include "skinpaint/sTexture.h"

#include <algorithm>

#include "skin/sSkinTables.h"
#include "skinpaint/sBlockCopy.h"
#include "skinpaint/sPieceCopy.h"

namespace skinpaint {

namespace {

// The part of rect that a band leaves, or AllCovered when that is empty.
gfx::TRect Remainder(const gfx::TRect& rest) { return rest.IsEmpty() ? AllCovered : rest; }

}  // namespace

void TileImage(gfx::TBitmap& bitmap, const gfx::TRect& rect, const gfx::TBitmap& picture) {
    TileBlock(bitmap, rect, picture, {0, 0, picture.Width(), picture.Height()});
}

bool FillTexture(gfx::TBitmap& bitmap, gfx::TRect& rect, const gfx::TBitmap* picture, int mode,
                 const skin::TsMaskData* entry) {
    if (picture && !picture->Empty()) {
        TileImage(bitmap, rect, *picture);
        rect = AllCovered;
        return true;
    }
    if (!entry || !entry->Owner) return false;
    const gfx::TBitmap& source = entry->Owner->SourceBitmap(*entry);
    const gfx::TRect& tile = entry->SourceRect;
    const int tw = tile.Width(), th = tile.Height();
    const gfx::TRect r = rect;
    switch (mode) {
        case tfTile:
            TileBlock(bitmap, r, source, tile);
            rect = AllCovered;
            break;
        case tfStretch:
            StretchBlock(bitmap, r, source, tile);
            rect = AllCovered;
            break;
        case tfTopBand:
        case tfTopBandStretched: {
            const gfx::TRect band{r.Left, r.Top, r.Right, std::min(r.Top + th, r.Bottom)};
            // A band cut by the rectangle's bottom takes that many tile rows.
            if (mode == tfTopBand) TileBlock(bitmap, band, source, tile);
            else StretchBlock(bitmap, band, source, {tile.Left, tile.Top, tile.Right, tile.Top + band.Height()});
            rect = Remainder({r.Left, band.Bottom, r.Right, r.Bottom});
            break;
        }
        case tfLeftBand:
        case tfLeftBandStretched: {
            const gfx::TRect band{r.Left, r.Top, std::min(r.Left + tw, r.Right), r.Bottom};
            if (mode == tfLeftBand) TileBlock(bitmap, band, source, tile);
            else StretchBlock(bitmap, band, source, {tile.Left, tile.Top, tile.Left + band.Width(), tile.Bottom});
            rect = Remainder({band.Right, r.Top, r.Right, r.Bottom});
            break;
        }
        case tfBottomBand: {
            const gfx::TRect band{r.Left, std::max(r.Bottom - th, r.Top), r.Right, r.Bottom};
            TileBlock(bitmap, band, source, tile);
            rect = Remainder({r.Left, r.Top, r.Right, band.Top});
            break;
        }
        case tfWholeTiles:
            if (tw > 0 && th > 0)
                TileBlock(bitmap, {r.Left, r.Top, r.Left + r.Width() / tw * tw, r.Top + r.Height() / th * th}, source,
                          tile);
            rect = AllCovered;
            break;
        default: {
            const gfx::TRect band{std::max(r.Right - tw, r.Left), r.Top, r.Right, r.Bottom};
            TileBlock(bitmap, band, source, tile);
            rect = Remainder({r.Left, r.Top, band.Left, r.Bottom});
            break;
        }
    }
    return true;
}

void FillMaskedTexture(gfx::TBitmap& bitmap, const gfx::TRect& rect, const ParentBackground& background, int mode,
                       const skin::TsMaskData& entry) {
    if (!entry.Owner || (mode != tfTile && mode != tfWholeTiles)) return;
    const int tw = skin::FrameWidth(entry), th = entry.SourceRect.Height() / 2;
    if (tw <= 0 || th <= 0 || rect.IsEmpty()) return;
    const gfx::TBitmap& source = entry.Owner->SourceBitmap(entry);
    const gfx::TRect tile = gfx::Bounds(entry.SourceRect.Left, entry.SourceRect.Top, tw, th);
    // Both modes lay whole rows only; mode 0 cuts the last column, mode 10
    // stops at the last whole tile.
    const int right = mode == tfWholeTiles ? rect.Left + rect.Width() / tw * tw : rect.Right;
    const int bottom = rect.Top + rect.Height() / th * th;
    for (int y = rect.Top; y < bottom; y += th)
        for (int x = rect.Left; x < right; x += tw)
            CopyMaskedPiece({x, y, std::min(x + tw, right), std::min(y + th, bottom)}, tile, bitmap, entry, false,
                            EmptyBackground, source);
    if (mode == tfWholeTiles) {
        LayBackground(bitmap, {rect.Left, bottom, rect.Right, rect.Bottom}, background);
        LayBackground(bitmap, {right, rect.Top, rect.Right, bottom}, background);
    }
}

}  // namespace skinpaint
