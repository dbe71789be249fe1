#pragma once
// The caption of a skinned frame: where its text goes in the title band,
// behind it the CAPTION section when the skin has one, its glow, the text in
// the section's colours and the added title after it.
#include <string>

#include "gfx/TBitmap.h"
#include "gfx/TFont.h"
#include "skin/sSkinTables.h"
#include "skinpaint/sFormGeometry.h"
#include "vcl/ControlTypes.h"

namespace skinpaint {

struct TCaptionParams {
    std::string Text;
    // Left of the text: the title icon (0 when none is shown).
    int IconWidth = 0;
    // Right of it: the title buttons' total width.
    int ButtonsWidth = 0;
    int TitleSectionIndex = -1;
    int CaptionSectionIndex = -1;
    bool Active = true;
    bool Enabled = true;
    vcl::TAlignment Alignment = vcl::taLeftJustify;
    bool RightToLeft = false;
    bool ShowMainCaption = true;
    std::string AddedText;
    gfx::TFont AddedFont;
};

// The area the caption text may take, in window coordinates.
gfx::TRect CaptionArea(const skin::TsSkinTables& tables, const TFormGeometry& geometry, const TCaptionParams& p);

// Draws the caption into the window picture; glowCache keeps the glow of the
// text for the window's current active state between paints.
void DrawCaption(gfx::TBitmap& picture, const skin::TsSkinTables& tables, const TFormGeometry& geometry,
                 const TCaptionParams& p, gfx::TBitmap& glowCache);

}  // namespace skinpaint
