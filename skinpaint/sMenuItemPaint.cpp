// Painting one menu item: its picture over the menu's background, the
// border strips beside it, separators and caption items.
#include <algorithm>

#include "gfx/TCanvas.h"
#include "skin/sMainWindowHook.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sBlendOps.h"
#include "skinpaint/sEntryLookup.h"
#include "skinpaint/sMaskGlyph.h"
#include "skinpaint/sMenuGlyphs.h"
#include "skinpaint/sSectionItem.h"
#include "skinpaint/sSkinFrame.h"
#include "skinpaint/sSkinMenus.h"
#include "skinpaint/sSkinText.h"
#include "ui/MessageLoop.h"
#include "ui/Paint.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"
#include "vcl/ShortCuts.h"
#include "vcl/TApplication.h"

namespace skinpaint {

namespace {

// The text that a leading character 8 moves to the right ends this far from the edge.
const char* const RightAlignedTail = "      ";

bool Visible(const vcl::TMenuItem* item) { return item && item->Visible(); }

const vcl::TMenuItem* FirstVisible(const vcl::TMenuItem& parent) {
    for (int i = 0; i < parent.Count(); ++i)
        if (Visible(parent.Items(i))) return parent.Items(i);
    return nullptr;
}

const vcl::TMenuItem* LastVisible(const vcl::TMenuItem& parent) {
    for (int i = parent.Count(); i-- > 0;)
        if (Visible(parent.Items(i))) return parent.Items(i);
    return nullptr;
}

// The visible item after this one, or null.
const vcl::TMenuItem* NextVisible(const vcl::TMenuItem& item) {
    const vcl::TMenuItem* parent = item.Parent();
    if (!parent) return nullptr;
    for (int i = parent->IndexOf(&item) + 1; i < parent->Count(); ++i)
        if (Visible(parent->Items(i))) return parent->Items(i);
    return nullptr;
}

unsigned AlignmentFormat(vcl::TAlignment alignment) {
    switch (alignment) {
        case vcl::taRightJustify: return gfx::DT_RIGHT;
        case vcl::taCenter: return gfx::DT_CENTER;
        default: return gfx::DT_LEFT;
    }
}

void Copy(gfx::TCanvas& to, int x, int y, int width, int height, gfx::TBitmap& from, int sx, int sy) {
    if (width > 0 && height > 0) to.BitBlt(x, y, width, height, from.Canvas(), sx, sy);
}

}  // namespace

void TsSkinableMenus::PaintMenuItem(vcl::TMenuItem& item, gfx::TCanvas& canvas, gfx::TRect rect,
                                    vcl::TOwnerDrawState state) {
    const bool selected = state & vcl::odSelected;
    if (!FManager.Active()) {
        if (item.OnDrawItem) item.OnDrawItem(&item, canvas, rect, selected);
        return;
    }
    const int saved = canvas.SaveDC();
    const ui::HWND window = ui::WindowFromDC(&canvas);
    vcl::TMenuItem& first = *FirstMenuItem(item);
    TacMenuBackground* record = FindMenuBackground(&first);
    if (!record) {
        gfx::TSize size = window ? gfx::TSize{ui::GetWindowRect(window).Width(), ui::GetWindowRect(window).Height()}
                                 : MenuSizeWithoutWindow(item, canvas);
        record = &BuildMenuBackground(first, size.cx, size.cy, window);
    }
    gfx::TBitmap* background = record->Bitmap && !record->Bitmap->Empty() ? record->Bitmap.get() : nullptr;
    const int extraLine = ExtraLineOffset(record);
    if (window && background) {
        PaintBorderStrips(item, window, rect, *background, extraLine);
    } else if (!window && vcl::Application) {
        const ui::HWND application = vcl::Application->Handle();
        ui::TMsg waiting;
        if (!ui::PeekMessage(waiting, application, skin::ACM_MENU_ITEM_BORDER, skin::ACM_MENU_WINDOW_BORDER,
                             ui::PM_NOREMOVE))
            ui::PostMessage(application, skin::ACM_MENU_ITEM_BORDER, 0, ui::LPARAM(&item));
    }
    canvas.Font = MenuItemFont(item);
    switch (MenuItemType(item)) {
        case smDivider: DrawMenuDivider(canvas, rect, background, extraLine); break;
        case smCaption: DrawMenuCaption(item, canvas, rect, background, extraLine); break;
        default: PaintNormalItem(item, canvas, rect, state, background, extraLine); break;
    }
    canvas.RestoreDC(saved);
    if (item.OnDrawItem) item.OnDrawItem(&item, canvas, rect, selected);
}

// The parts of the window's border beside the item, straight from the
// menu's picture: the window's non-client area is not painted otherwise
// while the menu shows.
void TsSkinableMenus::PaintBorderStrips(vcl::TMenuItem& item, ui::HWND window, const gfx::TRect& rect,
                                        gfx::TBitmap& background, int extraLine) {
    const ui::HDC dc = ui::GetWindowDC(window);
    if (!dc) return;
    const int w = background.Width(), h = background.Height();
    const vcl::TMenuItem* parent = item.Parent();
    if (parent && FirstVisible(*parent) == &item) {
        Copy(*dc, 0, 0, w, FBorderWidth, background, 0, 0);
        const int left = extraLine + std::max(SkinBorderWidth(), FBorderWidth);
        Copy(*dc, 0, 0, left, h, background, 0, 0);
    }
    if (parent && LastVisible(*parent) == &item)
        Copy(*dc, 0, h - FBorderWidth, w, FBorderWidth, background, 0, h - FBorderWidth);
    Copy(*dc, w - FBorderWidth, FBorderWidth + rect.Top, FBorderWidth, rect.Height(), background, w - FBorderWidth,
         FBorderWidth + rect.Top);
    ui::ReleaseDC(window, dc);
}

gfx::TSize TsSkinableMenus::MenuSizeWithoutWindow(vcl::TMenuItem& item, gfx::TCanvas& canvas) {
    int width = 0, height = 0, columnWidth = 0, columnHeight = 0;
    vcl::TMenuItem* parent = item.Parent();
    for (int i = 0; parent && i < parent->Count(); ++i) {
        vcl::TMenuItem& each = *parent->Items(i);
        if (!each.Visible()) continue;
        if (each.Break() != vcl::mbNone && columnHeight > 0) {
            width += columnWidth + 12 + 4;
            height = std::max(height, columnHeight);
            columnWidth = columnHeight = 0;
        }
        int w = 0, h = 0;
        MeasureMenuItem(each, canvas, w, h);
        columnWidth = std::max(columnWidth, w);
        columnHeight += h;
    }
    width += columnWidth + 12;
    height = std::max(height, columnHeight);
    return {width + 2 * FBorderWidth, height + 2 * FBorderWidth};
}

void TsSkinableMenus::PaintNormalItem(vcl::TMenuItem& item, gfx::TCanvas& canvas, const gfx::TRect& rect,
                                      vcl::TOwnerDrawState state, gfx::TBitmap* background, int extraLine) {
    const bool hot = item.Enabled() && (state & vcl::odSelected);
    const bool lit = item.Enabled() && (state & (vcl::odSelected | vcl::odHotLight));
    const int offset = InFirstMenuColumn(item) ? extraLine : 0;
    if (background) {
        const vcl::TMenuItem* next = NextVisible(item);
        const int h = background->Height();
        if ((next && next->Break() != vcl::mbNone) || (!next && rect.Bottom < h - 2 * MenuClientOffset))
            Copy(canvas, rect.Left, rect.Bottom, rect.Width(), h - rect.Bottom - 2 * MenuClientOffset, *background,
                 rect.Left + MenuClientOffset, rect.Bottom + MenuClientOffset);
        if (item.Break() != vcl::mbNone)
            Copy(canvas, rect.Left - 4, rect.Top, 4, h - 2 * MenuClientOffset, *background, rect.Left - 1,
                 rect.Top + MenuClientOffset);
    }
    gfx::TBitmap picture(std::max(rect.Width() - offset, 0), rect.Height());
    if (picture.Empty()) return;
    const ParentBackground behind =
        background ? BackgroundFromBitmap(*background, MenuClientOffset, MenuClientOffset) : EmptyBackground;
    const int section = FManager.FindSection("MENUITEM");
    PaintSectionItem(section, "MENUITEM", behind, -1, -1, &FManager, picture, {offset + rect.Left, rect.Top},
                     {0, 0, picture.Width(), picture.Height()}, hot ? 1 : 0);

    const gfx::TSize glyph = MenuGlyphSize(item);
    const bool checked = state & vcl::odChecked;
    gfx::TBitmap& own = item.Bitmap().Bitmap();
    if (checked && own.Empty()) {
        const int index = FManager.FindMaskExact("GLOBALINFO", item.RadioItem() ? "RADIOCHECKED" : "CHECK");
        const skin::TsMaskData* mark = ValidEntry(FManager, index);
        if (!mark) mark = ValidEntry(FManager, FManager.FindMaskExact("GLOBALINFO", "BOXCHECKED"));
        if (mark)
            PaintMaskGlyph(picture, {FMargin, (rect.Height() - skin::FrameHeight(*mark)) / 2}, hot ? 1 : 0,
                           BackgroundFromBitmap(picture, 0, 0), *mark, gdNormal);
    }
    const vcl::TMenu* menu = item.GetParentMenu();
    if (!own.Empty()) {
        const int top = (picture.Height() - own.Height()) / 2;
        const gfx::TRect place = gfx::Bounds(top, top, own.Width(), own.Height());
        if (checked) {
            const int box = FManager.FindSection("SPEEDBUTTON_SMALL");
            const gfx::TRect around{place.Left - 1, place.Top - 1, place.Right + 1, place.Bottom + 1};
            PaintSectionItem(box, "SPEEDBUTTON_SMALL", BackgroundFromBitmap(picture, 0, 0), -1, -1, &FManager, picture,
                             {0, 0}, gfx::IntersectRect(around, {0, 0, picture.Width(), picture.Height()}), 2);
        }
        if (own.PixelFormat() == gfx::pf32bit)
            CopyAlphaImage(picture, place, own, {0, 0, own.Width(), own.Height()}, false, EmptyBackground);
        else
            picture.Canvas().Draw(place.Left, place.Top, own);
    } else if (menu && menu->Name().rfind("acSysMenu", 0) == 0 && FManager.IsValidSkinIndex(section)) {
        if (const TacSystemGlyph symbol = SystemGlyphOf(item.Tag()); symbol != sgNone)
            DrawSystemGlyph(picture.Canvas(), symbol, {4, (rect.Height() - SystemGlyphSize) / 2},
                            FManager.Sections[size_t(section)].StateLook[lit ? 1 : 0]);
    }

    gfx::TCanvas& text = picture.Canvas();
    text.Font = MenuItemFont(item);
    gfx::TRect textRect{glyph.cx + 2 * FMargin + FSpacing, 0, rect.Width(), rect.Height()};
    std::string caption = item.Caption(), rightText;
    unsigned align = AlignmentFormat(FAlignment);
    if (const size_t tab = caption.find('\t'); tab != std::string::npos) {
        rightText = caption.substr(tab + 1);
        caption.resize(tab);
        align = gfx::DT_LEFT;
    } else if (!caption.empty() && caption[0] == '\x08') {
        caption = caption.substr(1) + RightAlignedTail;
        align = gfx::DT_RIGHT;
    }
    const unsigned noAccel = (state & vcl::odNoAccel) ? unsigned(gfx::DT_HIDEPREFIX) : 0u;
    const unsigned line = gfx::DT_VCENTER | gfx::DT_SINGLELINE;
    WriteSectionText(text, caption, true, &FManager, lit ? 1 : 0, section,
                     align | line | gfx::DT_EXPANDTABS | gfx::DT_NOCLIP | noAccel, textRect);
    if (const std::string shortcut = vcl::ShortCutToText(item.ShortCut()); !shortcut.empty()) {
        const int width = text.TextWidth(shortcut);
        const gfx::TRect place{rect.Width() - width - 8 - offset, 0, rect.Width() - 8 - offset, rect.Height()};
        WriteSectionText(text, shortcut, true, &FManager, lit ? 1 : 0, section, gfx::DT_LEFT | line, place);
    }
    if (!rightText.empty()) {
        const gfx::TRect place{textRect.Left - offset, 0, textRect.Right - 8 - offset, rect.Height()};
        WriteSectionText(text, rightText, true, &FManager, lit ? 1 : 0, section, gfx::DT_RIGHT | line, place);
    }
    if (OnDrawItem) OnDrawItem(&item, text, {0, 0, picture.Width(), picture.Height()}, state, smNormal);
    // A disabled item keeps 40 percent of its look over the menu's background.
    if (!item.Enabled() && background)
        BlendKeyedImage(picture, {0, 0}, *background, gfx::OffsetRect(rect, offset + FBorderWidth, FBorderWidth),
                        KEY_COLOR, 0.4);
    Copy(canvas, offset + rect.Left, rect.Top, picture.Width(), picture.Height(), picture, 0, 0);
}

void TsSkinableMenus::DrawMenuDivider(gfx::TCanvas& canvas, const gfx::TRect& rect, gfx::TBitmap* background,
                                      int extraLine) {
    gfx::TRect divider{extraLine + FMargin + FSpacing, 0, rect.Width() - FMargin, rect.Height()};
    const int iconColumn = IconColumnWidth();
    if (divider.Left < extraLine + iconColumn) divider.Left = extraLine + iconColumn + 2;
    const skin::TsMaskData* entry = ValidEntry(FManager, FManager.FindMaskExact("DIVIDERV", "BORDERSMASK"));
    if (!entry) {
        if (background)
            Copy(canvas, rect.Left, rect.Top, rect.Width(), rect.Height(), *background, rect.Left + MenuClientOffset,
                 rect.Top + MenuClientOffset);
        TColor color = FManager.GlobalInfo.BorderColor;
        if (color == KEY_COLOR) color = gfx::clBtnShadow;
        canvas.Brush = {color, gfx::bsSolid};
        canvas.FillRect({rect.Left + divider.Left, rect.Top, rect.Left + divider.Right, rect.Top + 1});
        return;
    }
    gfx::TBitmap picture(rect.Width(), rect.Height());
    if (picture.Empty()) return;
    if (background)
        Copy(picture.Canvas(), 0, 0, rect.Width(), rect.Height(), *background, rect.Left + MenuClientOffset,
             rect.Top + MenuClientOffset);
    PaintSkinFrame(picture, divider, BackgroundFromBitmap(picture, divider.Left, divider.Top), *entry, 0, true);
    Copy(canvas, rect.Left, rect.Top, rect.Width(), rect.Height(), picture, 0, 0);
}

void TsSkinableMenus::DrawMenuCaption(vcl::TMenuItem& item, gfx::TCanvas& canvas, const gfx::TRect& rect,
                                      gfx::TBitmap* background, int extraLine) {
    const int w = rect.Width(), h = rect.Height();
    gfx::TBitmap picture(w, h);
    if (picture.Empty()) return;
    if (background) {
        const int sx = rect.Left + MenuClientOffset, sy = rect.Top + MenuClientOffset;
        if (extraLine > 0) Copy(picture.Canvas(), 0, 0, extraLine + 1, h, *background, sx, sy);
        Copy(picture.Canvas(), 0, 0, w, 1, *background, sx, sy);
        Copy(picture.Canvas(), 0, h - 1, w, 1, *background, sx, sy + h - 1);
        Copy(picture.Canvas(), extraLine, 0, 1, h, *background, sx + extraLine, sy);
        Copy(picture.Canvas(), w - 1, 0, 1, h, *background, sx + w - 1, sy);
    }
    int section = FManager.FindSection("MENUCAPTION");
    std::string name = "MENUCAPTION";
    if (!FManager.IsValidSkinIndex(section)) section = FManager.FindSection(name = "TOOLBAR");
    const ParentBackground behind =
        background ? BackgroundFromBitmap(*background, MenuClientOffset + 1, MenuClientOffset + 1) : EmptyBackground;
    const gfx::TRect inner{extraLine + 1, 1, w - 1, h - 1};
    if (inner.Width() > 0 && inner.Height() > 0) {
        gfx::TBitmap band(inner.Width(), inner.Height());
        PaintSectionItem(section, name, behind, -1, -1, &FManager, band, {extraLine + rect.Left, rect.Top},
                         {0, 0, band.Width(), band.Height()}, 0);
        Copy(picture.Canvas(), inner.Left, inner.Top, band.Width(), band.Height(), band, 0, 0);
    }
    // The first word between the dashes.
    std::string caption = item.Caption();
    const size_t start = caption.find_first_not_of('-');
    caption = start == std::string::npos ? std::string() : caption.substr(start, caption.find('-', start) - start);
    picture.Canvas().Font = FCaptionFont.Handle();
    WriteSectionText(picture.Canvas(), caption, true, &FManager, 0, section,
                     gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE | gfx::DT_HIDEPREFIX, {extraLine, 0, w, h});
    Copy(canvas, rect.Left, rect.Top, w, h, picture, 0, 0);
}

}  // namespace skinpaint
