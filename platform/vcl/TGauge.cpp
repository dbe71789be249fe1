#include "vcl/TGauge.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "rtl/IntConvert.h"
#include "vcl/TClassBuilder.h"
#include "vcl/VclExceptions.h"

namespace vcl {

namespace {

[[noreturn]] void OutOfRange(long long low, long long high) {
    throw EInvalidOperation("Value must be between " + rtl::IntToStr(low) + " and " + rtl::IntToStr(high));
}

}  // namespace

const TClassInfo& TGauge::StaticClass() {
    static const TClassInfo& info =
        TClassBuilder<TGauge>("TGauge", TGraphicControl::StaticClass())
            .Creatable()
            .Enum("Kind", &TGauge::SetKind,
                  {{"gkText", gkText}, {"gkHorizontalBar", gkHorizontalBar}, {"gkVerticalBar", gkVerticalBar},
                   {"gkPie", gkPie}, {"gkNeedle", gkNeedle}})
            .Int("MinValue", &TGauge::SetMinValue)
            .Int("MaxValue", &TGauge::SetMaxValue)
            .Int("Progress", &TGauge::SetProgress)
            .Bool("ShowText", &TGauge::SetShowText)
            .String("Suffix", &TGauge::SetSuffix)
            .Color("ForeColor", &TGauge::SetForeColor)
            .Color("BackColor", &TGauge::SetBackColor)
            .Enum("BorderStyle", &TGauge::SetBorderStyle, {{"bsNone", gbsNone}, {"bsSingle", gbsSingle}})
            .Event("OnChange", &TGauge::SetOnChange)
            .Build();
    return info;
}

TGauge::TGauge(TComponent* owner) : TGraphicControl(owner) {
    FControlStyle |= csOpaque;
    FWidth = 100;
    FHeight = 100;
}

void TGauge::SetKind(TGaugeKind value) {
    FKind = value;
    Invalidate();
}

void TGauge::SetMinValue(int value) {
    if (value == FMinValue) return;
    if (value > FMaxValue && !(ComponentState() & csLoading)) OutOfRange(-INT_MAX, FMaxValue - 1LL);
    FMinValue = value;
    if (FProgress < value) FProgress = value;
    Invalidate();
}

void TGauge::SetMaxValue(int value) {
    if (value == FMaxValue) return;
    if (value < FMinValue && !(ComponentState() & csLoading)) OutOfRange(FMinValue + 1LL, INT_MAX);
    FMaxValue = value;
    if (FProgress > value) FProgress = value;
    Invalidate();
}

void TGauge::SetProgress(int value) {
    value = std::clamp(value, FMinValue, std::max(FMinValue, FMaxValue));
    if (value == FProgress) return;
    const int before = PercentDone();
    FProgress = value;
    if (PercentDone() != before) Invalidate();
    if (OnChange) OnChange(this);
}

int TGauge::PercentDone() const {
    if (FMaxValue == FMinValue) return 0;
    return int(std::trunc(double(FProgress - FMinValue) * 100.0 / double(FMaxValue - FMinValue)));
}

void TGauge::SetShowText(bool value) {
    FShowText = value;
    Invalidate();
}

void TGauge::SetSuffix(const std::string& value) {
    FSuffix = value;
    Invalidate();
}

void TGauge::SetForeColor(gfx::TColor value) {
    FForeColor = value;
    Invalidate();
}

void TGauge::SetBackColor(gfx::TColor value) {
    FBackColor = value;
    Invalidate();
}

void TGauge::SetBorderStyle(TGaugeBorderStyle value) {
    FBorderStyle = value;
    Invalidate();
}

// The bar in the fore colour over the back colour; the text in the back
// colour over the bar and in the fore colour beside it, so that it stays
// readable over both parts.
void TGauge::Paint() {
    gfx::TCanvas& canvas = Canvas();
    TRect inner = ClientRect();
    if (FBorderStyle == gbsSingle) {
        canvas.Brush = {FForeColor, gfx::bsSolid};
        canvas.FrameRect(inner);
        inner = {inner.Left + 1, inner.Top + 1, inner.Right - 1, inner.Bottom - 1};
    }
    const int percent = PercentDone();
    TRect filled = {inner.Left, inner.Top, inner.Left, inner.Top};
    if (FKind == gkHorizontalBar) filled = {inner.Left, inner.Top, inner.Left + inner.Width() * percent / 100, inner.Bottom};
    if (FKind == gkVerticalBar) filled = {inner.Left, inner.Bottom - inner.Height() * percent / 100, inner.Right, inner.Bottom};
    canvas.Brush = {FBackColor, gfx::bsSolid};
    canvas.FillRect(inner);
    canvas.Brush.Color = FForeColor;
    canvas.FillRect(filled);
    if (FKind == gkPie || FKind == gkNeedle) {
        // A needle from the bottom centre, turning with the percentage.
        const double angle = M_PI * (1.0 - percent / 100.0);
        const int cx = inner.Left + inner.Width() / 2, cy = inner.Bottom - 1;
        const int radius = std::min(inner.Width() / 2, inner.Height() - 1);
        canvas.Pen = {FForeColor, gfx::psSolid};
        canvas.MoveTo(cx, cy);
        canvas.LineTo(cx + int(std::lround(radius * std::cos(angle))), cy - int(std::lround(radius * std::sin(angle))));
    }
    if (!FShowText) return;
    const std::string text = rtl::IntToStr(percent) + FSuffix;
    canvas.Brush.Style = gfx::bsClear;
    canvas.Font = FFont.Handle();
    for (int part = 0; part < 2; ++part) {
        const int saved = canvas.SaveDC();
        if (part == 0)
            canvas.ExcludeClipRect(filled);
        else
            canvas.IntersectClipRect(filled);
        canvas.Font.Color = part == 0 ? FForeColor : FBackColor;
        TRect place = inner;
        canvas.DrawText(text, place, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE | gfx::DT_NOPREFIX);
        canvas.RestoreDC(saved);
    }
}

}  // namespace vcl
