#include "vcl/TGauge.h"

#include <algorithm>

#include "vcl/TClassBuilder.h"

namespace vcl {

const TClassInfo& TGauge::StaticClass() {
    static const TClassInfo& info =
        TClassBuilder<TGauge>("TGauge", TGraphicControl::StaticClass())
            .Creatable()
            .Enum("Kind", &TGauge::SetKind,
                  {{"gkText", gkText}, {"gkHorizontalBar", gkHorizontalBar}, {"gkVerticalBar", gkVerticalBar}})
            .Int("MinValue", &TGauge::SetMinValue)
            .Int("MaxValue", &TGauge::SetMaxValue)
            .Int("Progress", &TGauge::SetProgress)
            .Bool("ShowText", &TGauge::SetShowText)
            .String("Suffix", &TGauge::SetSuffix)
            .Color("ForeColor", &TGauge::SetForeColor)
            .Color("BackColor", &TGauge::SetBackColor)
            .Enum("BorderStyle", &TGauge::SetBorderStyle, {{"bsNone", gbsNone}, {"bsSingle", gbsSingle}})
            .Build();
    return info;
}

TGauge::TGauge(TComponent* owner) : TGraphicControl(owner) {
    FControlStyle |= csOpaque;
    FWidth = 100;
    FHeight = 100;
}

void TGauge::SetKind(TGaugeKind kind) {
    FKind = kind;
    Invalidate();
}

void TGauge::SetMinValue(int value) {
    FMinValue = value;
    FMaxValue = std::max(FMaxValue, value);
    SetProgress(FProgress);
    Invalidate();
}

void TGauge::SetMaxValue(int value) {
    FMaxValue = value;
    FMinValue = std::min(FMinValue, value);
    SetProgress(FProgress);
    Invalidate();
}

void TGauge::SetProgress(int value) {
    value = std::clamp(value, FMinValue, FMaxValue);
    if (value == FProgress) return;
    FProgress = value;
    Invalidate();
    if (OnChange) OnChange(this);
}

int TGauge::PercentDone() const {
    if (FMaxValue == FMinValue) return 100;
    return static_cast<int>(int64_t(FProgress - FMinValue) * 100 / (int64_t(FMaxValue) - FMinValue));
}

void TGauge::SetShowText(bool value) {
    FShowText = value;
    Invalidate();
}

void TGauge::SetSuffix(const std::string& suffix) {
    FSuffix = suffix;
    Invalidate();
}

void TGauge::SetForeColor(gfx::TColor color) {
    FForeColor = color;
    Invalidate();
}

void TGauge::SetBackColor(gfx::TColor color) {
    FBackColor = color;
    Invalidate();
}

void TGauge::SetBorderStyle(TGaugeBorderStyle style) {
    FBorderStyle = style;
    Invalidate();
}

void TGauge::Paint() {
    gfx::TCanvas& canvas = Canvas();
    TRect inner = ClientRect();
    if (FBorderStyle == gbsSingle) {
        canvas.Brush.Style = gfx::bsSolid;
        canvas.Brush.Color = FForeColor;
        canvas.FrameRect(inner);
        inner = {inner.Left + 1, inner.Top + 1, inner.Right - 1, inner.Bottom - 1};
    }
    TRect filled = inner;
    if (FKind == gkHorizontalBar) filled.Right = inner.Left + inner.Width() * PercentDone() / 100;
    if (FKind == gkVerticalBar) filled.Top = inner.Bottom - inner.Height() * PercentDone() / 100;
    if (FKind == gkText) filled = {inner.Left, inner.Top, inner.Left, inner.Top};
    canvas.Brush.Style = gfx::bsSolid;
    canvas.Brush.Color = FBackColor;
    canvas.FillRect(inner);
    canvas.Brush.Color = FForeColor;
    canvas.FillRect(filled);
    if (!FShowText) return;
    // The text in the back colour over the bar and in the fore colour beside it.
    const std::string text = std::to_string(PercentDone()) + FSuffix;
    canvas.Brush.Style = gfx::bsClear;
    for (int part = 0; part < 2; ++part) {
        canvas.SaveDC();
        if (part == 0)
            canvas.ExcludeClipRect(filled);
        else
            canvas.IntersectClipRect(filled);
        canvas.Font.Color = part == 0 ? FForeColor : FBackColor;
        TRect place = inner;
        canvas.DrawText(text, place, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE | gfx::DT_NOPREFIX);
        canvas.RestoreDC(-1);
    }
}

}  // namespace vcl
