#include "ui/Dialog.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "ui/Input.h"
#include "ui/Keys.h"
#include "ui/MessageLoop.h"
#include "ui/Messages.h"
#include "ui/Styles.h"
#include "ui/Tree.h"
#include "ui/Window.h"

namespace ui {

namespace {

bool Usable(HWND h) { return IsWindowVisible(h) && IsWindowEnabled(h); }

// The dialog's controls in child order, looking into WS_EX_CONTROLPARENT
// containers instead of counting them.
void Controls(HWND parent, std::vector<HWND>& out) {
    for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        if (GetWindowLongPtr(h, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) Controls(h, out);
        else out.push_back(h);
    }
}

// The control of the dialog that a key goes to: the focus, or the control
// that contains it.
HWND FocusedControl(HWND dialog) {
    HWND focus = GetFocus();
    if (!focus || (focus != dialog && !IsChild(dialog, focus))) return nullptr;
    std::vector<HWND> all;
    Controls(dialog, all);
    while (focus && std::find(all.begin(), all.end(), focus) == all.end()) focus = GetAncestor(focus, GA_PARENT);
    return focus == GetDesktopWindow() ? nullptr : focus;
}

void Click(HWND dialog, UINT id) {
    const HWND control = GetDlgItem(dialog, int(id));
    if (control && !IsWindowEnabled(control)) return;
    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(int(id), BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

bool Mnemonic(HWND dialog, char key) {
    std::vector<HWND> all;
    Controls(dialog, all);
    const char lower = char(std::tolower(static_cast<unsigned char>(key)));
    for (HWND h : all) {
        const std::string text = GetWindowText(h);
        const size_t amp = text.find('&');
        if (amp == std::string::npos || amp + 1 >= text.size() ||
            std::tolower(static_cast<unsigned char>(text[amp + 1])) != lower || !Usable(h))
            continue;
        const LRESULT code = SendMessage(h, WM_GETDLGCODE, 0, 0);
        if (code & DLGC_STATIC) SetFocus(GetNextDlgTabItem(dialog, h, false));
        else if (code & (DLGC_BUTTON | DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) SendMessage(h, BM_CLICK, 0, 0);
        else SetFocus(h);
        return true;
    }
    return false;
}

}  // namespace

HWND GetNextDlgTabItem(HWND dialog, HWND control, bool previous) {
    std::vector<HWND> all;
    Controls(dialog, all);
    std::vector<HWND> stops;
    for (HWND h : all)
        if ((GetWindowLongPtr(h, GWL_STYLE) & WS_TABSTOP) && Usable(h)) stops.push_back(h);
    if (stops.empty()) return nullptr;
    const auto at = std::find(stops.begin(), stops.end(), control);
    if (at == stops.end()) return previous ? stops.back() : stops.front();
    const long n = long(stops.size()), i = at - stops.begin();
    return stops[size_t(((i + (previous ? -1 : 1)) % n + n) % n)];
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, bool previous) {
    std::vector<HWND> all;
    Controls(dialog, all);
    const auto at = std::find(all.begin(), all.end(), control);
    if (at == all.end()) return nullptr;
    auto first = at;
    while (first != all.begin() && !(GetWindowLongPtr(*first, GWL_STYLE) & WS_GROUP)) --first;
    auto last = at + 1;
    while (last != all.end() && !(GetWindowLongPtr(*last, GWL_STYLE) & WS_GROUP)) ++last;
    const std::vector<HWND> group(first, last);
    const long n = long(group.size()), i = long(std::find(group.begin(), group.end(), control) - group.begin());
    for (long k = 1; k <= n; ++k) {
        const HWND h = group[size_t(((i + (previous ? -k : k)) % n + n) % n)];
        if (Usable(h)) return h;
    }
    return control;
}

bool IsDialogMessage(HWND dialog, const TMsg& msg) {
    if (!Win(dialog) || (msg.Hwnd != dialog && !IsChild(dialog, msg.Hwnd))) return false;
    const LRESULT code = msg.Hwnd ? SendMessage(msg.Hwnd, WM_GETDLGCODE, msg.WParam, reinterpret_cast<LPARAM>(&msg)) : 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    if (msg.Message == WM_KEYDOWN && !(code & (DLGC_WANTMESSAGE | DLGC_WANTALLKEYS))) {
        const HWND focus = FocusedControl(dialog);
        switch (msg.WParam) {
            case VK_TAB:
                if (code & DLGC_WANTTAB) break;
                if (const HWND next = GetNextDlgTabItem(dialog, focus, shift)) SetFocus(next);
                return true;
            case VK_LEFT:
            case VK_UP:
            case VK_RIGHT:
            case VK_DOWN:
                if ((code & DLGC_WANTARROWS) || !focus) break;
                if (const HWND next = GetNextDlgGroupItem(dialog, focus, msg.WParam == VK_LEFT || msg.WParam == VK_UP)) {
                    SetFocus(next);
                    if (SendMessage(next, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) SendMessage(next, BM_CLICK, 0, 0);
                }
                return true;
            case VK_RETURN: {
                const LRESULT def = SendMessage(dialog, DM_GETDEFID, 0, 0);
                Click(dialog, HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK);
                return true;
            }
            case VK_ESCAPE: Click(dialog, IDCANCEL); return true;
            default: break;
        }
    }
    if (msg.Message == WM_SYSCHAR && Mnemonic(dialog, char(msg.WParam))) return true;
    TranslateMessage(msg);
    DispatchMessage(msg);
    return true;
}

}  // namespace ui
