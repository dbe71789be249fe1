#pragma once
// The pictures of the outer window frame that is drawn outside a window with
// per-pixel alpha when the manager's ExtendedBorders is on: one for active and
// one for inactive windows, and how far the window's own content lies inside
// them. A skin with an EXBORDER entry brings its own; other skins get the
// program's soft shadows ("acSHDA" and "acSHDI").
#include "gfx/TBitmap.h"
#include "skin/sSkinTables.h"

namespace skin {

struct TsExtendedBorderImages {
    gfx::TBitmap Active;
    gfx::TBitmap Inactive;
    // Distances from each edge of the pictures to the window's content.
    gfx::TRect ContentOffsets;
};

// EXBORDER's first state frame is the inactive picture and its second (the
// first again when it has one state) the active one; the content lies the
// entry's margins minus FORMOFFSET inside, or FORMOFFSET on every side when
// BORDERMODE is not 0. Without EXBORDER: the built-in shadows, 9 on every side.
// White pixels of alpha 0 become fully transparent in both pictures.
void PrepareExtendedBorders(const TsSkinTables& tables, TsExtendedBorderImages& images);

// The built-in shadow pictures, decoded: 32 bits, black with a soft alpha edge.
gfx::TBitmap BuiltInShadow(bool active);

}  // namespace skin
