#pragma once
// Labels: a caption drawn by the parent, sized to the text (AutoSize), word
// wrapped or on one line, aligned left, right or centred and placed at the
// top, middle or bottom; transparent or filled with its colour. The '&'
// marks an accelerator that focuses the FocusControl.
#include "vcl/TGraphicControl.h"

namespace vcl {

class TWinControl;

enum TTextLayout { tlTop, tlCenter, tlBottom };

class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent* owner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool Transparent() const { return !(FControlStyle & csOpaque); }
    void SetTransparent(bool value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* control);

    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    // Draws (or with DT_CALCRECT measures) the caption; skinned labels draw
    // it their own way.
    virtual void DoDrawText(TRect& rect, unsigned flags);
    void AdjustSize() override;
    void Notification(TComponent* component, TOperation operation) override;
    unsigned DrawStyle() const;

private:
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
    bool FShowAccelChar = true;
    TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
public:
    using TCustomLabel::TCustomLabel;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }
};

}  // namespace vcl
