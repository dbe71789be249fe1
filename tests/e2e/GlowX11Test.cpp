// Glow windows on a real X display (Xvfb): without a compositing manager
// nobody could blend the halo, so no glow is shown at all; under xcompmgr the
// halo shows in a screenshot blended over the window below, the element
// itself shows through, and a click on the halo reaches the window below.
// Skipped where Xvfb, xcompmgr, xdotool or ImageMagick's import is missing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "GlowTestKit.h"
#include "InternalSkinManager.h"
#include "PumpUntil.h"
#include "TTestProcess.h"
#include "TXvfbDisplay.h"
#include "gfx/ImageCodecs.h"
#include "skin/sSkinManager.h"
#include "skinpaint/acGlowEffect.h"
#include "ui/Backend.h"
#include "ui/Layered.h"
#include "ui/MessageLoop.h"
#include "ui/Paint.h"
#include "ui/Window.h"
#include "ui/WindowSystem.h"

namespace {

using testsupport::PumpUntil;

constexpr gfx::TColor BackdropColor = 0x00602010;  // red 0x10, green 0x20, blue 0x60

int Channel(uint32_t rgb, int c) { return int(rgb >> (8 * c) & 0xFF); }

class GlowOnX11 : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* program : {"Xvfb", "xcompmgr", "xdotool", "import"})
            if (!ProgramInPath(program)) GTEST_SKIP() << program << " is not installed";
        Display = std::make_unique<TXvfbDisplay>();
        setenv("DISPLAY", Display->Name().c_str(), 1);
        ASSERT_TRUE(ui::TWindowSystem::Get().SetBackend(ui::MakeBackend("x11")));
        Manager = skinkit::InternalSkinManager();
        Backdrop = glowtest::Backdrop(BackdropColor, {100, 100, 400, 300});
        ASSERT_TRUE(Backdrop);
        ASSERT_TRUE(PumpUntil([this] {
            gfx::TRect update;
            return ui::IsWindowVisible(Backdrop) && !ui::GetUpdateRect(Backdrop, update, false);
        }));
    }

    void TearDown() override {
        if (!Display) return;
        skinpaint::HideAllGlows(true);
        if (Manager) Manager->Free();
        ui::DestroyWindow(Backdrop);
        ui::ProcessPendingMessages();
        Compositor.reset();
        ui::TWindowSystem::Get().SetBackend(ui::MakeBackend("headless"));
        Display.reset();
    }

    int ShowButtonGlow() {
        return skinpaint::ShowGlow(Element, {0, 0, 75, 25}, "BUTTON", Manager, Backdrop, 10, "GLOW");
    }

    gfx::TBitmap Screenshot() {
        const std::string shot = ::testing::TempDir() + "glow_x11.png";
        OutputOf({"import", "-display", Display->Name(), "-window", "root", shot});
        std::ifstream in(shot, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (bytes.empty()) return {};
        gfx::TBitmap screen = gfx::ReadPng(bytes);
        screen.SetPixelFormat(gfx::pf32bit);  // the picture has no alpha
        return screen;
    }

    const gfx::TRect Element{200, 150, 275, 175};
    std::unique_ptr<TXvfbDisplay> Display;
    std::unique_ptr<TTestProcess> Compositor;
    skin::TsSkinManager* Manager = nullptr;
    ui::HWND Backdrop = nullptr;
};

// One display for both situations: the window system changes its backend
// only while no window exists, and the program's own windows stay.
TEST_F(GlowOnX11, NoGlowWithoutACompositingManagerAndABlendedHaloUnderXcompmgr) {
    EXPECT_FALSE(ui::LayeredWindowsAvailable());
    EXPECT_EQ(ShowButtonGlow(), -1) << "nobody could blend the halo";
    EXPECT_TRUE(skinpaint::GlowEffects().empty());

    Compositor = std::make_unique<TTestProcess>(std::vector<std::string>{"xcompmgr"},
                                                EnvironmentWith({"DISPLAY=" + Display->Name()}));
    ASSERT_TRUE(PumpUntil([] { return ui::LayeredWindowsAvailable(); })) << "xcompmgr did not take the display";
    const int handle = ShowButtonGlow();
    ASSERT_EQ(handle, 0);
    const skin::TsMaskData& entry = Manager->Masks[size_t(skinpaint::GlowEffects()[0]->ImageIndex)];
    const gfx::TBitmap picture = skinpaint::GlowPicture(entry, {91, 41});
    // The compositing manager draws on its own time.
    PumpUntil([] { return false; }, 1000);

    const gfx::TBitmap screen = Screenshot();
    ASSERT_EQ(screen.Width(), 1280);
    const uint32_t below = glowtest::Rgb(screen, 110, 110);
    EXPECT_EQ(below, 0x102060u);
    EXPECT_EQ(glowtest::Rgb(screen, 237, 162), below) << "the element shows through the empty centre";
    int halo = 0, off = 0;
    for (int y = 0; y < 41; ++y)
        for (int x = 0; x < 91; ++x) {
            const uint32_t shown = glowtest::Rgb(screen, 192 + x, 142 + y), expected = glowtest::Over(picture, x, y, below);
            for (int c = 0; c < 3; ++c)
                if (std::abs(Channel(shown, c) - Channel(expected, c)) > 2) ++off;
            if (shown != below) ++halo;
        }
    EXPECT_EQ(off, 0) << "every pixel of the window is the halo blended over the backdrop";
    EXPECT_GT(halo, 500);

    glowtest::Presses() = 0;
    OutputOf({"xdotool", "mousemove", "--sync", "195", "160", "click", "1"});
    EXPECT_TRUE(PumpUntil([] { return glowtest::Presses() > 0; })) << "the click on the halo reaches the window below";
}

}  // namespace
