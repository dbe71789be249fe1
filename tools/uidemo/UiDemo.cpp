// Shows the window system at work: two framed windows, one with a push
// button child, a layered click-through ring floating over both, and a
// one-second timer that counts and moves the ring. On the headless desktop
// it runs for a number of seconds on the test clock and writes the desktop as
// a PNG:
//   uidemo [--seconds N] [--png FILE]
// with KESTRUNE_BACKEND=headless (or without DISPLAY); on X11 it runs until
// both windows are closed.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "gfx/TCanvas.h"
#include "ui/Backend.h"
#include "ui/DefWindowProc.h"
#include "ui/DrawFrame.h"
#include "ui/Headless.h"
#include "ui/Input.h"
#include "ui/Layered.h"
#include "ui/MessageLoop.h"
#include "ui/Paint.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowClass.h"
#include "ui/WindowPos.h"
#include "ui/WindowSystem.h"

using namespace ui;

namespace {

constexpr int RingSize = 120;
int gTicks = 0;
int gClicks = 0;
int gOpen = 0;
HWND gMain = nullptr, gSecond = nullptr, gRing = nullptr;

void PaintText(HWND hwnd, HDC dc) {
    const TRect client = GetClientRect(hwnd);
    dc->Font.Name = "Tahoma";
    dc->Font.SetSize(9);
    dc->Brush.Style = gfx::bsClear;
    TRect r{12, 12, client.Right - 12, client.Bottom - 12};
    const std::string text = hwnd == gMain ? "Kestrune window system\n\nTimer ticks: " + std::to_string(gTicks) +
                                                 "\nButton clicks: " + std::to_string(gClicks) +
                                                 "\n\nThe orange ring is a layered window: clicks pass through it."
                                           : "A second window.\nDrag it by its caption, size it by its border.";
    dc->DrawText(text, r, gfx::DT_WORDBREAK);
}

// Both framed windows: the class's background, then their text; the
// counters live in the first one.
LRESULT FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT: {
            TPaintStruct ps;
            const HDC dc = BeginPaint(hwnd, ps);
            PaintText(hwnd, dc);
            EndPaint(hwnd, ps);
            return 0;
        }
        case WM_COMMAND:
            ++gClicks;
            InvalidateRect(gMain, nullptr, true);
            return 0;
        case WM_DESTROY:
            if (--gOpen == 0) PostQuitMessage(0);
            return 0;
        default: return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

// A push button drawn with the classic frame control; it reports a click to
// its parent with WM_COMMAND.
LRESULT ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    static bool pressed = false;
    switch (msg) {
        case WM_PAINT: {
            TPaintStruct ps;
            const HDC dc = BeginPaint(hwnd, ps);
            const TRect r = GetClientRect(hwnd);
            DrawFrameControl(dc, r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
            dc->Font.Name = "Tahoma";
            dc->Font.SetSize(8);
            dc->Brush.Style = gfx::bsClear;
            TRect text = pressed ? gfx::OffsetRect(r, 1, 1) : r;
            dc->DrawText(GetWindowText(hwnd), text, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
            EndPaint(hwnd, ps);
            return 0;
        }
        case WM_LBUTTONDOWN:
            pressed = true;
            SetCapture(hwnd);
            InvalidateRect(hwnd, nullptr, false);
            return 0;
        case WM_LBUTTONUP:
            if (pressed) {
                pressed = false;
                ReleaseCapture();
                InvalidateRect(hwnd, nullptr, false);
                const TPoint p = LParamToPoint(lParam);
                if (GetClientRect(hwnd).Contains(p.X, p.Y))
                    SendMessage(GetParent(hwnd), WM_COMMAND, WPARAM(GetDlgCtrlID(hwnd)), reinterpret_cast<LPARAM>(hwnd));
            }
            return 0;
        default: return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

// A soft orange ring: premultiplied colour, alpha falling off both ways.
gfx::TBitmap RingPicture() {
    gfx::TBitmap picture(RingSize, RingSize);
    const double c = (RingSize - 1) / 2.0, radius = RingSize * 0.36, width = RingSize * 0.12;
    for (int y = 0; y < RingSize; ++y) {
        uint8_t* p = picture.ScanLine(y);
        for (int x = 0; x < RingSize; ++x, p += 4) {
            const double d = std::hypot(x - c, y - c);
            const double a = std::max(0.0, 1.0 - std::abs(d - radius) / width);
            const int alpha = int(std::lround(a * a * 230));
            p[0] = uint8_t(40 * alpha / 255), p[1] = uint8_t(140 * alpha / 255), p[2] = uint8_t(255 * alpha / 255);
            p[3] = uint8_t(alpha);
        }
    }
    return picture;
}

void PlaceRing() {
    const TRect main = GetWindowRect(gMain);
    const TPoint at{main.Right - RingSize / 2 - 20 + (gTicks % 4) * 10, main.Top + 30 + (gTicks % 4) * 8};
    gfx::TBitmap picture = RingPicture();
    const TSize size{RingSize, RingSize};
    const TPoint origin{0, 0};
    const TBlendFunction blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(gRing, nullptr, &at, &size, &picture.Canvas(), &origin, 0, &blend, ULW_ALPHA);
}

void Register(const char* name, WNDPROC proc, gfx::TColor background) {
    TWndClass wc;
    wc.ClassName = name;
    wc.WndProc = proc;
    wc.Background = background;
    wc.Cursor = LoadCursor(IDC_ARROW);
    RegisterClass(wc);
}

}  // namespace

int main(int argc, char** argv) {
    int seconds = 5;
    std::string png = "uidemo.png";
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--seconds") == 0) seconds = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--png") == 0) png = argv[i + 1];
    }
    const bool headless = DefaultBackendName() == "headless";
    if (headless) headless::Reset(640, 420);

    Register("DemoFrame", FrameProc, gfx::clWindow);
    Register("DemoButton", ButtonProc, gfx::clNone);
    gMain = CreateWindowEx(0, "DemoFrame", "Window system demo", WS_OVERLAPPEDWINDOW, 40, 40, 340, 230, nullptr, 0);
    gSecond = CreateWindowEx(WS_EX_CLIENTEDGE, "DemoFrame", "Second window", WS_OVERLAPPEDWINDOW, 300, 190, 300, 180,
                             nullptr, 0);
    gOpen = 2;
    const TRect client = GetClientRect(gMain);
    CreateWindowEx(0, "DemoButton", "Click me", WS_CHILD | WS_VISIBLE, client.Right - 100, client.Bottom - 36, 88, 26,
                   gMain, 1);
    gRing = CreateWindowEx(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST,
                           "DemoFrame", "", WS_POPUP, 0, 0, RingSize, RingSize, nullptr, 0);
    ShowWindow(gSecond, SW_SHOW);
    ShowWindow(gMain, SW_SHOW);
    PlaceRing();
    ShowWindow(gRing, SW_SHOWNA);
    if (!LayeredWindowsAvailable()) std::printf("uidemo: no compositing manager runs; the ring shows without blending\n");

    SetTimer(gMain, 1, 1000, [](HWND, UINT, UINT_PTR, DWORD) {
        ++gTicks;
        PlaceRing();
        InvalidateRect(gMain, nullptr, true);
    });
    if (!headless) return RunMessageLoop();

    // The test clock: a press on the button (through the ring) and a few
    // seconds of timer ticks, then the picture of the desktop.
    const TPoint button = ClientToScreen(gMain, {client.Right - 56, client.Bottom - 23});
    headless::Click(button.X, button.Y);
    headless::AdvanceClock(seconds * 1000);
    const bool written = headless::SaveDesktopPng(png);
    std::printf("uidemo: %d timer ticks, %d button clicks, desktop written to %s\n", gTicks, gClicks,
                written ? png.c_str() : "(nowhere: cannot write)");
    return written ? 0 : 1;
}
