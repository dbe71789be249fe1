// What a window receives when it is created, shown, activated, moved,
// sized, asked to close, given and robbed of the focus, hovered and left.
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

class WindowSequence : public TWindowTest {};

const std::vector<TExpected> CreateOverlapped = {
    {HCBT_CREATEWND, hook},
    {WM_GETMINMAXINFO, sent},
    {WM_NCCREATE, sent},
    {WM_NCCALCSIZE, sent | wparam, 0},
    {WM_CREATE, sent},
};

TEST_F(WindowSequence, CreateWindowOverlappedHidden) {
    const HWND w = Make("main", 10, 20, 300, 200);
    ASSERT_TRUE(w);
    EXPECT_TRUE(Sequence(CreateOverlapped, "CreateWindow: overlapped, hidden"));
    EXPECT_FALSE(IsWindowVisible(w));
    EXPECT_EQ(GetWindowText(w), "main");
}

TEST_F(WindowSequence, CreateWindowPopupGetsSizeAndMoveAtOnce) {
    const HWND w = Make("pop", 10, 20, 100, 50, WS_POPUP);
    ASSERT_TRUE(w);
    EXPECT_TRUE(Sequence({{HCBT_CREATEWND, hook},
                          {WM_NCCREATE, sent},
                          {WM_NCCALCSIZE, sent | wparam, 0},
                          {WM_CREATE, sent},
                          {WM_SIZE, sent | wparam | lparam, SIZE_RESTORED, MAKELPARAM(100, 50)},
                          {WM_MOVE, sent | lparam, 0, MAKELPARAM(10, 20)}},
                         "CreateWindow: pop-up"));
}

TEST_F(WindowSequence, CreateWindowChildNotifiesItsParent) {
    const HWND parent = Make("parent", 0, 0, 300, 200);
    TRecorder::Get().Clear();
    const HWND child = Make("child", 5, 6, 50, 40, WS_CHILD | WS_VISIBLE, 0, parent, 7);
    ASSERT_TRUE(child);
    EXPECT_TRUE(Sequence({{HCBT_CREATEWND, hook},
                          {WM_NCCREATE, sent, 0, 0, child},
                          {WM_NCCALCSIZE, sent | wparam, 0, 0, child},
                          {WM_CREATE, sent, 0, 0, child},
                          {WM_SIZE, sent | lparam, 0, MAKELPARAM(50, 40), child},
                          {WM_MOVE, sent | lparam, 0, MAKELPARAM(5, 6), child},
                          {WM_PARENTNOTIFY, sent | wparam, MAKEWPARAM(WM_CREATE, 7), 0, parent},
                          {WM_SHOWWINDOW, sent | wparam, 1, 0, child},
                          {WM_WINDOWPOSCHANGING, sent, 0, 0, child},
                          {WM_WINDOWPOSCHANGED, sent, 0, 0, child}},
                         "CreateWindow: visible child"));
    EXPECT_EQ(GetDlgItem(parent, 7), child);
    EXPECT_EQ(GetParent(child), parent);
}

TEST_F(WindowSequence, CreateWindowRefusedByTheHook) {
    const HHOOK refuse = SetWindowsHookEx(WH_CBT, [](int code, WPARAM, LPARAM) { return code == HCBT_CREATEWND ? 1 : 0; });
    EXPECT_EQ(Make("refused", 0, 0, 100, 100), nullptr);
    UnhookWindowsHookEx(refuse);
    EXPECT_TRUE(Sequence({}, "CreateWindow: a hook refuses"));
}

TEST_F(WindowSequence, ShowWindowActivatesAndSizesOnce) {
    const HWND w = Make("main", 10, 20, 300, 200);
    TRecorder::Get().Clear();
    ShowWindow(w, SW_SHOW);
    EXPECT_TRUE(Sequence({{WM_SHOWWINDOW, sent | wparam, 1},
                          {WM_WINDOWPOSCHANGING, sent},
                          {HCBT_ACTIVATE, hook},
                          {WM_ACTIVATEAPP, sent | wparam, 1},
                          {WM_NCACTIVATE, sent | wparam, 1},
                          {WM_ACTIVATE, sent | wparam, WA_ACTIVE},
                          {HCBT_SETFOCUS, hook},
                          {WM_SETFOCUS, sent | defwinproc},
                          {WM_WINDOWPOSCHANGED, sent},
                          {WM_SIZE, sent | wparam, SIZE_RESTORED},
                          {WM_MOVE, sent}},
                         "ShowWindow: overlapped, first time"));
    EXPECT_EQ(GetActiveWindow(), w);
    EXPECT_EQ(GetFocus(), w);
    ProcessPendingMessages();
    EXPECT_TRUE(Sequence({{WM_PAINT, posted}, {WM_NCPAINT, sent | defwinproc}, {WM_ERASEBKGND, sent | defwinproc}},
                         "the loop paints a shown window"));
    ShowWindow(w, SW_HIDE);
    ShowWindow(w, SW_SHOW);
    TRecorder::Get().Ignore({WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP, WM_SETFOCUS, WM_KILLFOCUS});
    TRecorder::Get().Clear();
    ShowWindow(w, SW_SHOW);
    EXPECT_TRUE(Sequence({}, "ShowWindow: already visible"));
}

TEST_F(WindowSequence, ShowWindowWithoutActivation) {
    const HWND a = Make("a", 0, 0, 200, 100, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND b = Make("b", 50, 50, 200, 100);
    TRecorder::Get().Clear();
    ShowWindow(b, SW_SHOWNA);
    EXPECT_TRUE(Sequence({{WM_SHOWWINDOW, sent | wparam, 1, 0, b},
                          {WM_WINDOWPOSCHANGING, sent, 0, 0, b},
                          {WM_WINDOWPOSCHANGED, sent, 0, 0, b},
                          {WM_SIZE, sent, 0, 0, b},
                          {WM_MOVE, sent, 0, 0, b}},
                         "ShowWindow: SW_SHOWNA"));
    EXPECT_EQ(GetActiveWindow(), a);
}

TEST_F(WindowSequence, SetActiveWindowSwitchesBetweenTwoWindows) {
    const HWND a = Make("a", 0, 0, 200, 100, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND b = Make("b", 50, 50, 200, 100, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ASSERT_EQ(GetActiveWindow(), b);
    TRecorder::Get().Clear();
    SetActiveWindow(a);
    EXPECT_TRUE(Sequence({{HCBT_ACTIVATE, hook, reinterpret_cast<WPARAM>(a)},
                          {WM_NCACTIVATE, sent | wparam, 0, 0, b},
                          {WM_ACTIVATE, sent | wparam | lparam, WA_INACTIVE, reinterpret_cast<LPARAM>(a), b},
                          {WM_WINDOWPOSCHANGING, sent, 0, 0, a},
                          {WM_WINDOWPOSCHANGED, sent, 0, 0, a},
                          {WM_NCACTIVATE, sent | wparam, 1, 0, a},
                          {WM_ACTIVATE, sent | wparam | lparam, WA_ACTIVE, reinterpret_cast<LPARAM>(b), a},
                          {HCBT_SETFOCUS, hook, reinterpret_cast<WPARAM>(a)},
                          {WM_KILLFOCUS, sent | defwinproc | wparam, reinterpret_cast<WPARAM>(a), 0, b},
                          {WM_SETFOCUS, sent | defwinproc | wparam, reinterpret_cast<WPARAM>(b), 0, a}},
                         "SetActiveWindow: from one window to the other"));
    EXPECT_EQ(GetTopWindow(nullptr), a);
}

TEST_F(WindowSequence, ActivationRefusedByTheHookChangesNothing) {
    const HWND a = Make("a", 0, 0, 200, 100, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND b = Make("b", 50, 50, 200, 100, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HHOOK refuse = SetWindowsHookEx(WH_CBT, [](int code, WPARAM, LPARAM) { return code == HCBT_ACTIVATE ? 1 : 0; });
    TRecorder::Get().Clear();
    EXPECT_EQ(SetActiveWindow(a), nullptr);
    UnhookWindowsHookEx(refuse);
    EXPECT_TRUE(Sequence({}, "SetActiveWindow: the hook refuses"));
    EXPECT_EQ(GetActiveWindow(), b);
}

TEST_F(WindowSequence, SetWindowPosMoving) {
    const HWND w = Make("main", 10, 20, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ProcessPendingMessages();
    TRecorder::Get().Clear();
    SetWindowPos(w, nullptr, 40, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const TRect client = GetClientRect(w);
    const TPoint origin = ClientToScreen(w, {0, 0});
    EXPECT_TRUE(Sequence({{WM_WINDOWPOSCHANGING, sent},
                          {WM_WINDOWPOSCHANGED, sent},
                          {WM_MOVE, sent | defwinproc | lparam, 0, MAKELPARAM(origin.X, origin.Y)}},
                         "SetWindowPos: move"));
    EXPECT_EQ(GetWindowRect(w), (TRect{40, 60, 340, 260}));
    EXPECT_EQ(client.Width(), 300 - 8);
    ProcessPendingMessages();
    EXPECT_TRUE(Sequence({}, "a moved top-level window keeps its pixels"));
}

TEST_F(WindowSequence, SetWindowPosSizing) {
    const HWND w = Make("main", 10, 20, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ProcessPendingMessages();
    TRecorder::Get().Clear();
    SetWindowPos(w, nullptr, 0, 0, 320, 240, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(Sequence({{WM_WINDOWPOSCHANGING, sent},
                          {WM_GETMINMAXINFO, sent | defwinproc},
                          {WM_NCCALCSIZE, sent | wparam, 1},
                          {WM_WINDOWPOSCHANGED, sent},
                          {WM_SIZE, sent | defwinproc | wparam | lparam, SIZE_RESTORED, MAKELPARAM(312, 240 - 8 - 19)}},
                         "SetWindowPos: size"));
    ProcessPendingMessages();
    EXPECT_TRUE(Sequence({{WM_PAINT, posted}, {WM_NCPAINT, sent | defwinproc}, {WM_ERASEBKGND, sent | defwinproc}},
                         "a sized window is painted again"));
}

TEST_F(WindowSequence, SetWindowPosSizeBelowTheMinimumIsClamped) {
    const HWND w = Make("main", 10, 20, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetWindowPos(w, nullptr, 0, 0, 5, 5, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(GetWindowRect(w).Width(), 112);
    EXPECT_EQ(GetWindowRect(w).Height(), 27);
}

TEST_F(WindowSequence, SetWindowPosChangingNothingSendsNothing) {
    const HWND w = Make("main", 10, 20, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ProcessPendingMessages();
    TRecorder::Get().Clear();
    SetWindowPos(w, nullptr, 10, 20, 300, 200, SWP_NOZORDER);
    EXPECT_TRUE(Sequence({}, "SetWindowPos: same place and size"));
}

TEST_F(WindowSequence, CloseRequestByAltF4) {
    const HWND w = Make("main", 10, 20, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ProcessPendingMessages();
    TRecorder::Get().Ignore({WM_KEYUP, WM_SYSKEYUP});
    TRecorder::Get().Clear();
    headless::KeyDown(VK_MENU);
    headless::KeyPress(VK_F4);
    headless::KeyUp(VK_MENU);
    ProcessPendingMessages();
    EXPECT_TRUE(Sequence({{WM_SYSKEYDOWN, posted | wparam, VK_MENU},
                          {WM_SYSKEYDOWN, posted | wparam, VK_F4},
                          {WM_SYSCOMMAND, sent | defwinproc | wparam, SC_CLOSE},
                          {HCBT_SYSCOMMAND, hook, SC_CLOSE},
                          {WM_CLOSE, sent | defwinproc},
                          {HCBT_DESTROYWND, hook},
                          {WM_WINDOWPOSCHANGING, sent | defwinproc},
                          {WM_WINDOWPOSCHANGED, sent | defwinproc},
                          {WM_NCACTIVATE, sent | defwinproc | wparam, 0},
                          {WM_ACTIVATE, sent | defwinproc | wparam, WA_INACTIVE},
                          {WM_KILLFOCUS, sent | defwinproc},
                          {WM_ACTIVATEAPP, sent | defwinproc | wparam, 0},
                          {WM_DESTROY, sent | defwinproc},
                          {WM_NCDESTROY, sent | defwinproc}},
                         "Alt+F4 closes the window"));
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(GetActiveWindow(), nullptr);
}

// A window that refuses to close handles WM_CLOSE itself.
LRESULT RefuseClose(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) return 0;
    return RecordingProc(hwnd, msg, wParam, lParam);
}

TEST_F(WindowSequence, CloseRequestRefused) {
    const HWND w = Make("main", 10, 20, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetWindowProc(w, RefuseClose);
    ProcessPendingMessages();
    TRecorder::Get().Clear();
    PostMessage(w, WM_SYSCOMMAND, SC_CLOSE, 0);
    ProcessPendingMessages();
    EXPECT_TRUE(Sequence({{WM_SYSCOMMAND, posted | wparam, SC_CLOSE}, {HCBT_SYSCOMMAND, hook}},
                         "close request refused"));
    EXPECT_TRUE(IsWindow(w));
}

TEST_F(WindowSequence, FocusMovesBetweenChildren) {
    const HWND top = Make("top", 0, 0, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND one = Make("one", 10, 10, 50, 20, WS_CHILD | WS_VISIBLE, 0, top, 1);
    const HWND two = Make("two", 10, 40, 50, 20, WS_CHILD | WS_VISIBLE, 0, top, 2);
    SetFocus(one);
    TRecorder::Get().Clear();
    EXPECT_EQ(SetFocus(two), one);
    EXPECT_TRUE(Sequence({{HCBT_SETFOCUS, hook, reinterpret_cast<WPARAM>(two)},
                          {WM_KILLFOCUS, sent | wparam, reinterpret_cast<WPARAM>(two), 0, one},
                          {WM_SETFOCUS, sent | wparam, reinterpret_cast<WPARAM>(one), 0, two}},
                         "SetFocus: sibling to sibling"));
    EnableWindow(two, false);
    EXPECT_TRUE(Sequence({{WM_CANCELMODE, sent, 0, 0, two},
                          {HCBT_SETFOCUS, hook, 0},
                          {WM_KILLFOCUS, sent | wparam, 0, 0, two},
                          {WM_ENABLE, sent | wparam, 0, 0, two}},
                         "EnableWindow: disabling the focus window"));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(SetFocus(two), nullptr);
    EXPECT_TRUE(Sequence({}, "SetFocus: a disabled window"));
    ShowWindow(one, SW_HIDE);
    SetFocus(one);
    DestroyWindow(one);
    EXPECT_EQ(GetFocus(), top);
}

TEST_F(WindowSequence, FocusInAnotherTopLevelActivatesIt) {
    const HWND a = Make("a", 0, 0, 200, 100, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND child = Make("child", 10, 10, 50, 20, WS_CHILD | WS_VISIBLE, 0, a, 1);
    const HWND b = Make("b", 50, 50, 200, 100, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    TRecorder::Get().Clear();
    SetFocus(child);
    EXPECT_TRUE(Sequence({{HCBT_SETFOCUS, hook, reinterpret_cast<WPARAM>(child)},
                          {HCBT_ACTIVATE, hook, reinterpret_cast<WPARAM>(a)},
                          {WM_NCACTIVATE, sent | wparam, 0, 0, b},
                          {WM_ACTIVATE, sent | wparam, WA_INACTIVE, 0, b},
                          {WM_WINDOWPOSCHANGING, sent, 0, 0, a},
                          {WM_WINDOWPOSCHANGED, sent, 0, 0, a},
                          {WM_NCACTIVATE, sent | wparam, 1, 0, a},
                          {WM_ACTIVATE, sent | wparam, WA_ACTIVE, 0, a},
                          {HCBT_SETFOCUS, hook, reinterpret_cast<WPARAM>(a)},
                          {WM_KILLFOCUS, sent | defwinproc, 0, 0, b},
                          {WM_SETFOCUS, sent | defwinproc, 0, 0, a},
                          {WM_KILLFOCUS, sent | wparam, reinterpret_cast<WPARAM>(child), 0, a},
                          {WM_SETFOCUS, sent | wparam, reinterpret_cast<WPARAM>(a), 0, child}},
                         "SetFocus: a child of an inactive window"));
    EXPECT_EQ(GetActiveWindow(), a);
    EXPECT_EQ(GetFocus(), child);
}

TEST_F(WindowSequence, HoverAndLeave) {
    const HWND w = Make("main", 100, 100, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ProcessPendingMessages();
    const TPoint inside = ClientToScreen(w, {50, 40});
    headless::MouseMove(inside.X, inside.Y);
    ProcessPendingMessages();
    TTrackMouseEvent track{TME_LEAVE | TME_HOVER, w, HOVER_DEFAULT};
    ASSERT_TRUE(TrackMouseEvent(track));
    TRecorder::Get().Ignore({WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_NCMOUSEMOVE});
    TRecorder::Get().Clear();
    headless::AdvanceClock(399);
    EXPECT_TRUE(Sequence({}, "resting for less than the hover time"));
    headless::AdvanceClock(1);
    EXPECT_TRUE(Sequence({{WM_MOUSEHOVER, posted | lparam, 0, MAKELPARAM(50, 40)}}, "resting for the hover time"));
    headless::AdvanceClock(1000);
    EXPECT_TRUE(Sequence({}, "hover is reported once"));
    const TPoint caption = {150, 110};
    headless::MouseMove(caption.X, caption.Y);
    ProcessPendingMessages();
    EXPECT_TRUE(Sequence({{WM_MOUSELEAVE, posted}}, "moving onto the caption leaves the client area"));
    headless::MouseMove(inside.X, inside.Y);
    ProcessPendingMessages();
    EXPECT_TRUE(Sequence({}, "leave is reported once"));
}

TEST_F(WindowSequence, HoverWaitsAgainWhenTheMouseMoves) {
    const HWND w = Make("main", 100, 100, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const TPoint p = ClientToScreen(w, {50, 40});
    headless::MouseMove(p.X, p.Y);
    ProcessPendingMessages();
    TTrackMouseEvent track{TME_HOVER, w, 100};
    TrackMouseEvent(track);
    TRecorder::Get().Ignore({WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_PAINT, WM_NCPAINT, WM_ERASEBKGND});
    TRecorder::Get().Clear();
    headless::AdvanceClock(60);
    headless::MouseMove(p.X + 10, p.Y);
    headless::AdvanceClock(60);
    EXPECT_TRUE(Sequence({}, "the mouse moved out of the hover rectangle"));
    headless::AdvanceClock(40);
    EXPECT_TRUE(Sequence({{WM_MOUSEHOVER, posted}}, "resting again for the hover time"));
}

TEST_F(WindowSequence, LeavingEveryWindowPostsTheLeave) {
    const HWND w = Make("main", 100, 100, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const TPoint p = ClientToScreen(w, {5, 5});
    headless::MouseMove(p.X, p.Y);
    ProcessPendingMessages();
    TTrackMouseEvent track{TME_LEAVE, w, 0};
    TrackMouseEvent(track);
    TRecorder::Get().Clear();
    headless::MouseLeave();
    ProcessPendingMessages();
    EXPECT_TRUE(Sequence({{WM_MOUSELEAVE, posted}}, "the pointer left the desktop's windows"));
}

TEST_F(WindowSequence, TrackingAWindowTheMouseIsNotOverLeavesAtOnce) {
    const HWND w = Make("main", 100, 100, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    headless::MouseMove(10, 10);
    ProcessPendingMessages();
    TRecorder::Get().Clear();
    TTrackMouseEvent track{TME_LEAVE, w, 0};
    TrackMouseEvent(track);
    ProcessPendingMessages();
    EXPECT_TRUE(Sequence({{WM_MOUSELEAVE, posted}}, "TrackMouseEvent: mouse elsewhere"));
}

TEST_F(WindowSequence, DestroyWindowOrder) {
    const HWND parent = Make("parent", 0, 0, 300, 200, WS_POPUP);
    const HWND child = Make("child", 0, 0, 10, 10, WS_CHILD, WS_EX_NOPARENTNOTIFY, parent, 1);
    const HWND grandchild = Make("grandchild", 0, 0, 5, 5, WS_CHILD, WS_EX_NOPARENTNOTIFY, child, 2);
    TRecorder::Get().Clear();
    DestroyWindow(parent);
    EXPECT_TRUE(Sequence({{HCBT_DESTROYWND, hook},
                          {WM_DESTROY, sent, 0, 0, parent},
                          {WM_DESTROY, sent, 0, 0, child},
                          {WM_DESTROY, sent, 0, 0, grandchild},
                          {WM_NCDESTROY, sent, 0, 0, grandchild},
                          {WM_NCDESTROY, sent, 0, 0, child},
                          {WM_NCDESTROY, sent, 0, 0, parent}},
                         "DestroyWindow: hidden parent with children"));
    EXPECT_FALSE(IsWindow(child));
}

TEST_F(WindowSequence, OwnedWindowsAreDestroyedWithTheirOwner) {
    const HWND owner = Make("owner", 0, 0, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND owned = Make("owned", 20, 20, 100, 100, WS_POPUP | WS_VISIBLE, 0, owner);
    EXPECT_EQ(GetWindow(owned, GW_OWNER), owner);
    EXPECT_EQ(GetParent(owned), owner);
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(owned));
}

TEST_F(WindowSequence, StyleChangesAreAnnounced) {
    const HWND w = Make("main", 0, 0, 300, 200, WS_OVERLAPPEDWINDOW);
    TRecorder::Get().Clear();
    const DWORD style = DWORD(GetWindowLongPtr(w, GWL_STYLE));
    SetWindowLongPtr(w, GWL_STYLE, style & ~WS_SYSMENU);
    EXPECT_TRUE(Sequence({{WM_STYLECHANGING, sent | wparam, WPARAM(GWL_STYLE)},
                          {WM_STYLECHANGED, sent | wparam, WPARAM(GWL_STYLE)}},
                         "SetWindowLong: style"));
    EXPECT_EQ(DWORD(GetWindowLongPtr(w, GWL_STYLE)), style & ~WS_SYSMENU);
}

TEST_F(WindowSequence, MinimiseAndRestore) {
    const HWND w = Make("main", 10, 20, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ProcessPendingMessages();
    TRecorder::Get().Ignore({WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP, WM_KILLFOCUS, WM_SETFOCUS, WM_GETMINMAXINFO});
    TRecorder::Get().Clear();
    SendMessage(w, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(w));
    EXPECT_TRUE(Sequence({{WM_SYSCOMMAND, sent | wparam, SC_MINIMIZE},
                          {HCBT_SYSCOMMAND, hook},
                          {HCBT_MINMAX, hook, 0, SW_MINIMIZE},
                          {WM_WINDOWPOSCHANGING, sent | defwinproc},
                          {WM_NCCALCSIZE, sent | defwinproc | wparam, 1},
                          {WM_WINDOWPOSCHANGED, sent | defwinproc},
                          {WM_MOVE, sent | defwinproc},
                          {WM_SIZE, sent | defwinproc | wparam, SIZE_MINIMIZED}},
                         "SC_MINIMIZE"));
    ShowWindow(w, SW_RESTORE);
    EXPECT_FALSE(IsIconic(w));
    EXPECT_EQ(GetWindowRect(w), (TRect{10, 20, 310, 220}));
}

TEST_F(WindowSequence, MaximiseFillsTheWorkArea) {
    const HWND w = Make("main", 10, 20, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ShowWindow(w, SW_MAXIMIZE);
    EXPECT_TRUE(IsZoomed(w));
    EXPECT_EQ(GetWindowRect(w), (TRect{-4, -4, 804, 604}));
    TWindowPlacement placement;
    GetWindowPlacement(w, placement);
    EXPECT_EQ(placement.NormalPosition, (TRect{10, 20, 310, 220}));
    EXPECT_EQ(placement.ShowCmd, UINT(SW_SHOWMAXIMIZED));
    ShowWindow(w, SW_RESTORE);
    EXPECT_EQ(GetWindowRect(w), (TRect{10, 20, 310, 220}));
}

}  // namespace
