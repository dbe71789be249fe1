#pragma once
// Textures: a tile from a skin image (or a large JPEG pattern) laid over a
// rectangle in one of the fill modes, which may leave part of it uncovered.
#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"
#include "skin/sSkinRecords.h"
#include "skinpaint/sParentBackground.h"

namespace skinpaint {

// How one texture tile covers a rectangle (the DrawFlags of a texture entry);
// the comments say what is covered and what is left.
enum TextureFillMode : int {
    tfTile = 0,                // all, tiled from the top-left corner
    tfStretch = 1,             // all, one tile stretched
    tfTopBand = 2,             // a band along the top, tiled across; the rest below
    tfLeftBand = 3,            // a band along the left, tiled down; the rest to the right
    tfTopBandStretched = 4,    // a band along the top, stretched to the full width; the rest below
    tfLeftBandStretched = 5,   // a band along the left, stretched to the full height; the rest to the right
    tfBottomBand = 6,          // a band along the bottom, tiled across; the rest above
    tfRightBand = 7,           // a band along the right, tiled down (also any unknown mode); the rest to the left
    tfWholeTiles = 10,         // whole tiles only from the top-left corner; nothing is left
};

// The rectangle FillTexture gives back when nothing is left uncovered.
inline constexpr gfx::TRect AllCovered{-1, -1, -1, -1};

// Lays the texture over rect and sets rect to the part left uncovered (or to
// AllCovered). A non-empty picture (a JPEG pattern) is tiled over all of it;
// otherwise the tile is the entry's SourceRect in its image, with opaque
// copies. Answers false, leaving rect alone, when there is nothing to paint
// with (no picture, and no entry or one without owner).
bool FillTexture(gfx::TBitmap& bitmap, gfx::TRect& rect, const gfx::TBitmap* picture, int mode,
                 const skin::TsMaskData* entry);

// Whole copies of picture from rect's top-left corner, the last column and row
// cut at rect's edges.
void TileImage(gfx::TBitmap& bitmap, const gfx::TRect& rect, const gfx::TBitmap& picture);

// A texture with a mask: tiles one frame wide and half the SourceRect high,
// each blended through its mask. Mode 0 lays whole rows of tiles with a cut
// last column, leaving a partial last row alone; mode 10 lays whole tiles only
// and fills the bands left at the bottom and right from the background (its
// bitmap at the matching place when Ready, else FillColor).
// Other modes paint nothing.
void FillMaskedTexture(gfx::TBitmap& bitmap, const gfx::TRect& rect, const ParentBackground& background, int mode,
                       const skin::TsMaskData& entry);

}  // namespace skinpaint
