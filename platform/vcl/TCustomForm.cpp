#include "vcl/TCustomForm.h"

#include <algorithm>

#include "ui/Input.h"
#include "ui/Keys.h"
#include "ui/Layered.h"
#include "ui/MessageLoop.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"
#include "vcl/TApplication.h"
#include "vcl/TClassBuilder.h"
#include "vcl/TLayoutReader.h"
#include "vcl/TScreen.h"
#include "vcl/VclExceptions.h"

namespace vcl {

namespace {

// The top-level windows a modal form disables, to be enabled again after.
std::vector<HWND> DisableTaskWindows(HWND except) {
    std::vector<HWND> disabled;
    ui::EnumWindows([&](HWND h) {
        if (h != except && ui::IsWindowVisible(h) && ui::IsWindowEnabled(h)) disabled.push_back(h);
        return true;
    });
    for (HWND h : disabled) ui::EnableWindow(h, false);
    return disabled;
}

void EnableTaskWindows(const std::vector<HWND>& windows) {
    for (HWND h : windows)
        if (ui::IsWindow(h)) ui::EnableWindow(h, true);
}

}  // namespace

const TClassInfo& TCustomForm::StaticClass() {
    static const TClassInfo& info =
        TClassBuilder<TCustomForm>("TCustomForm", TWinControl::StaticClass())
            .Enum("BorderStyle", &TCustomForm::SetBorderStyle,
                  {{"bsNone", bsNone}, {"bsSingle", bsSingle}, {"bsSizeable", bsSizeable}, {"bsDialog", bsDialog},
                   {"bsToolWindow", bsToolWindow}, {"bsSizeToolWin", bsSizeToolWin}})
            .Set("BorderIcons", &TCustomForm::SetBorderIcons,
                 {{"biSystemMenu", biSystemMenu}, {"biMinimize", biMinimize}, {"biMaximize", biMaximize},
                  {"biHelp", biHelp}})
            .Enum("Position", &TCustomForm::SetPosition,
                  {{"poDesigned", poDesigned}, {"poDefault", poDefault}, {"poDefaultPosOnly", poDefaultPosOnly},
                   {"poDefaultSizeOnly", poDefaultSizeOnly}, {"poScreenCenter", poScreenCenter},
                   {"poDesktopCenter", poDesktopCenter}, {"poMainFormCenter", poMainFormCenter},
                   {"poOwnerFormCenter", poOwnerFormCenter}})
            .Enum("FormStyle", &TCustomForm::SetFormStyle, {{"fsNormal", fsNormal}, {"fsStayOnTop", fsStayOnTop}})
            .Enum("WindowState", &TCustomForm::SetWindowState,
                  {{"wsNormal", wsNormal}, {"wsMinimized", wsMinimized}, {"wsMaximized", wsMaximized}})
            .Bool("AlphaBlend", &TCustomForm::SetAlphaBlend)
            .Int("AlphaBlendValue", &TCustomForm::SetAlphaBlendValue)
            .Bool("KeyPreview", &TCustomForm::SetKeyPreview)
            .Int("ClientWidth", &TControl::SetClientWidth)
            .Int("ClientHeight", &TControl::SetClientHeight)
            .Object("Icon", &TCustomForm::Icon)
            .Reference<TWinControl>("ActiveControl", &TCustomForm::SetActiveControl)
            .Event("OnCreate", &TCustomForm::SetOnCreate)
            .Event("OnDestroy", &TCustomForm::SetOnDestroy)
            .Event("OnShow", &TCustomForm::SetOnShow)
            .Event("OnHide", &TCustomForm::SetOnHide)
            .Event("OnActivate", &TCustomForm::SetOnActivate)
            .Event("OnDeactivate", &TCustomForm::SetOnDeactivate)
            .Event("OnPaint", &TCustomForm::SetOnPaint)
            .Event("OnClose", &TCustomForm::SetOnClose)
            .Event("OnCloseQuery", &TCustomForm::SetOnCloseQuery)
            .Build();
    return info;
}

const TClassInfo& TForm::StaticClass() {
    static const TClassInfo& info = TClassBuilder<TForm>("TForm", TCustomForm::StaticClass()).Build();
    return info;
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
    FVisible = false;
    FParentFont = false;
    FColor = gfx::clBtnFace;
    FControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    FLeft = FTop = 0;
    FWidth = 320;
    FHeight = 240;
    FIcon.OnChange = [this] { UpdateIcon(); };
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm() { Screen->RemoveForm(this); }

// A form is being created only while its stored layout is read: one built in
// code (a message box) is ready as soon as it exists, and a frame provider
// that waited for the creation to end would never paint it.
void TCustomForm::ReadLayout(std::string_view layout) {
    FFormState |= fsCreating;
    TLayoutReader(*this).Read(layout);
    DoCreate();
}

void TCustomForm::BeforeDestruction() {
    TWinControl::BeforeDestruction();
    DoDestroy();
}

void TCustomForm::DoCreate() {
    FFormState &= ~fsCreating;
    if (OnCreate) OnCreate(this);
}

void TCustomForm::DoDestroy() {
    if (OnDestroy) OnDestroy(this);
}

void TCustomForm::DoShow() {
    if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
    if (OnHide) OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& action) {
    if (OnClose) OnClose(this, action);
}

// --- the window

void TCustomForm::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style = ui::WS_CLIPCHILDREN | ui::WS_CLIPSIBLINGS;
    params.WndParent = Application->Handle();
    params.WindowClass.Style = ui::CS_DBLCLKS;
    TBorderIcons icons = FBorderIcons;
    switch (FBorderStyle) {
    case bsNone: params.Style |= ui::WS_POPUP; break;
    case bsSingle:
    case bsToolWindow: params.Style |= ui::WS_CAPTION | ui::WS_BORDER; break;
    case bsSizeable:
    case bsSizeToolWin: params.Style |= ui::WS_CAPTION | ui::WS_THICKFRAME; break;
    case bsDialog:
        params.Style |= ui::WS_POPUP | ui::WS_CAPTION;
        params.ExStyle |= ui::WS_EX_DLGMODALFRAME | ui::WS_EX_WINDOWEDGE;
        break;
    }
    if (FBorderStyle == bsDialog) icons &= biSystemMenu | biHelp;
    if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin) {
        icons &= biSystemMenu;
        params.ExStyle |= ui::WS_EX_TOOLWINDOW;
    }
    if (FBorderStyle == bsNone) icons = 0;
    if (icons & biSystemMenu) params.Style |= ui::WS_SYSMENU;
    if (icons & biMinimize) params.Style |= ui::WS_MINIMIZEBOX;
    if (icons & biMaximize) params.Style |= ui::WS_MAXIMIZEBOX;
    if ((icons & biHelp) && (FBorderStyle == bsDialog || !(icons & (biMinimize | biMaximize))))
        params.ExStyle |= ui::WS_EX_CONTEXTHELP;
    if (FFormStyle == fsStayOnTop) params.ExStyle |= ui::WS_EX_TOPMOST;
    if (FAlphaBlend && ui::LayeredWindowsAvailable()) params.ExStyle |= ui::WS_EX_LAYERED;
}

void TCustomForm::CreateWnd() {
    TWinControl::CreateWnd();
    // The stored client size holds whatever frame the window got.
    if (FClientWidth > 0 || FClientHeight > 0) {
        const TRect window = ui::GetWindowRect(FHandle);
        const TRect client = ui::GetClientRect(FHandle);
        const int w = FClientWidth > 0 ? FClientWidth + window.Width() - client.Width() : window.Width();
        const int h = FClientHeight > 0 ? FClientHeight + window.Height() - client.Height() : window.Height();
        FClientWidth = FClientHeight = 0;
        ui::SetWindowPos(FHandle, nullptr, 0, 0, w, h, ui::SWP_NOMOVE | ui::SWP_NOZORDER | ui::SWP_NOACTIVATE);
        UpdateBounds();
    }
    UpdateLayered();
    UpdateIcon();
}

TRect TCustomForm::ClientRect() const {
    if (FHandle) return TWinControl::ClientRect();
    return {0, 0, FClientWidth > 0 ? FClientWidth : FWidth, FClientHeight > 0 ? FClientHeight : FHeight};
}

void TCustomForm::SetClientSize(int width, int height) {
    if (!FHandle) {
        FClientWidth = width;
        FClientHeight = height;
        return;
    }
    TWinControl::SetClientSize(width, height);
}

bool TCustomForm::ShouldShow() const { return FVisible && !(ComponentState() & (csLoading | csReading)); }

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == FBorderStyle) return;
    FBorderStyle = style;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
    if (icons == FBorderIcons) return;
    FBorderIcons = icons;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle style) {
    if (style == FFormStyle) return;
    FFormStyle = style;
    if (FHandle)
        ui::SetWindowPos(FHandle, style == fsStayOnTop ? ui::HWND_TOPMOST : ui::HWND_NOTOPMOST, 0, 0, 0, 0,
                         ui::SWP_NOMOVE | ui::SWP_NOSIZE | ui::SWP_NOACTIVATE);
}

TWindowState TCustomForm::WindowState() const {
    if (FHandle && FShowing) {
        if (ui::IsIconic(FHandle)) return wsMinimized;
        if (ui::IsZoomed(FHandle)) return wsMaximized;
        return wsNormal;
    }
    return FWindowState;
}

void TCustomForm::SetWindowState(TWindowState state) {
    FWindowState = state;
    if (FHandle && FShowing)
        ui::ShowWindow(FHandle, state == wsMinimized   ? ui::SW_MINIMIZE
                                : state == wsMaximized ? ui::SW_SHOWMAXIMIZED
                                                       : ui::SW_RESTORE);
}

void TCustomForm::SetAlphaBlend(bool value) {
    if (value == FAlphaBlend) return;
    FAlphaBlend = value;
    UpdateLayered();
}

void TCustomForm::SetAlphaBlendValue(int value) {
    value = std::clamp(value, 0, 255);
    if (value == FAlphaBlendValue) return;
    FAlphaBlendValue = value;
    UpdateLayered();
}

// The opacity shows through a layered window; where the display cannot show
// layered windows the form is simply opaque.
void TCustomForm::UpdateLayered() {
    if (!FHandle) return;
    const auto ex = ui::GetWindowLongPtr(FHandle, ui::GWL_EXSTYLE);
    if (FAlphaBlend && ui::LayeredWindowsAvailable()) {
        if (!(ex & ui::WS_EX_LAYERED)) ui::SetWindowLongPtr(FHandle, ui::GWL_EXSTYLE, ex | ui::WS_EX_LAYERED);
        ui::SetLayeredWindowAttributes(FHandle, 0, ui::BYTE(FAlphaBlendValue), ui::LWA_ALPHA);
    } else if (ex & ui::WS_EX_LAYERED) {
        ui::SetWindowLongPtr(FHandle, ui::GWL_EXSTYLE, ex & ~ui::WS_EX_LAYERED);
    }
}

void TCustomForm::UpdateIcon() {
    if (!FHandle) return;
    ui::HICON icon = FIcon.Handle();
    ui::SendMessage(FHandle, ui::WM_SETICON, ui::ICON_BIG, LPARAM(icon));
    ui::SendMessage(FHandle, ui::WM_SETICON, ui::ICON_SMALL, LPARAM(icon));
}

// --- showing

void TCustomForm::Show() {
    SetVisible(true);
    if (FHandle) ui::BringWindowToTop(FHandle);
}

void TCustomForm::PlaceOnFirstShow() {
    if (FPlaced) return;
    FPlaced = true;
    TRect area;
    switch (FPosition) {
    case poScreenCenter: area = Screen->DesktopRect(); break;
    case poDesktopCenter: area = Screen->DesktopRect(); break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
        TCustomForm* center = dynamic_cast<TCustomForm*>(Owner());
        if (FPosition == poMainFormCenter || !center) center = Application->MainForm();
        if (!center || center == this) return;
        area = center->BoundsRect();
        break;
    }
    default: return;
    }
    const int x = area.Left + (area.Width() - FWidth) / 2;
    const int y = area.Top + (area.Height() - FHeight) / 2;
    ui::SetWindowPos(FHandle, nullptr, x, y, 0, 0, ui::SWP_NOSIZE | ui::SWP_NOZORDER | ui::SWP_NOACTIVATE);
}

void TCustomForm::ShowingChanged() {
    if (FShowing) {
        FFormState |= fsShowing;
        try {
            DoShow();
        } catch (...) {
            FFormState &= ~fsShowing;
            throw;
        }
        FFormState &= ~fsShowing;
        PlaceOnFirstShow();
        const int cmd = FWindowState == wsMinimized   ? ui::SW_SHOWMINIMIZED
                        : FWindowState == wsMaximized ? ui::SW_SHOWMAXIMIZED
                                                      : ui::SW_SHOWNORMAL;
        ui::ShowWindow(FHandle, cmd);
        FFormState |= fsVisible;
    } else {
        DoHide();
        FFormState &= ~fsVisible;
        ui::ShowWindow(FHandle, ui::SW_HIDE);
    }
}

TModalResult TCustomForm::ShowModal() {
    if (FVisible || !Enabled() || (FFormState & fsModal))
        throw EInvalidOperation("Cannot make a visible window modal");
    if (HWND capture = ui::GetCapture()) ui::SendMessage(capture, ui::WM_CANCELMODE, 0, 0);
    ui::ReleaseCapture();
    FFormState |= fsModal;
    const HWND previous = ui::GetActiveWindow();
    const TCursor savedCursor = Screen->Cursor();
    Screen->SetCursor(crDefault);
    const std::vector<HWND> disabled = DisableTaskWindows(Handle());
    TModalResult result = mrNone;
    try {
        // Cleared before showing, so that what OnShow and OnActivate decide
        // counts.
        FModalResult = mrNone;
        Show();
        try {
            do {
                Application->HandleMessage();
                if (Application->Terminated())
                    FModalResult = mrCancel;
                else if (FModalResult != mrNone)
                    CloseModal();
            } while (FModalResult == mrNone);
            result = FModalResult;
        } catch (...) {
            Hide();
            throw;
        }
        Hide();
    } catch (...) {
        EnableTaskWindows(disabled);
        Screen->SetCursor(savedCursor);
        FFormState &= ~fsModal;
        throw;
    }
    EnableTaskWindows(disabled);
    Screen->SetCursor(savedCursor);
    if (previous && ui::IsWindow(previous) && ui::IsWindowVisible(previous)) ui::SetActiveWindow(previous);
    FFormState &= ~fsModal;
    return result;
}

void TCustomForm::CloseModal() {
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone)
        FModalResult = mrNone;
    else if (action == caFree)
        Release();
}

void TCustomForm::Close() {
    if (FFormState & fsModal) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) return;
    if (Application->MainForm() == this)
        Application->Terminate();
    else if (action == caHide)
        Hide();
    else if (action == caMinimize)
        SetWindowState(wsMinimized);
    else
        Release();
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Release() { ui::PostMessage(Handle(), CM_RELEASE, 0, 0); }

// --- focus

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (control == FActiveControl) return;
    if (control && (control == this || GetParentForm(control) != this ||
                    (!(ComponentState() & csLoading) && !control->CanFocus())))
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    FActiveControl = control;
    if (!(ComponentState() & csLoading) && FActive) SetWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* control) {
    const bool wasActive = FActive;
    SetActiveControl(control);
    if (!wasActive) SetFocus();
}

void TCustomForm::SetWindowFocus() {
    HWND target = FActiveControl && FActiveControl->CanFocus() ? FActiveControl->Handle() : Handle();
    if (ui::GetFocus() != target) ui::SetFocus(target);
}

// Focus arrived at `control`: CM_EXIT goes to the controls it left up to the
// common parent, CM_ENTER to those it entered, then every control hears of
// the change.
void TCustomForm::SetFocusedControl(TWinControl* control) {
    if (control == FFocusedControl || (control != this && GetParentForm(control) != this)) return;
    TWinControl* previous = FFocusedControl;
    FFocusedControl = control;
    if (control != this) FActiveControl = control;
    std::vector<TWinControl*> left, entered;
    for (TWinControl* c = previous; c && c != this; c = c->Parent())
        if (!c->ContainsControl(control)) left.push_back(c);
    for (TWinControl* c = control; c && c != this; c = c->Parent())
        if (!previous || !c->ContainsControl(previous)) entered.insert(entered.begin(), c);
    for (TWinControl* c : left) c->Perform(CM_EXIT, 0, 0);
    for (TWinControl* c : entered) c->Perform(CM_ENTER, 0, 0);
    Perform(CM_FOCUSCHANGED, 0, LPARAM(control));
}

void TCustomForm::DefocusControl(TWinControl* control, bool removing) {
    if (removing && control->ContainsControl(FFocusedControl)) FFocusedControl = control->Parent();
    if (control->ContainsControl(FActiveControl)) FActiveControl = nullptr;
}

void TCustomForm::Activate() {
    if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
    if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::Activated(bool active) {
    FActive = active;
    if (active) {
        Screen->SetActiveForm(this);
        if (!FActiveControl) FActiveControl = FindNextControl(nullptr, true, true, false);
        SetWindowFocus();
        Activate();
    } else {
        if (Screen->ActiveForm() == this) Screen->SetActiveForm(nullptr);
        Deactivate();
    }
}

// --- painting

gfx::TCanvas& TCustomForm::Canvas() { return FCanvas.Get(); }

void TCustomForm::PaintWindow(ui::HDC dc) {
    if (!OnPaint) return;
    TControlCanvas::TPaintScope scope(FCanvas, dc);
    dc->Font = FFont.Handle();
    dc->Brush = {FColor, gfx::bsSolid};
    OnPaint(this);
}

// --- messages

void TCustomForm::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CM_SHOWINGCHANGED:
        ShowingChanged();
        return;
    case ui::WM_ACTIVATE:
        Activated(ui::LOWORD(m.WParam) != ui::WA_INACTIVE);
        return;
    case ui::WM_SETFOCUS:
        // The form itself has the focus only until a control of it takes it.
        DefaultHandler(m);
        if (FActiveControl && FActiveControl->CanFocus() && FActiveControl->Handle() != FHandle)
            ui::SetFocus(FActiveControl->Handle());
        else
            SetFocusedControl(this);
        return;
    case ui::WM_CLOSE:
        Close();
        return;
    case ui::WM_GETMINMAXINFO: {
        DefaultHandler(m);
        auto* info = reinterpret_cast<ui::TMinMaxInfo*>(m.LParam);
        const TSizeConstraints& c = Constraints();
        if (c.MinWidth > 0) info->MinTrackSize.X = c.MinWidth;
        if (c.MinHeight > 0) info->MinTrackSize.Y = c.MinHeight;
        if (c.MaxWidth > 0) info->MaxTrackSize.X = c.MaxWidth;
        if (c.MaxHeight > 0) info->MaxTrackSize.Y = c.MaxHeight;
        return;
    }
    case CM_RELEASE:
        Free();
        return;
    case CM_DIALOGKEY:
        if (ui::GetKeyState(ui::VK_MENU) >= 0) {
            if (m.WParam == ui::VK_TAB && ui::GetKeyState(ui::VK_CONTROL) >= 0) {
                SelectNext(FActiveControl, ui::GetKeyState(ui::VK_SHIFT) >= 0, true);
                m.Result = 1;
                return;
            }
            if (m.WParam == ui::VK_LEFT || m.WParam == ui::VK_RIGHT || m.WParam == ui::VK_UP ||
                m.WParam == ui::VK_DOWN) {
                if (FActiveControl && FActiveControl->Parent()) {
                    FActiveControl->Parent()->SelectNext(FActiveControl,
                                                         m.WParam == ui::VK_RIGHT || m.WParam == ui::VK_DOWN, false);
                    m.Result = 1;
                }
                return;
            }
        }
        break;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

}  // namespace vcl
