#include "ui/NonClient.h"

#include "ui/Dispatch.h"
#include "ui/Messages.h"
#include "ui/Metrics.h"
#include "ui/Styles.h"
#include "ui/Tree.h"

namespace ui {

namespace {

bool HasCaption(DWORD style) { return (style & WS_CAPTION) == WS_CAPTION; }

TRect Inflate(const TRect& r, int d) { return {r.Left - d, r.Top - d, r.Right + d, r.Bottom + d}; }

}  // namespace

int FrameWidth(DWORD style, DWORD exStyle) {
    if (style & WS_THICKFRAME) return GetSystemMetrics(SM_CXFRAME);
    if ((exStyle & WS_EX_DLGMODALFRAME) || (style & WS_DLGFRAME)) return GetSystemMetrics(SM_CXDLGFRAME);
    if ((style & WS_BORDER) || !(style & (WS_CHILD | WS_POPUP))) return GetSystemMetrics(SM_CXBORDER);
    return 0;
}

int CaptionHeight(DWORD style, DWORD exStyle) {
    if (!HasCaption(style)) return 0;
    return GetSystemMetrics(exStyle & WS_EX_TOOLWINDOW ? SM_CYSMCAPTION : SM_CYCAPTION);
}

TRect DefaultClientRect(const TRect& window, DWORD style, DWORD exStyle) {
    if (style & WS_MINIMIZE) return {window.Left, window.Top, window.Left, window.Top};
    TRect r = Inflate(window, -FrameWidth(style, exStyle));
    r.Top += CaptionHeight(style, exStyle);
    const int edge = exStyle & WS_EX_CLIENTEDGE ? GetSystemMetrics(SM_CXEDGE)
                     : exStyle & WS_EX_STATICEDGE ? GetSystemMetrics(SM_CXBORDER)
                                                  : 0;
    r = Inflate(r, -edge);
    if (style & WS_VSCROLL) r.Right -= GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL) r.Bottom -= GetSystemMetrics(SM_CYHSCROLL);
    if (r.Right < r.Left) r.Right = r.Left;
    if (r.Bottom < r.Top) r.Bottom = r.Top;
    return r;
}

TCaptionLayout CaptionLayout(const TWindow& w) {
    TCaptionLayout l;
    const int c = CaptionHeight(w.Style, w.ExStyle);
    if (c == 0) return l;
    const int b = FrameWidth(w.Style, w.ExStyle);
    const int width = w.Rect.Width();
    l.Band = {b, b, width - b, b + c - 1};
    const bool tool = w.ExStyle & WS_EX_TOOLWINDOW;
    const int bw = GetSystemMetrics(tool ? SM_CXSMSIZE : SM_CXSIZE) - 2;
    const int bh = GetSystemMetrics(tool ? SM_CYSMSIZE : SM_CYSIZE) - 4;
    const int top = b + (c - 1 - bh) / 2;
    int right = width - b - 2;
    auto place = [&](TRect& r, int gap) {
        r = {right - bw, top, right, top + bh};
        right = r.Left - gap;
    };
    if (w.Style & WS_SYSMENU) {
        place(l.Close, 2);
        if (!tool && (w.Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) {
            place(l.Maximize, 0);
            place(l.Minimize, 2);
        } else if (w.ExStyle & WS_EX_CONTEXTHELP) {
            place(l.Help, 2);
        }
        if (!tool && !(w.ExStyle & WS_EX_DLGMODALFRAME)) {
            const int size = GetSystemMetrics(SM_CXSMICON);
            l.Icon = gfx::Bounds(b + 2, b + (c - 1 - size) / 2, size, size);
        }
    }
    l.Text = {l.Icon.IsEmpty() ? b + 4 : l.Icon.Right + 3, b, right - 2, b + c - 1};
    return l;
}

TMinMaxInfo AskMinMaxInfo(HWND hwnd) {
    TMinMaxInfo info;
    const TWindow* w = Win(hwnd);
    if (!w) return info;
    const int b = FrameWidth(w->Style, w->ExStyle);
    const TRect work = GetWorkArea();
    info.MaxSize = {work.Width() + 2 * b, work.Height() + 2 * b};
    info.MaxPosition = {work.Left - b, work.Top - b};
    info.MinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    info.MaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    CallProc(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info), true);
    return info;
}

LRESULT DefaultHitTest(const TWindow& w, TPoint screen) {
    const TPoint o = ScreenOrigin(w);
    const int x = screen.X - o.X, y = screen.Y - o.Y;
    const int width = w.Rect.Width(), height = w.Rect.Height();
    if (x < 0 || y < 0 || x >= width || y >= height) return HTNOWHERE;
    if (w.Style & WS_MINIMIZE) return HTCAPTION;
    if (w.Client.Contains(x, y)) return HTCLIENT;
    const int b = FrameWidth(w.Style, w.ExStyle);
    const bool inBorder = x < b || y < b || x >= width - b || y >= height - b;
    if (inBorder) {
        if (!(w.Style & WS_THICKFRAME) || (w.Style & WS_MAXIMIZE)) return HTBORDER;
        const int corner = GetSystemMetrics(SM_CXSIZE) + b;
        const bool left = x < corner, right = x >= width - corner;
        const bool top = y < corner, bottom = y >= height - corner;
        if (x < b) return top ? HTTOPLEFT : bottom ? HTBOTTOMLEFT : HTLEFT;
        if (x >= width - b) return top ? HTTOPRIGHT : bottom ? HTBOTTOMRIGHT : HTRIGHT;
        if (y < b) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
        return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
    }
    const TCaptionLayout l = CaptionLayout(w);
    if (y < l.Band.Bottom + 1 && !l.Band.IsEmpty()) {
        if (l.Close.Contains(x, y)) return HTCLOSE;
        if (l.Maximize.Contains(x, y)) return HTMAXBUTTON;
        if (l.Minimize.Contains(x, y)) return HTMINBUTTON;
        if (l.Help.Contains(x, y)) return HTHELP;
        if (l.Icon.Contains(x, y)) return HTSYSMENU;
        return HTCAPTION;
    }
    if ((w.Style & WS_VSCROLL) && x >= w.Client.Right && y >= w.Client.Top && y < w.Client.Bottom) return HTVSCROLL;
    if ((w.Style & WS_HSCROLL) && y >= w.Client.Bottom && x >= w.Client.Left && x < w.Client.Right) return HTHSCROLL;
    return HTBORDER;
}

}  // namespace ui
