#include "MessageSequence.h"

#include <algorithm>
#include <map>
#include <sstream>

#include "ui/DefWindowProc.h"
#include "ui/Headless.h"
#include "ui/MessageLoop.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowClass.h"

using namespace ui;

namespace uitest {

TRecorder& TRecorder::Get() {
    static TRecorder recorder;
    return recorder;
}

bool TRecorder::Ignored(UINT message) const {
    return std::find(FIgnored.begin(), FIgnored.end(), message) != FIgnored.end();
}

LRESULT RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TRecorder& r = TRecorder::Get();
    if (!r.Ignored(msg)) {
        unsigned flags = InSendMessage() ? sent : posted;
        if (r.DefWindowProcDepth > 0) flags |= defwinproc;
        r.Add({hwnd, msg, flags, wParam, lParam});
    }
    ++r.DefWindowProcDepth;
    const LRESULT result = DefWindowProc(hwnd, msg, wParam, lParam);
    --r.DefWindowProcDepth;
    return result;
}

const char* RecordingClass() {
    static const bool registered = [] {
        TWndClass wc;
        wc.ClassName = "RecordingWindow";
        wc.Style = CS_DBLCLKS;
        wc.WndProc = RecordingProc;
        wc.Background = gfx::clWhite;
        return RegisterClass(wc) != 0;
    }();
    return registered ? "RecordingWindow" : "";
}

HHOOK InstallRecordingHook() {
    static HHOOK self = nullptr;
    self = SetWindowsHookEx(WH_CBT, [](int code, WPARAM wParam, LPARAM lParam) {
        TRecorder::Get().Add({reinterpret_cast<HWND>(wParam), UINT(code), hook, wParam, lParam});
        return CallNextHookEx(self, code, wParam, lParam);
    });
    return self;
}

std::string MessageName(UINT message, bool isHook) {
    if (isHook) {
        static const std::map<UINT, std::string> hooks = {
            {HCBT_MOVESIZE, "HCBT_MOVESIZE"},     {HCBT_MINMAX, "HCBT_MINMAX"},   {HCBT_CREATEWND, "HCBT_CREATEWND"},
            {HCBT_DESTROYWND, "HCBT_DESTROYWND"}, {HCBT_ACTIVATE, "HCBT_ACTIVATE"}, {HCBT_SYSCOMMAND, "HCBT_SYSCOMMAND"},
            {HCBT_SETFOCUS, "HCBT_SETFOCUS"}};
        const auto it = hooks.find(message);
        return it != hooks.end() ? it->second : "HCBT_" + std::to_string(message);
    }
    static const std::map<UINT, std::string> names = {
        {WM_CREATE, "WM_CREATE"}, {WM_DESTROY, "WM_DESTROY"}, {WM_MOVE, "WM_MOVE"}, {WM_SIZE, "WM_SIZE"},
        {WM_ACTIVATE, "WM_ACTIVATE"}, {WM_SETFOCUS, "WM_SETFOCUS"}, {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_ENABLE, "WM_ENABLE"}, {WM_SETREDRAW, "WM_SETREDRAW"}, {WM_SETTEXT, "WM_SETTEXT"},
        {WM_GETTEXT, "WM_GETTEXT"}, {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"}, {WM_PAINT, "WM_PAINT"},
        {WM_CLOSE, "WM_CLOSE"}, {WM_QUIT, "WM_QUIT"}, {WM_ERASEBKGND, "WM_ERASEBKGND"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"}, {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"}, {WM_CANCELMODE, "WM_CANCELMODE"},
        {WM_SETCURSOR, "WM_SETCURSOR"}, {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
        {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"}, {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
        {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"}, {WM_COPYDATA, "WM_COPYDATA"},
        {WM_CONTEXTMENU, "WM_CONTEXTMENU"}, {WM_STYLECHANGING, "WM_STYLECHANGING"},
        {WM_STYLECHANGED, "WM_STYLECHANGED"}, {WM_GETICON, "WM_GETICON"}, {WM_SETICON, "WM_SETICON"},
        {WM_NCCREATE, "WM_NCCREATE"}, {WM_NCDESTROY, "WM_NCDESTROY"}, {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
        {WM_NCHITTEST, "WM_NCHITTEST"}, {WM_NCPAINT, "WM_NCPAINT"}, {WM_NCACTIVATE, "WM_NCACTIVATE"},
        {WM_NCMOUSEMOVE, "WM_NCMOUSEMOVE"}, {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"},
        {WM_NCLBUTTONUP, "WM_NCLBUTTONUP"}, {WM_NCLBUTTONDBLCLK, "WM_NCLBUTTONDBLCLK"},
        {WM_NCRBUTTONDOWN, "WM_NCRBUTTONDOWN"}, {WM_NCRBUTTONUP, "WM_NCRBUTTONUP"}, {WM_KEYDOWN, "WM_KEYDOWN"},
        {WM_KEYUP, "WM_KEYUP"}, {WM_CHAR, "WM_CHAR"}, {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
        {WM_SYSKEYUP, "WM_SYSKEYUP"}, {WM_SYSCHAR, "WM_SYSCHAR"}, {WM_COMMAND, "WM_COMMAND"},
        {WM_SYSCOMMAND, "WM_SYSCOMMAND"}, {WM_TIMER, "WM_TIMER"}, {WM_INITMENU, "WM_INITMENU"},
        {WM_INITMENUPOPUP, "WM_INITMENUPOPUP"}, {WM_MENUSELECT, "WM_MENUSELECT"},
        {WM_MOUSEMOVE, "WM_MOUSEMOVE"}, {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"}, {WM_LBUTTONUP, "WM_LBUTTONUP"},
        {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"}, {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
        {WM_RBUTTONUP, "WM_RBUTTONUP"}, {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"}, {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
        {WM_ENTERMENULOOP, "WM_ENTERMENULOOP"}, {WM_EXITMENULOOP, "WM_EXITMENULOOP"}, {WM_SIZING, "WM_SIZING"},
        {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"}, {WM_MOVING, "WM_MOVING"},
        {WM_ENTERSIZEMOVE, "WM_ENTERSIZEMOVE"}, {WM_EXITSIZEMOVE, "WM_EXITSIZEMOVE"},
        {WM_NCMOUSEHOVER, "WM_NCMOUSEHOVER"}, {WM_MOUSEHOVER, "WM_MOUSEHOVER"},
        {WM_NCMOUSELEAVE, "WM_NCMOUSELEAVE"}, {WM_MOUSELEAVE, "WM_MOUSELEAVE"}, {WM_PRINT, "WM_PRINT"},
        {WM_PRINTCLIENT, "WM_PRINTCLIENT"}, {WM_UNINITMENUPOPUP, "WM_UNINITMENUPOPUP"}};
    const auto it = names.find(message);
    if (it != names.end()) return it->second;
    std::ostringstream s;
    s << "0x" << std::hex << message;
    return s.str();
}

namespace {

bool Same(const TExpected& e, const TSeen& s) {
    if (e.Message != s.Message || bool(e.Flags & hook) != bool(s.Flags & hook)) return false;
    if (e.Window && e.Window != s.Window) return false;
    if ((e.Flags & sent) && !(s.Flags & sent)) return false;
    if ((e.Flags & posted) && !(s.Flags & posted)) return false;
    if ((e.Flags & defwinproc) != (s.Flags & defwinproc) && !(e.Flags & hook)) return false;
    if ((e.Flags & wparam) && e.WParam != s.WParam) return false;
    if ((e.Flags & lparam) && e.LParam != s.LParam) return false;
    return true;
}

std::string Describe(const TSeen& s) {
    std::ostringstream out;
    out << MessageName(s.Message, s.Flags & hook) << (s.Flags & hook ? " hook" : s.Flags & sent ? " sent" : " posted")
        << (s.Flags & defwinproc ? "|defwinproc" : "") << " wParam=0x" << std::hex << s.WParam << " lParam=0x"
        << s.LParam << " window=" << s.Window;
    return out.str();
}

std::string Describe(const TExpected& e) {
    std::ostringstream out;
    out << MessageName(e.Message, e.Flags & hook) << (e.Flags & hook ? " hook" : e.Flags & sent ? " sent" : e.Flags & posted ? " posted" : "")
        << (e.Flags & defwinproc ? "|defwinproc" : "") << (e.Flags & optional ? "|optional" : "");
    if (e.Flags & wparam) out << " wParam=0x" << std::hex << e.WParam;
    if (e.Flags & lparam) out << " lParam=0x" << std::hex << e.LParam;
    if (e.Window) out << " window=" << e.Window;
    return out.str();
}

}  // namespace

::testing::AssertionResult Sequence(const std::vector<TExpected>& expected, const char* situation) {
    const std::vector<TSeen> seen = TRecorder::Get().Seen();
    TRecorder::Get().Clear();
    size_t i = 0, j = 0;
    std::string problem;
    while (i < expected.size() && problem.empty()) {
        if (j < seen.size() && Same(expected[i], seen[j])) {
            ++i, ++j;
        } else if (expected[i].Flags & optional) {
            ++i;
        } else {
            problem = j < seen.size() ? "expected " + Describe(expected[i]) + ", got " + Describe(seen[j])
                                      : "expected " + Describe(expected[i]) + ", got nothing more";
        }
    }
    if (problem.empty() && j < seen.size()) problem = "unexpected " + Describe(seen[j]);
    if (problem.empty()) return ::testing::AssertionSuccess();
    std::ostringstream out;
    out << situation << ": " << problem << "\n  seen:\n";
    for (const TSeen& s : seen) out << "    " << Describe(s) << "\n";
    out << "  expected:\n";
    for (const TExpected& e : expected) out << "    " << Describe(e) << "\n";
    return ::testing::AssertionFailure() << out.str();
}

void TWindowTest::SetUp() {
    headless::Reset(800, 600);
    TRecorder::Get().Clear();
    TRecorder::Get().Ignore({});
    FHook = InstallRecordingHook();
}

void TWindowTest::TearDown() {
    UnhookWindowsHookEx(FHook);
    std::vector<HWND> left;
    EnumWindows([&](HWND h) {
        left.push_back(h);
        return true;
    });
    for (HWND h : left) DestroyWindow(h);
    ProcessPendingMessages();
    TRecorder::Get().Clear();
}

HWND TWindowTest::Make(const char* title, int x, int y, int width, int height, DWORD style, DWORD exStyle, HWND parent,
                       UINT_PTR id) {
    return CreateWindowEx(exStyle, RecordingClass(), title, style, x, y, width, height, parent, id);
}

}  // namespace uitest
