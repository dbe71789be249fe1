#include "ui/Metrics.h"

#include "ui/Tree.h"

namespace ui {

namespace {

// Windows 2000's classic scheme, so that frames measure the same everywhere.
constexpr int BorderWidth = 1;
constexpr int CaptionButton = 18;
constexpr int SmCaptionButtonWidth = 12;
constexpr int SmCaptionButtonHeight = 15;
constexpr int MenuBarHeight = 18;
constexpr int ScrollWidth = 16;

}  // namespace

int GetSystemMetrics(int index) {
    switch (index) {
        case SM_CXSCREEN: return Sys().Backend().ScreenSize().cx;
        case SM_CYSCREEN: return Sys().Backend().ScreenSize().cy;
        case SM_CXFULLSCREEN: return GetWorkArea().Width();
        case SM_CYFULLSCREEN: return GetWorkArea().Height() - GetSystemMetrics(SM_CYCAPTION);
        case SM_CXVSCROLL:
        case SM_CYHSCROLL:
        case SM_CYVSCROLL:
        case SM_CXHSCROLL: return ScrollWidth;
        case SM_CYCAPTION: return CaptionButton + 1;
        case SM_CXBORDER:
        case SM_CYBORDER: return BorderWidth;
        case SM_CXDLGFRAME:
        case SM_CYDLGFRAME: return 3;
        case SM_CXFRAME:
        case SM_CYFRAME: return BorderWidth + 3;
        case SM_CXEDGE:
        case SM_CYEDGE: return 2;
        case SM_CXICON:
        case SM_CYICON: return 32;
        case SM_CXSMICON:
        case SM_CYSMICON: return 16;
        case SM_CYMENU: return MenuBarHeight + 1;
        case SM_CXSIZE:
        case SM_CYSIZE: return CaptionButton;
        case SM_CYSMCAPTION: return SmCaptionButtonHeight + 1;
        case SM_CXSMSIZE: return SmCaptionButtonWidth;
        case SM_CYSMSIZE: return SmCaptionButtonHeight;
        case SM_CXMENUSIZE:
        case SM_CYMENUSIZE: return MenuBarHeight;
        case SM_CXMIN:
        case SM_CXMINTRACK: return 112;
        case SM_CYMIN:
        case SM_CYMINTRACK: return 27;
        case SM_CXMINIMIZED: return 160;
        case SM_CYMINIMIZED: return 24;
        case SM_CXMAXTRACK: return GetSystemMetrics(SM_CXSCREEN) + 12;
        case SM_CYMAXTRACK: return GetSystemMetrics(SM_CYSCREEN) + 12;
        case SM_CXMAXIMIZED: return GetWorkArea().Width() + 2 * GetSystemMetrics(SM_CXFRAME);
        case SM_CYMAXIMIZED: return GetWorkArea().Height() + 2 * GetSystemMetrics(SM_CYFRAME);
        case SM_CXDOUBLECLK:
        case SM_CYDOUBLECLK:
        case SM_CXDRAG:
        case SM_CYDRAG: return 4;
        case SM_CXMENUCHECK:
        case SM_CYMENUCHECK: return 13;
        default: return 0;
    }
}

TRect GetWorkArea() { return Sys().Backend().WorkArea(); }

UINT GetDoubleClickTime() { return 500; }

TSize GetMouseHoverSize() { return {4, 4}; }

UINT GetMouseHoverTime() { return 400; }

TNonClientMetrics GetNonClientMetrics() {
    TNonClientMetrics m;
    m.BorderWidth = BorderWidth;
    m.CaptionWidth = m.CaptionHeight = CaptionButton;
    m.SmCaptionWidth = SmCaptionButtonWidth;
    m.SmCaptionHeight = SmCaptionButtonHeight;
    m.MenuWidth = m.MenuHeight = MenuBarHeight;
    gfx::TFont plain;
    plain.Name = "Tahoma";
    plain.SetSize(8);
    plain.Color = gfx::clWindowText;
    m.MenuFont = m.StatusFont = m.MessageFont = plain;
    m.CaptionFont = m.SmCaptionFont = plain;
    m.CaptionFont.Style = m.SmCaptionFont.Style = gfx::fsBold;
    m.CaptionFont.Color = m.SmCaptionFont.Color = gfx::clCaptionText;
    return m;
}

}  // namespace ui
