#include "skin/sSkinColors.h"

namespace skin {

namespace {

constexpr TColor KeyColor = 0xFF00FF;

const TsGeneralData* Section(const TsSkinTables& tables, std::string_view name) {
    const int index = tables.FindSection(name);
    return index >= 0 ? &tables.Sections[size_t(index)] : nullptr;
}

// -1 and the key colour say that the skin gives no colour.
bool Given(TColor color) { return color != -1 && color != KeyColor; }

// The look of SELECTION a selected item takes.
const TsGenState* SelectionLook(const TsSkinTables& tables, bool focused) {
    const TsGeneralData* selection = Section(tables, "SELECTION");
    if (!selection) return nullptr;
    return &selection->StateLook[focused && selection->States > 1 ? 1 : 0];
}

}  // namespace

TColor SkinBackColor(const TsSkinTables& tables) {
    const TsGeneralData* global = Section(tables, "GLOBALINFO");
    return global ? global->Color : gfx::ColorToRGB(gfx::clBtnFace);
}

TColor SkinFontColor(const TsSkinTables& tables) {
    const TsGeneralData* global = Section(tables, "GLOBALINFO");
    return global ? global->FontColor[0] : KeyColor;
}

TColor SkinHotBackColor(const TsSkinTables& tables) {
    const TsGeneralData* global = Section(tables, "GLOBALINFO");
    return global ? global->HotColor : gfx::ColorToRGB(gfx::clWindow);
}

TColor EditFontColor(const TsSkinTables& tables) {
    const TsGeneralData* edit = Section(tables, "EDIT");
    return edit ? edit->StateLook[0].FontColor : gfx::ColorToRGB(gfx::clWindowText);
}

TColor SelectionColor(const TsSkinTables& tables, bool focused) {
    const TsGenState* look = SelectionLook(tables, focused);
    if (look && Given(look->Color)) return look->Color;
    const TsGeneralData* menuItem = Section(tables, "MENUITEM");
    if (menuItem && Given(menuItem->HotColor) && menuItem->HotColor != 0xFFFFFF) return menuItem->HotColor;
    return gfx::ColorToRGB(gfx::clHighlight);
}

TColor SelectionFontColor(const TsSkinTables& tables, bool focused) {
    const TsGenState* look = SelectionLook(tables, focused);
    if (look && Given(look->FontColor)) return look->FontColor;
    const TsGeneralData* menuItem = Section(tables, "MENUITEM");
    if (menuItem && Given(menuItem->HotFontColor[0])) return menuItem->HotFontColor[0];
    return gfx::ColorToRGB(gfx::clHighlightText);
}

}  // namespace skin
