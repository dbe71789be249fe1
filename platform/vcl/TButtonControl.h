#pragma once
// What push buttons, check boxes and radio buttons share, as the window
// system's button class does it: pressed by the left button (released over
// the button) or by Space, the button state of BM_GETSTATE (pushed, focus,
// check), BM_SETSTATE, BM_CLICK and the check messages, and the click.
#include "vcl/TWinControl.h"

namespace vcl {

class TButtonControl : public TWinControl {
public:
    explicit TButtonControl(TComponent* owner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    // Pushed: held down by the mouse or Space.
    bool Pushed() const { return FPushed; }

    void WndProc(TMessage& message) override;

protected:
    // The press was completed: check boxes toggle, buttons click.
    virtual void ButtonClicked() { Click(); }
    virtual ui::LRESULT DialogCode() const { return ui::DLGC_BUTTON; }
    virtual int CheckState() const { return BST_UNCHECKED; }
    virtual void SetCheckState(int) {}
    void SetPushed(bool value);
    void CreateParams(TCreateParams& params) override;

private:
    bool FWordWrap = false;
    bool FPushed = false;
    bool FTracking = false;  // the left button went down on the button
    bool FSpaceDown = false;
};

}  // namespace vcl
