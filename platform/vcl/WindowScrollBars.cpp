#include "vcl/WindowScrollBars.h"

#include <algorithm>

#include "ui/Input.h"
#include "ui/MessageLoop.h"
#include "ui/Metrics.h"
#include "ui/Paint.h"
#include "ui/Styles.h"
#include "ui/WindowPos.h"
#include "vcl/DrawHelpers.h"
#include "vcl/TWinControl.h"

namespace vcl {

namespace {

int BarWidth() { return ui::GetSystemMetrics(ui::SM_CXVSCROLL); }

int Along(TScrollBarKind kind, const TRect& r) { return kind == sbVertical ? r.Height() : r.Width(); }

}  // namespace

void TWindowScrollBars::SetRange(TScrollBarKind kind, int range, int page) {
    TBar& bar = FBars[kind];
    const bool wasVisible = Visible(kind);
    bar.Range = std::max(range, 0);
    bar.Page = std::max(page, 0);
    bar.Position = std::clamp(bar.Position, 0, std::max(bar.Range - bar.Page, 0));
    if (!FOwner.HandleAllocated()) return;
    if (wasVisible != Visible(kind))
        ui::SetWindowPos(FOwner.Handle(), nullptr, 0, 0, 0, 0,
                         ui::SWP_FRAMECHANGED | ui::SWP_NOMOVE | ui::SWP_NOSIZE | ui::SWP_NOZORDER |
                             ui::SWP_NOACTIVATE);
    else
        Paint();
}

bool TWindowScrollBars::SetPosition(TScrollBarKind kind, int position) {
    TBar& bar = FBars[kind];
    position = std::clamp(position, 0, std::max(bar.Range - bar.Page, 0));
    if (position == bar.Position) return false;
    bar.Position = position;
    Paint();
    return true;
}

bool TWindowScrollBars::Scroll(TScrollBarKind kind, WPARAM code, int thumb) {
    const TBar& bar = FBars[kind];
    const int page = std::max(bar.Page - bar.Line, bar.Line);
    switch (code) {
    case SB_LINEUP: return SetPosition(kind, bar.Position - bar.Line);
    case SB_LINEDOWN: return SetPosition(kind, bar.Position + bar.Line);
    case SB_PAGEUP: return SetPosition(kind, bar.Position - page);
    case SB_PAGEDOWN: return SetPosition(kind, bar.Position + page);
    case SB_TOP: return SetPosition(kind, 0);
    case SB_BOTTOM: return SetPosition(kind, bar.Range);
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return SetPosition(kind, thumb);
    default: return false;
    }
}

TPoint TWindowScrollBars::WindowPoint(TPoint screen) const {
    const TRect window = ui::GetWindowRect(const_cast<TWinControl&>(FOwner).Handle());
    return {screen.X - window.Left, screen.Y - window.Top};
}

TRect TWindowScrollBars::BarRect(TScrollBarKind kind) const {
    HWND h = const_cast<TWinControl&>(FOwner).Handle();
    const TRect window = ui::GetWindowRect(h);
    const TPoint origin = ui::ClientToScreen(h, {0, 0});
    const TRect client = ui::GetClientRect(h);
    const int left = origin.X - window.Left, top = origin.Y - window.Top;
    const int w = BarWidth();
    if (kind == sbVertical) return {left + client.Right, top, left + client.Right + w, top + client.Bottom};
    return {left, top + client.Bottom, left + client.Right, top + client.Bottom + w};
}

void TWindowScrollBars::ThumbSpan(TScrollBarKind kind, int& start, int& length) const {
    const TBar& bar = FBars[kind];
    const int w = BarWidth();
    const int track = std::max(Along(kind, BarRect(kind)) - 2 * w, 0);
    length = bar.Range > 0 ? std::max(8, int(int64_t(track) * bar.Page / bar.Range)) : track;
    length = std::min(length, track);
    const int travel = std::max(bar.Range - bar.Page, 1);
    start = w + int(int64_t(track - length) * bar.Position / travel);
}

void TWindowScrollBars::Paint() {
    if (!FOwner.HandleAllocated() || (!Visible(sbVertical) && !Visible(sbHorizontal))) return;
    HWND h = FOwner.Handle();
    ui::HDC dc = ui::GetWindowDC(h);
    if (!dc) return;
    for (TScrollBarKind kind : {sbVertical, sbHorizontal})
        if (Visible(kind)) PaintBar(*dc, kind);
    if (Visible(sbVertical) && Visible(sbHorizontal)) {
        const TRect v = BarRect(sbVertical);
        dc->Brush = {gfx::clBtnFace, gfx::bsSolid};
        dc->FillRect({v.Left, v.Bottom, v.Right, v.Bottom + BarWidth()});
    }
    ui::ReleaseDC(h, dc);
}

// Two arrow buttons, the track between them and the thumb, in the classic
// raised look.
void TWindowScrollBars::PaintBar(gfx::TCanvas& canvas, TScrollBarKind kind) {
    const TRect r = BarRect(kind);
    const int w = BarWidth();
    auto button = [&](TRect b) {
        canvas.Brush = {gfx::clBtnFace, gfx::bsSolid};
        canvas.FillRect(b);
        Frame3D(canvas, b, gfx::cl3DLight, gfx::cl3DDkShadow, 1);
        Frame3D(canvas, b, gfx::clBtnHighlight, gfx::clBtnShadow, 1);
    };
    auto arrow = [&](TRect b, int direction) {  // 0 up, 1 down, 2 left, 3 right
        button(b);
        canvas.Brush = {gfx::clBtnText, gfx::bsSolid};
        const int cx = b.Left + b.Width() / 2, cy = b.Top + b.Height() / 2;
        for (int i = 0; i < 4; ++i) {
            const int k = direction == 0 || direction == 2 ? i : 3 - i;
            if (direction < 2)
                canvas.FillRect({cx - k, cy - 2 + i, cx + k + 1, cy - 1 + i});
            else
                canvas.FillRect({cx - 2 + i, cy - k, cx - 1 + i, cy + k + 1});
        }
    };
    canvas.Brush = {gfx::clScrollBar, gfx::bsSolid};
    canvas.FillRect(r);
    int start = 0, length = 0;
    ThumbSpan(kind, start, length);
    if (kind == sbVertical) {
        arrow({r.Left, r.Top, r.Right, r.Top + w}, 0);
        arrow({r.Left, r.Bottom - w, r.Right, r.Bottom}, 1);
        if (length > 0) button({r.Left, r.Top + start, r.Right, r.Top + start + length});
    } else {
        arrow({r.Left, r.Top, r.Left + w, r.Bottom}, 2);
        arrow({r.Right - w, r.Top, r.Right, r.Bottom}, 3);
        if (length > 0) button({r.Left + start, r.Top, r.Left + start + length, r.Bottom});
    }
}

void TWindowScrollBars::Notify(TScrollBarKind kind, WPARAM code) {
    FOwner.Perform(kind == sbVertical ? ui::WM_VSCROLL : ui::WM_HSCROLL,
                   ui::MAKEWPARAM(int(code), FBars[kind].Position), 0);
}

void TWindowScrollBars::Click(TScrollBarKind kind, TPoint window) {
    const TRect r = BarRect(kind);
    const int at = kind == sbVertical ? window.Y - r.Top : window.X - r.Left;
    const int w = BarWidth(), length = Along(kind, r);
    int start = 0, thumb = 0;
    ThumbSpan(kind, start, thumb);
    WPARAM code;
    if (at < w)
        code = SB_LINEUP;
    else if (at >= length - w)
        code = SB_LINEDOWN;
    else if (at < start)
        code = SB_PAGEUP;
    else if (at >= start + thumb)
        code = SB_PAGEDOWN;
    else {
        FDragging = true;
        FDragKind = kind;
        FDragOffset = at - start;
        ui::SetCapture(FOwner.Handle());
        return;
    }
    if (Scroll(kind, code)) Notify(kind, code);
    Notify(kind, SB_ENDSCROLL);
}

void TWindowScrollBars::Drag(TPoint window) {
    const TRect r = BarRect(FDragKind);
    const int at = FDragKind == sbVertical ? window.Y - r.Top : window.X - r.Left;
    int start = 0, thumb = 0;
    ThumbSpan(FDragKind, start, thumb);
    const int track = Along(FDragKind, r) - 2 * BarWidth() - thumb;
    const TBar& bar = FBars[FDragKind];
    const int position =
        track > 0 ? int(int64_t(at - FDragOffset - BarWidth()) * (bar.Range - bar.Page) / track) : 0;
    if (SetPosition(FDragKind, position)) Notify(FDragKind, SB_THUMBTRACK);
}

bool TWindowScrollBars::HandleMessage(TMessage& m) {
    switch (m.Msg) {
    case ui::WM_NCCALCSIZE: {
        FOwner.DefaultHandler(m);
        TRect& r = m.WParam ? reinterpret_cast<ui::TNcCalcSizeParams*>(m.LParam)->Rgrc[0]
                            : *reinterpret_cast<TRect*>(m.LParam);
        if (Visible(sbVertical)) r.Right = std::max(r.Left, r.Right - BarWidth());
        if (Visible(sbHorizontal)) r.Bottom = std::max(r.Top, r.Bottom - BarWidth());
        return true;
    }
    case ui::WM_NCPAINT:
        FOwner.DefaultHandler(m);
        Paint();
        return true;
    case ui::WM_NCHITTEST: {
        const TPoint p = WindowPoint(ui::LParamToPoint(m.LParam));
        for (TScrollBarKind kind : {sbVertical, sbHorizontal})
            if (Visible(kind) && BarRect(kind).Contains(p.X, p.Y)) {
                m.Result = kind == sbVertical ? ui::HTVSCROLL : ui::HTHSCROLL;
                return true;
            }
        return false;
    }
    case ui::WM_NCLBUTTONDOWN:
    case ui::WM_NCLBUTTONDBLCLK:
        if (m.WParam == WPARAM(ui::HTVSCROLL) || m.WParam == WPARAM(ui::HTHSCROLL)) {
            Click(m.WParam == WPARAM(ui::HTVSCROLL) ? sbVertical : sbHorizontal,
                  WindowPoint(ui::LParamToPoint(m.LParam)));
            return true;
        }
        return false;
    case ui::WM_MOUSEMOVE:
        if (!FDragging) return false;
        Drag(WindowPoint(FOwner.ClientToScreen(ui::LParamToPoint(m.LParam))));
        return true;
    case ui::WM_LBUTTONUP:
    case ui::WM_CAPTURECHANGED:
        if (!FDragging) return false;
        FDragging = false;
        if (m.Msg == ui::WM_LBUTTONUP && ui::GetCapture() == FOwner.Handle()) ui::ReleaseCapture();
        Notify(FDragKind, SB_THUMBPOSITION);
        Notify(FDragKind, SB_ENDSCROLL);
        return true;
    default: return false;
    }
}

}  // namespace vcl
