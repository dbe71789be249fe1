#pragma once
// The application: its title and icon, the forms it creates (the first one
// becomes the main form), the message loop with idle processing, and the
// default error handler that shows an error and lets the program go on.
//
// The application keeps one hidden window of its own: the owner of every
// form and the window other code posts application-wide messages to.
#include <exception>
#include <string>

#include "ui/Types.h"
#include "vcl/TCustomForm.h"

namespace vcl {

using TExceptionEvent = std::function<void(TObject* sender, const std::exception& error)>;
using TIdleEvent = std::function<void(TObject* sender, bool& done)>;
using TMessageEvent = std::function<void(ui::TMsg& msg, bool& handled)>;

// MessageBox flags with their Win32 numbers.
enum : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_ABORTRETRYIGNORE = 0x2,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_RETRYCANCEL = 0x5,
    MB_ICONHAND = 0x10,
    MB_ICONERROR = 0x10,
    MB_ICONSTOP = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
    MB_ICONASTERISK = 0x40,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* owner);
    ~TApplication() override;

    // The hidden application window, made on first use.
    ui::HWND Handle();

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& title);
    TIcon& Icon() { return FIcon; }
    TCustomForm* MainForm() const { return FMainForm; }
    bool ShowMainForm() const { return FShowMainForm; }
    void SetShowMainForm(bool value) { FShowMainForm = value; }
    // Whether controls show their hints; controls switch it off while they
    // track a press and restore it after.
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value) { FShowHint = value; }

    // Makes a form owned by the application and stores it in `reference`
    // before its constructor runs; the first form made becomes the main form.
    template <class T>
    void CreateForm(T*& reference) {
        reference = nullptr;
        T* form = new T(this);
        reference = form;
        if (!FMainForm) {
            FMainForm = form;
            form->FreeNotification(this);
            form->HandleNeeded();
        }
    }

    // Shows the main form and runs the message loop until Terminate.
    void Run();
    // Ends Run (and any modal run) once the current message is handled.
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Handles every message waiting now and returns.
    void ProcessMessages();
    // Handles one message, or runs the idle step and waits for one.
    void HandleMessage();

    // The default error handler, for the exception being handled: OnException
    // when assigned, else ShowException; EAbort passes silently.
    void HandleException(TObject* sender);
    // A box with the error text and a full stop, the title as caption and a
    // stop icon.
    void ShowException(const std::exception& error);
    // A message form with the text, caption, icon and buttons the MB_ flags
    // give; returns the ID of the button pressed.
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags);

    // The control under the mouse got CM_MOUSEENTER, the one it left
    // CM_MOUSELEAVE.
    void DoMouseIdle();

    TExceptionEvent OnException;
    TIdleEvent OnIdle;
    TMessageEvent OnMessage;

    // Ends the effect of an earlier Terminate (for tests that run the loop
    // more than once).
    void ClearTerminated() { FTerminated = false; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool ProcessMessage(ui::TMsg& msg);
    bool IsKeyMsg(const ui::TMsg& msg);
    void Idle();
    static ui::LRESULT WndProc(ui::HWND hwnd, ui::UINT msg, ui::WPARAM wParam, ui::LPARAM lParam);

    ui::HWND FHandle = nullptr;
    std::string FTitle;
    TIcon FIcon;
    TCustomForm* FMainForm = nullptr;
    bool FShowMainForm = true;
    bool FShowHint = true;
    bool FTerminated = false;
    bool FRunning = false;
    TControl* FMouseControl = nullptr;
};

extern TApplication* Application;

}  // namespace vcl
