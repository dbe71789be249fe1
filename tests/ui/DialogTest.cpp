// Keyboard navigation in a dialog: tab stops, groups, Enter and Escape,
// mnemonics, controls that keep keys for themselves, and the dialog class.
#include <vector>

#include "MessageSequence.h"
#include "ui/DefWindowProc.h"
#include "ui/Dialog.h"
#include "ui/Headless.h"
#include "ui/Input.h"
#include "ui/Keys.h"
#include "ui/MessageLoop.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowClass.h"
#include "ui/WindowPos.h"

using namespace ui;
using namespace uitest;

namespace {

std::vector<WPARAM> gCommands;
LRESULT gWantedKeys = 0;  // what the "edit" control asks for

LRESULT DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND) gCommands.push_back(LOWORD(wParam));
    return DefDlgProc(hwnd, msg, wParam, lParam);
}

LRESULT ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_GETDLGCODE) return DLGC_BUTTON;
    if (msg == BM_CLICK) return SendMessage(GetParent(hwnd), WM_COMMAND, WPARAM(GetDlgCtrlID(hwnd)), 0);
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

LRESULT EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_GETDLGCODE) return gWantedKeys;
    return RecordingProc(hwnd, msg, wParam, lParam);
}

class Dialog : public TWindowTest {
protected:
    void SetUp() override {
        TWindowTest::SetUp();
        gCommands.clear();
        gWantedKeys = 0;
        Dlg = CreateWindowEx(WS_EX_DLGMODALFRAME, DialogClassName, "Dialog", WS_POPUP | WS_CAPTION | WS_SYSMENU, 50,
                             50, 300, 200, nullptr, 0);
        SetWindowProc(Dlg, DialogProc);
        Edit = Control(EditProc, "", WS_TABSTOP | WS_GROUP, 100);
        Ok = Control(ButtonProc, "OK", WS_TABSTOP | WS_GROUP, IDOK);
        Cancel = Control(ButtonProc, "Cancel", WS_TABSTOP, IDCANCEL);
        Help = Control(ButtonProc, "&Help", WS_TABSTOP, 9);
        Label = Control(DefWindowProc, "Label", WS_GROUP, 10);
        ShowWindow(Dlg, SW_SHOW);
        SetFocus(Edit);
        ProcessPendingMessages();
    }

    HWND Control(WNDPROC proc, const char* text, DWORD style, int id) {
        const HWND h = CreateWindowEx(0, RecordingClass(), text, WS_CHILD | WS_VISIBLE | style, 10, 10 + id % 7 * 25,
                                      80, 20, Dlg, UINT_PTR(id));
        SetWindowProc(h, proc);
        return h;
    }

    void Pump() {
        TMsg msg;
        while (PeekMessage(msg, nullptr, 0, 0, PM_REMOVE))
            if (!IsDialogMessage(Dlg, msg)) {
                TranslateMessage(msg);
                DispatchMessage(msg);
            }
    }

    HWND Dlg = nullptr, Edit = nullptr, Ok = nullptr, Cancel = nullptr, Help = nullptr, Label = nullptr;
};

TEST_F(Dialog, TabGoesFromStopToStopAndAround) {
    headless::KeyPress(VK_TAB);
    Pump();
    EXPECT_EQ(GetFocus(), Ok);
    EnableWindow(Cancel, false);
    headless::KeyPress(VK_TAB);
    Pump();
    EXPECT_EQ(GetFocus(), Help);
    headless::KeyPress(VK_TAB);
    Pump();
    EXPECT_EQ(GetFocus(), Edit);  // the label is no tab stop; around to the first
    headless::KeyDown(VK_SHIFT);
    headless::KeyPress(VK_TAB);
    headless::KeyUp(VK_SHIFT);
    Pump();
    EXPECT_EQ(GetFocus(), Help);
}

TEST_F(Dialog, ArrowsMoveWithinTheGroup) {
    SetFocus(Ok);
    headless::KeyPress(VK_DOWN);
    Pump();
    EXPECT_EQ(GetFocus(), Cancel);
    headless::KeyPress(VK_DOWN);
    headless::KeyPress(VK_DOWN);  // the group is OK, Cancel, Help
    Pump();
    EXPECT_EQ(GetFocus(), Ok);
    headless::KeyPress(VK_UP);
    Pump();
    EXPECT_EQ(GetFocus(), Help);
}

TEST_F(Dialog, EnterAndEscapeAndMnemonicsPressButtons) {
    headless::KeyPress(VK_RETURN);
    headless::KeyPress(VK_ESCAPE);
    headless::KeyDown(VK_MENU);
    headless::KeyPress('H', 'h');
    headless::KeyUp(VK_MENU);
    Pump();
    EXPECT_EQ(gCommands, (std::vector<WPARAM>{IDOK, IDCANCEL, 9}));
}

TEST_F(Dialog, AControlKeepsTheKeysItAsksFor) {
    gWantedKeys = DLGC_WANTTAB | DLGC_WANTALLKEYS;
    TRecorder::Get().Ignore({WM_GETDLGCODE, WM_KEYUP});
    TRecorder::Get().Clear();
    headless::KeyPress(VK_TAB, '\t');
    headless::KeyPress(VK_RETURN, '\r');
    Pump();
    EXPECT_EQ(GetFocus(), Edit);
    EXPECT_TRUE(gCommands.empty());
    EXPECT_TRUE(Sequence({{WM_KEYDOWN, posted | wparam, VK_TAB, 0, Edit},
                          {WM_CHAR, posted | wparam, '\t', 0, Edit},
                          {WM_KEYDOWN, posted | wparam, VK_RETURN, 0, Edit},
                          {WM_CHAR, posted | wparam, '\r', 0, Edit}},
                         "an edit that wants every key"));
}

TEST_F(Dialog, TheCloseBoxOfADialogCancels) {
    SendMessage(Dlg, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(gCommands, (std::vector<WPARAM>{IDCANCEL}));
    EXPECT_TRUE(IsWindow(Dlg));
}

TEST_F(Dialog, MessagesOfOtherWindowsAreNotTheDialogs) {
    const HWND other = Make("other", 400, 50, 100, 100, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    TMsg msg;
    msg.Hwnd = other;
    msg.Message = WM_KEYDOWN;
    msg.WParam = VK_RETURN;
    EXPECT_FALSE(IsDialogMessage(Dlg, msg));
    EXPECT_TRUE(gCommands.empty());
}

}  // namespace
