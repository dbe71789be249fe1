// Pop-up menu windows and the modal loop that tracks them.
#include <algorithm>
#include <cctype>

#include "gfx/TCanvas.h"
#include "rtl/TScopeExit.h"
#include "ui/DefWindowProc.h"
#include "ui/Dispatch.h"
#include "ui/DrawFrame.h"
#include "ui/Input.h"
#include "ui/Keys.h"
#include "ui/Menu.h"
#include "ui/MenuData.h"
#include "ui/MessageLoop.h"
#include "ui/Messages.h"
#include "ui/Metrics.h"
#include "ui/NonClient.h"
#include "ui/Paint.h"
#include "ui/Styles.h"
#include "ui/Tree.h"
#include "ui/Window.h"
#include "ui/WindowClass.h"
#include "ui/WindowPos.h"

namespace ui {

namespace {

constexpr int CheckColumn = 17;   // check marks left of the text
constexpr int ArrowColumn = 16;   // the sub-menu arrow right of it
constexpr int ShortcutGap = 16;
constexpr int SeparatorHeight = 9;
constexpr int MenuBorder = 3;     // the window's dialog frame

struct TPopup {
    HMENU Menu = nullptr;
    HWND Window = nullptr;
    int Selected = -1;
    std::vector<TRect> Items;      // client coordinates
    std::vector<int> LabelWidth;   // per item: where its column's shortcuts start
};

struct TTracking {
    HWND Owner = nullptr;
    UINT Flags = 0;
    bool System = false;
    std::vector<TPopup> Popups;
    bool Ended = false;
    bool Armed = false;  // a button release may choose (the mouse has been over an item)
    UINT Chosen = 0;
};

TTracking* gTracking = nullptr;

gfx::TFont MenuFont(bool isDefault) {
    gfx::TFont font = GetNonClientMetrics().MenuFont;
    if (isDefault) font.Style |= gfx::fsBold;
    return font;
}

std::string Label(const std::string& text) { return text.substr(0, text.find('\t')); }

std::string Shortcut(const std::string& text) {
    const size_t tab = text.find('\t');
    return tab == std::string::npos ? std::string() : text.substr(tab + 1);
}

bool Selectable(const TMenuItem& item) { return !(item.Flags & MF_SEPARATOR); }
bool Choosable(const TMenuItem& item) {
    return Selectable(item) && !(item.Flags & (MF_GRAYED | MF_DISABLED));
}

// Lays the items out in columns; returns the client size.
TSize Layout(TPopup& popup, HWND owner) {
    TMenuRecord* m = FindMenu(popup.Menu);
    gfx::TBitmap scratch(1, 1);
    gfx::TCanvas& canvas = scratch.Canvas();
    popup.Items.assign(m->Items.size(), TRect{});
    popup.LabelWidth.assign(m->Items.size(), 0);
    struct TColumn {
        size_t First = 0, End = 0;
        int Label = 0, Shortcut = 0, Owner = 0;
    };
    std::vector<TColumn> columns{{}};
    std::vector<int> heights(m->Items.size(), 0);
    for (size_t i = 0; i < m->Items.size(); ++i) {
        TMenuItem& item = m->Items[i];
        if (i > 0 && (item.Flags & (MF_MENUBREAK | MF_MENUBARBREAK))) {
            columns.back().End = i;
            columns.push_back({i, i});
        }
        TColumn& col = columns.back();
        if (item.Flags & MF_OWNERDRAW) {
            TMeasureItemStruct mis;
            mis.ItemID = UINT(item.Id);
            mis.ItemData = item.Data;
            CallProc(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis), true);
            heights[i] = int(mis.ItemHeight);
            col.Owner = std::max(col.Owner, int(mis.ItemWidth));
        } else if (item.Flags & MF_SEPARATOR) {
            heights[i] = SeparatorHeight;
        } else {
            canvas.Font = MenuFont(item.Flags & MF_DEFAULT);
            const TSize label = canvas.TextExtent(Label(item.Text));
            col.Label = std::max(col.Label, label.cx);
            col.Shortcut = std::max(col.Shortcut, canvas.TextWidth(Shortcut(item.Text)));
            heights[i] = std::max(label.cy + 4, GetSystemMetrics(SM_CYMENUSIZE) - 1);
        }
    }
    columns.back().End = m->Items.size();
    int x = 0, height = 0;
    for (const TColumn& col : columns) {
        const int width = std::max(col.Owner, CheckColumn + col.Label + (col.Shortcut ? ShortcutGap + col.Shortcut : 0) +
                                                  ArrowColumn);
        int y = 0;
        for (size_t i = col.First; i < col.End; ++i) {
            popup.Items[i] = {x, y, x + width, y + heights[i]};
            popup.LabelWidth[i] = CheckColumn + col.Label;
            y += heights[i];
        }
        height = std::max(height, y);
        x += width + (&col != &columns.back() ? 4 : 0);
    }
    return {x, height};
}

TPopup* PopupOf(HWND hwnd) {
    if (!gTracking) return nullptr;
    for (TPopup& p : gTracking->Popups)
        if (p.Window == hwnd) return &p;
    return nullptr;
}

void PaintItem(HDC dc, const TPopup& popup, const TMenuItem& item, size_t index, HWND owner) {
    const TRect r = popup.Items[index];
    const bool selected = int(index) == popup.Selected;
    const bool grayed = item.Flags & (MF_GRAYED | MF_DISABLED);
    if (item.Flags & MF_OWNERDRAW) {
        TDrawItemStruct dis;
        dis.ItemID = UINT(item.Id);
        dis.ItemState = (selected ? ODS_SELECTED : 0) | (grayed ? ODS_GRAYED : 0) |
                        (item.Flags & MF_CHECKED ? ODS_CHECKED : 0) | (item.Flags & MF_DEFAULT ? ODS_DEFAULT : 0);
        dis.Menu = popup.Menu;
        dis.Hdc = dc;
        dis.RcItem = r;
        dis.ItemData = item.Data;
        dc->SaveDC();
        CallProc(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis), true);
        dc->RestoreDC(-1);
        // As on the original platform, the arrow of a sub-menu is the menu's
        // own even on an owner-drawn item.
        if (item.SubMenu) {
            dc->Font.Color = grayed ? gfx::clGrayText : gfx::clMenuText;
            DrawFrameControl(dc, {r.Right - ArrowColumn, r.Top, r.Right, r.Bottom}, DFC_MENU, DFCS_MENUARROW);
        }
        return;
    }
    dc->Brush = {selected ? gfx::clHighlight : gfx::clMenu, gfx::bsSolid};
    dc->FillRect(r);
    if (item.Flags & MF_SEPARATOR) {
        const int y = r.Top + r.Height() / 2 - 1;
        dc->Brush.Color = gfx::clBtnShadow;
        dc->FillRect({r.Left + 1, y, r.Right - 1, y + 1});
        dc->Brush.Color = gfx::clBtnHighlight;
        dc->FillRect({r.Left + 1, y + 1, r.Right - 1, y + 2});
        return;
    }
    dc->Font = MenuFont(item.Flags & MF_DEFAULT);
    dc->Brush.Style = gfx::bsClear;
    const gfx::TColor ink = selected ? (grayed ? gfx::clGrayText : gfx::clHighlightText) : gfx::clMenuText;
    auto text = [&](int dx, int dy, gfx::TColor color) {
        dc->Font.Color = color;
        TRect label{r.Left + CheckColumn + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
        dc->DrawText(Label(item.Text), label, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_LEFT);
        TRect shortcut{r.Left + popup.LabelWidth[index] + ShortcutGap + dx, r.Top + dy, r.Right - ArrowColumn + dx,
                       r.Bottom + dy};
        dc->DrawText(Shortcut(item.Text), shortcut, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_LEFT);
    };
    if (grayed && !selected) {
        text(1, 1, gfx::clBtnHighlight);
        text(0, 0, gfx::clBtnShadow);
    } else {
        text(0, 0, ink);
    }
    dc->Font.Color = grayed ? gfx::clGrayText : ink;
    if (item.Flags & MF_CHECKED)
        DrawFrameControl(dc, {r.Left, r.Top, r.Left + CheckColumn, r.Bottom}, DFC_MENU,
                         item.Flags & MF_RADIOCHECK ? DFCS_MENUBULLET : DFCS_MENUCHECK);
    if (item.SubMenu) DrawFrameControl(dc, {r.Right - ArrowColumn, r.Top, r.Right, r.Bottom}, DFC_MENU, DFCS_MENUARROW);
}

// Only the items the paint rectangle touches are painted (and, owner-drawn,
// asked to draw themselves), as a selection change repaints just two items.
void PaintPopup(HWND hwnd, HDC dc, const TRect& paint) {
    const TPopup* popup = PopupOf(hwnd);
    const TMenuRecord* m = popup ? FindMenu(popup->Menu) : nullptr;
    if (!m) return;
    for (size_t i = 0; i < m->Items.size(); ++i) {
        if (gfx::IntersectRect(popup->Items[i], paint).IsEmpty()) continue;
        if (i > 0 && (m->Items[i].Flags & MF_MENUBARBREAK)) {
            const TRect r = popup->Items[i];
            TRect line{r.Left - 3, 0, r.Left - 1, GetClientRect(hwnd).Bottom};
            DrawEdge(dc, line, EDGE_ETCHED, BF_LEFT);
        }
        PaintItem(dc, *popup, m->Items[i], i, gTracking->Owner);
    }
}

void RepaintItem(TPopup& popup, int index) {
    if (index < 0 || size_t(index) >= popup.Items.size()) return;
    InvalidateRect(popup.Window, &popup.Items[size_t(index)], true);
    UpdateWindow(popup.Window);
}

void Select(size_t level, int index) {
    TPopup& popup = gTracking->Popups[level];
    if (popup.Selected == index) return;
    const int old = popup.Selected;
    popup.Selected = index;
    RepaintItem(popup, old);
    RepaintItem(popup, index);
    const TMenuRecord* m = FindMenu(popup.Menu);
    if (index >= 0 && m) {
        const TMenuItem& item = m->Items[size_t(index)];
        const UINT id = item.SubMenu ? UINT(index) : UINT(item.Id);
        CallProc(gTracking->Owner, WM_MENUSELECT, MAKEWPARAM(int(id), int((item.Flags & 0xFFFF) | MF_HILITE)),
                 reinterpret_cast<LPARAM>(popup.Menu), true);
    }
}

// Closes the pop-ups above `level`.
void CloseAbove(size_t level) {
    while (gTracking->Popups.size() > level + 1) {
        const TPopup popup = gTracking->Popups.back();
        gTracking->Popups.pop_back();
        DestroyWindow(popup.Window);
        CallProc(gTracking->Owner, WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(popup.Menu), 0, true);
    }
}

bool OpenPopup(HMENU menu, TPoint at, const TRect* avoid, int parentIndex) {
    if (!(gTracking->Flags & TPM_NONOTIFY))
        CallProc(gTracking->Owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu),
                 MAKELPARAM(std::max(parentIndex, 0), gTracking->System), true);
    if (!FindMenu(menu) || GetMenuItemCount(menu) <= 0) return false;
    TPopup popup;
    popup.Menu = menu;
    const TSize client = Layout(popup, gTracking->Owner);
    const int width = client.cx + 2 * MenuBorder, height = client.cy + 2 * MenuBorder;
    const TSize screen = Sys().Backend().ScreenSize();
    int x = at.X, y = at.Y;
    if (!avoid) {
        const UINT f = gTracking->Flags;
        if (f & TPM_RIGHTALIGN) x -= width;
        else if (f & TPM_CENTERALIGN) x -= width / 2;
        if (f & TPM_BOTTOMALIGN) y -= height;
        else if (f & TPM_VCENTERALIGN) y -= height / 2;
        if (x + width > screen.cx) x = screen.cx - width;
        if (y + height > screen.cy) y = at.Y - height;
    } else {
        if (x + width > screen.cx) x = avoid->Left - width + MenuBorder;
        if (y + height > screen.cy) y = screen.cy - height;
    }
    x = std::max(x, 0);
    y = std::max(y, 0);
    popup.Window = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, MenuClassName, "",
                                  WS_POPUP | WS_DLGFRAME | WS_CLIPSIBLINGS, x, y, width, height, gTracking->Owner, 0);
    if (!popup.Window || !gTracking) return false;
    gTracking->Popups.push_back(popup);
    ShowWindow(popup.Window, SW_SHOWNA);
    UpdateWindow(popup.Window);
    return true;
}

void OpenSubMenu(size_t level) {
    TPopup& popup = gTracking->Popups[level];
    const TMenuRecord* m = FindMenu(popup.Menu);
    if (!m || popup.Selected < 0) return;
    const TMenuItem& item = m->Items[size_t(popup.Selected)];
    if (!item.SubMenu || !Choosable(item)) return;
    CloseAbove(level);
    const TRect r = MapWindowRect(popup.Window, nullptr, popup.Items[size_t(popup.Selected)]);
    const TRect parent = GetWindowRect(popup.Window);
    OpenPopup(item.SubMenu, {parent.Right - MenuBorder, r.Top - MenuBorder}, &parent, popup.Selected);
}

void Choose(size_t level) {
    TPopup& popup = gTracking->Popups[level];
    const TMenuRecord* m = FindMenu(popup.Menu);
    if (!m || popup.Selected < 0) return;
    const TMenuItem& item = m->Items[size_t(popup.Selected)];
    if (!Choosable(item)) return;
    if (item.SubMenu) {
        OpenSubMenu(level);
        if (gTracking->Popups.size() > level + 1) Select(level + 1, 0);
        return;
    }
    gTracking->Chosen = UINT(item.Id);
    gTracking->Ended = true;
}

// The deepest pop-up and item under a screen point.
bool ItemAt(TPoint screen, size_t& level, int& index) {
    for (size_t l = gTracking->Popups.size(); l-- > 0;) {
        const TPopup& popup = gTracking->Popups[l];
        if (!GetWindowRect(popup.Window).Contains(screen.X, screen.Y)) continue;
        const TPoint p = ScreenToClient(popup.Window, screen);
        level = l;
        index = -1;
        for (size_t i = 0; i < popup.Items.size(); ++i)
            if (popup.Items[i].Contains(p.X, p.Y)) index = int(i);
        return true;
    }
    return false;
}

int NextSelectable(const TPopup& popup, int from, int step) {
    const TMenuRecord* m = FindMenu(popup.Menu);
    const int n = m ? int(m->Items.size()) : 0;
    for (int k = 1; k <= n; ++k) {
        const int i = ((from + step * k) % n + n) % n;
        if (Selectable(m->Items[size_t(i)])) return i;
    }
    return -1;
}

void MouseMessage(const TMsg& msg) {
    size_t level = 0;
    int index = -1;
    const bool inside = ItemAt(msg.Pt, level, index);
    const bool right = gTracking->Flags & TPM_RIGHTBUTTON;
    switch (msg.Message) {
        case WM_MOUSEMOVE:
            if (!inside || index < 0) return;
            gTracking->Armed = true;
            CloseAbove(level);
            Select(level, Selectable(FindMenu(gTracking->Popups[level].Menu)->Items[size_t(index)]) ? index : -1);
            OpenSubMenu(level);
            return;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
            if (!inside) gTracking->Ended = true;
            else gTracking->Armed = true;
            return;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            if (msg.Message == WM_RBUTTONUP && !right) return;
            if (inside && index >= 0 && gTracking->Armed) {
                Select(level, index);
                Choose(level);
            }
            return;
        default: return;
    }
}

void KeyMessage(const TMsg& msg) {
    const size_t level = gTracking->Popups.size() - 1;
    TPopup& popup = gTracking->Popups[level];
    switch (msg.WParam) {
        case VK_UP: Select(level, NextSelectable(popup, popup.Selected < 0 ? 0 : popup.Selected, -1)); break;
        case VK_DOWN: Select(level, NextSelectable(popup, popup.Selected, 1)); break;
        case VK_RIGHT:
            OpenSubMenu(level);
            if (gTracking->Popups.size() > level + 1) Select(level + 1, NextSelectable(gTracking->Popups.back(), -1, 1));
            break;
        case VK_LEFT:
            if (level > 0) CloseAbove(level - 1);
            break;
        case VK_ESCAPE:
            if (level > 0) CloseAbove(level - 1);
            else gTracking->Ended = true;
            break;
        case VK_RETURN: Choose(level); break;
        case VK_MENU:
        case VK_F10: gTracking->Ended = true; break;
        default: break;
    }
}

void CharMessage(const TMsg& msg) {
    const size_t level = gTracking->Popups.size() - 1;
    const TMenuRecord* m = FindMenu(gTracking->Popups[level].Menu);
    const char key = char(std::tolower(int(msg.WParam & 0xFF)));
    for (size_t i = 0; m && i < m->Items.size(); ++i) {
        const std::string& text = m->Items[i].Text;
        const size_t amp = text.find('&');
        if (amp != std::string::npos && amp + 1 < text.size() && std::tolower(text[amp + 1]) == key) {
            Select(level, int(i));
            Choose(level);
            return;
        }
    }
}

UINT Track(HMENU menu, UINT flags, TPoint at, HWND owner, bool system) {
    if (!OnMainThread() || gTracking || !FindMenu(menu) || !Win(owner)) return 0;
    TTracking tracking;
    tracking.Owner = owner;
    tracking.Flags = flags;
    tracking.System = system;
    gTracking = &tracking;
    // Also when a window procedure throws out of the loop.
    const rtl::TScopeExit done([] { gTracking = nullptr; });
    CallProc(owner, WM_ENTERMENULOOP, 1, 0, true);
    if (!(flags & TPM_NONOTIFY)) CallProc(owner, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0, true);
    const bool wasActive = Sys().AppActive;
    if (OpenPopup(menu, at, nullptr, 0)) {
        SetCapture(tracking.Popups.front().Window);
        TMsg msg;
        while (!tracking.Ended) {
            if (!GetMessage(msg, nullptr, 0, 0)) {
                PostQuitMessage(int(msg.WParam));
                break;
            }
            if (msg.Message >= WM_MOUSEFIRST && msg.Message <= WM_MOUSELAST) MouseMessage(msg);
            else if (msg.Message >= WM_NCMOUSEMOVE && msg.Message <= WM_NCMBUTTONDBLCLK) MouseMessage(msg);
            else if (msg.Message == WM_KEYDOWN || msg.Message == WM_SYSKEYDOWN) {
                TranslateMessage(msg);
                KeyMessage(msg);
            }
            else if (msg.Message == WM_CHAR || msg.Message == WM_SYSCHAR) CharMessage(msg);
            else if (msg.Message != WM_KEYUP && msg.Message != WM_SYSKEYUP) {
                TranslateMessage(msg);
                DispatchMessage(msg);
            }
            if (!Win(owner) || (wasActive && !Sys().AppActive) || GetCapture() != tracking.Popups.front().Window)
                tracking.Ended = true;
        }
        if (GetCapture() == tracking.Popups.front().Window) ReleaseCapture();
        CloseAbove(0);
        DestroyWindow(tracking.Popups.front().Window);
        CallProc(owner, WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0, true);
    }
    gTracking = nullptr;  // the menu is gone before the owner hears so
    CallProc(owner, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0, true);
    CallProc(owner, WM_EXITMENULOOP, 1, 0, true);
    return tracking.Chosen;
}

}  // namespace

UINT TrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner) {
    const UINT chosen = Track(menu, flags, {x, y}, owner, false);
    if (flags & TPM_RETURNCMD) return chosen;
    if (chosen) PostMessage(owner, WM_COMMAND, chosen, 0);
    return chosen != 0;
}

bool EndMenu() {
    if (!gTracking) return false;
    gTracking->Ended = true;
    return true;
}

void ShowSystemMenu(HWND hwnd, TPoint at) {
    const HMENU menu = GetSystemMenu(hwnd, false);
    if (!menu) return;
    const UINT chosen = Track(menu, TPM_LEFTBUTTON | TPM_RIGHTBUTTON, at, hwnd, true);
    if (chosen) PostMessage(hwnd, WM_SYSCOMMAND, chosen, 0);
}

LRESULT MenuWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case MN_GETHMENU: {
            const TPopup* popup = PopupOf(hwnd);
            return reinterpret_cast<LRESULT>(popup ? popup->Menu : nullptr);
        }
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
        case WM_PAINT: {
            TPaintStruct ps;
            const HDC dc = BeginPaint(hwnd, ps);
            PaintPopup(hwnd, dc, ps.Paint);
            EndPaint(hwnd, ps);
            return 0;
        }
        default: return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace ui
