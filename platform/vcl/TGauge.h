#pragma once
// The gauge: a value between MinValue and MaxValue shown as a bar (or as
// text, a pie or a needle) with its percentage and a suffix written over it
// in inverted colours.
#include "vcl/TGraphicControl.h"

namespace vcl {

enum TGaugeKind { gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };
enum TGaugeBorderStyle { gbsNone, gbsSingle };

class TGauge : public TGraphicControl {
public:
    explicit TGauge(TComponent* owner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TGaugeKind Kind() const { return FKind; }
    void SetKind(TGaugeKind value);
    int MinValue() const { return FMinValue; }
    // Raises EInvalidOperation "Value must be between %d and %d" for a
    // minimum above the maximum (not while the layout is being read).
    void SetMinValue(int value);
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int value);
    int Progress() const { return FProgress; }
    // Kept within MinValue..MaxValue.
    virtual void SetProgress(int value);
    // The percentage, truncated; 0 when the range is empty.
    int PercentDone() const;
    bool ShowText() const { return FShowText; }
    void SetShowText(bool value);
    const std::string& Suffix() const { return FSuffix; }
    void SetSuffix(const std::string& value);
    gfx::TColor ForeColor() const { return FForeColor; }
    void SetForeColor(gfx::TColor value);
    gfx::TColor BackColor() const { return FBackColor; }
    void SetBackColor(gfx::TColor value);
    TGaugeBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TGaugeBorderStyle value);

    TNotifyEvent OnChange;
    void SetOnChange(const TNotifyEvent& e) { OnChange = e; }

protected:
    void Paint() override;

private:
    TGaugeKind FKind = gkHorizontalBar;
    int FMinValue = 0;
    int FMaxValue = 100;
    int FProgress = 0;
    bool FShowText = true;
    std::string FSuffix = "%";
    gfx::TColor FForeColor = gfx::clBlack;
    gfx::TColor FBackColor = gfx::clWhite;
    TGaugeBorderStyle FBorderStyle = gbsSingle;
};

}  // namespace vcl
