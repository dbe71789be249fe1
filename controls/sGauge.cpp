// The gauge's properties, its skin commands and the light sweep's timer.
#include "controls/sGauge.h"

#include <algorithm>
#include <cmath>

#include "controls/sGaugeLight.h"
#include "controls/sParentUpdated.h"
#include "rtl/IntConvert.h"
#include "skin/sControlKinds.h"
#include "skin/sSkinCommands.h"
#include "skinpaint/sControlCorners.h"
#include "ui/Paint.h"
#include "ui/Window.h"
#include "vcl/TClassBuilder.h"
#include "vcl/TWinControl.h"

namespace controls {

namespace {

constexpr unsigned LightTickMs = 22;
constexpr int SweepPeriodMs = 2222;

}  // namespace

const vcl::TClassInfo& TsGauge::StaticClass() {
    static const vcl::TClassInfo& info = vcl::TClassBuilder<TsGauge>("TsGauge", vcl::TGauge::StaticClass())
                                             .Creatable()
                                             .Int("Progress", &TsGauge::SetProgress)
                                             .Bool("CalcPercents", &TsGauge::SetCalcPercents)
                                             .Bool("Animated", &TsGauge::SetAnimated)
                                             .String("ProgressSkin", &TsGauge::SetProgressSkin)
                                             .Object("SkinData", &TsGauge::SkinData)
                                             .Build();
    return info;
}

TsGauge::TsGauge(vcl::TComponent* owner) : vcl::TGauge(owner), FCommonData(this, true) {
    FCommonData.ControlKind = skin::ckGauge;
    SetBounds(Left(), Top(), 120, 30);
    SetProgress(47);
    FLightTimer = new vcl::TTimer(this);
    FLightTimer->SetEnabled(false);
    FLightTimer->SetInterval(LightTickMs);
    FLightTimer->SetOnTimer([this](vcl::TObject* sender) { LightTick(sender); });
}

TsGauge::~TsGauge() = default;

void TsGauge::Loaded() {
    vcl::TGauge::Loaded();
    FCommonData.BindToSkin();
    if (FAnimated) StartLight();
}

// --- properties

void TsGauge::SetProgress(int value) {
    const std::string before = Text();
    const int percent = PercentDone();
    vcl::TGauge::SetProgress(value);
    // The raw value is shown without CalcPercents: its text can change while
    // the percentage stays, and the picture must follow the text.
    if (PercentDone() == percent && Text() == before) return;
    Invalidate();
    Update();
}

void TsGauge::SetCalcPercents(bool value) {
    if (value == FCalcPercents) return;
    FCalcPercents = value;
    Invalidate();
}

void TsGauge::SetAnimated(bool value) {
    if (value == FAnimated) return;
    FAnimated = value;
    FBarPicture.reset();
    if (!value) StopLight();
    else if (!(ComponentState() & vcl::csLoading)) StartLight();
    Invalidate();
}

void TsGauge::SetProgressSkin(const std::string& value) {
    if (value == FProgressSkin) return;
    FProgressSkin = value;
    FBarPicture.reset();
    Invalidate();
}

std::string TsGauge::Text() const {
    return rtl::IntToStr(FCalcPercents ? PercentDone() : Progress()) + Suffix();
}

int TsGauge::FilledLength(int length) const {
    return std::min(length, int(std::trunc(length * PercentDone() * 0.01)));
}

int TsGauge::BarLength() const { return Kind() == vcl::gkVerticalBar ? Height() : Width(); }

void TsGauge::Invalidate() {
    FCommonData.PictureStale = true;
    vcl::TGauge::Invalidate();
}

// --- messages

void TsGauge::WndProc(vcl::TMessage& message) {
    if (message.Msg == skin::SKIN_COMMAND_MESSAGE) {
        if (ProcessCommand(message)) return;
    } else if (FCommonData.ProcessMessage(message)) {
        return;
    }
    vcl::TGauge::WndProc(message);
}

bool TsGauge::ProcessCommand(vcl::TMessage& message) {
    switch (skin::SkinCommandOf(message.WParam)) {
    case skin::SKC_APPLY_SKIN:
        FCommonData.ProcessMessage(message);
        // A skin that comes after loading finds the sweep stopped by an
        // unskinned tick.
        if (FAnimated && Skinned()) StartLight();
        return true;
    case skin::SKC_REMOVE_SKIN:
        StopLight();
        FBarPicture.reset();
        FCommonData.ProcessMessage(message);
        Repaint();
        return true;
    case skin::SKC_REFRESH:
        FBarPicture.reset();
        FCommonData.ProcessMessage(message);
        Repaint();
        if (FAnimated) StartLight();
        return true;
    case SKC_PARENT_UPDATED:
        FCommonData.PaintSuspended = false;
        if (FPaintDeferred) Repaint();
        return true;
    case skin::SKC_CLEAR_CACHE:
        FBarPicture.reset();
        return FCommonData.ProcessMessage(message);
    default: return FCommonData.ProcessMessage(message);
    }
}

// --- the light sweep

void TsGauge::StartLight() {
    FLightResting = false;
    if (!(ComponentState() & (vcl::csDesigning | vcl::csDestroying))) FLightTimer->SetEnabled(true);
}

void TsGauge::StopLight() {
    FLightTimer->SetEnabled(false);
    FLightResting = false;
}

void TsGauge::LightTick(vcl::TObject*) {
    if (!Skinned()) {
        StopLight();
        return;
    }
    vcl::TWinControl* parent = Parent();
    // Nobody sees the sweep of a gauge in a hidden window, so the timer
    // rests until the gauge is painted again: the idle program's hidden
    // progress window would otherwise wake it every 22 ms.
    if (!Visible() || !parent || !parent->HandleAllocated() || !ui::IsWindowVisible(parent->Handle())) {
        StopLight();
        FLightResting = true;
        return;
    }
    if (FLightClock > SweepPeriodMs) {
        FLightPos = -GaugeLightLength;
        FLightClock = 0;
    }
    FLightClock += int(LightTickMs);
    const int length = BarLength();
    // The light has passed the end: nothing to paint until the next sweep.
    if (FLightPos >= length) return;
    if (FilledLength(length) > 0) ShowComposedNow();
    FLightPos += std::max(15, int(std::lround(length * 44.0 / SweepPeriodMs)));
}

void TsGauge::ShowComposedNow() {
    ComposePicture();
    skinpaint::RepaintControlCorners(FCommonData, 0);
    const ui::HWND window = Parent()->Handle();
    if (ui::HDC dc = ui::GetDC(window)) {
        dc->BitBlt(Left(), Top(), Width(), Height(), FCommonData.CachePicture->Canvas(), 0, 0);
        ui::ReleaseDC(window, dc);
    }
}

}  // namespace controls
