#pragma once
// Indexes of the skin parts that many controls paint with, looked up once per
// load and per apply instead of by every control at every paint. -1 wherever
// the skin lacks the part; every GLOBALINFO entry is -1 when the skin has no
// GLOBALINFO section.
#include <string_view>

#include "skin/sSkinTables.h"

namespace skin {

// A section and the entries painters take from it (with PARENTCLASS
// inheritance): its frame, its glyph, its normal and hot textures.
struct TsSectionIndexes {
    int Section = -1;
    int BordersMask = -1;
    int GlyphMask = -1;
    int Pattern = -1;
    int HotPattern = -1;
};

struct TsCommonIndexes {
    int GlobalInfo = -1;
    // GLOBALINFO image entries.
    int CheckBoxChecked = -1;
    int CheckBoxUnChecked = -1;
    int CheckBoxGrayed = -1;
    int RadioButtonChecked = -1;
    int RadioButtonUnChecked = -1;
    int RadioButtonGrayed = -1;
    int SmallBoxChecked = -1;
    int SmallBoxUnChecked = -1;
    int SmallBoxGrayed = -1;
    int ExBorder = -1;
    int GripImage = -1;
    int GripHorz = -1;
    int GripVert = -1;

    TsSectionIndexes ComboBtn;
    TsSectionIndexes ComboBox;
    TsSectionIndexes TabTop;
    TsSectionIndexes TabBottom;
    TsSectionIndexes TabLeft;
    TsSectionIndexes TabRight;
    TsSectionIndexes ScrollBtnTop;
    TsSectionIndexes ScrollBtnBottom;
    TsSectionIndexes ScrollBtnLeft;
    TsSectionIndexes ScrollBtnRight;
    TsSectionIndexes ScrollSliderV;
    TsSectionIndexes ScrollSliderH;
    TsSectionIndexes ScrollBar1H;
    TsSectionIndexes ScrollBar1V;
    TsSectionIndexes ScrollBar2H;
    TsSectionIndexes ScrollBar2V;
    TsSectionIndexes WebButton;
};

TsSectionIndexes SectionIndexesOf(const TsSkinTables& tables, std::string_view sectionName);
TsCommonIndexes CommonIndexesOf(const TsSkinTables& tables);

}  // namespace skin
