#include "skinpaint/sFormGeometry.h"

#include "ui/Metrics.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"

namespace skinpaint {

namespace {

// Read once: the platform's metrics do not change while the program runs.
struct TFrameMetrics {
    int SizingFrame = ui::GetSystemMetrics(ui::SM_CXFRAME);
    int DialogFrame = ui::GetSystemMetrics(ui::SM_CXDLGFRAME);
    int Caption = ui::GetSystemMetrics(ui::SM_CYCAPTION);
    int SmallCaption = ui::GetSystemMetrics(ui::SM_CYSMCAPTION);
    int VScroll = ui::GetSystemMetrics(ui::SM_CXVSCROLL);
    int HScroll = ui::GetSystemMetrics(ui::SM_CYHSCROLL);
};

const TFrameMetrics& Metrics() {
    static const TFrameMetrics metrics;
    return metrics;
}

}  // namespace

TFormGeometry FormGeometry(ui::HWND window, int formBorderWidth, bool hadSystemMenu) {
    TFormGeometry g;
    if (!ui::IsWindow(window)) return g;
    const auto style = ui::DWORD(ui::GetWindowLongPtr(window, ui::GWL_STYLE));
    const auto exStyle = ui::DWORD(ui::GetWindowLongPtr(window, ui::GWL_EXSTYLE));
    const gfx::TRect rect = ui::GetWindowRect(window);
    const gfx::TRect client = ui::GetClientRect(window);
    const TFrameMetrics& m = Metrics();
    g.Width = rect.Width();
    g.Height = rect.Height();
    g.ClientWidth = client.Width();
    g.ClientHeight = client.Height();
    g.Minimized = style & ui::WS_MINIMIZE;
    g.Maximized = style & ui::WS_MAXIMIZE;
    g.ThickFrame = style & ui::WS_THICKFRAME;
    g.HasBorderStyle = style & ui::WS_BORDER;
    g.HasCaption = (style & ui::WS_CAPTION) == ui::WS_CAPTION;
    g.HasSystemMenu = (style & ui::WS_SYSMENU) || hadSystemMenu;
    g.Border = g.ThickFrame ? m.SizingFrame : g.HasBorderStyle ? m.DialogFrame : 0;
    if (g.HasCaption || g.Minimized)
        g.Caption = (exStyle & ui::WS_EX_TOOLWINDOW) && !g.Minimized ? m.SmallCaption : m.Caption;
    g.FormBorder = g.HasBorderStyle ? formBorderWidth : 0;
    const int vscroll = style & ui::WS_VSCROLL ? m.VScroll : 0;
    const int hscroll = style & ui::WS_HSCROLL ? m.HScroll : 0;
    g.ClientOffset = {(g.Width - g.ClientWidth - vscroll) / 2,
                      g.Height - g.ClientHeight - (g.HasBorderStyle ? g.Border + formBorderWidth : 0) - hscroll};
    return g;
}

}  // namespace skinpaint
