#include "ui/DefWindowProc.h"

#include <algorithm>
#include <cstring>

#include "gfx/TCanvas.h"
#include "ui/DefaultFrame.h"
#include "ui/Dispatch.h"
#include "ui/Input.h"
#include "ui/Keys.h"
#include "ui/Menu.h"
#include "ui/MessageLoop.h"
#include "ui/Messages.h"
#include "ui/Metrics.h"
#include "ui/NonClient.h"
#include "ui/Paint.h"
#include "ui/PaintInternal.h"
#include "ui/Styles.h"
#include "ui/SysCommand.h"
#include "ui/Tree.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"

namespace ui {

namespace {

constexpr LPARAM AltDownBit = LPARAM(1) << 29;

bool HasFrame(const TWindow& w) { return !(w.Client == TRect{0, 0, w.Rect.Width(), w.Rect.Height()}); }

LRESULT SetText(TWindow& w, const char* text) {
    w.Text = text ? text : "";
    if (w.TopLevel()) Sys().Backend().Changed(w, wcText);
    if (CaptionHeight(w.Style, w.ExStyle) > 0 && VisibleChain(w)) w.FrameNeeded = true;
    return 1;
}

LRESULT GetText(const TWindow& w, WPARAM size, char* buffer) {
    if (!buffer || size == 0) return 0;
    const size_t n = std::min(w.Text.size(), size_t(size) - 1);
    std::memcpy(buffer, w.Text.data(), n);
    buffer[n] = 0;
    return LRESULT(n);
}

LRESULT EraseBackground(const TWindow& w, HDC dc) {
    const gfx::TColor color = w.Class->Info.Background;
    if (color == gfx::clNone || !dc) return 0;
    dc->Brush = {color, gfx::bsSolid};
    dc->FillRect({0, 0, w.Client.Width(), w.Client.Height()});
    return 1;
}

// WM_PRINT: frame, background, client and children into the given DC.
void Print(HWND hwnd, HDC dc, LPARAM flags) {
    TWindow* w = Win(hwnd);
    if (!w || !dc || ((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(hwnd))) return;
    const TPoint client = (flags & PRF_NONCLIENT) ? TPoint{w->Client.Left, w->Client.Top} : TPoint{};
    if ((flags & PRF_NONCLIENT) && HasFrame(*w)) PaintDefaultFrame(*w, dc);
    dc->SaveDC();
    const TPoint org = dc->ViewportOrg();
    dc->SetViewportOrg(org.X + client.X, org.Y + client.Y);
    dc->IntersectClipRect({0, 0, w->Client.Width(), w->Client.Height()});
    if (flags & PRF_ERASEBKGND) CallProc(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0, true);
    if ((flags & PRF_CLIENT) && Win(hwnd)) CallProc(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), flags, true);
    if ((flags & PRF_CHILDREN) && (w = Win(hwnd))) {
        const std::vector<HWND> children(w->Children.rbegin(), w->Children.rend());  // bottom first
        for (HWND h : children) {
            const TWindow* c = Win(h);
            if (!c || !(c->Style & WS_VISIBLE)) continue;
            const TPoint inner = dc->ViewportOrg();
            dc->SaveDC();
            dc->SetViewportOrg(inner.X + c->Rect.Left, inner.Y + c->Rect.Top);
            dc->IntersectClipRect({0, 0, c->Rect.Width(), c->Rect.Height()});
            CallProc(h, WM_PRINT, reinterpret_cast<WPARAM>(dc), flags | PRF_NONCLIENT, true);
            dc->RestoreDC(-1);
        }
    }
    dc->RestoreDC(-1);
}

HCURSOR CursorForHit(const TWindow& w, LRESULT hit) {
    switch (hit) {
        case HTLEFT:
        case HTRIGHT: return LoadCursor(IDC_SIZEWE);
        case HTTOP:
        case HTBOTTOM: return LoadCursor(IDC_SIZENS);
        case HTTOPLEFT:
        case HTBOTTOMRIGHT: return LoadCursor(IDC_SIZENWSE);
        case HTTOPRIGHT:
        case HTBOTTOMLEFT: return LoadCursor(IDC_SIZENESW);
        case HTCLIENT: return w.Class->Info.Cursor;
        default: return LoadCursor(IDC_ARROW);
    }
}

LRESULT NcLeftButtonDown(HWND hwnd, LRESULT hit, LPARAM pos) {
    switch (hit) {
        case HTCAPTION: return SendMessage(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, pos);
        case HTSYSMENU: return SendMessage(hwnd, WM_SYSCOMMAND, SC_MOUSEMENU | HTSYSMENU, pos);
        case HTLEFT:
        case HTRIGHT:
        case HTTOP:
        case HTTOPLEFT:
        case HTTOPRIGHT:
        case HTBOTTOM:
        case HTBOTTOMLEFT:
        case HTBOTTOMRIGHT:
            return SendMessage(hwnd, WM_SYSCOMMAND, SC_SIZE + WPARAM(hit - HTLEFT + WMSZ_LEFT), pos);
        case HTCLOSE:
        case HTMINBUTTON:
        case HTMAXBUTTON:
        case HTHELP: {
            if (!TrackCaptionButton(hwnd, hit)) return 0;
            WPARAM command = SC_CONTEXTHELP;
            if (hit == HTCLOSE) command = SC_CLOSE;
            else if (hit == HTMINBUTTON) command = IsIconic(hwnd) ? SC_RESTORE : SC_MINIMIZE;
            else if (hit == HTMAXBUTTON) command = IsZoomed(hwnd) ? SC_RESTORE : SC_MAXIMIZE;
            const DWORD style = DWORD(GetWindowLongPtr(hwnd, GWL_STYLE));
            if (hit == HTMINBUTTON && !(style & WS_MINIMIZEBOX)) return 0;
            if (hit == HTMAXBUTTON && !(style & WS_MAXIMIZEBOX)) return 0;
            return SendMessage(hwnd, WM_SYSCOMMAND, command, pos);
        }
        default: return 0;
    }
}

LRESULT NcDoubleClick(HWND hwnd, LRESULT hit) {
    const DWORD style = DWORD(GetWindowLongPtr(hwnd, GWL_STYLE));
    if (hit == HTCAPTION) {
        if (style & WS_MINIMIZE) return SendMessage(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
        if (style & WS_MAXIMIZEBOX)
            return SendMessage(hwnd, WM_SYSCOMMAND, style & WS_MAXIMIZE ? SC_RESTORE : SC_MAXIMIZE, 0);
    } else if (hit == HTSYSMENU) {
        return SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    return 0;
}

}  // namespace

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWindow* w = Win(hwnd);
    if (!w) return 0;
    switch (msg) {
        case WM_NCCREATE: {
            const auto* cs = reinterpret_cast<const TCreateStruct*>(lParam);
            if (cs && cs->Name) w->Text = cs->Name;
            return 1;
        }
        case WM_NCCALCSIZE:
            if (wParam) {
                auto* p = reinterpret_cast<TNcCalcSizeParams*>(lParam);
                p->Rgrc[0] = DefaultClientRect(p->Rgrc[0], w->Style, w->ExStyle);
            } else if (lParam) {
                auto* r = reinterpret_cast<TRect*>(lParam);
                *r = DefaultClientRect(*r, w->Style, w->ExStyle);
            }
            return 0;
        case WM_NCHITTEST: return DefaultHitTest(*w, LParamToPoint(lParam));
        case WM_NCPAINT:
            if (HasFrame(*w)) RedrawDefaultFrame(hwnd);
            return 0;
        case WM_NCACTIVATE:
            w->NcActive = wParam != 0;
            if (HasFrame(*w) && VisibleChain(*w)) RedrawDefaultFrame(hwnd);
            return 1;
        case WM_SETTEXT: return SetText(*w, reinterpret_cast<const char*>(lParam));
        case WM_GETTEXT: return GetText(*w, wParam, reinterpret_cast<char*>(lParam));
        case WM_GETTEXTLENGTH: return LRESULT(w->Text.size());
        case WM_SETREDRAW: w->RedrawOff = wParam == 0; return 0;
        case WM_ERASEBKGND: return EraseBackground(*w, reinterpret_cast<HDC>(wParam));
        case WM_PAINT: {
            TPaintStruct ps;
            BeginPaint(hwnd, ps);
            EndPaint(hwnd, ps);
            return 0;
        }
        case WM_PRINT: Print(hwnd, reinterpret_cast<HDC>(wParam), lParam); return 0;
        case WM_CLOSE: DestroyWindow(hwnd); return 0;
        case WM_SYSCOMMAND: DefaultSysCommand(hwnd, wParam, lParam); return 0;
        case WM_NCLBUTTONDOWN: return NcLeftButtonDown(hwnd, LRESULT(wParam), lParam);
        case WM_NCLBUTTONDBLCLK: return NcDoubleClick(hwnd, LRESULT(wParam));
        case WM_RBUTTONUP:
            SendMessage(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd),
                        PointToLParam(ClientToScreen(hwnd, LParamToPoint(lParam))));
            return 0;
        case WM_NCRBUTTONUP:
            SendMessage(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), lParam);
            return 0;
        case WM_CONTEXTMENU:
            if (w->IsChild()) return SendMessage(w->Parent, WM_CONTEXTMENU, wParam, lParam);
            if (lParam != -1) {
                const LRESULT hit = DefaultHitTest(*w, LParamToPoint(lParam));
                if ((hit == HTCAPTION || hit == HTSYSMENU) && (w->Style & WS_SYSMENU))
                    ShowSystemMenu(hwnd, LParamToPoint(lParam));
            }
            return 0;
        case WM_MOUSEWHEEL: return w->IsChild() ? SendMessage(w->Parent, msg, wParam, lParam) : 0;
        case WM_SETCURSOR: {
            if (w->IsChild() && SendMessage(w->Parent, WM_SETCURSOR, wParam, lParam)) return 1;
            if (int16_t(LOWORD(lParam)) == HTERROR) {
                // A press on a window disabled by a modal one brings the modal one forward.
                const UINT press = HIWORD(lParam);
                if (press == WM_LBUTTONDOWN || press == WM_RBUTTONDOWN || press == WM_MBUTTONDOWN)
                    if (const HWND popup = GetWindow(hwnd, GW_ENABLEDPOPUP)) SetActiveWindow(popup);
            }
            if (!(w = Win(hwnd))) return 0;
            const HCURSOR cursor = CursorForHit(*w, LRESULT(int16_t(LOWORD(lParam))));
            if (!cursor) return 0;
            SetCursor(cursor);
            return 1;
        }
        case WM_MOUSEACTIVATE:
            if (w->IsChild()) {
                const LRESULT r = SendMessage(w->Parent, WM_MOUSEACTIVATE, wParam, lParam);
                if (r) return r;
            }
            return (Win(hwnd) && (Win(hwnd)->ExStyle & WS_EX_NOACTIVATE)) ? MA_NOACTIVATE : MA_ACTIVATE;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && !(w->Style & WS_MINIMIZE)) SetFocus(hwnd);
            return 0;
        case WM_WINDOWPOSCHANGING: {
            auto* wp = reinterpret_cast<TWindowPos*>(lParam);
            const bool tracked = (w->Style & WS_THICKFRAME) || !(w->Style & (WS_POPUP | WS_CHILD));
            if (!(wp->Flags & SWP_NOSIZE) && tracked && !(w->Style & (WS_MINIMIZE | WS_MAXIMIZE))) {
                const TMinMaxInfo info = AskMinMaxInfo(hwnd);
                wp->Cx = std::clamp(wp->Cx, std::min(info.MinTrackSize.X, info.MaxTrackSize.X), info.MaxTrackSize.X);
                wp->Cy = std::clamp(wp->Cy, std::min(info.MinTrackSize.Y, info.MaxTrackSize.Y), info.MaxTrackSize.Y);
            }
            return 0;
        }
        case WM_WINDOWPOSCHANGED: {
            const auto* wp = reinterpret_cast<const TWindowPos*>(lParam);
            if (!(wp->Flags & SWP_NOCLIENTMOVE))
                SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(w->Rect.Left + w->Client.Left, w->Rect.Top + w->Client.Top));
            if (!(wp->Flags & SWP_NOCLIENTSIZE) && (w = Win(hwnd))) {
                w->NeedSize = false;
                const WPARAM kind = w->Style & WS_MINIMIZE   ? SIZE_MINIMIZED
                                    : w->Style & WS_MAXIMIZE ? SIZE_MAXIMIZED
                                                             : SIZE_RESTORED;
                SendMessage(hwnd, WM_SIZE, kind, MAKELPARAM(w->Client.Width(), w->Client.Height()));
            }
            return 0;
        }
        case WM_SETICON: {
            HICON& slot = wParam == ICON_BIG ? w->IconBig : w->IconSmall;
            const HICON old = std::exchange(slot, reinterpret_cast<HICON>(lParam));
            if (CaptionHeight(w->Style, w->ExStyle) > 0 && VisibleChain(*w)) w->FrameNeeded = true;
            return reinterpret_cast<LRESULT>(old);
        }
        case WM_GETICON:
            return reinterpret_cast<LRESULT>(wParam == ICON_BIG ? w->IconBig : w->IconSmall ? w->IconSmall : w->IconBig);
        case WM_SYSKEYDOWN:
            if ((lParam & AltDownBit) && wParam == VK_F4) SendMessage(TopLevelOf(*w).Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
            return 0;
        case WM_SYSCHAR:
            if (wParam == ' ' && (lParam & AltDownBit))
                SendMessage(TopLevelOf(*w).Handle, WM_SYSCOMMAND, SC_KEYMENU, ' ');
            return 0;
        case WM_CANCELMODE:
            if (GetCapture() == hwnd) ReleaseCapture();
            EndMenu();
            return 0;
        case WM_QUERYENDSESSION: return 1;
        default: return 0;
    }
}

LRESULT DefDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (const auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtr(hwnd, DWLP_DLGPROC))) {
        SetWindowLongPtr(hwnd, DWLP_MSGRESULT, 0);
        const LONG_PTR handled = proc(hwnd, msg, wParam, lParam);
        if (handled) return msg == WM_INITDIALOG ? handled : GetWindowLongPtr(hwnd, DWLP_MSGRESULT);
    }
    switch (msg) {
        case WM_CLOSE:
            SendMessage(hwnd, WM_COMMAND, IDCANCEL, reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDCANCEL)));
            return 0;
        default: return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace ui
