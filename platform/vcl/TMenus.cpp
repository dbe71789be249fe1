#include "vcl/TMenus.h"

#include <algorithm>
#include <map>

#include "gfx/TCanvas.h"
#include "ui/DefWindowProc.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowClass.h"
#include "vcl/TApplication.h"
#include "vcl/TClassBuilder.h"
#include "vcl/TScreen.h"

namespace vcl {

namespace {

std::map<ui::UINT, TMenuItem*>& Commands() {
    static std::map<ui::UINT, TMenuItem*> commands;
    return commands;
}

ui::UINT NewCommand() {
    static ui::UINT last = 0;
    do last = last % 0x7FFF + 1;  // the window system's command range
    while (Commands().count(last));
    return last;
}

constexpr int CheckColumn = 17;
constexpr int ShortcutGap = 16;

// The owner window of tracked pop-up menus: owner-drawn items are measured
// and drawn through it.
ui::LRESULT PopupWndProc(ui::HWND hwnd, ui::UINT msg, ui::WPARAM wParam, ui::LPARAM lParam) {
    try {
        if (msg == ui::WM_MEASUREITEM) {
            auto* mis = reinterpret_cast<ui::TMeasureItemStruct*>(lParam);
            if (TMenuItem* item = TMenuItem::FromItemData(mis->ItemData); mis->CtlType == ui::ODT_MENU && item) {
                static gfx::TBitmap measure(1, 1);
                gfx::TCanvas& canvas = measure.Canvas();
                canvas.Font = Screen->MenuFont();
                if (item->Default()) canvas.Font.Style |= gfx::fsBold;
                int w = int(mis->ItemWidth), h = int(mis->ItemHeight);
                item->MeasureItem(canvas, w, h);
                mis->ItemWidth = ui::UINT(std::max(w, 0));
                mis->ItemHeight = ui::UINT(std::max(h, 0));
                return 1;
            }
        } else if (msg == ui::WM_DRAWITEM) {
            auto* dis = reinterpret_cast<ui::TDrawItemStruct*>(lParam);
            TMenuItem* item = TMenuItem::FromItemData(dis->ItemData);
            if (dis->CtlType == ui::ODT_MENU && item && dis->Hdc) {
                gfx::TCanvas& canvas = *dis->Hdc;
                const int saved = canvas.SaveDC();
                canvas.Font = Screen->MenuFont();
                if (item->Default() || (dis->ItemState & ui::ODS_DEFAULT)) canvas.Font.Style |= gfx::fsBold;
                item->AdvancedDrawItem(canvas, dis->RcItem, dis->ItemState);
                canvas.RestoreDC(saved);
                return 1;
            }
        }
    } catch (...) {
        Application->HandleException(nullptr);
    }
    return ui::DefWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace

// --- TMenuItem

const TClassInfo& TMenuItem::StaticClass() {
    static const TClassInfo& info =
        TClassBuilder<TMenuItem>("TMenuItem", TComponent::StaticClass())
            .Creatable()
            .String("Caption", &TMenuItem::SetCaption)
            .Bool("Checked", &TMenuItem::SetChecked)
            .Bool("Enabled", &TMenuItem::SetEnabled)
            .Bool("Default", &TMenuItem::SetDefault)
            .Bool("RadioItem", &TMenuItem::SetRadioItem)
            .Int("GroupIndex", &TMenuItem::SetGroupIndex)
            .Bool("AutoCheck", &TMenuItem::SetAutoCheck)
            .Bool("Visible", &TMenuItem::SetVisible)
            .Custom("ShortCut",
                    [](TMenuItem& item, const TLayoutValue& v, TLayoutReader&) {
                        item.SetShortCut(v.Kind == TLayoutValue::String ? TextToShortCut(v.Text)
                                                                        : TShortCut(ValueToInt(v)));
                    })
            .Enum("Break", &TMenuItem::SetBreak, {{"mbNone", mbNone}, {"mbBreak", mbBreak}, {"mbBarBreak", mbBarBreak}})
            .Int("ImageIndex", &TMenuItem::SetImageIndex)
            .String("Hint", &TMenuItem::SetHint)
            .Object("Bitmap", &TMenuItem::Bitmap)
            .Event("OnClick", &TMenuItem::SetOnClick)
            .Event("OnMeasureItem", &TMenuItem::SetOnMeasureItem)
            .Event("OnAdvancedDrawItem", &TMenuItem::SetOnAdvancedDrawItem)
            .Event("OnDrawItem", &TMenuItem::SetOnDrawItem)
            .Build();
    return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), FCommand(NewCommand()) { Commands()[FCommand] = this; }

TMenuItem::~TMenuItem() {
    if (FParent) FParent->Remove(this);
    while (!FItems.empty()) {
        TMenuItem* child = FItems.back();
        Remove(child);
        child->Free();
    }
    Commands().erase(FCommand);
}

// The item data of a menu of the window system names the item; only items
// that still exist are taken.
TMenuItem* TMenuItem::FromItemData(ui::UINT_PTR data) {
    for (const auto& [command, item] : Commands())
        if (ui::UINT_PTR(item) == data) return item;
    return nullptr;
}

TMenuItem* TMenuItem::FindByCommand(ui::UINT command) {
    const auto it = Commands().find(command);
    return it == Commands().end() ? nullptr : it->second;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (auto* item = dynamic_cast<TMenuItem*>(parent))
        item->Add(this);
    else if (auto* menu = dynamic_cast<TMenu*>(parent))
        menu->Items().Add(this);
}

void TMenuItem::SetChecked(bool value) {
    if (value == FChecked) return;
    FChecked = value;
    if (value && FRadioItem) TurnSiblingsOff();
}

// Checking a radio item unchecks the other radio items of its group.
void TMenuItem::TurnSiblingsOff() {
    if (!FParent) return;
    for (TMenuItem* sibling : FParent->FItems)
        if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex) sibling->FChecked = false;
}

int TMenuItem::MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }

int TMenuItem::IndexOf(const TMenuItem* item) const {
    const auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item || item == this) return;
    if (item->FParent) item->FParent->Remove(item);
    index = std::clamp(index, 0, Count());
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
}

void TMenuItem::Remove(TMenuItem* item) {
    const int index = IndexOf(item);
    if (index < 0) return;
    FItems.erase(FItems.begin() + index);
    item->FParent = nullptr;
}

void TMenuItem::Delete(int index) {
    TMenuItem* item = Items(index);
    Remove(item);
    item->Free();
}

void TMenuItem::Clear() {
    while (!FItems.empty()) Delete(Count() - 1);
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->FParent) root = root->FParent;
    return root->FMenu;
}

void TMenuItem::Click() {
    if (!FEnabled) return;
    if (FAutoCheck) SetChecked(!FChecked);
    if (OnClick) OnClick(this);
}

bool TMenuItem::IsOwnerDraw() const {
    const TMenu* menu = GetParentMenu();
    return (menu && menu->OwnerDraw()) || !FBitmap.Empty();
}

void TMenuItem::AppendTo(ui::HMENU menu) {
    if (!FVisible) return;
    ui::UINT flags = IsLine() ? ui::MF_SEPARATOR : ui::MF_STRING;
    if (!FEnabled) flags |= ui::MF_GRAYED;
    if (FChecked) flags |= ui::MF_CHECKED;
    if (FRadioItem) flags |= ui::MF_RADIOCHECK;
    if (FBreak == mbBreak) flags |= ui::MF_MENUBREAK;
    if (FBreak == mbBarBreak) flags |= ui::MF_MENUBARBREAK;
    if (IsOwnerDraw()) flags |= ui::MF_OWNERDRAW;
    std::string text = FCaption;
    if (const std::string shortcut = ShortCutToText(FShortCut); !shortcut.empty()) text += "\t" + shortcut;
    const bool hasSubMenu =
        std::any_of(FItems.begin(), FItems.end(), [](const TMenuItem* item) { return item->Visible(); });
    if (hasSubMenu) {
        ui::HMENU sub = ui::CreatePopupMenu();
        for (TMenuItem* item : FItems) item->AppendTo(sub);
        ui::AppendMenu(menu, flags | ui::MF_POPUP, ui::UINT_PTR(sub), text);
    } else {
        ui::AppendMenu(menu, flags, FCommand, text);
    }
    const ui::UINT position = ui::UINT(ui::GetMenuItemCount(menu) - 1);
    ui::SetMenuItemData(menu, position, ui::MF_BYPOSITION, ui::UINT_PTR(this));
    if (FDefault) ui::SetMenuDefaultItem(menu, position, true);
}

void TMenuItem::MeasureItem(gfx::TCanvas& canvas, int& width, int& height) {
    if (OnMeasureItem) {
        OnMeasureItem(this, canvas, width, height);
        return;
    }
    if (IsLine()) {
        width = 0;
        height = 9;
        return;
    }
    const int textHeight = canvas.TextHeight("W");
    height = std::max(textHeight + 4, !FBitmap.Empty() ? FBitmap.Height() + 4 : 0);
    width = CheckColumn + canvas.TextWidth(StripHotkey(FCaption)) + ShortcutGap;
    if (FShortCut) width += canvas.TextWidth(ShortCutToText(FShortCut)) + ShortcutGap;
}

void TMenuItem::AdvancedDrawItem(gfx::TCanvas& canvas, TRect rect, TOwnerDrawState state) {
    if (OnAdvancedDrawItem)
        OnAdvancedDrawItem(this, canvas, rect, state);
    else if (OnDrawItem)
        OnDrawItem(this, canvas, rect, (state & odSelected) != 0);
    else
        DrawPlain(canvas, rect, state);
}

// The plain look of an owner-drawn item: the window system's menu colours,
// the check mark or bullet, the caption with its mnemonic underlined and the
// shortcut text at the right.
void TMenuItem::DrawPlain(gfx::TCanvas& canvas, const TRect& rect, TOwnerDrawState state) {
    const bool selected = (state & odSelected) && !IsLine();
    canvas.Brush = {selected ? gfx::clHighlight : gfx::clMenu, gfx::bsSolid};
    canvas.FillRect(rect);
    if (IsLine()) {
        const int y = rect.Top + rect.Height() / 2;
        canvas.Pen.Color = gfx::clBtnShadow;
        canvas.MoveTo(rect.Left + 1, y - 1);
        canvas.LineTo(rect.Right - 1, y - 1);
        canvas.Pen.Color = gfx::clBtnHighlight;
        canvas.MoveTo(rect.Left + 1, y);
        canvas.LineTo(rect.Right - 1, y);
        return;
    }
    const bool disabled = state & (odDisabled | odGrayed);
    const gfx::TColor text = disabled ? gfx::clGrayText : selected ? gfx::clHighlightText : gfx::clMenuText;
    if (!FBitmap.Empty()) {
        canvas.Draw(rect.Left + 1, rect.Top + (rect.Height() - FBitmap.Height()) / 2, FBitmap.Bitmap());
    } else if (state & odChecked) {
        const int cx = rect.Left + CheckColumn / 2, cy = rect.Top + rect.Height() / 2;
        if (FRadioItem) {
            canvas.Brush = {text, gfx::bsSolid};
            canvas.FillRect({cx - 2, cy - 3, cx + 3, cy + 4});
            canvas.FillRect({cx - 3, cy - 2, cx + 4, cy + 3});
        } else {
            // A tick two pixels thick.
            canvas.Pen = {text, gfx::psSolid};
            for (int dy = 0; dy < 2; ++dy) {
                canvas.MoveTo(cx - 3, cy - 1 + dy);
                canvas.LineTo(cx - 1, cy + 1 + dy);
                canvas.LineTo(cx + 4, cy - 4 + dy);
            }
        }
    }
    canvas.Brush.Style = gfx::bsClear;
    canvas.Font.Color = text;
    TRect r{rect.Left + CheckColumn, rect.Top, rect.Right - ShortcutGap, rect.Bottom};
    const unsigned noAccel = (state & odNoAccel) ? unsigned(gfx::DT_HIDEPREFIX) : 0u;
    canvas.DrawText(FCaption, r, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_LEFT | noAccel);
    if (FShortCut) {
        TRect s = r;
        canvas.DrawText(ShortCutToText(FShortCut), s, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_RIGHT);
    }
}

// --- TMenu

const TClassInfo& TMenu::StaticClass() {
    static const TClassInfo& info = TClassBuilder<TMenu>("TMenu", TComponent::StaticClass())
                                        .Bool("OwnerDraw", &TMenu::SetOwnerDraw)
                                        .Enum("BiDiMode", &TMenu::SetBiDiMode,
                                              {{"bdLeftToRight", bdLeftToRight}, {"bdRightToLeft", bdRightToLeft}})
                                        .Build();
    return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner) { FItems.FMenu = this; }

TMenu::~TMenu() { FItems.FMenu = nullptr; }

TMenuItem* TMenu::FindItem(ui::UINT command) {
    TMenuItem* item = TMenuItem::FindByCommand(command);
    return item && item->GetParentMenu() == this ? item : nullptr;
}

bool TMenu::DispatchCommand(ui::UINT command) {
    TMenuItem* item = FindItem(command);
    if (!item) return false;
    item->Click();
    return true;
}

// --- TPopupMenu

const TClassInfo& TPopupMenu::StaticClass() {
    static const TClassInfo& info =
        TClassBuilder<TPopupMenu>("TPopupMenu", TMenu::StaticClass())
            .Creatable()
            .Bool("AutoPopup", &TPopupMenu::SetAutoPopup)
            .Enum("Alignment", &TPopupMenu::SetAlignment, {{"paLeft", paLeft}, {"paRight", paRight}, {"paCenter", paCenter}})
            .Set("MenuAnimation", &TPopupMenu::SetMenuAnimation,
                 {{"maLeftToRight", maLeftToRight}, {"maRightToLeft", maRightToLeft}, {"maTopToBottom", maTopToBottom},
                  {"maBottomToTop", maBottomToTop}, {"maNone", maNone}})
            .Enum("TrackButton", &TPopupMenu::SetTrackButton,
                  {{"tbRightButton", tbRightButton}, {"tbLeftButton", tbLeftButton}})
            .Event("OnPopup", &TPopupMenu::SetOnPopup)
            .Build();
    return info;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

ui::HWND TPopupMenu::PopupWindow() {
    static ui::HWND window = nullptr;
    if (window && ui::IsWindow(window)) return window;
    const char* const className = "TPopupList";
    ui::TWndClass wc;
    if (!ui::GetClassInfo(className, wc)) {
        wc.ClassName = className;
        wc.WndProc = PopupWndProc;
        ui::RegisterClass(wc);
    }
    window = ui::CreateWindowEx(0, className, "", ui::WS_POPUP, 0, 0, 0, 0, nullptr, 0);
    return window;
}

void TPopupMenu::SetPopupComponent(TComponent* component) {
    if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
    FPopupComponent = component;
    if (component) component->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
    TMenu::Notification(component, operation);
    if (operation == opRemove && component == FPopupComponent) FPopupComponent = nullptr;
}

void TPopupMenu::Popup(int x, int y) {
    FPopupPoint = {x, y};
    if (OnPopup) OnPopup(this);
    ui::HMENU menu = ui::CreatePopupMenu();
    for (int i = 0; i < Items().Count(); ++i) Items().Items(i)->AppendTo(menu);
    ui::UINT flags = ui::TPM_RETURNCMD;
    if (FAlignment == paRight) flags |= ui::TPM_RIGHTALIGN;
    if (FAlignment == paCenter) flags |= ui::TPM_CENTERALIGN;
    if (FTrackButton == tbRightButton) flags |= ui::TPM_RIGHTBUTTON;
    const ui::UINT command = ui::TrackPopupMenu(menu, flags, x, y, PopupWindow());
    ui::DestroyMenu(menu);
    if (command) DispatchCommand(command);
}

}  // namespace vcl
