// Mouse and keyboard as the windows receive them: caption drags and border
// sizing, title buttons, double clicks, activation by click, capture, the
// keyboard focus and its characters, context menus, the wheel, cursors.
#include "MessageSequence.h"
#include "ui/Headless.h"
#include "ui/Input.h"
#include "ui/Keys.h"
#include "ui/MessageLoop.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"

using namespace ui;
using namespace uitest;

namespace {

class Input : public TWindowTest {
protected:
    void Quiet() {
        TRecorder::Get().Ignore({WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_NCMOUSEMOVE, WM_PAINT, WM_NCPAINT,
                                 WM_ERASEBKGND, WM_GETMINMAXINFO, WM_NCCALCSIZE});
        TRecorder::Get().Clear();
    }
};

TEST_F(Input, CaptionDragMovesTheWindow) {
    const HWND w = Make("drag", 100, 100, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ProcessPendingMessages();
    Quiet();
    headless::MouseMove(200, 110);
    headless::MouseDown();
    headless::MouseMove(210, 115);
    headless::MouseMove(230, 130);
    headless::MouseUp();
    ProcessPendingMessages();
    EXPECT_EQ(GetWindowRect(w), (TRect{130, 120, 430, 320}));
    EXPECT_TRUE(Sequence({{WM_NCLBUTTONDOWN, posted | wparam, HTCAPTION},
                          {WM_SYSCOMMAND, sent | defwinproc | wparam, SC_MOVE | HTCAPTION},
                          {HCBT_SYSCOMMAND, hook},
                          {HCBT_MOVESIZE, hook},
                          {WM_ENTERSIZEMOVE, sent | defwinproc},
                          {WM_MOVING, sent | defwinproc},
                          {WM_WINDOWPOSCHANGING, sent | defwinproc},
                          {WM_WINDOWPOSCHANGED, sent | defwinproc},
                          {WM_MOVE, sent | defwinproc},
                          {WM_CAPTURECHANGED, sent | defwinproc},
                          {WM_EXITSIZEMOVE, sent | defwinproc}},
                         "dragging the caption"));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Input, BorderDragSizesTheWindowWithinItsLimits) {
    const HWND w = Make("size", 100, 100, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ProcessPendingMessages();
    headless::MouseMove(399, 299);  // the bottom-right corner
    headless::MouseDown();
    headless::MouseMove(419, 309);
    headless::MouseUp();
    ProcessPendingMessages();
    EXPECT_EQ(GetWindowRect(w), (TRect{100, 100, 420, 310}));
    headless::MouseMove(100, 200);  // the left border
    headless::MouseDown();
    headless::MouseMove(400, 200);  // far beyond the minimum width
    headless::MouseUp();
    ProcessPendingMessages();
    EXPECT_EQ(GetWindowRect(w), (TRect{420 - 112, 100, 420, 310}));
}

TEST_F(Input, EscapeDuringAKeyboardMoveRestoresThePlace) {
    const HWND w = Make("keys", 100, 100, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    headless::KeyPress(VK_RIGHT);
    headless::KeyPress(VK_DOWN);
    headless::KeyPress(VK_RETURN);
    SendMessage(w, WM_SYSCOMMAND, SC_MOVE, 0);
    EXPECT_EQ(GetWindowRect(w), (TRect{108, 108, 408, 308}));
    headless::KeyPress(VK_LEFT);
    headless::KeyPress(VK_ESCAPE);
    SendMessage(w, WM_SYSCOMMAND, SC_MOVE, 0);
    EXPECT_EQ(GetWindowRect(w), (TRect{108, 108, 408, 308}));
}

TEST_F(Input, TitleButtonsActOnRelease) {
    const HWND w = Make("buttons", 100, 100, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ProcessPendingMessages();
    const TRect r = GetWindowRect(w);
    const TPoint close{r.Right - 4 - 2 - 8, r.Top + 4 + 9};
    headless::MouseMove(close.X, close.Y);
    headless::MouseDown();
    headless::MouseMove(close.X - 100, close.Y);  // released elsewhere: nothing happens
    headless::MouseUp();
    ProcessPendingMessages();
    EXPECT_TRUE(IsWindow(w));
    const TPoint minimize{close.X - 34, close.Y};
    headless::Click(minimize.X, minimize.Y);
    ProcessPendingMessages();
    EXPECT_TRUE(IsIconic(w));
    ShowWindow(w, SW_RESTORE);
    headless::Click(close.X, close.Y);
    ProcessPendingMessages();
    EXPECT_FALSE(IsWindow(w));
}

TEST_F(Input, DoubleClicks) {
    const HWND w = Make("clicks", 100, 100, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ProcessPendingMessages();
    Quiet();
    const TPoint p = ClientToScreen(w, {20, 20});
    headless::Click(p.X, p.Y);
    headless::Click(p.X, p.Y);
    ProcessPendingMessages();
    EXPECT_TRUE(Sequence({{WM_LBUTTONDOWN, posted}, {WM_LBUTTONUP, posted}, {WM_LBUTTONDBLCLK, posted}, {WM_LBUTTONUP, posted}},
                         "two quick clicks in a CS_DBLCLKS window"));
    headless::Click(p.X, p.Y);
    headless::AdvanceClock(501);
    headless::Click(p.X, p.Y);
    ProcessPendingMessages();
    EXPECT_TRUE(Sequence({{WM_LBUTTONDOWN, posted}, {WM_LBUTTONUP, posted}, {WM_LBUTTONDOWN, posted}, {WM_LBUTTONUP, posted}},
                         "two clicks too far apart in time"));
    headless::Click(200, 110);
    headless::Click(200, 110);
    ProcessPendingMessages();
    EXPECT_TRUE(IsZoomed(w));  // a double click on the caption maximises
}

TEST_F(Input, ClickingAnInactiveWindowActivatesItFirst) {
    const HWND a = Make("a", 0, 0, 200, 100, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND b = Make("b", 300, 0, 200, 100, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ProcessPendingMessages();
    Quiet();
    const TPoint p = ClientToScreen(a, {10, 10});
    headless::MouseMove(p.X, p.Y);
    headless::MouseDown();
    ProcessPendingMessages();
    EXPECT_TRUE(Sequence({{WM_MOUSEACTIVATE, sent | lparam, 0, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN), a},
                          {HCBT_ACTIVATE, hook},
                          {WM_NCACTIVATE, sent | wparam, 0, 0, b},
                          {WM_ACTIVATE, sent | wparam, WA_INACTIVE, 0, b},
                          {WM_WINDOWPOSCHANGING, sent, 0, 0, a},
                          {WM_WINDOWPOSCHANGED, sent, 0, 0, a},
                          {WM_NCACTIVATE, sent | wparam, 1, 0, a},
                          {WM_ACTIVATE, sent | wparam, WA_CLICKACTIVE, 0, a},
                          {HCBT_SETFOCUS, hook},
                          {WM_KILLFOCUS, sent | defwinproc, 0, 0, b},
                          {WM_SETFOCUS, sent | defwinproc, 0, 0, a},
                          {WM_LBUTTONDOWN, posted, 0, 0, a}},
                         "a press on an inactive window"));
    headless::MouseUp();
    ProcessPendingMessages();
    const HWND tool = Make("tool", 0, 200, 100, 50, WS_POPUP | WS_VISIBLE, WS_EX_NOACTIVATE);
    headless::Click(10, 210);
    ProcessPendingMessages();
    EXPECT_EQ(GetActiveWindow(), a);  // no-activate windows take clicks, not the activation
    EXPECT_NE(GetActiveWindow(), tool);
}

TEST_F(Input, ADisabledOwnerHandsClicksToItsModalWindow) {
    const HWND owner = Make("owner", 0, 0, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND modal = Make("modal", 400, 0, 200, 100, WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, owner);
    const HWND other = Make("other", 0, 300, 200, 100, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    EnableWindow(owner, false);
    ASSERT_EQ(GetActiveWindow(), other);
    Quiet();
    headless::Click(50, 50);
    ProcessPendingMessages();
    EXPECT_EQ(GetActiveWindow(), modal);
    for (const TSeen& s : TRecorder::Get().Seen())
        EXPECT_FALSE(s.Window == owner && (s.Message == WM_LBUTTONDOWN || s.Message == WM_LBUTTONUP));
}

TEST_F(Input, CaptureKeepsTheMouseOutsideTheWindow) {
    const HWND w = Make("capture", 100, 100, 300, 200, WS_POPUP | WS_VISIBLE);
    const HWND other = Make("other", 500, 100, 100, 100, WS_POPUP | WS_VISIBLE);
    ProcessPendingMessages();
    EXPECT_EQ(SetCapture(w), nullptr);
    TRecorder::Get().Ignore({WM_NCHITTEST, WM_SETCURSOR});
    TRecorder::Get().Clear();
    headless::MouseMove(550, 150);
    headless::MouseDown();
    ProcessPendingMessages();
    EXPECT_TRUE(Sequence({{WM_MOUSEMOVE, posted | lparam, 0, MAKELPARAM(450, 50), w},
                          {WM_LBUTTONDOWN, posted | lparam, 0, MAKELPARAM(450, 50), w}},
                         "captured: the other window gets nothing"));
    TRecorder::Get().Ignore({});
    ReleaseCapture();
    EXPECT_TRUE(Sequence({{WM_CAPTURECHANGED, sent | lparam, 0, 0, w}}, "ReleaseCapture"));
    EXPECT_EQ(GetCapture(), nullptr);
    headless::MouseUp();
    ProcessPendingMessages();
    (void)other;
}

TEST_F(Input, KeysGoToTheFocusAndBecomeCharacters) {
    const HWND top = Make("top", 0, 0, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND edit = Make("edit", 10, 10, 100, 20, WS_CHILD | WS_VISIBLE, 0, top, 1);
    SetFocus(edit);
    ProcessPendingMessages();
    TRecorder::Get().Clear();
    headless::KeyPress('A', 'a');
    headless::KeyDown(VK_SHIFT);
    headless::KeyPress('B', 'B');
    EXPECT_EQ(GetKeyState(VK_SHIFT), 0);  // not yet: the keyboard state moves with the messages
    ProcessPendingMessages();
    EXPECT_LT(GetKeyState(VK_SHIFT), 0);
    headless::KeyUp(VK_SHIFT);
    headless::KeyDown(VK_MENU);
    headless::KeyPress('F', 'f');
    headless::KeyUp(VK_MENU);
    ProcessPendingMessages();
    EXPECT_TRUE(Sequence({{WM_KEYDOWN, posted | wparam, 'A', 0, edit},
                          {WM_CHAR, posted | wparam, 'a', 0, edit},
                          {WM_KEYUP, posted | wparam, 'A', 0, edit},
                          {WM_KEYDOWN, posted | wparam, VK_SHIFT, 0, edit},
                          {WM_KEYDOWN, posted | wparam, 'B', 0, edit},
                          {WM_CHAR, posted | wparam, 'B', 0, edit},
                          {WM_KEYUP, posted | wparam, 'B', 0, edit},
                          {WM_KEYUP, posted | wparam, VK_SHIFT, 0, edit},
                          {WM_SYSKEYDOWN, posted | wparam, VK_MENU, 0, edit},
                          {WM_SYSKEYDOWN, posted | wparam | lparam, 'F', 0x20000001, edit},
                          {WM_SYSCHAR, posted | wparam, 'f', 0, edit},
                          {WM_SYSKEYUP, posted | wparam, 'F', 0, edit},
                          {WM_KEYUP, posted | wparam, VK_MENU, 0, edit}},
                         "typing into the focus window"));
}

TEST_F(Input, RightClickAsksForAContextMenuUpTheParents) {
    const HWND top = Make("top", 0, 0, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND child = Make("child", 10, 10, 100, 50, WS_CHILD | WS_VISIBLE, WS_EX_NOPARENTNOTIFY, top, 1);
    ProcessPendingMessages();
    Quiet();
    const TPoint p = ClientToScreen(child, {5, 5});
    headless::Click(p.X, p.Y, 1);
    ProcessPendingMessages();
    EXPECT_TRUE(Sequence({{WM_RBUTTONDOWN, posted, 0, 0, child},
                          {WM_RBUTTONUP, posted, 0, 0, child},
                          {WM_CONTEXTMENU, sent | defwinproc | wparam | lparam, reinterpret_cast<WPARAM>(child),
                           MAKELPARAM(p.X, p.Y), child},
                          {WM_CONTEXTMENU, sent | defwinproc | wparam, reinterpret_cast<WPARAM>(child), 0, top}},
                         "right click on a child"));
}

TEST_F(Input, TheWheelTurnsForTheFocusAndRisesToTheParent) {
    const HWND top = Make("top", 0, 0, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND child = Make("child", 10, 10, 100, 50, WS_CHILD | WS_VISIBLE, WS_EX_NOPARENTNOTIFY, top, 1);
    SetFocus(child);
    ProcessPendingMessages();
    Quiet();
    headless::MouseMove(250, 150);
    headless::Wheel(-WHEEL_DELTA);
    ProcessPendingMessages();
    EXPECT_TRUE(Sequence({{WM_MOUSEWHEEL, posted | wparam, MAKEWPARAM(0, -WHEEL_DELTA), 0, child},
                          {WM_MOUSEWHEEL, sent | defwinproc, 0, 0, top}},
                         "the wheel"));
}

TEST_F(Input, CursorShapeFollowsTheFrame) {
    Make("cursor", 100, 100, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    headless::MouseMove(100, 200);
    ProcessPendingMessages();
    EXPECT_EQ(CursorId(headless::CurrentCursor()), IDC_SIZEWE);
    headless::MouseMove(399, 299);
    ProcessPendingMessages();
    EXPECT_EQ(CursorId(headless::CurrentCursor()), IDC_SIZENWSE);
    headless::MouseMove(200, 110);
    ProcessPendingMessages();
    EXPECT_EQ(CursorId(headless::CurrentCursor()), IDC_ARROW);
}

TEST_F(Input, AltSpaceOpensTheSystemMenu) {
    const HWND w = Make("menu", 100, 100, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ProcessPendingMessages();
    headless::KeyDown(VK_MENU);
    headless::KeyPress(VK_SPACE, ' ');
    headless::KeyUp(VK_MENU);
    headless::KeyPress('C', 'c');  // the mnemonic of "&Close"
    ProcessPendingMessages();
    EXPECT_FALSE(IsWindow(w));
}

}  // namespace
