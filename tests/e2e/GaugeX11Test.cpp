// Gauges on a real X display (Xvfb) show what they show on the headless
// desktop, pixel for pixel: the plain gauge and the skinned one at 100, 50
// and 0, their percentages over the bar included. The X picture is kept as
// e2e-gauges-x11.png beside the test programs. Skipped where Xvfb or
// ImageMagick's import is missing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "GaugeTestKit.h"
#include "PumpUntil.h"
#include "TTestProcess.h"
#include "TXvfbDisplay.h"
#include "gfx/ImageCodecs.h"
#include "ui/Paint.h"
#include "ui/Window.h"

namespace {

using gaugetest::TGaugeDesktop;

// Plain gauges as the progress window had them, and skinned ones without the
// light, so that a picture does not depend on when it is taken.
constexpr const char* GaugesLayout = R"(
object GaugeForm: TGaugeForm
  BorderStyle = bsDialog
  Caption = 'Gauges'
  ClientWidth = 389
  ClientHeight = 163
  Color = clBtnFace
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  object sSkinProvider1: TsSkinProvider
    SkinData.SkinSection = 'FORM'
  end
  object Plain100: TGauge
    Left = 8
    Top = 8
    Width = 369
    Height = 17
    ForeColor = clBlack
    Progress = 100
  end
  object Plain50: TGauge
    Left = 8
    Top = 32
    Width = 369
    Height = 17
    ForeColor = clBlack
    Progress = 50
  end
  object Plain0: TGauge
    Left = 8
    Top = 56
    Width = 369
    Height = 17
    ForeColor = clBlack
    Progress = 0
  end
  object sGauge1: TsGauge
    Left = 8
    Top = 88
    Width = 369
    Height = 17
    Animated = False
    Progress = 100
    SkinData.SkinSection = 'GAUGE'
  end
  object sGauge2: TsGauge
    Left = 8
    Top = 112
    Width = 369
    Height = 17
    Animated = False
    Progress = 50
    SkinData.SkinSection = 'GAUGE'
  end
end
)";

std::string Artefact(const std::string& name) { return std::string(E2E_ARTEFACTS) + "/" + name; }

// Without alpha: the screenshot's pixels carry none.
void Keep(const gfx::TBitmap& picture, const std::string& name) {
    gfx::TBitmap opaque;
    opaque.Assign(picture);
    opaque.SetPixelFormat(gfx::pf24bit);
    std::ofstream(Artefact(name), std::ios::binary) << gfx::WritePng(opaque);
}

gfx::TBitmap ClientArea(const gfx::TBitmap& screen, const vcl::TForm& form) {
    const gfx::TPoint at = form.ClientToScreen({0, 0});
    gfx::TBitmap client(form.ClientWidth(), form.ClientHeight());
    skinpaint::CopyBlock(client, 0, 0, screen, gfx::Bounds(at.X, at.Y, client.Width(), client.Height()));
    return client;
}

gfx::TBitmap HeadlessPicture() {
    TGaugeDesktop desktop(false, GaugesLayout);
    return ClientArea(ui::headless::ComposeDesktop(), *desktop.Form);
}

gfx::TBitmap X11Picture(const std::string& display) {
    TGaugeDesktop desktop(true, GaugesLayout);
    const ui::HWND window = desktop.Form->Handle();
    testsupport::PumpUntil([window] {
        gfx::TRect update;
        return ui::IsWindowVisible(window) && !ui::GetUpdateRect(window, update, false);
    });
    testsupport::PumpUntil([] { return false; }, 300);
    const std::string shot = Artefact("e2e-gauges-x11-screen.png");
    OutputOf({"import", "-display", display, "-window", "root", shot});
    std::ifstream in(shot, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::remove(shot.c_str());
    if (bytes.empty()) return {};
    gfx::TBitmap screen = gfx::ReadPng(bytes);
    screen.SetPixelFormat(gfx::pf32bit);
    return ClientArea(screen, *desktop.Form);
}

TEST(GaugesOnX11, ShowTheirPercentagesAsOnTheHeadlessDesktop) {
    for (const char* program : {"Xvfb", "import"})
        if (!ProgramInPath(program)) GTEST_SKIP() << program << " is not installed";
    const gfx::TBitmap expected = HeadlessPicture();

    TXvfbDisplay display;
    setenv("DISPLAY", display.Name().c_str(), 1);
    const gfx::TBitmap shown = X11Picture(display.Name());
    ui::headless::Reset();
    ASSERT_EQ(shown.Width(), expected.Width()) << "no picture of the X display";
    Keep(shown, "e2e-gauges-x11.png");

    int differing = 0, firstX = -1, firstY = -1;
    for (int y = 0; y < shown.Height(); ++y)
        for (int x = 0; x < shown.Width(); ++x)
            if (std::memcmp(shown.ScanLine(y) + 4 * x, expected.ScanLine(y) + 4 * x, 3) != 0 && !differing++)
                firstX = x, firstY = y;
    if (differing) Keep(expected, "e2e-gauges-headless.png");
    EXPECT_EQ(differing, 0) << "first at " << firstX << ", " << firstY
                            << "; compare e2e-gauges-x11.png with e2e-gauges-headless.png";
}

}  // namespace
