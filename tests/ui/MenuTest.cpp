// Pop-up menus: the messages around tracking, choosing by mouse and by
// keyboard, sub-menus, owner drawing, and the system menu's commands.
#include "MessageSequence.h"
#include "gfx/TCanvas.h"
#include "ui/Headless.h"
#include "ui/Keys.h"
#include "ui/Menu.h"
#include "ui/MessageLoop.h"
#include "ui/Paint.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowClass.h"
#include "ui/WindowPos.h"

using namespace ui;
using namespace uitest;

namespace {

class Menus : public TWindowTest {
protected:
    HMENU ThreeItems() {
        const HMENU m = CreatePopupMenu();
        AppendMenu(m, MF_STRING, 101, "&Open\tCtrl+O");
        AppendMenu(m, MF_SEPARATOR, 0, "");
        AppendMenu(m, MF_STRING | MF_GRAYED, 102, "&Save");
        AppendMenu(m, MF_STRING, 103, "E&xit");
        return m;
    }
};

TEST_F(Menus, ItemsKeepTheirStateAndText) {
    const HMENU m = ThreeItems();
    EXPECT_EQ(GetMenuItemCount(m), 4);
    EXPECT_EQ(GetMenuItemID(m, 2), 102u);
    EXPECT_EQ(GetMenuState(m, 102, MF_BYCOMMAND), UINT(MF_GRAYED));
    EXPECT_EQ(GetMenuState(m, 1, MF_BYPOSITION), UINT(MF_SEPARATOR));
    EXPECT_EQ(GetMenuState(m, 999, MF_BYCOMMAND), 0xFFFFFFFFu);
    EXPECT_EQ(GetMenuString(m, 101, MF_BYCOMMAND), "&Open\tCtrl+O");
    EXPECT_EQ(CheckMenuItem(m, 103, MF_CHECKED), 0u);
    EXPECT_EQ(GetMenuState(m, 103, MF_BYCOMMAND), UINT(MF_CHECKED));
    const HMENU sub = CreatePopupMenu();
    AppendMenu(sub, MF_STRING, 201, "Inner");
    AppendMenu(m, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "&More");
    EXPECT_EQ(GetSubMenu(m, 4), sub);
    EXPECT_EQ(GetMenuItemID(m, 4), 0xFFFFFFFFu);
    EXPECT_EQ(GetMenuString(m, 201, MF_BYCOMMAND), "Inner");  // commands are found in sub-menus
    EXPECT_TRUE(DeleteMenu(m, 4, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(sub));
    EXPECT_TRUE(DestroyMenu(m));
    EXPECT_FALSE(DestroyMenu(m));
}

TEST_F(Menus, KeyboardChoiceSkipsSeparatorsAndReturnsTheCommand) {
    const HWND owner = Make("owner", 100, 100, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ProcessPendingMessages();
    const HMENU m = ThreeItems();
    TRecorder::Get().Ignore({WM_MENUSELECT, WM_SETCURSOR, WM_NCHITTEST, WM_CAPTURECHANGED, WM_PAINT, WM_NCPAINT,
                             WM_ERASEBKGND, WM_KEYUP, WM_CHAR});
    TRecorder::Get().Clear();
    headless::KeyPress(VK_DOWN);
    headless::KeyPress(VK_DOWN);
    headless::KeyPress(VK_RETURN);  // Save is grayed: nothing is chosen
    headless::KeyPress(VK_DOWN);
    headless::KeyPress(VK_RETURN);
    EXPECT_EQ(TrackPopupMenu(m, TPM_RETURNCMD, 150, 150, owner), 103u);
    EXPECT_TRUE(Sequence({{WM_ENTERMENULOOP, sent | wparam, 1, 0, owner},
                          {WM_INITMENU, sent | wparam, reinterpret_cast<WPARAM>(m), 0, owner},
                          {WM_INITMENUPOPUP, sent | wparam, reinterpret_cast<WPARAM>(m), 0, owner},
                          {HCBT_CREATEWND, hook},
                          {HCBT_DESTROYWND, hook},
                          {WM_UNINITMENUPOPUP, sent | wparam, reinterpret_cast<WPARAM>(m), 0, owner},
                          {WM_EXITMENULOOP, sent | wparam, 1, 0, owner}},
                         "TrackPopupMenu by keyboard"));
    headless::KeyPress(VK_ESCAPE);
    EXPECT_EQ(TrackPopupMenu(m, TPM_RETURNCMD, 150, 150, owner), 0u);
    DestroyMenu(m);
}

TEST_F(Menus, MouseChoicePostsTheCommand) {
    const HWND owner = Make("owner", 100, 100, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ProcessPendingMessages();
    const HMENU m = ThreeItems();
    // Once the menu window exists, click its first item.
    static HWND menuWindow = nullptr;
    const HHOOK clicker = SetWindowsHookEx(WH_CBT, [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (code == HCBT_CREATEWND && GetClassName(reinterpret_cast<HWND>(wParam)) == MenuClassName) {
            menuWindow = reinterpret_cast<HWND>(wParam);
            const TCreateStruct* cs = reinterpret_cast<TCbtCreateWnd*>(lParam)->Cs;
            headless::MouseMove(cs->X + 20, cs->Y + 10);
            headless::MouseDown();
            headless::MouseUp();
        }
        return 0;
    });
    EXPECT_EQ(TrackPopupMenu(m, TPM_LEFTBUTTON, 150, 150, owner), 1u);
    UnhookWindowsHookEx(clicker);
    EXPECT_FALSE(IsWindow(menuWindow));
    TRecorder::Get().Ignore({});
    TRecorder::Get().Clear();
    ProcessPendingMessages();
    bool command = false;
    for (const TSeen& s : TRecorder::Get().Seen()) command = command || (s.Message == WM_COMMAND && s.WParam == 101);
    EXPECT_TRUE(command);
    DestroyMenu(m);
}

TEST_F(Menus, ClickOutsideTheMenuChoosesNothing) {
    const HWND owner = Make("owner", 100, 100, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HMENU m = ThreeItems();
    headless::Click(700, 500);
    EXPECT_EQ(TrackPopupMenu(m, TPM_RETURNCMD, 150, 150, owner), 0u);
    DestroyMenu(m);
}

TEST_F(Menus, SubMenusOpenToTheRight) {
    const HWND owner = Make("owner", 100, 100, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HMENU m = CreatePopupMenu();
    const HMENU sub = CreatePopupMenu();
    AppendMenu(sub, MF_STRING, 11, "One");
    AppendMenu(sub, MF_STRING, 12, "Two");
    AppendMenu(m, MF_STRING, 1, "First");
    AppendMenu(m, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "&Sub");
    headless::KeyPress(VK_DOWN);
    headless::KeyPress(VK_DOWN);
    headless::KeyPress(VK_RIGHT);
    headless::KeyPress(VK_DOWN);
    headless::KeyPress(VK_RETURN);
    EXPECT_EQ(TrackPopupMenu(m, TPM_RETURNCMD, 150, 150, owner), 12u);
    headless::KeyPress('S', 's');
    headless::KeyPress(VK_LEFT);  // closes the sub-menu again
    headless::KeyPress(VK_UP);
    headless::KeyPress(VK_RETURN);
    EXPECT_EQ(TrackPopupMenu(m, TPM_RETURNCMD, 150, 150, owner), 1u);
    DestroyMenu(m);
}

HWND gDrawnOn = nullptr;

// Measures each owner-drawn item 60 x 20 and fills it green, red when selected,
// noting the window the item's DC draws on.
LRESULT OwnerDrawProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_MEASUREITEM) {
        auto* mis = reinterpret_cast<TMeasureItemStruct*>(lParam);
        mis->ItemWidth = 60;
        mis->ItemHeight = 20;
        return 1;
    }
    if (msg == WM_DRAWITEM) {
        auto* dis = reinterpret_cast<TDrawItemStruct*>(lParam);
        gDrawnOn = WindowFromDC(dis->Hdc);
        dis->Hdc->Brush.Color = dis->ItemState & ODS_SELECTED ? gfx::clRed : gfx::clLime;
        dis->Hdc->FillRect(dis->RcItem);
        return 1;
    }
    return RecordingProc(hwnd, msg, wParam, lParam);
}

TEST_F(Menus, OwnerDrawnItemsAreMeasuredAndDrawnByTheOwner) {
    const HWND owner = Make("owner", 100, 100, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetWindowProc(owner, OwnerDrawProc);
    const HMENU m = CreatePopupMenu();
    AppendMenu(m, MF_OWNERDRAW, 1, "");
    AppendMenu(m, MF_OWNERDRAW, 2, "");
    SetMenuItemData(m, 2, MF_BYCOMMAND, 77);
    const HMENU sub = CreatePopupMenu();
    AppendMenu(sub, MF_STRING, 3, "Inner");
    AppendMenu(m, MF_OWNERDRAW | MF_POPUP, UINT_PTR(sub), "");
    static gfx::TBitmap seen;
    static TRect rect;
    static HWND menuWindow = nullptr;
    // While the menu shows, look at the desktop, then leave the menu.
    SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        EnumWindows([](HWND h) {
            if (GetClassName(h) == MenuClassName) rect = GetWindowRect(h), menuWindow = h;
            return true;
        });
        seen = headless::ComposeDesktop();
        headless::KeyPress(VK_ESCAPE);
    });
    headless::KeyPress(VK_DOWN);
    TrackPopupMenu(m, TPM_RETURNCMD, 150, 150, owner);
    ASSERT_EQ(rect.Width(), 60 + 6);
    ASSERT_EQ(rect.Height(), 60 + 6);
    auto px = [](int x, int y) {
        const uint8_t* p = seen.ScanLine(y) + x * 4;
        return gfx::RGB(p[2], p[1], p[0]);
    };
    EXPECT_EQ(px(rect.Left + 10, rect.Top + 10), gfx::clRed);   // the first item, selected
    EXPECT_EQ(px(rect.Left + 10, rect.Top + 30), gfx::clLime);
    // The sub-menu's arrow is drawn over the owner's item, in the menu text colour.
    int arrow = 0;
    for (int y = rect.Top + 43; y < rect.Top + 63; ++y)
        for (int x = rect.Right - 3 - 16; x < rect.Right - 3; ++x) arrow += px(x, y) != gfx::clLime;
    EXPECT_GT(arrow, 0);
    EXPECT_EQ(px(rect.Left + 10, rect.Top + 50), gfx::clLime);
    EXPECT_TRUE(menuWindow && gDrawnOn == menuWindow) << "the item's DC names the menu window";
    DestroyMenu(m);
}

TEST_F(Menus, SystemMenuFollowsTheStyleAndState) {
    const HWND w = Make("main", 100, 100, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HMENU m = GetSystemMenu(w, false);
    ASSERT_EQ(GetMenuItemCount(m), 7);
    const UINT commands[] = {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, 0, SC_CLOSE};
    const char* texts[] = {"&Restore", "&Move", "&Size", "Mi&nimize", "Ma&ximize", "", "&Close\tAlt+F4"};
    for (int i = 0; i < 7; ++i) {
        if (commands[i]) {
            EXPECT_EQ(GetMenuItemID(m, i), commands[i]);
        }
        EXPECT_EQ(GetMenuString(m, UINT(i), MF_BYPOSITION), texts[i]);
    }
    EXPECT_TRUE(GetMenuState(m, SC_RESTORE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(m, SC_SIZE, MF_BYCOMMAND) & MF_GRAYED);
    ShowWindow(w, SW_MAXIMIZE);
    GetSystemMenu(w, false);
    EXPECT_FALSE(GetMenuState(m, SC_RESTORE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(m, SC_MOVE, MF_BYCOMMAND) & MF_GRAYED);
    AppendMenu(m, MF_STRING, 0x100, "About");
    EXPECT_EQ(GetMenuItemCount(GetSystemMenu(w, false)), 8);
    GetSystemMenu(w, true);
    EXPECT_EQ(GetMenuItemCount(GetSystemMenu(w, false)), 7);

    const HWND dialog = Make("dialog", 0, 0, 200, 100, WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME);
    const HMENU d = GetSystemMenu(dialog, false);
    ASSERT_EQ(GetMenuItemCount(d), 3);
    EXPECT_EQ(GetMenuItemID(d, 0), UINT(SC_MOVE));
    EXPECT_EQ(GetMenuItemID(d, 2), UINT(SC_CLOSE));
}

TEST_F(Menus, ClickOnTheCaptionIconOpensTheSystemMenu) {
    const HWND w = Make("main", 100, 100, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ProcessPendingMessages();
    headless::Click(110, 110);           // the icon
    headless::KeyPress(VK_UP);           // from nothing selected: the last item, Close
    headless::KeyPress(VK_RETURN);
    ProcessPendingMessages();
    EXPECT_FALSE(IsWindow(w));
}

}  // namespace
