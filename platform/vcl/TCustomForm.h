#pragma once
// Forms: the top-level windows of the program. A form has a border style and
// border icons, a position rule for its first showing, an optional opacity,
// a modal run with its result, a close protocol (CloseQuery, then OnClose
// deciding what closing means), keeps track of its active control, and
// builds its controls from its stored layout.
#include <string_view>

#include "vcl/ControlCanvas.h"
#include "vcl/TPicture.h"
#include "vcl/TWinControl.h"

namespace vcl {

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : unsigned { biSystemMenu = 0x1, biMinimize = 0x2, biMaximize = 0x4, biHelp = 0x8 };
using TBorderIcons = unsigned;
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TFormStyle { fsNormal, fsStayOnTop };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TFormStateFlag : unsigned { fsCreating = 0x1, fsVisible = 0x2, fsShowing = 0x4, fsModal = 0x8, fsActivated = 0x20 };
using TFormState = unsigned;

using TModalResult = int;
enum : TModalResult {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
    mrNoToAll = 9,
    mrYesToAll = 10,
};

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;

class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    // Builds the controls from the stored layout, runs the loaded phase and
    // then OnCreate. Form classes call it from their constructor.
    void ReadLayout(std::string_view layout);

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition position) { FPosition = position; }
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle style);
    TWindowState WindowState() const;
    void SetWindowState(TWindowState state);
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool value);
    int AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(int value);
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool value) { FKeyPreview = value; }
    TIcon& Icon() { return FIcon; }
    TFormState FormState() const { return FFormState; }
    bool Active() const { return FActive; }
    void SetClientSize(int width, int height) override;
    TRect ClientRect() const override;

    // --- showing and closing
    void Show();
    void Hide() { SetVisible(false); }
    // Shows the form modally and returns its modal result; raises
    // EInvalidOperation for a form that is visible, disabled or modal already.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult result) { FModalResult = result; }
    // A modal form ends its modal run with mrCancel; any other form asks
    // CloseQuery and OnClose: hidden, minimised or freed, and closing the
    // main form ends the program.
    void Close();
    virtual bool CloseQuery();
    // Frees the form once the messages waiting now are handled.
    void Release();

    // --- focus
    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* control);
    void FocusControl(TWinControl* control);
    // For the controls: focus arrived at a control, or a control with focus
    // is going away.
    void SetFocusedControl(TWinControl* control);
    void DefocusControl(TWinControl* control, bool removing);

    // The canvas of OnPaint (valid during painting only).
    gfx::TCanvas& Canvas();

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    void SetOnCreate(const TNotifyEvent& e) { OnCreate = e; }
    void SetOnDestroy(const TNotifyEvent& e) { OnDestroy = e; }
    void SetOnShow(const TNotifyEvent& e) { OnShow = e; }
    void SetOnHide(const TNotifyEvent& e) { OnHide = e; }
    void SetOnActivate(const TNotifyEvent& e) { OnActivate = e; }
    void SetOnDeactivate(const TNotifyEvent& e) { OnDeactivate = e; }
    void SetOnPaint(const TNotifyEvent& e) { OnPaint = e; }
    void SetOnClose(const TCloseEvent& e) { OnClose = e; }
    void SetOnCloseQuery(const TCloseQueryEvent& e) { OnCloseQuery = e; }

    void WndProc(TMessage& message) override;

protected:
    void BeforeDestruction() override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    bool ShouldShow() const override;
    void PaintWindow(ui::HDC dc) override;
    virtual void DoCreate();
    virtual void DoDestroy();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);
    virtual void Activate();
    virtual void Deactivate();

private:
    void ShowingChanged();
    void PlaceOnFirstShow();
    void UpdateLayered();
    void UpdateIcon();
    void CloseModal();
    void SetWindowFocus();
    void Activated(bool active);

    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons = biSystemMenu | biMinimize | biMaximize;
    TPosition FPosition = poDesigned;
    TFormStyle FFormStyle = fsNormal;
    TWindowState FWindowState = wsNormal;
    bool FAlphaBlend = false;
    int FAlphaBlendValue = 255;
    bool FKeyPreview = false;
    TIcon FIcon;
    TFormState FFormState = 0;
    bool FActive = false;
    bool FPlaced = false;
    TModalResult FModalResult = mrNone;
    TWinControl* FActiveControl = nullptr;
    TWinControl* FFocusedControl = nullptr;
    // Requested client size, kept until the window exists to apply it.
    int FClientWidth = 0;
    int FClientHeight = 0;
    TControlCanvas FCanvas;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }
};

}  // namespace vcl
