// The open menus' pictures, and how a menu window gets its skinned shape.
#include "skinpaint/sMenuBackground.h"

#include <algorithm>
#include <vector>

#include "gfx/TCanvas.h"
#include "gfx/TRegion.h"
#include "skin/sMainWindowHook.h"
#include "skin/sSkinCommands.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sBlendOps.h"
#include "skinpaint/sEntryLookup.h"
#include "skinpaint/sFrameSupport.h"
#include "skinpaint/sMenuWindow.h"
#include "skinpaint/sSectionBackground.h"
#include "skinpaint/sSectionItem.h"
#include "skinpaint/sSkinFrame.h"
#include "skinpaint/sSkinMenus.h"
#include "ui/MessageLoop.h"
#include "ui/Paint.h"
#include "ui/Window.h"
#include "ui/WindowClass.h"
#include "ui/WindowPos.h"
#include "vcl/TMenus.h"

namespace skinpaint {

namespace {

std::vector<TacMenuBackground>& Backgrounds() {
    static std::vector<TacMenuBackground> list;
    return list;
}

std::string WithoutAmpersands(std::string text) {
    std::erase(text, '&');
    return text;
}

// The side band: the band's section, the glyph near its bottom and the
// caption turned to read upwards.
void PaintExtraLine(skin::TsSkinManager& manager, TacExtraLineData& data, gfx::TBitmap& picture, int border) {
    const int width = manager.MenuSupport().ExtraLineWidth(), height = picture.Height() - 2 * border;
    if (width <= 0 || height <= 0) return;
    gfx::TBitmap band(width, height);
    const int section = manager.FindSection(data.SkinSection);
    PaintSectionItem(section, data.SkinSection, BackgroundFromBitmap(picture, border, border), -1, -1, &manager, band,
                     {0, 0}, {0, 0, width, height}, 0);
    int textBottom = height - 12;
    if (!data.Glyph.Empty()) {
        const gfx::TRect to = gfx::Bounds((width - data.Glyph.Width()) / 2, height - 12 - data.Glyph.Height(),
                                          data.Glyph.Width(), data.Glyph.Height());
        CopyAlphaImage(band, to, data.Glyph, {0, 0, data.Glyph.Width(), data.Glyph.Height()}, false, EmptyBackground);
        textBottom = height - data.Glyph.Height() - 20;
    }
    gfx::TCanvas& canvas = band.Canvas();
    gfx::TFont font = manager.MenuSupport().ExtraLineFont().Handle();
    font.Style &= ~gfx::fsBold;
    // Turned a quarter the other way round: the text reads from the bottom up.
    font.Orientation = 900;
    if (manager.IsValidSkinIndex(section)) font.Color = manager.Sections[size_t(section)].StateLook[0].FontColor;
    canvas.Font = font;
    canvas.Brush.Style = gfx::bsClear;
    canvas.TextOut((width - canvas.TextHeight(data.Caption)) / 2, textBottom, data.Caption);
    picture.Canvas().BitBlt(border, border, width, height, band.Canvas(), 0, 0);
}

}  // namespace

TacMenuBackground* FindMenuBackground(const vcl::TMenuItem* firstItem) {
    for (TacMenuBackground& record : Backgrounds())
        if (record.FirstItem == firstItem) return &record;
    return nullptr;
}

TacMenuBackground* FindMenuBackgroundByWindow(ui::HWND window) {
    for (TacMenuBackground& record : Backgrounds())
        if (window && record.Window == window) return &record;
    return nullptr;
}

TacMenuBackground& AddMenuBackground(TacMenuBackground record) {
    Backgrounds().push_back(std::move(record));
    return Backgrounds().back();
}

void FreeMenuBackgrounds() { Backgrounds().clear(); }

bool& MenuMeasuring() {
    static bool measuring = false;
    return measuring;
}

TacExtraLineData AskExtraLineData(skin::TsSkinManager& manager, vcl::TMenuItem* firstItem) {
    TacExtraLineData data;
    if (firstItem && firstItem->Name() == "SkinSelectItem") {
        data.LineVisible = false;
        return data;
    }
    if (manager.OnGetMenuExtraLineData)
        manager.OnGetMenuExtraLineData(firstItem, data.SkinSection, data.Caption, data.Glyph, data.LineVisible);
    data.Caption = WithoutAmpersands(data.Caption);
    if (!data.LineVisible) data.Glyph = gfx::TBitmap();
    return data;
}

TacMenuBackground& TsSkinableMenus::BuildMenuBackground(vcl::TMenuItem& firstItem, int width, int height,
                                                        ui::HWND window) {
    TacExtraLineData extra = AskExtraLineData(FManager, &firstItem);
    const bool band = FManager.MenuSupport().UseExtraLine() && extra.LineVisible;
    auto picture = std::make_unique<gfx::TBitmap>(std::max(width, 0), std::max(height, 0));
    const int iconColumn = FIconColumnWidth = IconColumnWidthOf(firstItem);
    const int mainMenu = FManager.FindSection("MAINMENU");
    if (FManager.IsValidSkinIndex(mainMenu) && !picture->Empty()) {
        const gfx::TRect whole{0, 0, picture->Width(), picture->Height()};
        const int border = SkinBorderWidth();
        PaintSectionBackground(mainMenu, "MAINMENU", EmptyBackground, KEY_COLOR, -1, -1, &FManager, *picture, {0, 0},
                               whole, 0);
        const std::string& icoLine = FManager.MenuSupport().IcoLineSkin();
        const int icoSection = FManager.FindSection(icoLine);
        const int bandWidth = band ? FManager.MenuSupport().ExtraLineWidth() : 0;
        if (FManager.IsValidSkinIndex(icoSection) && height - 2 * border > 0 && iconColumn > 0) {
            gfx::TBitmap column(iconColumn, height - 2 * border);
            PaintSectionItem(icoSection, icoLine, BackgroundFromBitmap(*picture, bandWidth + border, border), -1, -1,
                             &FManager, column, {0, 0}, {0, 0, column.Width(), column.Height()}, 0);
            picture->Canvas().BitBlt(bandWidth + border, border, column.Width(), column.Height(), column.Canvas(), 0,
                                     0);
        }
        const skin::TsMaskData* frame = ValidEntry(FManager, FManager.FindMaskExact("MAINMENU", "BORDERSMASK"));
        if (frame) PaintSkinFrame(*picture, whole, BackgroundFromBitmap(*picture, 0, 0), *frame, 0, true);
        if (band) PaintExtraLine(FManager, extra, *picture, border);
        FRegionRuns.clear();
        if (frame) {
            CollectKeyRuns(FRegionRuns, *frame, false, width, 0);
            CollectKeyRuns(FRegionRuns, *frame, true, width, height - frame->MarginBottom);
        }
        if (window) SkinMenuWindow(window, *picture);
    }
    TacMenuBackground record;
    record.FirstItem = &firstItem;
    record.Bitmap = std::move(picture);
    record.Window = window;
    record.HasExtraLine = band;
    return AddMenuBackground(std::move(record));
}

void TsSkinableMenus::SkinMenuWindow(ui::HWND window, gfx::TBitmap& picture) {
    if (FPaintingBorder || !ui::IsWindow(window)) return;
    if (ui::SendMessage(window, skin::SKIN_COMMAND_MESSAGE, skin::SkinCommandWParam(SKC_MENU_REGION_SET), 0)) return;
    ui::SendMessage(window, skin::SKIN_COMMAND_MESSAGE, skin::SkinCommandWParam(SKC_MENU_MARK_REGION), 0);
    FPaintingBorder = true;
    // A frame without see-through corners leaves the window rectangular.
    gfx::TRegion region(gfx::TRect{0, 0, picture.Width(), picture.Height()});
    for (const gfx::TRect& run : FRegionRuns) region.Combine(region, gfx::TRegion(run), gfx::RGN_DIFF);
    ui::SetWindowRgn(window, &region, true);
    if (const ui::HDC dc = ui::GetWindowDC(window)) {
        CopyBorderRing(*dc, picture, 3);
        ui::ReleaseDC(window, dc);
    }
    FPaintingBorder = false;
}

void TsSkinableMenus::BorderRequest(ui::UINT msg, ui::LPARAM lParam) {
    TacMenuBackground* record = nullptr;
    if (msg == skin::ACM_MENU_ITEM_BORDER) {
        // The item may have gone while the request waited.
        vcl::TMenuItem* item = vcl::TMenuItem::FromItemData(ui::UINT_PTR(lParam));
        record = item ? FindMenuBackground(FirstMenuItem(*item)) : nullptr;
    } else if (msg == skin::ACM_MENU_WINDOW_BORDER) {
        record = FindMenuBackgroundByWindow(reinterpret_cast<ui::HWND>(lParam));
    }
    if (!record || !record->Bitmap || !ui::IsWindow(record->Window) ||
        ui::GetClassName(record->Window) != ui::MenuClassName)
        return;
    SkinMenuWindow(record->Window, *record->Bitmap);
}

}  // namespace skinpaint
