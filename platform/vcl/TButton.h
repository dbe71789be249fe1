#pragma once
// The push button: a caption, the default button (Enter presses it unless
// another button has the focus) and the cancel button (Escape presses it),
// and a modal result it gives its form when clicked.
#include "vcl/TButtonControl.h"
#include "vcl/TCustomForm.h"

namespace vcl {

class TButton : public TButtonControl {
public:
    explicit TButton(TComponent* owner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    // Drawn as the default button: the focused button, or the default one
    // while no button has the focus.
    bool Active() const { return FActive; }

    void Click() override;
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    ui::LRESULT DialogCode() const override;
    void PaintWindow(ui::HDC dc) override;

private:
    void SetButtonStyle(bool isDefault);

    bool FDefault = false;
    bool FCancel = false;
    bool FActive = false;
    TModalResult FModalResult = mrNone;
};

}  // namespace vcl
