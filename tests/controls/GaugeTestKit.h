#pragma once
// The progress window's two gauges on its skinned form, on a headless desktop
// with the internal skin, made from a stored layout as the program makes them.
#include <string>

#include "InternalSkinManager.h"
#include "controls/sControlArt.h"
#include "controls/sGauge.h"
#include "skin/sSkinManager.h"
#include "skin/sStoredSkins.h"
#include "skinpaint/sBlockCopy.h"
#include "skinpaint/sSkinProvider.h"
#include "ui/Backend.h"
#include "ui/Headless.h"
#include "ui/MessageLoop.h"
#include "ui/WindowSystem.h"
#include "vcl/TApplication.h"
#include "vcl/TCustomForm.h"

namespace gaugetest {

// The gauges at the progress window's places and sizes.
inline constexpr const char* ProgressLayout = R"(
object GaugeForm: TGaugeForm
  BorderStyle = bsDialog
  Caption = 'YouTube to AVI DivX...'
  ClientWidth = 389
  ClientHeight = 163
  Color = clBtnFace
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  object sSkinProvider1: TsSkinProvider
    SkinData.SkinSection = 'FORM'
  end
  object sGauge1: TsGauge
    Left = 8
    Top = 48
    Width = 369
    Height = 17
    ForeColor = clBlack
    Suffix = '%'
    SkinData.SkinSection = 'GAUGE'
  end
  object sGauge2: TsGauge
    Left = 8
    Top = 96
    Width = 369
    Height = 17
    ForeColor = clBlack
    Suffix = '%'
    SkinData.SkinSection = 'GAUGE'
  end
end
)";

class TGaugeForm : public vcl::TForm {
public:
    explicit TGaugeForm(const char* layout = ProgressLayout) : vcl::TForm(vcl::Application) {
        PublishField("sGauge1", sGauge1);
        PublishField("sGauge2", sGauge2);
        ReadLayout(layout);
    }
    controls::TsGauge* sGauge1 = nullptr;
    controls::TsGauge* sGauge2 = nullptr;
};

// A fresh desktop with the test clock (or the X display of $DISPLAY), the
// internal skin applied by a manager, and the form shown at (100, 100).
class TGaugeDesktop {
public:
    explicit TGaugeDesktop(bool onX11 = false, const char* layout = ProgressLayout) {
        ui::headless::Reset(640, 400);
        if (onX11) {
            // The X display runs on the real clock.
            ui::headless::SetTestClock(false);
            ui::TWindowSystem::Get().SetBackend(ui::MakeBackend("x11"));
        }
        vcl::Application->ClearTerminated();
        (void)controls::TsGauge::StaticClass();
        (void)skinpaint::TsSkinProvider::StaticClass();
        controls::RegisterControlArt();
        Manager = skinkit::InternalSkinManager();
        Form = new TGaugeForm(layout);
        Form->SetBounds(100, 100, Form->Width(), Form->Height());
        Form->Show();
        ui::ProcessPendingMessages();
    }
    ~TGaugeDesktop() {
        Form->Free();
        Manager->Free();
        vcl::Application->ProcessMessages();
    }
    TGaugeDesktop(const TGaugeDesktop&) = delete;
    TGaugeDesktop& operator=(const TGaugeDesktop&) = delete;

    // What the desktop shows where a gauge lies, and `margin` pixels around.
    gfx::TBitmap Shown(controls::TsGauge& gauge, int margin = 0) const;

    skin::TsSkinManager* Manager = nullptr;
    TGaugeForm* Form = nullptr;
};

inline gfx::TBitmap TGaugeDesktop::Shown(controls::TsGauge& gauge, int margin) const {
    const gfx::TBitmap desktop = ui::headless::ComposeDesktop();
    const gfx::TPoint at = gauge.ClientToScreen({-margin, -margin});
    gfx::TBitmap picture(gauge.Width() + 2 * margin, gauge.Height() + 2 * margin);
    skinpaint::CopyBlock(picture, 0, 0, desktop, gfx::Bounds(at.X, at.Y, picture.Width(), picture.Height()));
    return picture;
}

}  // namespace gaugetest
