#pragma once
// The look of a disabled control's whole picture.
#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"
#include "skinpaint/sParentBackground.h"

namespace skinpaint {

// DisabledKind flags.
enum TsDisabledKind : unsigned { dkBlended = 1, dkGrayed = 2 };

// dkGrayed turns the picture grey; dkBlended then fades it toward what lies
// behind: 60 percent of the parent's bitmap at offset (its key pixels left
// out) when the background is Ready, else half of its FillColor, or of
// parentColor when that is KEY_COLOR.
void PaintDisabledLook(gfx::TBitmap& bitmap, unsigned flags, TColor parentColor, gfx::TPoint offset,
                       const ParentBackground& background);

}  // namespace skinpaint
