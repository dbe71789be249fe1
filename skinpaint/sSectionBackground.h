#pragma once
// A section's background in a state: its colour, its share of a texture and of
// a gradient, and its transparency over what lies behind.
#include <string_view>

#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"
#include "skin/sSkinTables.h"
#include "skin/sCommonData.h"
#include "skinpaint/sParentBackground.h"

namespace skinpaint {

// Paints the background of section `sectionIndex` (named sectionName) into
// rect of bitmap in `state` (limited to the section's States - 1). offset is
// the rectangle's position inside the control whose background is given, so
// what lies behind rect starts at the background's (X, Y) moved by offset.
// customColor (KEY_COLOR for none) replaces the section's look with an opaque
// plain colour. texture and hotTexture (-1 for none) replace the section's
// PATTERN and HOTPATTERN textures; one with a mask is not laid here (and no
// JPEG pattern stands in for it) except as a mode 10 overlay in state 0. A
// null manager is the default manager. Nothing without a manager or with an
// invalid section.
void PaintSectionBackground(int sectionIndex, std::string_view sectionName, const ParentBackground& background,
                            TColor customColor, int hotTexture, int texture, const skin::TsSkinTables* manager,
                            gfx::TBitmap& bitmap, gfx::TPoint offset, const gfx::TRect& rect, int state);

// The same for a control: its binding's section, textures and manager, and
// the control's (or the provider form's) own colour when CustomColor is set.
void PaintControlBackground(const skin::TsCommonData& data, const ParentBackground& background, int state,
                            gfx::TBitmap& bitmap, gfx::TPoint offset, const gfx::TRect& rect);

}  // namespace skinpaint
