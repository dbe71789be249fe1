#include "GlowTestKit.h"

#include <algorithm>
#include <string>

#include "ui/DefWindowProc.h"
#include "ui/Paint.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowClass.h"
#include "ui/WindowPos.h"
#include "vcl/TApplication.h"

namespace glowtest {

namespace {

ui::LRESULT BackdropProc(ui::HWND hwnd, ui::UINT msg, ui::WPARAM wParam, ui::LPARAM lParam) {
    if (msg == ui::WM_LBUTTONDOWN) ++Presses();
    if (msg == ui::WM_PAINT) {
        ui::TPaintStruct ps;
        const ui::HDC dc = ui::BeginPaint(hwnd, ps);
        dc->Brush.Color = gfx::TColor(ui::GetWindowLongPtr(hwnd, ui::GWLP_USERDATA));
        dc->FillRect(ui::GetClientRect(hwnd));
        ui::EndPaint(hwnd, ps);
        return 0;
    }
    return ui::DefWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace

int& Presses() {
    static int presses = 0;
    return presses;
}

ui::HWND Backdrop(gfx::TColor color, const gfx::TRect& bounds) {
    static const bool registered = [] {
        ui::TWndClass wc;
        wc.ClassName = "GlowBackdrop";
        wc.WndProc = BackdropProc;
        return ui::RegisterClass(wc) != 0;
    }();
    if (!registered) return nullptr;
    const ui::HWND window = ui::CreateWindowEx(0, "GlowBackdrop", "Backdrop", ui::WS_POPUP, bounds.Left, bounds.Top,
                                               bounds.Width(), bounds.Height(), nullptr, 0);
    ui::SetWindowLongPtr(window, ui::GWLP_USERDATA, color);
    ui::ShowWindow(window, ui::SW_SHOWNA);
    return window;
}

uint32_t Rgb(const gfx::TBitmap& bitmap, int x, int y) {
    const uint8_t* p = bitmap.ScanLine(y) + x * 4;
    return uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

uint32_t Over(const gfx::TBitmap& picture, int x, int y, uint32_t below) {
    const uint8_t* s = picture.ScanLine(y) + x * 4;
    uint32_t out = 0;
    for (int c = 0; c < 3; ++c) {
        const int d = int(below >> (8 * c) & 0xFF);
        out |= uint32_t(std::min(255, s[c] + (d * (255 - s[3]) + 127) / 255)) << (8 * c);
    }
    return out;
}

}  // namespace glowtest
