#include "ui/DefaultFrame.h"

#include "gfx/TCanvas.h"
#include "ui/DrawFrame.h"
#include "ui/Menu.h"
#include "ui/Messages.h"
#include "ui/Metrics.h"
#include "ui/NonClient.h"
#include "ui/Paint.h"
#include "ui/Styles.h"
#include "ui/Tree.h"

namespace ui {

namespace {

void Fill(HDC dc, const TRect& r, gfx::TColor color) {
    dc->Brush = {color, gfx::bsSolid};
    dc->FillRect(r);
}

// Rings of one colour, `count` pixels deep, inside r (which moves inward).
void Rings(HDC dc, TRect& r, int count, gfx::TColor color) {
    dc->Brush = {color, gfx::bsSolid};
    for (int i = 0; i < count; ++i) {
        dc->FrameRect(r);
        r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
}

// The classic caption: a horizontal blend from the caption colour to its
// gradient partner.
void CaptionBand(HDC dc, const TRect& band, bool active) {
    const gfx::TColor from = gfx::ColorToRGB(active ? gfx::clActiveCaption : gfx::clInactiveCaption);
    const gfx::TColor to = gfx::ColorToRGB(active ? gfx::clGradientActiveCaption : gfx::clGradientInactiveCaption);
    const int width = band.Width();
    for (int x = 0; x < width; ++x) {
        auto mix = [&](int a, int b) { return a + (b - a) * x / std::max(width - 1, 1); };
        const gfx::TColor c = gfx::RGB(mix(gfx::GetRValue(from), gfx::GetRValue(to)),
                                       mix(gfx::GetGValue(from), gfx::GetGValue(to)),
                                       mix(gfx::GetBValue(from), gfx::GetBValue(to)));
        Fill(dc, {band.Left + x, band.Top, band.Left + x + 1, band.Bottom}, c);
    }
}

bool CloseDisabled(const TWindow& w) {
    if (w.Class->Info.Style & CS_NOCLOSE) return true;
    if (!w.SystemMenu) return false;
    const UINT state = GetMenuState(w.SystemMenu, SC_CLOSE, MF_BYCOMMAND);
    return state == UINT(-1) || (state & MF_GRAYED);
}

void CaptionButtons(const TWindow& w, HDC dc, const TCaptionLayout& l) {
    auto pushed = [&](LRESULT hit) { return w.PressedButton == hit ? UINT(DFCS_PUSHED) : 0u; };
    if (!l.Close.IsEmpty())
        DrawFrameControl(dc, l.Close, DFC_CAPTION,
                         DFCS_CAPTIONCLOSE | pushed(HTCLOSE) | (CloseDisabled(w) ? DFCS_INACTIVE : 0));
    if (!l.Maximize.IsEmpty())
        DrawFrameControl(dc, l.Maximize, DFC_CAPTION,
                         (w.Style & WS_MAXIMIZE ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX) | pushed(HTMAXBUTTON) |
                             (w.Style & WS_MAXIMIZEBOX ? 0 : DFCS_INACTIVE));
    if (!l.Minimize.IsEmpty())
        DrawFrameControl(dc, l.Minimize, DFC_CAPTION,
                         (w.Style & WS_MINIMIZE ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN) | pushed(HTMINBUTTON) |
                             (w.Style & WS_MINIMIZEBOX ? 0 : DFCS_INACTIVE));
    if (!l.Help.IsEmpty()) DrawFrameControl(dc, l.Help, DFC_CAPTION, DFCS_CAPTIONHELP | pushed(HTHELP));
}

void Caption(const TWindow& w, HDC dc) {
    const TCaptionLayout l = CaptionLayout(w);
    if (l.Band.IsEmpty()) return;
    CaptionBand(dc, l.Band, w.NcActive);
    Fill(dc, {l.Band.Left, l.Band.Bottom, l.Band.Right, l.Band.Bottom + 1}, gfx::clBtnFace);
    if (!l.Icon.IsEmpty()) DrawIconEx(dc, l.Icon.Left, l.Icon.Top, CaptionIcon(w), l.Icon.Width(), l.Icon.Height());
    const TNonClientMetrics metrics = GetNonClientMetrics();
    dc->Font = w.ExStyle & WS_EX_TOOLWINDOW ? metrics.SmCaptionFont : metrics.CaptionFont;
    dc->Font.Color = w.NcActive ? gfx::clCaptionText : gfx::clInactiveCaptionText;
    dc->Brush.Style = gfx::bsClear;
    TRect text = l.Text;
    dc->DrawText(w.Text, text, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_END_ELLIPSIS | gfx::DT_NOPREFIX);
    CaptionButtons(w, dc, l);
}

void ScrollBars(const TWindow& w, HDC dc) {
    const int size = GetSystemMetrics(SM_CXVSCROLL);
    const TRect c = w.Client;
    if (w.Style & WS_VSCROLL) {
        const TRect bar{c.Right, c.Top, c.Right + size, c.Bottom};
        Fill(dc, bar, gfx::clScrollBar);
        DrawFrameControl(dc, {bar.Left, bar.Top, bar.Right, bar.Top + size}, DFC_SCROLL, DFCS_SCROLLUP);
        DrawFrameControl(dc, {bar.Left, bar.Bottom - size, bar.Right, bar.Bottom}, DFC_SCROLL, DFCS_SCROLLDOWN);
    }
    if (w.Style & WS_HSCROLL) {
        const TRect bar{c.Left, c.Bottom, c.Right, c.Bottom + size};
        Fill(dc, bar, gfx::clScrollBar);
        DrawFrameControl(dc, {bar.Left, bar.Top, bar.Left + size, bar.Bottom}, DFC_SCROLL, DFCS_SCROLLLEFT);
        DrawFrameControl(dc, {bar.Right - size, bar.Top, bar.Right, bar.Bottom}, DFC_SCROLL, DFCS_SCROLLRIGHT);
    }
    if ((w.Style & WS_VSCROLL) && (w.Style & WS_HSCROLL))
        Fill(dc, {c.Right, c.Bottom, c.Right + size, c.Bottom + size}, gfx::clBtnFace);
}

}  // namespace

HICON CaptionIcon(const TWindow& w) {
    if (w.IconSmall) return w.IconSmall;
    if (w.IconBig) return w.IconBig;
    if (w.Class->Info.IconSmall) return w.Class->Info.IconSmall;
    if (w.Class->Info.Icon) return w.Class->Info.Icon;
    return DefaultApplicationIcon();
}

void PaintDefaultFrame(const TWindow& w, HDC dc) {
    dc->SaveDC();
    dc->ExcludeClipRect(w.Client);
    TRect r{0, 0, w.Rect.Width(), w.Rect.Height()};
    const int b = FrameWidth(w.Style, w.ExStyle);
    if (b >= 2) {
        DrawEdge(dc, r, EDGE_RAISED, BF_RECT | BF_ADJUST);
        const bool thick = w.Style & WS_THICKFRAME;
        Rings(dc, r, b - 2,
              thick ? (w.NcActive ? gfx::clActiveBorder : gfx::clInactiveBorder) : gfx::clBtnFace);
    } else if (b == 1) {
        Rings(dc, r, 1, gfx::clWindowFrame);
    }
    Caption(w, dc);
    TRect edge = w.Client;
    if (w.Style & WS_VSCROLL) edge.Right += GetSystemMetrics(SM_CXVSCROLL);
    if (w.Style & WS_HSCROLL) edge.Bottom += GetSystemMetrics(SM_CYHSCROLL);
    if (w.ExStyle & WS_EX_CLIENTEDGE) {
        edge = {edge.Left - 2, edge.Top - 2, edge.Right + 2, edge.Bottom + 2};
        DrawEdge(dc, edge, EDGE_SUNKEN, BF_RECT);
    } else if (w.ExStyle & WS_EX_STATICEDGE) {
        edge = {edge.Left - 1, edge.Top - 1, edge.Right + 1, edge.Bottom + 1};
        DrawEdge(dc, edge, BDR_SUNKENOUTER, BF_RECT);
    }
    ScrollBars(w, dc);
    dc->RestoreDC(-1);
}

void RedrawDefaultFrame(HWND hwnd) {
    TWindow* w = Win(hwnd);
    if (!w || w->Client == TRect{0, 0, w->Rect.Width(), w->Rect.Height()}) return;
    const HDC dc = GetWindowDC(hwnd);
    PaintDefaultFrame(*w, dc);
    ReleaseDC(hwnd, dc);
}

}  // namespace ui
