#pragma once
// Check boxes and radio buttons in the plain look: a 13-pixel box or circle
// beside the caption (right of it by default), the focus rectangle around
// the caption.
#include "vcl/TButtonControl.h"

namespace vcl {

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// The box and caption layout both share.
class TCheckControl : public TButtonControl {
public:
    explicit TCheckControl(TComponent* owner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    // taRightJustify (the default): the caption right of the box.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);

protected:
    static constexpr int BoxSize = 13;
    void PaintWindow(ui::HDC dc) override;
    // The box (or circle) with its mark.
    virtual void DrawBox(gfx::TCanvas& canvas, const TRect& box) = 0;
    TRect BoxRect() const;
    TRect CaptionRect(gfx::TCanvas& canvas) const;

private:
    TAlignment FAlignment = taRightJustify;
};

class TCheckBox : public TCheckControl {
public:
    explicit TCheckBox(TComponent* owner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TCheckBoxState State() const { return FState; }
    // A change of state clicks the check box (OnClick), as a press does.
    void SetState(TCheckBoxState state);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value) { FAllowGrayed = value; }
    // Unchecked, checked, grayed (with AllowGrayed), unchecked.
    void Toggle();

protected:
    void ButtonClicked() override { Toggle(); }
    int CheckState() const override { return int(FState); }
    void SetCheckState(int state) override { SetState(TCheckBoxState(state)); }
    void DrawBox(gfx::TCanvas& canvas, const TRect& box) override;

private:
    TCheckBoxState FState = cbUnchecked;
    bool FAllowGrayed = false;
};

class TRadioButton : public TCheckControl {
public:
    explicit TRadioButton(TComponent* owner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    bool Checked() const { return FChecked; }
    // Checking unchecks the other radio buttons of the same parent; only the
    // checked one is a tab stop.
    void SetChecked(bool value);

    void WndProc(TMessage& message) override;

protected:
    void ButtonClicked() override { SetChecked(true); }
    ui::LRESULT DialogCode() const override { return ui::DLGC_BUTTON | ui::DLGC_RADIOBUTTON; }
    int CheckState() const override { return FChecked ? BST_CHECKED : BST_UNCHECKED; }
    void SetCheckState(int state) override { SetChecked(state == BST_CHECKED); }
    void DrawBox(gfx::TCanvas& canvas, const TRect& box) override;

private:
    bool FChecked = false;
};

}  // namespace vcl
