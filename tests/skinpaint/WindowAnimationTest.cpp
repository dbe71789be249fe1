// The window animations on the headless desktop with the test clock: every
// frame the animation window shows is recorded with the clock, the form's
// visibility and the desktop as composed at that moment. Showing, closing,
// minimising and restoring a framed form, and the skin change on a display
// with and without layered windows.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "GlowTestKit.h"
#include "InternalSkinManager.h"
#include "gfx/ImageCodecs.h"
#include "skin/sSkinManager.h"
#include "skinpaint/acHideTimer.h"
#include "skinpaint/sAnimationWindow.h"
#include "skinpaint/sSkinProvider.h"
#include "skinpaint/sWindowAnimation.h"
#include "skinpaint/sWindowImage.h"
#include "ui/Headless.h"
#include "ui/Layered.h"
#include "ui/MessageLoop.h"
#include "ui/Metrics.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"
#include "vcl/TApplication.h"
#include "vcl/TCustomForm.h"

using namespace skinpaint;

namespace {

constexpr uint32_t BackdropColor = 0x2040C0;  // as 0xRRGGBB; the TColor is 0xC04020

struct TFrame {
    ui::HWND Window;
    int Opacity;
    int64_t Tick;
    bool FormVisible;
    bool FormIconic;
    gfx::TRect Place;
    gfx::TBitmap Desktop;
};

class WindowAnimation : public ::testing::Test {
protected:
    void SetUp() override {
        ui::headless::Reset(800, 600);
        vcl::Application->ClearTerminated();
        Manager = skinkit::InternalSkinManager();
        Manager->Effects().SetAllowGlowing(false);
        InstallWindowAnimations();
        Backdrop = glowtest::Backdrop(gfx::TColor(0xC04020), {0, 0, 800, 600});
        Pump();
        SetAnimationFrameObserver([this](const TacAnimationFrame& f) {
            Frames.push_back({f.Window, f.Opacity, int64_t(ui::GetTickCount()),
                              Form && Form->HandleAllocated() && ui::IsWindowVisible(Form->Handle()),
                              Form && Form->HandleAllocated() && ui::IsIconic(Form->Handle()),
                              ui::GetWindowRect(f.Window), ui::headless::ComposeDesktop()});
        });
    }
    void TearDown() override {
        SetAnimationFrameObserver(nullptr);
        for (vcl::TForm* form : Made) form->Free();
        if (TacHideTimer* hide = TacHideTimer::Existing()) hide->Free();
        Manager->Free();
        ui::DestroyWindow(Backdrop);
        ui::headless::SetLayeredAvailable(true);
    }

    // A main-window-like form with a panel on it, made hidden.
    TsSkinProvider& Make(int left = 100, int top = 80) {
        const std::string layout =
            "object Form1: TForm\n"
            "  Left = " +
            std::to_string(left) +
            "\n"
            "  Top = " +
            std::to_string(top) +
            "\n"
            "  BorderStyle = bsSingle\n"
            "  BorderIcons = [biSystemMenu, biMinimize]\n"
            "  Caption = 'Kestrune YouTube Converter 2.8'\n"
            "  ClientWidth = 320\n"
            "  ClientHeight = 160\n"
            "  object Panel1: TPanel\n"
            "    Left = 20\n"
            "    Top = 20\n"
            "    Width = 120\n"
            "    Height = 60\n"
            "    Color = clWhite\n"
            "  end\n"
            "  object sSkinProvider1: TsSkinProvider\n"
            "    SkinData.SkinSection = 'FORM'\n"
            "  end\n"
            "end\n";
        Form = new vcl::TForm(vcl::Application);
        Made.push_back(Form);
        Form->ReadLayout(layout);
        TsSkinProvider* provider = nullptr;
        for (int i = 0; i < Form->ComponentCount() && !provider; ++i)
            provider = dynamic_cast<TsSkinProvider*>(Form->Components(i));
        EXPECT_TRUE(provider);
        return *provider;
    }
    TsSkinProvider& MakeShown() {
        TsSkinProvider& provider = Make();
        Form->Show();
        Pump();
        Frames.clear();
        return provider;
    }
    static void Pump() { ui::ProcessPendingMessages(); }
    // As the close button and the system menu close a form.
    void CloseByTitle() const { ui::SendMessage(Form->Handle(), ui::WM_CLOSE, 0, 0); }
    gfx::TRect FormRect() const { return ui::GetWindowRect(Form->Handle()); }
    // A point in the middle of the form's panel, on the desktop.
    gfx::TPoint PanelPoint(TsSkinProvider& provider) const {
        const gfx::TRect r = FormRect();
        const gfx::TPoint offset = provider.Geometry().ClientOffset;
        return {r.Left + offset.X + 80, r.Top + offset.Y + 50};
    }
    std::vector<int> Opacities() const {
        std::vector<int> v;
        for (const TFrame& f : Frames) v.push_back(f.Opacity);
        return v;
    }
    static uint32_t At(const gfx::TBitmap& desktop, gfx::TPoint p) { return glowtest::Rgb(desktop, p.X, p.Y); }
    // A channel of the picture over the backdrop at an opacity, as composed.
    static int Mix(int picture, int backdrop, int opacity) {
        return (picture * opacity + backdrop * (255 - opacity) + 127) / 255;
    }
    static void ExpectNear(uint32_t actual, uint32_t expected, int tolerance, const std::string& what) {
        for (int shift : {0, 8, 16}) {
            const int a = int(actual >> shift & 0xFF), e = int(expected >> shift & 0xFF);
            EXPECT_NEAR(a, e, tolerance) << what << std::hex << " actual " << actual << " expected " << expected;
        }
    }
    static uint32_t MixRgb(uint32_t picture, uint32_t backdrop, int opacity) {
        uint32_t v = 0;
        for (int shift : {0, 8, 16})
            v |= uint32_t(Mix(int(picture >> shift & 0xFF), int(backdrop >> shift & 0xFF), opacity)) << shift;
        return v;
    }
    static void Save(const TFrame& frame, const char* name) {
        if (const char* dir = std::getenv("KESTRUNE_ANIMATION_FRAMES"))
            std::ofstream(std::string(dir) + "/" + name + ".png", std::ios::binary) << gfx::WritePng(frame.Desktop);
    }

    skin::TsSkinManager* Manager = nullptr;
    ui::HWND Backdrop = nullptr;
    vcl::TForm* Form = nullptr;
    std::vector<vcl::TForm*> Made;
    std::vector<TFrame> Frames;
};

TEST_F(WindowAnimation, ShowFadesThePictureInStepByStepAndShowsTheFormOnlyAfterTheLast) {
    Manager->AnimEffects().FormShow().SetTime(120);
    Manager->AnimEffects().FormShow().SetMode(skin::atFading);
    TsSkinProvider& provider = Make();
    const int64_t start = ui::GetTickCount();
    Form->Show();
    // The picture at nothing, ten steps of a tenth, then the whole picture.
    EXPECT_EQ(Opacities(), (std::vector<int>{0, 26, 51, 77, 102, 128, 153, 179, 204, 230, 255, 255, 255}));
    for (size_t i = 1; i + 1 < Frames.size(); ++i) EXPECT_EQ(Frames[i].Tick, start + 12 * int64_t(i - 1)) << i;
    const gfx::TBitmap image = FormImage(provider);
    const gfx::TRect r = FormRect();
    const gfx::TPoint panel = PanelPoint(provider);
    const uint32_t panelColour = glowtest::Rgb(image, panel.X - r.Left, panel.Y - r.Top);
    for (const TFrame& f : Frames) {
        EXPECT_FALSE(f.FormVisible);
        EXPECT_EQ(f.Place, r);
        ExpectNear(At(f.Desktop, panel), MixRgb(panelColour, BackdropColor, f.Opacity), 2,
                   "panel at opacity " + std::to_string(f.Opacity));
    }
    Save(Frames[5], "show-fading-mid");
    // Once shown, the form is there and its picture gone.
    EXPECT_TRUE(ui::IsWindowVisible(Form->Handle()));
    EXPECT_FALSE(ui::IsWindow(Frames.back().Window));
    EXPECT_FALSE(AnimationInProgress());
    Pump();
    const gfx::TBitmap desktop = ui::headless::ComposeDesktop();
    EXPECT_EQ(At(desktop, panel), panelColour);
}

TEST_F(WindowAnimation, AeroShowGrowsFromThreeQuartersToTheWholeWindow) {
    Manager->AnimEffects().FormShow().SetTime(96);  // 8 steps
    Manager->AnimEffects().FormShow().SetMode(skin::atAero);
    Make();
    Form->Show();
    ASSERT_EQ(Frames.size(), 11u);
    const gfx::TRect r = FormRect();
    const int w = r.Width(), h = r.Height();
    // Whether the desktop shows the backdrop unchanged at a point of the form.
    auto backdropAt = [&](const TFrame& f, int x, int y) {
        return At(f.Desktop, {r.Left + x, r.Top + y}) == BackdropColor;
    };
    const TFrame& first = Frames[1];
    EXPECT_TRUE(backdropAt(first, w / 8 - 2, h / 2));
    EXPECT_TRUE(backdropAt(first, w - w / 8 + 1, h / 2));
    EXPECT_TRUE(backdropAt(first, w / 2, h / 8 - 2));
    EXPECT_TRUE(backdropAt(first, w / 2, h - h / 8 + 1));
    EXPECT_FALSE(backdropAt(first, w / 8 + 2, h / 2));
    EXPECT_FALSE(backdropAt(first, w - w / 8 - 3, h / 2));
    // A step later the picture reaches a sixty-fourth of the width further out.
    EXPECT_FALSE(backdropAt(Frames[2], w / 8 - 2, h / 2));
    Save(Frames[1], "show-aero-first");
    const TFrame& last = Frames[Frames.size() - 2];
    EXPECT_EQ(last.Opacity, 255);
    EXPECT_FALSE(backdropAt(last, 1, h / 2));
    EXPECT_FALSE(backdropAt(last, w - 2, h / 2));
    EXPECT_FALSE(last.FormVisible);
}

TEST_F(WindowAnimation, TheProgramsTimeOfNothingShowsThePictureAtOnceAndHidesWithoutAnimation) {
    Make();
    const int64_t start = ui::GetTickCount();
    Form->Show();
    EXPECT_EQ(Opacities(), (std::vector<int>{255}));
    // No steps; only the one interval the compositor is given before the
    // picture goes.
    EXPECT_EQ(int64_t(ui::GetTickCount()), start + 12);
    EXPECT_TRUE(ui::IsWindowVisible(Form->Handle()));
    Pump();
    Frames.clear();
    CloseByTitle();
    EXPECT_TRUE(Frames.empty());
    EXPECT_FALSE(ui::IsWindowVisible(Form->Handle()));
    EXPECT_FALSE(TacHideTimer::Existing() && TacHideTimer::Existing()->Window());
}

TEST_F(WindowAnimation, HideFadesOutOnTheTimerAndFreesItsWindow) {
    Manager->AnimEffects().FormHide().SetTime(120);
    Manager->AnimEffects().FormHide().SetMode(skin::atFading);
    MakeShown();
    const gfx::TRect r = FormRect();
    CloseByTitle();
    EXPECT_FALSE(ui::IsWindowVisible(Form->Handle()));
    TacHideTimer* hide = TacHideTimer::Existing();
    ASSERT_TRUE(hide);
    const ui::HWND window = hide->Window();
    ASSERT_TRUE(window);
    EXPECT_EQ(ui::GetWindowRect(window), r);
    // The picture over the form, the start once more, then the first step at once.
    EXPECT_EQ(Opacities(), (std::vector<int>{255, 255, 230}));
    for (int tick = 0; tick < 10; ++tick) ui::headless::AdvanceClock(12);
    EXPECT_EQ(Opacities(), (std::vector<int>{255, 255, 230, 204, 179, 153, 128, 102, 77, 51, 26, 0, 0}));
    for (const TFrame& f : Frames) EXPECT_EQ(f.Window, window);
    Save(Frames[6], "hide-fading-mid");
    ui::headless::AdvanceClock(12);
    EXPECT_FALSE(ui::IsWindow(window));
    EXPECT_FALSE(hide->Window());
    EXPECT_EQ(At(ui::headless::ComposeDesktop(), {r.Left + r.Width() / 2, r.Top + r.Height() / 2}), BackdropColor);
}

TEST_F(WindowAnimation, AeroHideShrinksTowardTheCentre) {
    Manager->AnimEffects().FormHide().SetTime(96);
    Manager->AnimEffects().FormHide().SetMode(skin::atAero);
    MakeShown();
    const gfx::TRect r = FormRect();
    CloseByTitle();
    TacHideTimer* hide = TacHideTimer::Existing();
    ASSERT_TRUE(hide && hide->Window());
    for (int tick = 0; tick < 4; ++tick) ui::headless::AdvanceClock(12);
    // The fifth step shows each side moved in by four sixty-fourths.
    const TFrame& f = Frames.back();
    const int inset = r.Width() * 4 / 64;
    EXPECT_EQ(At(f.Desktop, {r.Left + inset - 4, r.Top + r.Height() / 2}), BackdropColor);
    EXPECT_NE(At(f.Desktop, {r.Left + inset + 4, r.Top + r.Height() / 2}), BackdropColor);
    Save(f, "hide-aero-mid");
}

TEST_F(WindowAnimation, AWindowClosedWhileAnotherFadesOutTakesOverAndARefusedCloseHidesNothing) {
    Manager->AnimEffects().FormHide().SetTime(120);
    MakeShown();
    vcl::TForm* first = Form;
    CloseByTitle();
    const ui::HWND firstWindow = TacHideTimer::Existing()->Window();
    ui::headless::AdvanceClock(24);
    // The first form goes while its picture fades: the fade goes on regardless.
    first->Free();
    Made.erase(Made.begin());
    Form = nullptr;  // the frame observer must not look at the freed form
    ui::headless::AdvanceClock(12);
    EXPECT_TRUE(ui::IsWindow(firstWindow));
    // A second form closes: the first fade ends at once.
    MakeShown();
    CloseByTitle();
    EXPECT_FALSE(ui::IsWindow(firstWindow));
    const ui::HWND second = TacHideTimer::Existing()->Window();
    EXPECT_TRUE(ui::IsWindow(second));
    for (int tick = 0; tick < 11; ++tick) ui::headless::AdvanceClock(12);
    EXPECT_FALSE(ui::IsWindow(second));
    // A form that refuses to close is not faded out, and nothing stays over it.
    MakeShown();
    Form->SetOnCloseQuery([](vcl::TObject*, bool& canClose) { canClose = false; });
    CloseByTitle();
    EXPECT_TRUE(ui::IsWindowVisible(Form->Handle()));
    EXPECT_FALSE(TacHideTimer::Existing()->Window());
    for (const TFrame& f : Frames) EXPECT_FALSE(ui::IsWindow(f.Window));
}

TEST_F(WindowAnimation, HideWhileTheApplicationEndsRunsItsStepsAtOnce) {
    Manager->AnimEffects().FormHide().SetTime(60);
    MakeShown();
    vcl::Application->Terminate();
    vcl::Application->ProcessMessages();
    ASSERT_TRUE(vcl::Application->Terminated());
    const int64_t start = ui::GetTickCount();
    CloseByTitle();
    EXPECT_EQ(Opacities(), (std::vector<int>{255, 255, 204, 153, 102, 51, 0, 0}));
    EXPECT_EQ(int64_t(ui::GetTickCount()), start + 6 * 12);
    EXPECT_FALSE(TacHideTimer::Existing()->Window());
}

TEST_F(WindowAnimation, SkinChangeFadesTheNewLookInOverTheFrozenOldOne) {
    TsSkinProvider& provider = MakeShown();
    const gfx::TRect r = FormRect();
    const gfx::TPoint title{r.Left + r.Width() / 3, r.Top + 8};
    const uint32_t oldTitle = At(ui::headless::ComposeDesktop(), title);
    const int64_t start = ui::GetTickCount();
    Manager->SetHueOffset(120);
    // SkinChanging.Time 100: eight steps (nine frames of 12 ms) after the start.
    EXPECT_EQ(Opacities(), (std::vector<int>{0, 32, 64, 96, 128, 159, 191, 223, 255, 255, 255}));
    EXPECT_EQ(int64_t(ui::GetTickCount()), start + 9 * 12);
    const gfx::TBitmap fresh = FormImage(provider);
    const uint32_t newTitle = glowtest::Rgb(fresh, title.X - r.Left, title.Y - r.Top);
    ASSERT_NE(newTitle, oldTitle);
    const TFrame& mid = Frames[4];
    ExpectNear(At(mid.Desktop, title), MixRgb(newTitle, oldTitle, mid.Opacity), 2, "title half-way");
    Save(mid, "skin-change-mid");
    Pump();
    EXPECT_EQ(At(ui::headless::ComposeDesktop(), title), newTitle);
    EXPECT_FALSE(ui::IsWindow(Frames.back().Window));
}

TEST_F(WindowAnimation, SkinChangeWithoutLayeredWindowsMixesTheOldLookIntoTheNewUnderACover) {
    ui::headless::SetLayeredAvailable(false);
    TsSkinProvider& provider = MakeShown();
    const gfx::TRect r = FormRect();
    const gfx::TPoint title{r.Left + r.Width() / 3, r.Top + 8};
    const uint32_t oldTitle = At(ui::headless::ComposeDesktop(), title);
    Manager->SetHueOffset(120);
    // The weight of the old look, down by 255 / 8 a step, then the new look.
    EXPECT_EQ(Opacities(), (std::vector<int>{255, 224, 193, 162, 131, 100, 69, 38, 7, 0}));
    const uint32_t newTitle = glowtest::Rgb(FormImage(provider), title.X - r.Left, title.Y - r.Top);
    const TFrame& mid = Frames[4];
    EXPECT_EQ(mid.Place, r);
    ExpectNear(At(mid.Desktop, title), MixRgb(oldTitle, newTitle, mid.Opacity), 2, "title half-way");
    Save(mid, "skin-change-cover-mid");
    EXPECT_FALSE(ui::IsWindow(Frames.back().Window));
    Pump();
    EXPECT_EQ(At(ui::headless::ComposeDesktop(), title), newTitle);
}

TEST_F(WindowAnimation, WithoutLayeredWindowsShowAndHideHappenAtOnce) {
    ui::headless::SetLayeredAvailable(false);
    Manager->AnimEffects().FormShow().SetTime(120);
    Manager->AnimEffects().FormHide().SetTime(120);
    Make();
    Form->Show();
    EXPECT_TRUE(ui::IsWindowVisible(Form->Handle()));
    CloseByTitle();
    EXPECT_FALSE(ui::IsWindowVisible(Form->Handle()));
    EXPECT_TRUE(Frames.empty());
}

TEST_F(WindowAnimation, MinimiseMovesThePictureToTheTaskbarAndRestoreBringsItBack) {
    MakeShown();
    const gfx::TRect r = FormRect();
    const int64_t start = ui::GetTickCount();
    ui::SendMessage(Form->Handle(), ui::WM_SYSCOMMAND, ui::SC_MINIMIZE, 0);
    EXPECT_TRUE(ui::IsIconic(Form->Handle()));
    // Minimizing.Time 200: the picture, then 16 steps fading out.
    ASSERT_EQ(Frames.size(), 17u);
    EXPECT_EQ(int64_t(ui::GetTickCount()), start + 16 * 12);
    EXPECT_EQ(Frames[0].Place, r);
    EXPECT_EQ(Frames[16].Opacity, 0);
    const gfx::TRect end = Frames[16].Place;
    EXPECT_EQ(end.Width(), r.Width() / 4);
    EXPECT_EQ(end.Bottom, ui::GetWorkArea().Bottom);
    for (size_t i = 1; i < Frames.size(); ++i) {
        EXPECT_LT(Frames[i].Opacity, Frames[i - 1].Opacity + (i == 1));
        EXPECT_LE(Frames[i].Place.Width(), Frames[i - 1].Place.Width());
    }
    const gfx::TRect mid = Frames[8].Place;
    EXPECT_NE(At(Frames[8].Desktop, {(mid.Left + mid.Right) / 2, mid.Top + 4}), BackdropColor);
    Save(Frames[8], "minimise-mid");
    Frames.clear();
    ui::SendMessage(Form->Handle(), ui::WM_SYSCOMMAND, ui::SC_RESTORE, 0);
    EXPECT_FALSE(ui::IsIconic(Form->Handle()));
    ASSERT_EQ(Frames.size(), 16u);
    // The picture of the form as it went grows back while the form stays
    // minimised; the form is restored under it at the end.
    for (const TFrame& f : Frames) EXPECT_TRUE(f.FormIconic);
    EXPECT_EQ(Frames[15].Place, r);
    EXPECT_EQ(Frames[15].Opacity, 255);
    EXPECT_EQ(At(Frames[0].Desktop, {r.Left + 4, r.Top + 4}), BackdropColor);
    Pump();
    const gfx::TBitmap desktop = ui::headless::ComposeDesktop();
    EXPECT_NE(At(desktop, {r.Left + r.Width() / 3, r.Top + 8}), BackdropColor);
    EXPECT_FALSE(ui::IsWindow(Frames.back().Window));
}

}  // namespace
