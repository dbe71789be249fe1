#pragma once
// Menus: items with captions ('&' marks the mnemonic, "-" is a separator),
// shortcuts and their text, column breaks, check marks (radio items drawn as
// bullets), default and disabled items and sub-menus; and the pop-up menu,
// shown at a screen point in a menu window of the window system, tracked by
// mouse and keyboard until an item is chosen or the menu is left.
//
// A menu whose OwnerDraw is set has every item measured and drawn by the
// framework: by the item's OnMeasureItem and OnAdvancedDrawItem (or
// OnDrawItem) when assigned, else in the plain menu look.
#include <functional>
#include <vector>

#include "ui/Menu.h"
#include "vcl/ControlTypes.h"
#include "vcl/ShortCuts.h"
#include "vcl/TPicture.h"

namespace gfx {
class TCanvas;
}

namespace vcl {

class TMenu;

enum TMenuBreak { mbNone, mbBreak, mbBarBreak };
// The owner-draw state: the bits of the window system's ODS_ values.
enum TOwnerDrawStateFlag : unsigned {
    odSelected = 0x1,
    odGrayed = 0x2,
    odDisabled = 0x4,
    odChecked = 0x8,
    odFocused = 0x10,
    odDefault = 0x20,
    odHotLight = 0x40,
    odInactive = 0x80,
    odNoAccel = 0x100,
    odNoFocusRect = 0x200,
};
using TOwnerDrawState = unsigned;
enum TMenuAnimation : unsigned {
    maLeftToRight = 0x1,
    maRightToLeft = 0x2,
    maTopToBottom = 0x4,
    maBottomToTop = 0x8,
    maNone = 0x10,
};
using TMenuAnimations = unsigned;
enum TPopupAlignment { paLeft, paRight, paCenter };
enum TTrackButton { tbRightButton, tbLeftButton };

using TMenuMeasureItemEvent = std::function<void(TObject* sender, gfx::TCanvas& canvas, int& width, int& height)>;
using TAdvancedMenuDrawItemEvent =
    std::function<void(TObject* sender, gfx::TCanvas& canvas, TRect rect, TOwnerDrawState state)>;
using TMenuDrawItemEvent = std::function<void(TObject* sender, gfx::TCanvas& canvas, TRect rect, bool selected)>;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& caption) { FCaption = caption; }
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    bool Default() const { return FDefault; }
    void SetDefault(bool value) { FDefault = value; }
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool value) { FRadioItem = value; }
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value) { FGroupIndex = value; }
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool value) { FAutoCheck = value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { FVisible = value; }
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut value) { FShortCut = value; }
    TMenuBreak Break() const { return FBreak; }
    void SetBreak(TMenuBreak value) { FBreak = value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& hint) { FHint = hint; }
    TPicture& Bitmap() { return FBitmap; }
    // A separator: the caption "-".
    bool IsLine() const { return FCaption == "-"; }

    int Count() const { return int(FItems.size()); }
    TMenuItem* Items(int index) const { return FItems.at(size_t(index)); }
    TMenuItem* Parent() const { return FParent; }
    int MenuIndex() const;
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    // Frees the item at index.
    void Delete(int index);
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    // The command number the window system reports when the item is chosen.
    ui::UINT Command() const { return FCommand; }
    // The menu this item belongs to, through its parents.
    TMenu* GetParentMenu() const;

    virtual void Click();
    // Owner drawing: what a menu asks of its items.
    void MeasureItem(gfx::TCanvas& canvas, int& width, int& height);
    void AdvancedDrawItem(gfx::TCanvas& canvas, TRect rect, TOwnerDrawState state);

    void SetParentComponent(TComponent* parent) override;

    TNotifyEvent OnClick;
    TMenuMeasureItemEvent OnMeasureItem;
    TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;
    TMenuDrawItemEvent OnDrawItem;
    void SetOnClick(const TNotifyEvent& e) { OnClick = e; }
    void SetOnMeasureItem(const TMenuMeasureItemEvent& e) { OnMeasureItem = e; }
    void SetOnAdvancedDrawItem(const TAdvancedMenuDrawItemEvent& e) { OnAdvancedDrawItem = e; }
    void SetOnDrawItem(const TMenuDrawItemEvent& e) { OnDrawItem = e; }

    // Builds this item into a menu of the window system (with its sub-menu).
    void AppendTo(ui::HMENU menu);
    static TMenuItem* FindByCommand(ui::UINT command);
    static TMenuItem* FromItemData(ui::UINT_PTR data);

private:
    friend class TMenu;
    bool IsOwnerDraw() const;
    void DrawPlain(gfx::TCanvas& canvas, const TRect& rect, TOwnerDrawState state);
    void TurnSiblingsOff();

    std::string FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    bool FDefault = false;
    bool FRadioItem = false;
    int FGroupIndex = 0;
    bool FAutoCheck = false;
    bool FVisible = true;
    TShortCut FShortCut = 0;
    TMenuBreak FBreak = mbNone;
    int FImageIndex = -1;
    std::string FHint;
    TPicture FBitmap;
    std::vector<TMenuItem*> FItems;
    TMenuItem* FParent = nullptr;
    TMenu* FMenu = nullptr;  // set on a menu's root item
    ui::UINT FCommand = 0;
};

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    // The root item, whose children are the menu's items.
    TMenuItem& Items() { return FItems; }
    bool OwnerDraw() const { return FOwnerDraw; }
    void SetOwnerDraw(bool value) { FOwnerDraw = value; }
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode mode) { FBiDiMode = mode; }
    // The item with the command number, anywhere in the menu.
    TMenuItem* FindItem(ui::UINT command);
    // Clicks the item with the command number; false when there is none.
    bool DispatchCommand(ui::UINT command);

private:
    TMenuItem FItems{nullptr};
    bool FOwnerDraw = false;
    TBiDiMode FBiDiMode = bdLeftToRight;
};

class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* owner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    // Shows the menu with its top-left corner at the screen point and tracks
    // it; the chosen item is clicked after the menu has closed.
    virtual void Popup(int x, int y);
    TPoint PopupPoint() const { return FPopupPoint; }
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* component);
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool value) { FAutoPopup = value; }
    TPopupAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TPopupAlignment value) { FAlignment = value; }
    TMenuAnimations MenuAnimation() const { return FMenuAnimation; }
    void SetMenuAnimation(TMenuAnimations value) { FMenuAnimation = value; }
    TTrackButton TrackButton() const { return FTrackButton; }
    void SetTrackButton(TTrackButton value) { FTrackButton = value; }

    TNotifyEvent OnPopup;
    void SetOnPopup(const TNotifyEvent& e) { OnPopup = e; }

    // The hidden window that owns every pop-up menu while it is tracked and
    // measures and draws owner-drawn items.
    static ui::HWND PopupWindow();

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TPoint FPopupPoint;
    TComponent* FPopupComponent = nullptr;
    bool FAutoPopup = true;
    TPopupAlignment FAlignment = paLeft;
    TMenuAnimations FMenuAnimation = 0;
    TTrackButton FTrackButton = tbRightButton;
};

}  // namespace vcl
