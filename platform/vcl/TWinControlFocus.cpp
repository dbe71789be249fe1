// The focus, the tab order and the keyboard of a windowed control: where a
// key goes before the control sees it (the form's preview) and what a key the
// control does not want becomes (a dialog key or an accelerator).
#include "vcl/TWinControl.h"

#include <algorithm>

#include "ui/Input.h"
#include "ui/Keys.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "vcl/TCustomForm.h"

namespace vcl {

// --- focus and tab order

int TWinControl::TabOrder() const {
    if (!FParent) return -1;
    const auto& list = FParent->FTabList;
    return int(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!FParent) return;
    auto& list = FParent->FTabList;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    const size_t place = std::min(size_t(std::max(order, 0)), list.size());
    list.insert(list.begin() + ptrdiff_t(place), this);
}

void TWinControl::SetTabStop(bool value) {
    if (value == FTabStop) return;
    FTabStop = value;
    if (FHandle) {
        const auto style = ui::GetWindowLongPtr(FHandle, ui::GWL_STYLE);
        ui::SetWindowLongPtr(FHandle, ui::GWL_STYLE, value ? style | ui::WS_TABSTOP : style & ~ui::WS_TABSTOP);
    }
    Perform(CM_TABSTOPCHANGED, 0, 0);
}

bool TWinControl::CanFocus() const {
    const TCustomForm* form = GetParentForm(this);
    if (!form) return false;
    for (const TControl* c = this; c != form; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return form->Visible() && form->Enabled();
}

bool TWinControl::Focused() const { return FHandle && ui::GetFocus() == FHandle; }

void TWinControl::SetFocus() {
    if (TCustomForm* form = GetParentForm(this))
        form->FocusControl(this);
    else
        throw rtl::Exception("Control '" + Name() + "' has no parent window");
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* c : FTabList) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    const auto found = std::find(list.begin(), list.end(), current);
    int start = found == list.end() ? (goForward ? int(list.size()) - 1 : 0) : int(found - list.begin());
    int i = start;
    const int n = int(list.size());
    do {
        i = goForward ? (i + 1) % n : (i + n - 1) % n;
        TWinControl* c = list[size_t(i)];
        if (c->CanFocus() && (!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this)) return c;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop)) next->SetFocus();
}

void TWinControl::RemoveFocus(bool removing) {
    if (TCustomForm* form = GetParentForm(this); form && form != this) form->DefocusControl(this, removing);
}

// --- keyboard

// Key down and key up go the same way: the form's preview first, then the
// control's own handler, which swallows the key by setting it to 0.
bool TWinControl::DoKeyDownUp(TMessage& m) {
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview() && form->DoKeyDownUp(m)) return true;
    WORD key = WORD(m.WParam);
    if (!(FControlStyle & csNoStdEvents)) {
        const TShiftState shift = KeyDataToShiftState(m.LParam);
        if (m.Msg == ui::WM_KEYDOWN || m.Msg == ui::WM_SYSKEYDOWN)
            KeyDown(key, shift);
        else
            KeyUp(key, shift);
        if (key == 0) return true;
    }
    m.WParam = key;
    return false;
}

bool TWinControl::DoKeyPress(TMessage& m) {
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview() && form->DoKeyPress(m)) return true;
    char key = char(m.WParam);
    if (!(FControlStyle & csNoStdEvents)) {
        KeyPress(key);
        if (key == 0) return true;
    }
    m.WParam = WPARAM(static_cast<unsigned char>(key));
    return false;
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

// A key the control does not want itself may be a dialog key: Tab moves the
// focus, Enter and Escape press the default and cancel buttons.
void TWinControl::CNKeyDown(TMessage& m) {
    m.Result = 1;
    if (Perform(CM_CHILDKEY, m.WParam, LPARAM(this)) != 0) return;
    LRESULT mask = 0;
    switch (m.WParam) {
    case ui::VK_TAB: mask = ui::DLGC_WANTTAB; break;
    case ui::VK_LEFT:
    case ui::VK_RIGHT:
    case ui::VK_UP:
    case ui::VK_DOWN: mask = ui::DLGC_WANTARROWS; break;
    case ui::VK_RETURN:
    case ui::VK_ESCAPE:
    case ui::VK_CANCEL: mask = ui::DLGC_WANTALLKEYS; break;
    default: break;
    }
    if (mask && Perform(CM_WANTSPECIALKEY, m.WParam, 0) == 0 && !(Perform(ui::WM_GETDLGCODE, 0, 0) & mask)) {
        if (TCustomForm* form = GetParentForm(this); form && form->Perform(CM_DIALOGKEY, m.WParam, m.LParam) != 0)
            return;
    }
    m.Result = 0;
}

// A character the control does not take may be an accelerator of a button
// or label; with Alt it always is.
void TWinControl::CNChar(TMessage& m) {
    m.Result = 1;
    if (m.Msg == CN_SYSCHAR || !(Perform(ui::WM_GETDLGCODE, 0, 0) & ui::DLGC_WANTCHARS))
        if (TCustomForm* form = GetParentForm(this); form && form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0)
            return;
    m.Result = 0;
}

}  // namespace vcl
