#pragma once
// Text in the skin's colours: contour copies moved a pixel to each side, the
// text colour of the look, a glow, and the disabled colour mixed from the
// text colour and the background.
#include <string_view>

#include "gfx/Geometry.h"
#include "gfx/TCanvas.h"
#include "skin/sSkinTables.h"
#include "skin/sCommonData.h"

namespace skinpaint {

// Draws text into rect with format in the colours of look (0 normal, 1 hot)
// of section sectionIndex: each contour colour that is not -1 moved one pixel
// left, up, right and down, then the look's font colour. Disabled text is
// drawn once in 40 percent of the normal font colour and 60 percent of the
// section's colour. A null manager is the default manager. Nothing without a
// manager or with an invalid section.
void WriteSectionText(gfx::TCanvas& canvas, std::string_view text, bool enabled, const skin::TsSkinTables* manager,
                      int look, int sectionIndex, unsigned format, const gfx::TRect& rect);

// A control's text in its binding's section colours (or those of the parent
// section it takes its font colours from), hot or normal, with the look's glow blended
// into the cache picture, every colour turned by the control's HUEOffset and
// Saturation. A hot WEBBUTTON text is underlined. Unskinned controls and those
// with CustomFont draw in the canvas font colour, disabled ones embossed.
void WriteControlText(gfx::TCanvas& canvas, std::string_view text, bool enabled, bool hot,
                      const skin::TsCommonData& data, unsigned format, const gfx::TRect& rect);

}  // namespace skinpaint
