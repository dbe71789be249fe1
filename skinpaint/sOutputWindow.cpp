#include "skinpaint/sOutputWindow.h"

#include "gfx/TCanvas.h"
#include "skinpaint/sAnimationWindow.h"
#include "skinpaint/sPaintConst.h"
#include "ui/DefWindowProc.h"
#include "ui/Paint.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowClass.h"
#include "ui/WindowPos.h"

namespace skinpaint {

namespace {

constexpr const char* OutputWindowClass = "TOutputWindow";

// What the cover shows lives in the window's first extra slot.
const gfx::TBitmap* ShownPicture(ui::HWND window) {
    return reinterpret_cast<const gfx::TBitmap*>(ui::GetWindowLongPtr(window, 0));
}

void PaintPicture(ui::HWND window, ui::HDC dc) {
    if (const gfx::TBitmap* picture = ShownPicture(window); picture && dc)
        dc->BitBlt(0, 0, picture->Width(), picture->Height(), const_cast<gfx::TBitmap*>(picture)->Canvas(), 0, 0);
}

ui::LRESULT OutputWindowProc(ui::HWND window, ui::UINT msg, ui::WPARAM wParam, ui::LPARAM lParam) {
    switch (msg) {
        case ui::WM_ERASEBKGND: return 1;
        case ui::WM_NCPAINT: return 0;
        case ui::WM_PAINT: {
            ui::TPaintStruct ps;
            PaintPicture(window, ui::BeginPaint(window, ps));
            ui::EndPaint(window, ps);
            return 0;
        }
        default: return ui::DefWindowProc(window, msg, wParam, lParam);
    }
}

void RegisterOutputClass() {
    ui::TWndClass wc;
    if (ui::GetClassInfo(OutputWindowClass, wc)) return;
    wc.ClassName = OutputWindowClass;
    wc.WndProc = OutputWindowProc;
    wc.WndExtra = 1;
    wc.Background = KEY_COLOR;
    ui::RegisterClass(wc);
}

}  // namespace

TOutputWindow::TOutputWindow(const gfx::TRect& place, ui::HWND over) {
    RegisterOutputClass();
    const bool topmost = over && (ui::GetWindowLongPtr(over, ui::GWL_EXSTYLE) & ui::WS_EX_TOPMOST);
    FWindow = ui::CreateWindowEx(ui::WS_EX_TOOLWINDOW | ui::WS_EX_NOACTIVATE | (topmost ? ui::WS_EX_TOPMOST : 0),
                                 OutputWindowClass, "acOutputWindow", ui::WS_POPUP, place.Left, place.Top,
                                 place.Width(), place.Height(), nullptr, 0);
    if (!FWindow || !over) return;
    const ui::HWND previous = ui::GetWindow(over, ui::GW_HWNDPREV);
    ui::SetWindowPos(FWindow,
                     previous  ? previous
                     : topmost ? ui::HWND_TOPMOST
                               : ui::HWND_TOP,
                     0, 0, 0, 0, ui::SWP_NOMOVE | ui::SWP_NOSIZE | ui::SWP_NOACTIVATE);
}

TOutputWindow::~TOutputWindow() {
    if (FWindow && ui::IsWindow(FWindow)) ui::DestroyWindow(FWindow);
}

void TOutputWindow::Show(const gfx::TBitmap& picture, int weight) {
    if (!FWindow) return;
    ui::SetWindowLongPtr(FWindow, 0, reinterpret_cast<ui::LONG_PTR>(&picture));
    if (!ui::IsWindowVisible(FWindow)) ui::ShowWindow(FWindow, ui::SW_SHOWNOACTIVATE);
    const ui::HDC dc = ui::GetDC(FWindow);
    PaintPicture(FWindow, dc);
    ui::ReleaseDC(FWindow, dc);
    AnimationFrameShown(FWindow, weight);
}

}  // namespace skinpaint
