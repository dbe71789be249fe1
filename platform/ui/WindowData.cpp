#include <algorithm>
#include <cstring>
#include <vector>

#include "ui/Activation.h"
#include "ui/Dispatch.h"
#include "ui/Input.h"
#include "ui/MessageLoop.h"
#include "ui/Messages.h"
#include "ui/PaintInternal.h"
#include "ui/Layered.h"
#include "ui/Styles.h"
#include "ui/Tree.h"
#include "ui/Window.h"

namespace ui {

namespace {

// A style change that shows or hides the window without the show messages,
// as a direct change of WS_VISIBLE does on the original platform.
void VisibilityChanged(TWindow& w, bool visibleBefore) {
    const bool visible = w.Style & WS_VISIBLE;
    if (visible == visibleBefore) return;
    if (w.TopLevel()) Sys().Backend().Changed(w, wcVisible);
    else if (!visible) ExposeInParent(w, w.Rect);
    if (visible) InvalidateWhole(w);
}

LONG_PTR ChangeStyle(HWND hwnd, int index, DWORD value) {
    TWindow* w = Win(hwnd);
    const DWORD old = index == GWL_STYLE ? w->Style : w->ExStyle;
    TStyleStruct ss{old, value};
    CallProc(hwnd, WM_STYLECHANGING, WPARAM(index), reinterpret_cast<LPARAM>(&ss), true);
    if (!(w = Win(hwnd))) return 0;
    if (index == GWL_STYLE) {
        const bool visibleBefore = w->Style & WS_VISIBLE;
        w->Style = ss.StyleNew;
        VisibilityChanged(*w, visibleBefore);
    } else {
        // The topmost band is changed with SetWindowPos only.
        const DWORD newEx = (ss.StyleNew & ~WS_EX_TOPMOST) | (w->ExStyle & WS_EX_TOPMOST);
        const DWORD layeredChange = (w->ExStyle ^ newEx) & (WS_EX_LAYERED | WS_EX_TRANSPARENT);
        const bool unlayered = (w->ExStyle & WS_EX_LAYERED) && !(newEx & WS_EX_LAYERED);
        w->ExStyle = newEx;
        if (layeredChange && w->TopLevel()) {
            if (layeredChange & WS_EX_LAYERED) {
                w->Layered = TLayeredMode::Unset;
                w->LayeredFlags = 0;
                w->PerPixelAlpha = false;
            }
            Sys().Backend().Changed(*w, wcLayered);
            if (unlayered && VisibleChain(*w)) InvalidateWhole(*w);
        }
    }
    CallProc(hwnd, WM_STYLECHANGED, WPARAM(index), reinterpret_cast<LPARAM>(&ss), true);
    return LONG_PTR(old);
}

}  // namespace

bool IsWindow(HWND hwnd) { return Win(hwnd) != nullptr; }

bool IsWindowVisible(HWND hwnd) {
    const TWindow* w = Win(hwnd);
    return w && VisibleChain(*w);
}

bool IsWindowEnabled(HWND hwnd) {
    const TWindow* w = Win(hwnd);
    return w && !(w->Style & WS_DISABLED);
}

bool EnableWindow(HWND hwnd, bool enable) {
    TWindow* w = Win(hwnd);
    if (!w) return false;
    const bool wasDisabled = w->Style & WS_DISABLED;
    if (enable == !wasDisabled) return wasDisabled;
    if (enable) {
        w->Style &= ~WS_DISABLED;
    } else {
        CallProc(hwnd, WM_CANCELMODE, 0, 0, true);
        if (!(w = Win(hwnd))) return wasDisabled;
        w->Style |= WS_DISABLED;
        const HWND focus = Sys().Focus;
        if (focus && (focus == hwnd || IsDescendant(hwnd, focus))) SetFocus(nullptr);
        if (Sys().Mouse.Capture == hwnd) ReleaseCapture();
    }
    if (Win(hwnd)) CallProc(hwnd, WM_ENABLE, enable, 0, true);
    return wasDisabled;
}

bool SetWindowText(HWND hwnd, const std::string& text) {
    if (!Win(hwnd) && !TWindowSystem::IsRemote(hwnd)) return false;
    return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) != 0;
}

int GetWindowTextLength(HWND hwnd) { return int(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0)); }

std::string GetWindowText(HWND hwnd) {
    const int length = GetWindowTextLength(hwnd);
    if (length <= 0) return {};
    std::vector<char> buffer(size_t(length) + 1, 0);
    const LRESULT copied = SendMessage(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::string(buffer.data(), size_t(std::clamp<LRESULT>(copied, 0, length)));
}

LONG_PTR GetWindowLongPtr(HWND hwnd, int index) {
    const TWindow* w = Win(hwnd);
    if (!w) return 0;
    switch (index) {
        case GWL_STYLE: return LONG_PTR(w->Style);
        case GWL_EXSTYLE: return LONG_PTR(w->ExStyle);
        case GWLP_ID: return LONG_PTR(w->Id);
        case GWLP_USERDATA: return w->UserData;
        case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(w->TopLevel() ? w->Owner : w->Parent);
        default:
            if (index < 0 || index % 8 != 0 || size_t(index / 8) >= w->Extra.size()) return 0;
            return w->Extra[size_t(index / 8)];
    }
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
    TWindow* w = Win(hwnd);
    if (!w) return 0;
    switch (index) {
        case GWL_STYLE:
        case GWL_EXSTYLE: return ChangeStyle(hwnd, index, DWORD(value));
        case GWLP_ID: return LONG_PTR(std::exchange(w->Id, UINT_PTR(value)));
        case GWLP_USERDATA: return std::exchange(w->UserData, value);
        case GWLP_HWNDPARENT: {
            if (!w->TopLevel()) return 0;
            TWindow* owner = Win(reinterpret_cast<HWND>(value));
            const HWND old = w->Owner;
            w->Owner = owner && owner->Handle != hwnd ? TopLevelOf(*owner).Handle : nullptr;
            Sys().Backend().Changed(*w, wcOwner);
            return reinterpret_cast<LONG_PTR>(old);
        }
        default:
            if (index < 0 || index % 8 != 0 || size_t(index / 8) >= w->Extra.size()) return 0;
            return std::exchange(w->Extra[size_t(index / 8)], value);
    }
}

TWndProc GetWindowProc(HWND hwnd) {
    const TWindow* w = Win(hwnd);
    return w ? w->Proc : TWndProc();
}

TWndProc SetWindowProc(HWND hwnd, const TWndProc& proc) {
    TWindow* w = Win(hwnd);
    if (!w || !proc) return TWndProc();
    return std::exchange(w->Proc, proc);
}

LRESULT CallWindowProc(const TWndProc& proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return proc ? proc(hwnd, msg, wParam, lParam) : 0;
}

bool SetProp(HWND hwnd, const std::string& name, void* value) {
    TWindow* w = Win(hwnd);
    if (!w) return false;
    for (auto& [key, v] : w->Props)
        if (key == name) {
            v = value;
            return true;
        }
    w->Props.emplace_back(name, value);
    return true;
}

void* GetProp(HWND hwnd, const std::string& name) {
    const TWindow* w = Win(hwnd);
    if (!w) return nullptr;
    for (const auto& [key, v] : w->Props)
        if (key == name) return v;
    return nullptr;
}

void* RemoveProp(HWND hwnd, const std::string& name) {
    TWindow* w = Win(hwnd);
    if (!w) return nullptr;
    for (auto it = w->Props.begin(); it != w->Props.end(); ++it)
        if (it->first == name) {
            void* v = it->second;
            w->Props.erase(it);
            return v;
        }
    return nullptr;
}

}  // namespace ui
