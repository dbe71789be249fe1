#pragma once
// A contact sheet of a skin: every section painted at a few sizes in each of
// its states, and the skin's glyphs, alpha frames and textures, on a
// checkerboard that shows whatever is see-through. Skin authors look at it;
// the tests compare the program's sections with a golden copy.
#include <string>
#include <vector>

#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"
#include "skin/sSkinTables.h"

namespace skinpreview {

struct TSheetItem {
    std::string Section;
    std::vector<gfx::TSize> Sizes;
};

struct TSheetOptions {
    // Section names and sizes over the cells, and a sample text in each cell
    // in the section's text colours.
    bool Labels = true;
    // The glyph, alpha-frame and texture entries after the sections.
    bool Images = true;
};

// The sections the program's windows use, at the sizes of their controls.
std::vector<TSheetItem> ProgramSections();
// Every section of the skin in file order at a few sizes, program sections
// also at their control sizes.
std::vector<TSheetItem> AllSections(const skin::TsSkinTables& tables);

// 24-bit picture of the sheet. Sections the skin lacks are passed over.
gfx::TBitmap PaintContactSheet(const skin::TsSkinTables& tables, const std::vector<TSheetItem>& items,
                               const TSheetOptions& options);

// Loads the skin that `path` names: a package file or a skin folder; the
// program's internal skin when it is empty.
void LoadPreviewSkin(skin::TsSkinTables& tables, const std::string& path);

}  // namespace skinpreview
