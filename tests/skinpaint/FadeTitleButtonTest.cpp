// The title-button animation on the composed headless desktop, driven by the
// test clock, with a stand-in frame: the glow faded in and out around a
// hovered close button, the pressed look at once, the glyph fade where there
// is no glow, and hosts that go while a button animates.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "PaintTestKit.h"
#include "skin/sFadeSwitch.h"
#include "skin/sSkinManager.h"
#include "skinpaint/acSBAnimation.h"
#include "ui/DefWindowProc.h"
#include "ui/Headless.h"
#include "ui/MessageLoop.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowClass.h"
#include "ui/WindowPos.h"
#include "vcl/TApplication.h"

using namespace skinpaint;
using painttest::Filled;
using painttest::Px;
using ui::headless::AdvanceClock;

namespace {

constexpr uint32_t Grey = 0xFF808080, Red = 0xFFFF0000, Green = 0xFF00FF00, Blue = 0xFF0000FF, White = 0xFFFFFFFF;

// A frame provider as its buttons' animations see it: a grey window at
// (100, 100) whose close button sits at (250, 5) in the window and fades out
// when the mouse leaves it, as the frame does.
class THostProbe : public TacTitleButtonHost {
public:
    THostProbe() : Component(new vcl::TComponent(nullptr)), Data(Component, false) {
        Current = this;
        ui::TWndClass wc;
        if (!ui::GetClassInfo("FadeTitleHost", wc)) {
            wc.ClassName = "FadeTitleHost";
            wc.WndProc = Proc;
            wc.Background = 0x808080;
            ui::RegisterClass(wc);
        }
        Window =
            ui::CreateWindowEx(0, "FadeTitleHost", "", ui::WS_POPUP | ui::WS_VISIBLE, 100, 100, 300, 200, nullptr, 0);
        Close.Bounds = {250, 5, 271, 26};
        Close.HitCode = int(ui::HTCLOSE);
        Close.State = 0;
    }
    ~THostProbe() {
        Current = nullptr;
        FreeTitleButtonAnimation(Close);
        if (Component) Component->Free();
        if (ui::IsWindow(Window)) ui::DestroyWindow(Window);
    }
    vcl::TComponent* HostComponent() override { return Component; }
    skin::TsCommonData& HostSkinData() override { return Data; }
    ui::HWND HostWindow() override { return Window; }
    bool HostMinimized() override { return Minimized; }

    static ui::LRESULT Proc(ui::HWND hwnd, ui::UINT msg, ui::WPARAM wParam, ui::LPARAM lParam) {
        if (msg == ui::WM_MOUSELEAVE && Current) {
            ++Current->Leaves;
            AnimateTitleButton(Current->Close, 0, 10, *Current, false);
            return 0;
        }
        return ui::DefWindowProc(hwnd, msg, wParam, lParam);
    }

    static inline THostProbe* Current = nullptr;
    vcl::TComponent* Component;
    skin::TsCommonData Data;
    ui::HWND Window = nullptr;
    bool Minimized = false;
    TitleButtonState Close;
    int Leaves = 0;
};

class TitleButtonFade : public ::testing::Test {
protected:
    void SetUp() override {
        ui::headless::Reset(640, 480);
        vcl::Application->ClearTerminated();
        Host = std::make_unique<THostProbe>();
        Manager = new skin::TsSkinManager(vcl::Application);
        skin::TsGeneralData info;
        info.SectionName = "GLOBALINFO";
        Manager->Sections.push_back(std::move(info));
        Manager->GlobalInfo.BiconCloseGlowMargin = 10;
        // Normal red, hot green, pressed blue.
        gfx::TBitmap close = Filled(63, 21, Red);
        for (int y = 0; y < 21; ++y)
            for (int x = 21; x < 63; ++x) painttest::SetPx(close, x, y, x < 42 ? Green : Blue);
        Host->Close.GlyphIndex = AddEntry("BICONCLOSE", std::move(close), 3);
        AddEntry("BICONCLOSEGLOW0", Filled(41, 41, White), 1);
        ui::ProcessPendingMessages();
    }
    void TearDown() override {
        ui::headless::SetLayeredAvailable(true);
        Host.reset();
        Manager->Free();
    }
    int AddEntry(const std::string& key, gfx::TBitmap picture, int states) {
        skin::TsMaskData entry;
        entry.SourceRect = {0, 0, picture.Width(), picture.Height()};
        entry.Bitmap = std::make_unique<gfx::TBitmap>(std::move(picture));
        entry.SectionName = "GLOBALINFO";
        entry.KeyName = key;
        entry.StateCount = int16_t(states);
        entry.ImageKind = skin::ikAlphaGlyph;
        entry.Owner = Manager;
        Manager->Masks.push_back(std::move(entry));
        return int(Manager->Masks.size()) - 1;
    }
    // The shown alpha after each of n ticks of 12 ms, while the animation lives.
    std::vector<int> Ticks(int n) {
        std::vector<int> alphas;
        for (int i = 0; i < n && Host->Close.Animation; ++i) {
            AdvanceClock(12);
            if (Host->Close.Animation) alphas.push_back(Host->Close.Animation->ShownAlpha());
        }
        return alphas;
    }
    static void MouseTo(int x, int y) {
        ui::headless::MouseMove(x, y);
        ui::ProcessPendingMessages();
    }
    static uint32_t Desktop(int x, int y) { return Px(ui::headless::ComposeDesktop(), x, y); }

    // Made after the desktop is reset, which forgets every window.
    std::unique_ptr<THostProbe> Host;
    skin::TsSkinManager* Manager = nullptr;
};

// Within one of what the constant alpha should give over the grey window.
bool NearMix(uint32_t pixel, uint32_t over, int alpha) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int s = int(over >> shift & 0xFF), d = int(Grey >> shift & 0xFF);
        const int want = (s * alpha + d * (255 - alpha)) / 255;
        if (std::abs(int(pixel >> shift & 0xFF) - want) > 1) return false;
    }
    return true;
}

TEST_F(TitleButtonFade, HoveringTheCloseButtonFadesItsGlowInAndLeavingFadesItOut) {
    MouseTo(360, 115);  // over the button at (350, 105) on the screen
    AnimateTitleButton(Host->Close, 1, 10, *Host, true);
    TacSBAnimation* animation = Host->Close.Animation;
    ASSERT_NE(animation, nullptr);
    EXPECT_EQ(animation->Interval(), 12u);
    EXPECT_EQ(skin::FadeTimerCount(), 1);
    const ui::HWND window = animation->LayeredWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ui::GetWindowRect(window), (gfx::TRect{340, 95, 381, 136})) << "10 pixels beyond the left and top edges";
    EXPECT_EQ(ui::GetWindow(Host->Window, ui::GW_HWNDPREV), window) << "directly above the frame's window";
    EXPECT_EQ(animation->ShownAlpha(), 25);
    EXPECT_TRUE(NearMix(Desktop(345, 110), White, 25)) << std::hex << Desktop(345, 110);

    EXPECT_EQ(Ticks(10), (std::vector<int>{50, 75, 100, 125, 150, 175, 200, 225, 255, 255}));
    EXPECT_EQ(animation->StepCount(), -1) << "the fade-in has finished";
    EXPECT_EQ(Desktop(345, 110), White);
    EXPECT_EQ(Host->Leaves, 0) << "the mouse is still on the button";

    MouseTo(10, 10);
    EXPECT_EQ(Ticks(20), (std::vector<int>{255, 250, 225, 200, 175, 150, 125, 100, 75, 50, 25}));
    EXPECT_EQ(Host->Leaves, 1);
    EXPECT_EQ(Host->Close.Animation, nullptr) << "freed after the fade-out";
    EXPECT_FALSE(ui::IsWindow(window));
    EXPECT_EQ(skin::FadeTimerCount(), 0);
    EXPECT_EQ(Desktop(345, 110), Grey);
}

TEST_F(TitleButtonFade, APressShowsThePressedLookAtOnce) {
    struct Case {
        const char* Name;
        bool HoverFirst;
    } const cases[] = {{"pressed from rest", false}, {"pressed while the glow fades in", true}};
    for (const Case& c : cases) {
        MouseTo(360, 115);
        if (c.HoverFirst) {
            AnimateTitleButton(Host->Close, 1, 10, *Host, true);
            AdvanceClock(36);
        }
        AnimateTitleButton(Host->Close, 2, 1, *Host, true);
        TacSBAnimation* animation = Host->Close.Animation;
        ASSERT_NE(animation, nullptr) << c.Name;
        EXPECT_EQ(animation->ShownAlpha(), 255) << c.Name;
        EXPECT_EQ(ui::GetWindowRect(animation->LayeredWindow()), (gfx::TRect{350, 105, 371, 126})) << c.Name;
        EXPECT_EQ(Desktop(360, 115), Blue) << c.Name;
        FreeTitleButtonAnimation(Host->Close);
        EXPECT_EQ(skin::FadeTimerCount(), 0) << c.Name;
    }
}

TEST_F(TitleButtonFade, WithoutAGlowTheHotGlyphFadesOverTheButton) {
    struct Case {
        const char* Name;
        bool AllowGlowing;
        const char* GlowKey;
        int HitCode;
    } const cases[] = {
        {"glowing not allowed", false, "BICONCLOSEGLOW0", int(ui::HTCLOSE)},
        {"no glow image", true, "SOMETHINGELSE", int(ui::HTCLOSE)},
        {"a button of the program's own", true, "BICONCLOSEGLOW0", 1000},
    };
    for (const Case& c : cases) {
        Manager->Effects().SetAllowGlowing(c.AllowGlowing);
        Manager->Masks[1].KeyName = c.GlowKey;
        Host->Close.HitCode = c.HitCode;
        MouseTo(360, 115);
        AnimateTitleButton(Host->Close, 1, 10, *Host, true);
        ASSERT_NE(Host->Close.Animation, nullptr) << c.Name;
        EXPECT_EQ(ui::GetWindowRect(Host->Close.Animation->LayeredWindow()), (gfx::TRect{350, 105, 371, 126}))
            << c.Name;
        EXPECT_TRUE(NearMix(Desktop(360, 115), Green, 25)) << c.Name << std::hex << " " << Desktop(360, 115);
        Ticks(9);
        EXPECT_EQ(Desktop(360, 115), Green) << c.Name;
        FreeTitleButtonAnimation(Host->Close);
    }
}

TEST_F(TitleButtonFade, WithoutLayeredWindowsTheTimingRunsAndNothingShows) {
    ui::headless::SetLayeredAvailable(false);
    MouseTo(360, 115);
    AnimateTitleButton(Host->Close, 1, 10, *Host, true);
    ASSERT_NE(Host->Close.Animation, nullptr);
    EXPECT_EQ(Host->Close.Animation->LayeredWindow(), nullptr);
    Ticks(10);
    EXPECT_EQ(Host->Close.Animation->StepCount(), -1);
    EXPECT_EQ(Host->Close.Animation->ShownAlpha(), -1);
    MouseTo(10, 10);
    Ticks(20);
    EXPECT_EQ(Host->Close.Animation, nullptr);
    EXPECT_EQ(Host->Leaves, 1);
}

TEST_F(TitleButtonFade, AHostThatGoesEndsItsAnimationsCleanly) {
    MouseTo(360, 115);
    AnimateTitleButton(Host->Close, 1, 10, *Host, true);
    ui::HWND window = Host->Close.Animation->LayeredWindow();
    ui::DestroyWindow(Host->Window);
    AdvanceClock(12);
    ASSERT_NE(Host->Close.Animation, nullptr);
    EXPECT_FALSE(Host->Close.Animation->Enabled()) << "a dead window stops the animation";
    EXPECT_FALSE(ui::IsWindow(window));
    AdvanceClock(100);

    FreeTitleButtonAnimation(Host->Close);

    // The providing component takes the animation it owns along.
    THostProbe second;
    second.Close.GlyphIndex = Host->Close.GlyphIndex;
    AnimateTitleButton(second.Close, 1, 10, second, true);
    window = second.Close.Animation->LayeredWindow();
    second.Component->Free();
    second.Component = nullptr;
    EXPECT_FALSE(ui::IsWindow(window));
    EXPECT_EQ(skin::FadeTimerCount(), 0);
    second.Close.Animation = nullptr;
    AdvanceClock(100);
}

}  // namespace
