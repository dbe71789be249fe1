#include "vcl/TApplication.h"

#include <climits>
#include <unistd.h>

#include "ui/DefWindowProc.h"
#include "ui/Input.h"
#include "ui/MessageLoop.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowClass.h"
#include "ui/WindowPos.h"
#include "vcl/Dialogs.h"
#include "vcl/VclExceptions.h"

namespace vcl {

TApplication* Application = new TApplication(nullptr);

namespace {

const char* const AppWindowClass = "TApplication";

// The program's file name without folder and extension: the title until the
// program sets its own.
std::string ProgramName() {
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (n <= 0) return "Application";
    std::string name(path, size_t(n));
    name = name.substr(name.rfind('/') + 1);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

// The deepest control under a screen point.
TControl* FindDragTarget(TPoint screen, bool allowDisabled) {
    HWND h = ui::WindowFromPoint(screen);
    TWinControl* window = nullptr;
    for (; h && !(window = TWinControl::FindControl(h)); h = ui::GetAncestor(h, ui::GA_PARENT)) {
    }
    if (!window) return nullptr;
    if (TControl* c = window->ControlAtPos(window->ScreenToClient(screen), allowDisabled)) return c;
    return window;
}

}  // namespace

TApplication::TApplication(TComponent* owner) : TComponent(owner), FTitle(ProgramName()) {}

TApplication::~TApplication() {
    if (FHandle) ui::DestroyWindow(FHandle);
}

ui::HWND TApplication::Handle() {
    if (FHandle && ui::IsWindow(FHandle)) return FHandle;
    ui::TWndClass wc;
    if (!ui::GetClassInfo(AppWindowClass, wc)) {
        wc.ClassName = AppWindowClass;
        wc.WndProc = &TApplication::WndProc;
        ui::RegisterClass(wc);
    }
    FHandle = ui::CreateWindowEx(0, AppWindowClass, Title(), ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU, 0, 0, 0, 0,
                                 nullptr, 0);
    return FHandle;
}

ui::LRESULT TApplication::WndProc(ui::HWND hwnd, ui::UINT msg, ui::WPARAM wParam, ui::LPARAM lParam) {
    return ui::DefWindowProc(hwnd, msg, wParam, lParam);
}

void TApplication::SetTitle(const std::string& title) {
    FTitle = title;
    if (FHandle) ui::SetWindowText(FHandle, title);
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FMainForm) FMainForm = nullptr;
    if (component == FMouseControl) FMouseControl = nullptr;
}

// --- the loop

void TApplication::Run() {
    FRunning = true;
    if (FMainForm && FShowMainForm) FMainForm->SetVisible(true);
    do {
        try {
            HandleMessage();
        } catch (...) {
            HandleException(this);
        }
    } while (!FTerminated);
    FRunning = false;
}

void TApplication::Terminate() { ui::PostQuitMessage(0); }

void TApplication::ProcessMessages() {
    ui::TMsg msg;
    while (ProcessMessage(msg)) {
    }
}

void TApplication::HandleMessage() {
    ui::TMsg msg;
    if (!ProcessMessage(msg)) Idle();
}

bool TApplication::ProcessMessage(ui::TMsg& msg) {
    if (!ui::PeekMessage(msg, nullptr, 0, 0, ui::PM_REMOVE)) return false;
    if (msg.Message == ui::WM_QUIT) {
        FTerminated = true;
        return true;
    }
    bool handled = false;
    if (OnMessage) OnMessage(msg, handled);
    if (!handled && !IsKeyMsg(msg)) {
        ui::TranslateMessage(msg);
        ui::DispatchMessage(msg);
    }
    // Mouse enter and leave follow the mouse at once, not only when idle.
    if (msg.Message == ui::WM_MOUSEMOVE || msg.Message == ui::WM_NCMOUSEMOVE || msg.Message == ui::WM_MOUSELEAVE ||
        msg.Message == ui::WM_NCMOUSELEAVE)
        DoMouseIdle();
    return true;
}

// Keys go first to the control as CN_ notifications, so that dialog keys
// (Tab, Enter, Escape) can act before the control sees them.
bool TApplication::IsKeyMsg(const ui::TMsg& msg) {
    if (msg.Message < ui::WM_KEYFIRST || msg.Message > ui::WM_KEYLAST) return false;
    HWND wnd = ui::GetCapture();
    if (!wnd) {
        wnd = msg.Hwnd;
        while (wnd && !TWinControl::FindControl(wnd)) wnd = ui::GetAncestor(wnd, ui::GA_PARENT);
        if (!wnd) wnd = msg.Hwnd;
    }
    return TWinControl::FindControl(wnd) &&
           ui::SendMessage(wnd, CN_BASE + msg.Message, msg.WParam, msg.LParam) != 0;
}

void TApplication::Idle() {
    DoMouseIdle();
    bool done = true;
    if (OnIdle) OnIdle(this, done);
    if (done) ui::WaitMessage();
}

void TApplication::DoMouseIdle() {
    TControl* target = FindDragTarget(ui::GetCursorPos(), true);
    if (target == FMouseControl) return;
    TControl* capture = GetCaptureControl();
    if (FMouseControl && (!capture || FMouseControl == capture)) {
        TControl* left = FMouseControl;
        left->RemoveFreeNotification(this);
        FMouseControl = nullptr;
        left->Perform(CM_MOUSELEAVE, 0, 0);
    }
    FMouseControl = target;
    if (target) {
        target->FreeNotification(this);
        if (!capture || target == capture) target->Perform(CM_MOUSEENTER, 0, 0);
    }
}

// --- errors

void TApplication::HandleException(TObject* sender) {
    const std::exception_ptr current = std::current_exception();
    if (!current) return;
    try {
        std::rethrow_exception(current);
    } catch (const EAbort&) {
    } catch (const std::exception& error) {
        if (OnException)
            OnException(sender, error);
        else
            ShowException(error);
    } catch (...) {
        ShowException(rtl::Exception("Unknown error"));
    }
}

void TApplication::ShowException(const std::exception& error) {
    std::string text = error.what();
    // Every text ends in a full stop, one only: "(3)" gets one as "value" does.
    if (text.empty() || text.back() != '.') text += '.';
    MessageBox(text, Title(), MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    return MessageBoxForm(text, caption, flags);
}

}  // namespace vcl
