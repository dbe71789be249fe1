#pragma once
// The manager's menu layer: popup menus made owner-drawn and painted from the
// skin. Each item is measured by MeasureMenuItem and painted by
// PaintMenuItem into a picture of its own over the menu's background picture
// (MAINMENU with its frame, the icon column, the optional side band), which
// also gives the menu window its border ring and its rounded region.
#include <functional>
#include <string>
#include <vector>

#include "gfx/Geometry.h"
#include "gfx/TFont.h"
#include "skin/sMenuLayer.h"
#include "skinpaint/sMenuBackground.h"
#include "vcl/ControlTypes.h"
#include "vcl/TFont.h"
#include "vcl/TMenus.h"

namespace gfx {
class TBitmap;
class TCanvas;
}  // namespace gfx

namespace skin {
class TsSkinManager;
}

namespace skinpaint {

enum TsMenuItemType { smCaption, smDivider, smNormal, smTopLine };

using TsMenuManagerDrawItemEvent = std::function<void(vcl::TMenuItem* sender, gfx::TCanvas& canvas, gfx::TRect rect,
                                                      vcl::TOwnerDrawState state, TsMenuItemType itemType)>;

// The kind of an item by its caption: "-" a separator, "-Text-" a caption.
TsMenuItemType MenuItemType(const vcl::TMenuItem& item);
// The size of the item's own bitmap, else 16 x 16.
gfx::TSize MenuGlyphSize(const vcl::TMenuItem& item);
// The first item of the item's menu: the one that names the menu.
vcl::TMenuItem* FirstMenuItem(vcl::TMenuItem& item);
// No item from the menu's first up to this one starts a new column.
bool InFirstMenuColumn(const vcl::TMenuItem& item);
// The system menu font, bold for a default item.
gfx::TFont MenuItemFont(const vcl::TMenuItem& item);

class TsSkinableMenus : public skin::TacMenuLayer {
public:
    explicit TsSkinableMenus(skin::TsSkinManager& manager);
    ~TsSkinableMenus() override;
    TsSkinableMenus(const TsSkinableMenus&) = delete;
    TsSkinableMenus& operator=(const TsSkinableMenus&) = delete;

    // --- published
    vcl::TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(vcl::TAlignment value) { FAlignment = value; }
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value) { FBevelWidth = value; }
    // The border ring the layer paints around the items.
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value) { FBorderWidth = value; }
    vcl::TFont& CaptionFont() { return FCaptionFont; }
    // The width of the skin's menu frame, computed on the first read after a
    // skin is applied: 0 without a MAINMENU frame, else its uniform margin
    // (3 when that is not above 0).
    int SkinBorderWidth();
    int Margin() const { return FMargin; }
    void SetMargin(int value) { FMargin = value; }
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value) { FSpacing = value; }
    TsMenuManagerDrawItemEvent OnDrawItem;

    bool MenusHooked() const { return FMenusHooked; }

    // The menu becomes owner-drawn (flag and the manager's SkinnedPopups) and
    // every item gets the layer's handlers, or loses them; handlers the
    // program set itself stay.
    void HookPopupMenu(vcl::TPopupMenu& menu, bool flag);
    void HookMenuItems(vcl::TMenuItem& item, bool flag);

    // TacMenuLayer
    void SkinChanging() override;
    void UpdateActive() override;

    // The handlers the hooked items call.
    void MeasureMenuItem(vcl::TMenuItem& item, gfx::TCanvas& canvas, int& width, int& height);
    void PaintMenuItem(vcl::TMenuItem& item, gfx::TCanvas& canvas, gfx::TRect rect, vcl::TOwnerDrawState state);

    // The height of an item in the menu font on canvas.
    int MenuItemHeight(vcl::TMenuItem& item, gfx::TCanvas& canvas);
    // Margin + the first item's glyph width + Spacing.
    int IconColumnWidthOf(vcl::TMenuItem& firstItem) const;
    // That of the menu whose picture was built last.
    int IconColumnWidth() const { return FIconColumnWidth; }

    // The menu's picture: MAINMENU's background, the icon column, the frame
    // and the side band; recorded, and given to the window when it is known.
    TacMenuBackground& BuildMenuBackground(vcl::TMenuItem& firstItem, int width, int height, ui::HWND window);
    // The window's region (the picture's rectangle without the frame's
    // see-through corners) and its border ring from the picture, once.
    void SkinMenuWindow(ui::HWND window, gfx::TBitmap& picture);
    // The requests of the manager's main-window hook to border a menu window:
    // LParam an item of the menu, or the menu window.
    void BorderRequest(ui::UINT msg, ui::LPARAM lParam);
    // The side band's width in a menu with that record.
    int ExtraLineOffset(const TacMenuBackground* record) const;

    // The layer of the default manager, or null.
    static TsSkinableMenus* Default();

private:
    bool Skinned() const;
    void HookAll(bool flag);
    void PaintNormalItem(vcl::TMenuItem& item, gfx::TCanvas& canvas, const gfx::TRect& rect, vcl::TOwnerDrawState state,
                         gfx::TBitmap* background, int extraLine);
    void DrawMenuDivider(gfx::TCanvas& canvas, const gfx::TRect& rect, gfx::TBitmap* background, int extraLine);
    void DrawMenuCaption(vcl::TMenuItem& item, gfx::TCanvas& canvas, const gfx::TRect& rect, gfx::TBitmap* background,
                         int extraLine);
    void PaintBorderStrips(vcl::TMenuItem& item, ui::HWND window, const gfx::TRect& rect, gfx::TBitmap& background,
                           int extraLine);
    // The window's size by the measured items, for a canvas of no menu window.
    gfx::TSize MenuSizeWithoutWindow(vcl::TMenuItem& item, gfx::TCanvas& canvas);

    skin::TsSkinManager& FManager;
    vcl::TAlignment FAlignment = vcl::taLeftJustify;
    int FBevelWidth = 0;
    int FBorderWidth = 3;
    vcl::TFont FCaptionFont;
    int FSkinBorderWidth = -1;
    int FMargin = 2;
    int FSpacing = 8;
    bool FMenusHooked = false;
    // SkinnedPopups when the menus were last hooked.
    bool FHookedPopups = false;
    int FIconColumnWidth = 0;
    bool FPaintingBorder = false;
    bool FAskingExtraLine = false;
    // The see-through corner pixels of the last menu picture built.
    std::vector<gfx::TRect> FRegionRuns;
};

// What the program calls once at start-up: managers made from now on get the
// menu layer, and their menu windows, context menus and border requests go
// to it.
void InstallMenuSkinning();

}  // namespace skinpaint
