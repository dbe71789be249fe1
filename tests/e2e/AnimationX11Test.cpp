// The show animation of a framed form on a real X display (Xvfb): without a
// compositing manager the form shows at once; under xcompmgr its picture
// fades in over the window below, and a screenshot taken half-way (kept as
// e2e-animation-show-mid.png) shows the form blended over that window while
// the form itself is not mapped yet. Skipped where Xvfb, xcompmgr or
// ImageMagick's import is missing.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "GlowTestKit.h"
#include "InternalSkinManager.h"
#include "PumpUntil.h"
#include "TTestProcess.h"
#include "TXvfbDisplay.h"
#include "gfx/ImageCodecs.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sAnimationWindow.h"
#include "skinpaint/sFormAdapter.h"
#include "skinpaint/sSkinProvider.h"
#include "ui/Backend.h"
#include "ui/Layered.h"
#include "ui/MessageLoop.h"
#include "ui/Paint.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"
#include "ui/WindowSystem.h"
#include "vcl/TApplication.h"
#include "vcl/TCustomForm.h"

namespace {

using testsupport::PumpUntil;

constexpr gfx::TColor BackdropColor = 0x00602010;  // red 0x10, green 0x20, blue 0x60
constexpr uint32_t BackdropRgb = 0x102060;

std::string Artefact(const std::string& name) { return std::string(E2E_ARTEFACTS) + "/" + name; }

int Channel(uint32_t rgb, int c) { return int(rgb >> (8 * c) & 0xFF); }

class AnimationOnX11 : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* program : {"Xvfb", "xcompmgr", "import"})
            if (!ProgramInPath(program)) GTEST_SKIP() << program << " is not installed";
        Display = std::make_unique<TXvfbDisplay>();
        setenv("DISPLAY", Display->Name().c_str(), 1);
        ASSERT_TRUE(ui::TWindowSystem::Get().SetBackend(ui::MakeBackend("x11")));
        skinpaint::InstallSkinEngine();
        Manager = skinkit::InternalSkinManager();
        Manager->Effects().SetAllowGlowing(false);
        Backdrop = glowtest::Backdrop(BackdropColor, {0, 0, 800, 600});
        ASSERT_TRUE(PumpUntil([this] {
            gfx::TRect update;
            return ui::IsWindowVisible(Backdrop) && !ui::GetUpdateRect(Backdrop, update, false);
        }));
    }

    void TearDown() override {
        if (!Display) return;
        skinpaint::SetAnimationFrameObserver(nullptr);
        if (Form) Form->Free();
        if (Manager) Manager->Free();
        ui::DestroyWindow(Backdrop);
        ui::ProcessPendingMessages();
        Compositor.reset();
        ui::TWindowSystem::Get().SetBackend(ui::MakeBackend("headless"));
        Display.reset();
    }

    void MakeForm() {
        Form = new vcl::TForm(vcl::Application);
        Form->ReadLayout(
            "object Form1: TForm\n"
            "  Left = 100\n"
            "  Top = 80\n"
            "  BorderStyle = bsSingle\n"
            "  BorderIcons = [biSystemMenu, biMinimize]\n"
            "  Caption = 'Kestrune YouTube Converter 2.8'\n"
            "  ClientWidth = 372\n"
            "  ClientHeight = 250\n"
            "  object sSkinProvider1: TsSkinProvider\n"
            "    SkinData.SkinSection = 'FORM'\n"
            "  end\n"
            "end\n");
    }

    gfx::TBitmap Screenshot(const std::string& path) {
        OutputOf({"import", "-display", Display->Name(), "-window", "root", path});
        std::ifstream in(path, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (bytes.empty()) return {};
        gfx::TBitmap screen = gfx::ReadPng(bytes);
        screen.SetPixelFormat(gfx::pf32bit);
        return screen;
    }

    std::unique_ptr<TXvfbDisplay> Display;
    std::unique_ptr<TTestProcess> Compositor;
    skin::TsSkinManager* Manager = nullptr;
    ui::HWND Backdrop = nullptr;
    vcl::TForm* Form = nullptr;
};

TEST_F(AnimationOnX11, AtOnceWithoutACompositingManagerAndFadingInUnderXcompmgr) {
    Manager->AnimEffects().FormShow().SetTime(240);
    Manager->AnimEffects().FormShow().SetMode(skin::atFading);
    int frames = 0;
    skinpaint::SetAnimationFrameObserver([&](const skinpaint::TacAnimationFrame&) { ++frames; });
    MakeForm();
    EXPECT_FALSE(ui::LayeredWindowsAvailable());
    Form->Show();
    EXPECT_EQ(frames, 0) << "nobody could blend the picture";
    EXPECT_TRUE(ui::IsWindowVisible(Form->Handle()));
    Form->Hide();
    ui::ProcessPendingMessages();

    Compositor = std::make_unique<TTestProcess>(std::vector<std::string>{"xcompmgr"},
                                                EnvironmentWith({"DISPLAY=" + Display->Name()}));
    ASSERT_TRUE(PumpUntil([] { return ui::LayeredWindowsAvailable(); })) << "xcompmgr did not take the display";
    gfx::TBitmap mid;
    int midOpacity = -1;
    bool formMappedMid = true;
    skinpaint::SetAnimationFrameObserver([&](const skinpaint::TacAnimationFrame& frame) {
        ++frames;
        if (midOpacity >= 0 || frame.Opacity < 120) return;
        // The compositing manager draws on its own time.
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        midOpacity = frame.Opacity;
        formMappedMid = ui::IsWindowVisible(Form->Handle());
        mid = Screenshot(Artefact("e2e-animation-show-mid.png"));
    });
    frames = 0;
    Form->Show();
    EXPECT_GT(frames, 20);
    ASSERT_GE(midOpacity, 120);
    EXPECT_FALSE(formMappedMid);
    PumpUntil([] { return false; }, 600);
    const gfx::TBitmap shown = Screenshot(::testing::TempDir() + "animation_x11_end.png");
    ASSERT_EQ(mid.Width(), shown.Width());
    EXPECT_EQ(glowtest::Rgb(mid, 50, 50), BackdropRgb);
    // Across the title and the client area, the half-way picture is the form
    // blended over the backdrop at that frame's opacity.
    int compared = 0, off = 0;
    const gfx::TRect r = ui::GetWindowRect(Form->Handle());
    for (int y = r.Top + 4; y < r.Bottom - 4; y += 7)
        for (int x = r.Left + 4; x < r.Right - 4; x += 7) {
            const uint32_t end = glowtest::Rgb(shown, x, y), half = glowtest::Rgb(mid, x, y);
            ++compared;
            for (int c = 0; c < 3; ++c) {
                const int expected =
                    (Channel(end, c) * midOpacity + Channel(BackdropRgb, c) * (255 - midOpacity)) / 255;
                if (std::abs(Channel(half, c) - expected) > 3) ++off;
            }
        }
    EXPECT_GT(compared, 1000);
    EXPECT_EQ(off, 0);
}

}  // namespace
