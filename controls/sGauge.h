#pragma once
// The skinned gauge of the progress window: the value as a bar painted from a
// bar section ("PROGRESSH" unless ProgressSkin names another) over the
// trough of its own section, the percentage written over both in their own
// font colours, and a soft light sweeping along the filled part about every
// 2.2 seconds. Without a skin it looks like the plain gauge.
//
// Every change of Progress that changes the percentage repaints at once: the
// job controller sets a value and goes on to blocking work.
#include <memory>
#include <string>

#include "gfx/TBitmap.h"
#include "skin/sCommonData.h"
#include "vcl/TGauge.h"
#include "vcl/TTimer.h"

namespace controls {

class TsGauge : public vcl::TGauge {
public:
    explicit TsGauge(vcl::TComponent* owner);
    ~TsGauge() override;

    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }

    // Kept within MinValue..MaxValue; repaints at once when the percentage
    // changes.
    void SetProgress(int value) override;
    // The text shows the percentage (true) or Progress itself.
    bool CalcPercents() const { return FCalcPercents; }
    void SetCalcPercents(bool value);
    // The light sweep runs.
    bool Animated() const { return FAnimated; }
    void SetAnimated(bool value);
    // The section of the filled part; empty takes "PROGRESSH".
    const std::string& ProgressSkin() const { return FProgressSkin; }
    void SetProgressSkin(const std::string& value);
    skin::TsCtrlSkinData& SkinData() { return FCommonData; }

    // What the text says: the percentage or Progress, then Suffix.
    std::string Text() const;
    // The filled part of a bar `length` pixels long.
    int FilledLength(int length) const;
    // Where the light's left edge is along the bar, and how long the current
    // sweep has run (milliseconds), for tests and the sweep itself.
    int LightPos() const { return FLightPos; }
    int LightClock() const { return FLightClock; }
    bool LightRunning() const { return FLightTimer->Enabled(); }

    void WndProc(vcl::TMessage& message) override;
    void Loaded() override;
    void Invalidate() override;

protected:
    void Paint() override;

private:
    bool Skinned() const { return FCommonData.IsSkinned(); }
    bool ProcessCommand(vcl::TMessage& message);
    void StartLight();
    void StopLight();
    void LightTick(vcl::TObject* sender);
    // The bar's length along its direction.
    int BarLength() const;
    // Composes the whole look into the binding's cache picture.
    void ComposePicture();
    void PaintBar(const gfx::TRect& bar);
    void PaintLight(gfx::TBitmap& filled);
    int BarSectionIndex() const;
    // Composes the look and shows it where the gauge lies on its parent's
    // window, without waiting for a paint message.
    void ShowComposedNow();

    skin::TsCtrlSkinData FCommonData;
    vcl::TTimer* FLightTimer = nullptr;
    bool FCalcPercents = true;
    bool FAnimated = true;
    std::string FProgressSkin;
    // A paint came while painting was put off (see MustDeferPaint).
    bool FPaintDeferred = false;
    // The light stopped for a hidden window; the next paint starts it again.
    bool FLightResting = false;
    int FLightPos = 9999;
    int FLightClock = 2223;
    // The light stretched to the bar, and the last filled part painted.
    gfx::TBitmap FLightImage;
    std::unique_ptr<gfx::TBitmap> FBarPicture;
};

}  // namespace controls
