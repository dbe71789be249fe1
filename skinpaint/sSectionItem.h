#pragma once
// A whole skin item: a section's background, its corner images and its frame,
// into a rectangle of a 32-bit bitmap or of a canvas.
#include <string_view>

#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"
#include "gfx/TCanvas.h"
#include "skin/sSkinTables.h"
#include "skin/sCommonData.h"
#include "skinpaint/sParentBackground.h"

namespace skinpaint {

// Background (PaintSectionBackground without custom colour), corner images
// and frame of a section, in state (limited to States - 1). The frame's
// see-through corners are merged with the background. A null manager is the
// default manager. Nothing without a manager, for an invalid section, an
// empty rectangle or one that does not lie wholly inside the bitmap.
void PaintSectionItem(int sectionIndex, std::string_view sectionName, const ParentBackground& background, int texture,
                      int hotTexture, const skin::TsSkinTables* manager, gfx::TBitmap& bitmap, gfx::TPoint offset,
                      const gfx::TRect& rect, int state);

// The same for a control, with its binding's frame entry; updateCorners
// decides whether see-through frame corners show the background. Then the
// binding's HUEOffset and Saturation change the whole bitmap.
void PaintControlItem(const skin::TsCommonData& data, const ParentBackground& background, bool updateCorners,
                      gfx::TBitmap& bitmap, gfx::TPoint offset, const gfx::TRect& rect, int state);

// Paints the item (without control textures) into a scratch bitmap of rect's
// size and copies that to the canvas at rect.
void PaintSectionItemToDC(int sectionIndex, std::string_view sectionName, const ParentBackground& background,
                          const skin::TsSkinTables* manager, gfx::TCanvas& dc, gfx::TPoint offset,
                          const gfx::TRect& rect, int state);

}  // namespace skinpaint
