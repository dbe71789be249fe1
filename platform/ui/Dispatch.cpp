#include "ui/Dispatch.h"

#include <vector>

#include "rtl/TScopeExit.h"
#include "ui/MessageLoop.h"
#include "ui/Messages.h"
#include "ui/Styles.h"
#include "ui/Tree.h"
#include "ui/Window.h"

namespace ui {

namespace {
// Whether each window procedure call on the stack handles a sent message.
std::vector<bool> gSentStack;
}  // namespace

LRESULT CallProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool sent) {
    TWindow* w = Win(hwnd);
    if (!w || !w->Proc) return 0;
    const TWndProc proc = w->Proc;  // the record may go while the procedure runs
    gSentStack.push_back(sent);
    const rtl::TScopeExit pop([] { gSentStack.pop_back(); });
    return proc(hwnd, msg, wParam, lParam);
}

bool InSendMessage() { return !gSentStack.empty() && gSentStack.back(); }

void NotifyParents(HWND child, UINT event) {
    HWND h = child;
    while (TWindow* w = Win(h)) {
        if (!w->IsChild() || (w->ExStyle & WS_EX_NOPARENTNOTIFY) || !w->Parent) break;
        const HWND parent = w->Parent;
        const WPARAM wParam = MAKEWPARAM(int(event), int(GetDlgCtrlID(child)));
        CallProc(parent, WM_PARENTNOTIFY, wParam, reinterpret_cast<LPARAM>(child), true);
        h = parent;
    }
}

}  // namespace ui
