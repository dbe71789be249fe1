#pragma once
// A progress gauge drawn by its parent: a value between MinValue and
// MaxValue as a filled bar with the percentage written over it, in two
// colours so that the text stays readable over both parts.
#include "vcl/TGraphicControl.h"

namespace vcl {

enum TGaugeKind { gkText, gkHorizontalBar, gkVerticalBar };
enum TGaugeBorderStyle { gbsNone, gbsSingle };

class TGauge : public TGraphicControl {
public:
    explicit TGauge(TComponent* owner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TGaugeKind Kind() const { return FKind; }
    void SetKind(TGaugeKind kind);
    int MinValue() const { return FMinValue; }
    void SetMinValue(int value);
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int value);
    // Kept within MinValue..MaxValue.
    int Progress() const { return FProgress; }
    void SetProgress(int value);
    // Whole percent of the range, truncated.
    int PercentDone() const;
    bool ShowText() const { return FShowText; }
    void SetShowText(bool value);
    const std::string& Suffix() const { return FSuffix; }
    void SetSuffix(const std::string& suffix);
    gfx::TColor ForeColor() const { return FForeColor; }
    void SetForeColor(gfx::TColor color);
    gfx::TColor BackColor() const { return FBackColor; }
    void SetBackColor(gfx::TColor color);
    TGaugeBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TGaugeBorderStyle style);

    TNotifyEvent OnChange;

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
