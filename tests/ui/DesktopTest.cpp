// What the composed headless desktop shows and where the mouse lands:
// clipping of children and siblings, window regions, layered pictures with
// per-pixel and constant alpha, colour keys, click-through windows.
#include <gtest/gtest.h>

#include "MessageSequence.h"
#include "gfx/TCanvas.h"
#include "ui/DefWindowProc.h"
#include "ui/Headless.h"
#include "ui/Layered.h"
#include "ui/MessageLoop.h"
#include "ui/Paint.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowClass.h"
#include "ui/WindowPos.h"

using namespace ui;
using namespace uitest;

namespace {

uint32_t Px(const gfx::TBitmap& b, int x, int y) {
    const uint8_t* p = b.ScanLine(y) + x * 4;
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

constexpr uint32_t Red = 0xFFFF0000, Green = 0xFF00FF00, Blue = 0xFF0000FF;
const uint32_t Desk = 0xFF000000 | 58u << 16 | 110u << 8 | 165u;  // the desktop colour

// Paints its client area in the colour kept in GWLP_USERDATA.
LRESULT SolidProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        TPaintStruct ps;
        const HDC dc = BeginPaint(hwnd, ps);
        dc->Brush.Color = gfx::TColor(GetWindowLongPtr(hwnd, GWLP_USERDATA));
        dc->FillRect(GetClientRect(hwnd));
        EndPaint(hwnd, ps);
        return 0;
    }
    return RecordingProc(hwnd, msg, wParam, lParam);
}

class Desktop : public TWindowTest {
protected:
    HWND Solid(gfx::TColor color, int x, int y, int width, int height, DWORD style = WS_POPUP | WS_VISIBLE,
               DWORD exStyle = 0, HWND parent = nullptr) {
        static const bool registered = [] {
            TWndClass wc;
            wc.ClassName = "SolidWindow";
            wc.WndProc = SolidProc;
            return RegisterClass(wc) != 0;
        }();
        EXPECT_TRUE(registered);
        const HWND w = CreateWindowEx(exStyle, "SolidWindow", "", style & ~WS_VISIBLE, x, y, width, height, parent, 0);
        SetWindowLongPtr(w, GWLP_USERDATA, color);
        if (style & WS_VISIBLE) ShowWindow(w, SW_SHOWNA);
        return w;
    }
};

TEST_F(Desktop, ChildrenAndSiblingsAboveAreClippedOut) {
    const HWND parent = Solid(gfx::clRed, 100, 100, 200, 100);
    Solid(gfx::clBlue, 40, 40, 50, 50, WS_CHILD | WS_VISIBLE, 0, parent);  // made first: on top
    Solid(gfx::clLime, 10, 10, 50, 50, WS_CHILD | WS_VISIBLE, 0, parent);
    ProcessPendingMessages();
    const gfx::TBitmap d = headless::ComposeDesktop();
    EXPECT_EQ(Px(d, 99, 99), Desk);
    EXPECT_EQ(Px(d, 105, 105), Red);
    EXPECT_EQ(Px(d, 115, 115), Green);
    EXPECT_EQ(Px(d, 145, 145), Blue);   // the upper sibling covers the lower one
    EXPECT_EQ(Px(d, 185, 185), Blue);
    EXPECT_EQ(Px(d, 195, 105), Red);
}

TEST_F(Desktop, InvalidatingTheParentLeavesChildrenAlone) {
    const HWND parent = Solid(gfx::clRed, 100, 100, 200, 100);
    const HWND child = Solid(gfx::clLime, 10, 10, 50, 50, WS_CHILD | WS_VISIBLE, 0, parent);
    ProcessPendingMessages();
    TRecorder::Get().Clear();
    InvalidateRect(parent, nullptr, true);
    ProcessPendingMessages();
    EXPECT_TRUE(Sequence({{WM_ERASEBKGND, sent, 0, 0, parent}}, "only the parent repaints"));
    SetWindowPos(child, nullptr, 100, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ProcessPendingMessages();
    const gfx::TBitmap d = headless::ComposeDesktop();
    EXPECT_EQ(Px(d, 115, 115), Red);  // where the child was, the parent paints again
    EXPECT_EQ(Px(d, 205, 115), Green);
}

TEST_F(Desktop, RedrawOffKeepsTheOldPicture) {
    const HWND w = Solid(gfx::clRed, 100, 100, 50, 50);
    ProcessPendingMessages();
    SendMessage(w, WM_SETREDRAW, 0, 0);
    SetWindowLongPtr(w, GWLP_USERDATA, gfx::clBlue);
    InvalidateRect(w, nullptr, true);
    ProcessPendingMessages();
    EXPECT_EQ(Px(headless::ComposeDesktop(), 120, 120), Red);
    SendMessage(w, WM_SETREDRAW, 1, 0);
    UpdateWindow(w);
    EXPECT_EQ(Px(headless::ComposeDesktop(), 120, 120), Blue);
}

TEST_F(Desktop, RedrawWindowUpdateNowPaintsBeforeReturning) {
    const HWND w = Solid(gfx::clRed, 100, 100, 50, 50);
    ProcessPendingMessages();
    SetWindowLongPtr(w, GWLP_USERDATA, gfx::clBlue);
    TRect part{0, 0, 10, 10};
    RedrawWindow(w, &part, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const gfx::TBitmap d = headless::ComposeDesktop();
    EXPECT_EQ(Px(d, 105, 105), Blue);
    EXPECT_EQ(Px(d, 120, 120), Red);  // painting is clipped to the update region
    TRect update;
    EXPECT_FALSE(GetUpdateRect(w, update, false));
}

TEST_F(Desktop, WindowRegionCutsTheWindowOnScreenAndForTheMouse) {
    const HWND below = Solid(gfx::clLime, 0, 0, 400, 300);
    const HWND w = Solid(gfx::clRed, 100, 100, 200, 150);
    gfx::TRegion shape(TRect{0, 0, 200, 150});
    shape.Combine(shape, gfx::TRegion(TRect{50, 50, 100, 100}), gfx::RGN_DIFF);
    SetWindowRgn(w, &shape, true);
    ProcessPendingMessages();
    const gfx::TBitmap d = headless::ComposeDesktop();
    EXPECT_EQ(Px(d, 110, 110), Red);
    EXPECT_EQ(Px(d, 170, 170), Green);  // the hole shows the window below
    EXPECT_EQ(WindowFromPoint({110, 110}), w);
    EXPECT_EQ(WindowFromPoint({170, 170}), below);
    gfx::TRegion read;
    EXPECT_EQ(GetWindowRgn(w, read), gfx::COMPLEXREGION);
    EXPECT_EQ(read, shape);
    SetWindowRgn(w, nullptr, true);
    EXPECT_EQ(WindowFromPoint({170, 170}), w);
}

// A picture 100 x 100: the left half blue at alpha 128 (premultiplied), the
// right half transparent.
gfx::TBitmap HalfBlue() {
    gfx::TBitmap b(100, 100);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 50; ++x) {
            uint8_t* p = b.ScanLine(y) + x * 4;
            p[0] = 128, p[1] = 0, p[2] = 0, p[3] = 128;
        }
    return b;
}

TEST_F(Desktop, LayeredClickThroughWindowIsBlendedAndPassesTheMouse) {
    const HWND below = Solid(gfx::clRed, 100, 100, 200, 150);
    ProcessPendingMessages();
    const HWND glow = CreateWindowEx(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE |
                                         WS_EX_TOPMOST,
                                     RecordingClass(), "", WS_POPUP, 150, 120, 100, 100, nullptr, 0);
    ShowWindow(glow, SW_SHOWNA);
    EXPECT_EQ(Px(headless::ComposeDesktop(), 160, 130), Red);  // no look given yet: nothing shows
    gfx::TBitmap picture = HalfBlue();
    const TPoint pos{150, 120};
    const TSize size{100, 100};
    const TPoint origin{0, 0};
    const TBlendFunction blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ASSERT_TRUE(UpdateLayeredWindow(glow, GetDC(nullptr), &pos, &size, &picture.Canvas(), &origin, 0, &blend, ULW_ALPHA));
    ProcessPendingMessages();
    const gfx::TBitmap d = headless::ComposeDesktop();
    EXPECT_EQ(Px(d, 160, 130), 0xFF7F0080u);  // blue 128 + red 255 * 127 / 255
    EXPECT_EQ(Px(d, 220, 130), Red);          // alpha 0: the window below
    EXPECT_EQ(WindowFromPoint({160, 130}), below);
    TRecorder::Get().Ignore({WM_SETCURSOR, WM_NCHITTEST, WM_MOUSEMOVE, WM_MOUSEACTIVATE, WM_ACTIVATEAPP, WM_NCACTIVATE,
                             WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS});
    UnhookWindowsHookEx(FHook);
    TRecorder::Get().Clear();
    headless::Click(160, 130);
    ProcessPendingMessages();
    EXPECT_TRUE(Sequence({{WM_LBUTTONDOWN, posted, 0, 0, below}, {WM_LBUTTONUP, posted, 0, 0, below}},
                         "a click on the click-through window reaches the window below"));
    const gfx::TBitmap own = headless::WindowImage(glow);
    EXPECT_EQ(Px(own, 10, 10), 0x80000000u | 255u);  // straight alpha: blue 255 at 128
}

TEST_F(Desktop, ConstantOpacityScalesThePicture) {
    Solid(gfx::clRed, 100, 100, 200, 150);
    const HWND w = CreateWindowEx(WS_EX_LAYERED, RecordingClass(), "", WS_POPUP, 150, 120, 100, 100, nullptr, 0);
    ShowWindow(w, SW_SHOWNA);
    gfx::TBitmap picture = HalfBlue();
    const TBlendFunction half{AC_SRC_OVER, 0, 128, AC_SRC_ALPHA};
    UpdateLayeredWindow(w, nullptr, nullptr, nullptr, &picture.Canvas(), nullptr, 0, &half, ULW_ALPHA);
    ProcessPendingMessages();
    const gfx::TBitmap d = headless::ComposeDesktop();
    // Blue 128 * 128 / 255 = 64 at alpha 64; red keeps 191 of 255.
    EXPECT_EQ(Px(d, 160, 130), 0xFFBF0040u);
    EXPECT_EQ(WindowFromPoint({160, 130}), w);   // a layered window without the transparent style is hit...
    EXPECT_NE(WindowFromPoint({220, 130}), w);   // ...except where it is fully transparent
}

TEST_F(Desktop, PaintedLayeredWindowWithOpacityAndColourKey) {
    Solid(gfx::clRed, 100, 100, 200, 150);
    const HWND w = Solid(gfx::clBlue, 120, 110, 60, 60, WS_POPUP | WS_VISIBLE, WS_EX_LAYERED);
    ProcessPendingMessages();
    EXPECT_EQ(Px(headless::ComposeDesktop(), 130, 120), Red);
    SetLayeredWindowAttributes(w, 0, 51, LWA_ALPHA);
    ProcessPendingMessages();
    EXPECT_EQ(Px(headless::ComposeDesktop(), 130, 120), 0xFFCC0033u);  // 20 % blue over red
    SetLayeredWindowAttributes(w, gfx::clBlue, 255, LWA_COLORKEY);
    EXPECT_EQ(Px(headless::ComposeDesktop(), 130, 120), Red);  // the key colour shows nothing
    EXPECT_NE(WindowFromPoint({130, 120}), w);
    gfx::TColor key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    EXPECT_TRUE(GetLayeredWindowAttributes(w, &key, &alpha, &flags));
    EXPECT_EQ(flags, LWA_COLORKEY);
    EXPECT_FALSE(UpdateLayeredWindow(w, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 0));
}

LRESULT TransparentHit(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCHITTEST) return HTTRANSPARENT;
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

TEST_F(Desktop, HitTestTransparentPassesThePointToTheWindowBelow) {
    const HWND below = Solid(gfx::clRed, 100, 100, 200, 150);
    const HWND above = Solid(gfx::clBlue, 120, 110, 60, 60, WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST);
    const HWND child = Solid(gfx::clLime, 10, 10, 20, 20, WS_CHILD | WS_VISIBLE, 0, below);
    EXPECT_EQ(WindowFromPoint({125, 115}), above);
    SetWindowProc(above, TransparentHit);
    EXPECT_EQ(WindowFromPoint({125, 115}), child);
    SetWindowProc(child, TransparentHit);
    EXPECT_EQ(WindowFromPoint({125, 115}), below);
    EXPECT_EQ(WindowFromPoint({5, 5}), nullptr);
    EnableWindow(child, false);
    SetWindowProc(child, SolidProc);
    EXPECT_EQ(WindowFromPoint({115, 115}), below);  // disabled children give the point to their parent
}

TEST_F(Desktop, WithoutACompositingManagerLayeredWindowsAreUnavailable) {
    EXPECT_TRUE(LayeredWindowsAvailable());
    headless::SetLayeredAvailable(false);
    EXPECT_FALSE(LayeredWindowsAvailable());
}

TEST_F(Desktop, PrintDrawsFrameClientAndChildrenIntoAPicture) {
    const HWND w = Solid(gfx::clRed, 100, 100, 200, 120, WS_POPUP | WS_BORDER | WS_VISIBLE);
    Solid(gfx::clLime, 10, 10, 30, 30, WS_CHILD | WS_VISIBLE, 0, w);
    ProcessPendingMessages();
    // The solid windows paint on WM_PAINT only; WM_PRINTCLIENT is theirs to
    // answer, so print the erase and frame and look at the children order.
    gfx::TBitmap picture(200, 120);
    SendMessage(w, WM_PRINT, reinterpret_cast<WPARAM>(&picture.Canvas()), PRF_NONCLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    EXPECT_EQ(Px(picture, 0, 0), 0xFF000000u);  // the thin border in the window-frame colour
    const gfx::TBitmap shown = headless::WindowImage(w);
    EXPECT_EQ(Px(shown, 0, 0), 0xFF000000u);
    EXPECT_EQ(Px(shown, 20, 20), Green);
}

TEST_F(Desktop, DefaultFrameOfAnActiveOverlappedWindow) {
    const HWND w = Make("Default frame", 20, 20, 240, 120, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ProcessPendingMessages();
    const gfx::TBitmap shown = headless::WindowImage(w);
    EXPECT_EQ(Px(shown, 0, 0), 0xFFD4D0C8u);                 // raised edge: light outer
    EXPECT_EQ(Px(shown, 239, 119), 0xFF404040u);             // dark outer corner
    EXPECT_EQ(Px(shown, 5, 8), 0xFF000000u | 10u << 16 | 36u << 8 | 106u);  // the active caption starts dark blue
    EXPECT_EQ(Px(shown, 120, 80), 0xFFFFFFFFu);              // the class's white background
    headless::SaveWindowPng(w, ::testing::TempDir() + "default_frame.png");
}

}  // namespace
