// Glow windows on the composed headless desktop: their geometry around the
// element, the halo's alpha over what lies below, the cut of an element that
// is partly out of view, click-through, z-order, the handles, and the glow of
// a skinned control following its hover and press state.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "GlowTestKit.h"
#include "InternalSkinManager.h"
#include "skin/sCommonData.h"
#include "skin/sGlowHook.h"
#include "skin/sSkinManager.h"
#include "skinpaint/acGlowEffect.h"
#include "ui/Headless.h"
#include "ui/Layered.h"
#include "ui/MessageLoop.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"
#include "vcl/TApplication.h"
#include "vcl/TCustomForm.h"

namespace {

using namespace skinpaint;
using gfx::TRect;

TEST(GlowGeometry, SlicesComeFromTheMarginsElseTheUniformMarginElseTheFrame) {
    skin::TsMaskData entry;
    entry.SourceRect = {0, 0, 120, 60};
    entry.StateCount = 2;  // frames 60 wide
    entry.MaskKind = 1;    // and 30 high
    TGlowSlices s = GlowSlices(entry);
    EXPECT_EQ((std::vector{s.Left, s.Top, s.Right, s.Bottom}), (std::vector{60, 30, 60, 30}));
    entry.UniformMargin = 7;
    entry.MarginLeft = 3;
    entry.MarginBottom = 5;
    s = GlowSlices(entry);
    EXPECT_EQ((std::vector{s.Left, s.Top, s.Right, s.Bottom}), (std::vector{3, 7, 7, 5}));
    entry.UniformMargin = 0;
    entry.MarginTop = 0;
    entry.MaskKind = -1;  // no frame height at all
    entry.StateCount = 0;  // taken as one frame
    s = GlowSlices(entry);
    EXPECT_EQ((std::vector{s.Left, s.Top, s.Right, s.Bottom}), (std::vector{3, 0, 120, 5}));
}

// The internal skin's BUTTON glow: slices of 18, glow margin 10, around a
// 75 x 25 element at (100, 100).
TEST(GlowGeometry, WindowLiesAroundTheVisiblePartOfTheElement) {
    const TGlowSlices button{18, 18, 18, 18};
    const TRect element{100, 100, 175, 125};
    struct Case {
        const char* situation;
        TRect visible;
        gfx::TPoint cut;
        TRect window;
    } cases[] = {
        {"fully visible: 91 x 41, 8 px left and up", {0, 0, 75, 25}, {0, 0}, {92, 92, 183, 133}},
        {"scrolled half out at the top", {0, 12, 75, 25}, {0, 20}, {92, 112, 183, 133}},
        {"cut at the left", {30, 0, 75, 25}, {38, 0}, {130, 92, 183, 133}},
        {"cut at the right", {0, 0, 40, 25}, {0, 0}, {92, 92, 140, 133}},
        {"cut at the bottom", {0, 0, 75, 10}, {0, 0}, {92, 92, 183, 110}},
        {"cut at the left and the right", {30, 0, 60, 25}, {38, 0}, {130, 92, 160, 133}},
    };
    for (const Case& c : cases) {
        const TGlowPlacement p = PlaceGlow(button, element, c.visible, 10);
        EXPECT_EQ(p.Full.cx, 91) << c.situation;
        EXPECT_EQ(p.Full.cy, 41) << c.situation;
        EXPECT_EQ(p.Cut.X, c.cut.X) << c.situation;
        EXPECT_EQ(p.Cut.Y, c.cut.Y) << c.situation;
        EXPECT_EQ(p.Window, c.window) << c.situation;
    }
}

constexpr gfx::TColor BackdropColor = 0x00336699;  // red 0x99, green 0x66, blue 0x33

std::vector<ui::HWND> TopLevelWindows() {
    std::vector<ui::HWND> all;
    ui::EnumWindows([&all](ui::HWND w) {
        all.push_back(w);
        return true;
    });
    return all;
}

class Glow : public ::testing::Test {
protected:
    void SetUp() override {
        ui::headless::Reset(640, 480);
        vcl::Application->ClearTerminated();
        Manager = skinkit::InternalSkinManager();
        ButtonSection = Manager->FindSection("BUTTON");
        ASSERT_GE(ButtonSection, 0);
        Backdrop = glowtest::Backdrop(BackdropColor, {0, 0, 640, 480});
        ASSERT_TRUE(Backdrop);
        ui::ProcessPendingMessages();
        glowtest::Presses() = 0;
    }

    void TearDown() override {
        HideAllGlows(true);
        for (int i = vcl::Application->ComponentCount() - 1; i >= 0; --i) vcl::Application->Components(i)->Free();
        vcl::Application->ProcessMessages();
    }

    int Show(const TRect& element, const TRect& visible, ui::HWND owner) {
        return ShowGlow(element, visible, "BUTTON", Manager, owner, 10, "GLOW");
    }
    ui::HWND GlowWindow(int handle) { return GlowEffects().at(size_t(handle))->Window->Handle(); }

    skin::TsSkinManager* Manager = nullptr;
    int ButtonSection = -1;
    ui::HWND Backdrop = nullptr;
};

TEST_F(Glow, HaloIsBlendedOverTheDesktopAndTheElementShowsThrough) {
    const TRect element{200, 150, 275, 175};
    const int handle = Show(element, {0, 0, 75, 25}, Backdrop);
    ASSERT_EQ(handle, 0);
    const ui::HWND window = GlowWindow(handle);
    EXPECT_EQ(ui::GetWindowRect(window), (TRect{192, 142, 283, 183}));
    EXPECT_EQ(ui::GetWindowLongPtr(window, ui::GWL_EXSTYLE) & 0x80800A0, 0x80800A0);
    EXPECT_TRUE(ui::IsWindowVisible(window));
    EXPECT_EQ(GlowEffects()[0]->Window->Tag(), -98);

    const skin::TsMaskData& entry = Manager->Masks[size_t(GlowEffects()[0]->ImageIndex)];
    EXPECT_EQ(entry.KeyName, "GLOW0");
    const gfx::TBitmap picture = GlowPicture(entry, {91, 41});
    const gfx::TBitmap desktop = ui::headless::ComposeDesktop();
    const uint32_t below = glowtest::Rgb(desktop, 10, 10);
    EXPECT_EQ(below, 0x996633u);
    int halo = 0;
    for (int y = 0; y < 41; ++y)
        for (int x = 0; x < 91; ++x) {
            ASSERT_EQ(glowtest::Rgb(desktop, 192 + x, 142 + y), glowtest::Over(picture, x, y, below)) << x << "," << y;
            // The slices reach 10 px into the element; inside them the
            // element shows as it is.
            const bool inside = x >= 18 && x < 73 && y >= 18 && y < 23;
            const int alpha = picture.ScanLine(y)[x * 4 + 3];
            if (inside) {
                EXPECT_EQ(alpha, 0) << "the centre stays empty";
            } else if (alpha > 0) {
                ++halo;
            }
        }
    EXPECT_GT(halo, 500) << "the halo has pixels of its own around the element";
}

TEST_F(Glow, AClickOnTheHaloReachesTheWindowBelow) {
    const int handle = Show({200, 150, 275, 175}, {0, 0, 75, 25}, Backdrop);
    ASSERT_GE(handle, 0);
    EXPECT_EQ(ui::WindowFromPoint({195, 160}), Backdrop);
    ui::headless::Click(195, 160);
    ui::ProcessPendingMessages();
    EXPECT_EQ(glowtest::Presses(), 1);
}

TEST_F(Glow, WindowStandsDirectlyAboveItsOwnerOrInTheTopmostBand) {
    const ui::HWND upper = glowtest::Backdrop(gfx::clRed, {500, 400, 550, 450});
    const int handle = Show({200, 150, 275, 175}, {0, 0, 75, 25}, Backdrop);
    ASSERT_GE(handle, 0);
    EXPECT_EQ(ui::GetWindow(GlowWindow(handle), ui::GW_HWNDNEXT), Backdrop);
    EXPECT_EQ(ui::GetWindow(GlowWindow(handle), ui::GW_HWNDPREV), upper);

    ui::SetWindowPos(Backdrop, ui::HWND_TOPMOST, 0, 0, 0, 0, ui::SWP_NOMOVE | ui::SWP_NOSIZE | ui::SWP_NOACTIVATE);
    const int top = Show({200, 150, 275, 175}, {0, 0, 75, 25}, Backdrop);
    ASSERT_GE(top, 0);
    EXPECT_TRUE(ui::GetWindowLongPtr(GlowWindow(top), ui::GWL_EXSTYLE) & ui::WS_EX_TOPMOST);
    EXPECT_EQ(ui::GetWindow(GlowWindow(top), ui::GW_HWNDPREV), nullptr);
}

TEST_F(Glow, HandlesStayValidUntilAllGlowsGo) {
    const int first = Show({200, 150, 275, 175}, {0, 0, 75, 25}, Backdrop);
    const int second = Show({300, 150, 375, 175}, {0, 0, 75, 25}, Backdrop);
    ASSERT_EQ(first, 0);
    ASSERT_EQ(second, 1);
    const ui::HWND firstWindow = GlowWindow(first);
    HideGlow(first);
    // The window goes after the messages already waiting for it.
    EXPECT_TRUE(ui::IsWindow(firstWindow));
    ui::ProcessPendingMessages();
    EXPECT_FALSE(ui::IsWindow(firstWindow));
    for (int ignored : {first, -1, 7}) HideGlow(ignored);
    EXPECT_EQ(Show({200, 150, 275, 175}, {0, 0, 75, 25}, Backdrop), 2) << "handles are never reused";
    EXPECT_EQ(GlowEffects().size(), 3u);

    const ui::HWND secondWindow = GlowWindow(second);
    HideAllGlows(true);
    EXPECT_TRUE(GlowEffects().empty());
    EXPECT_FALSE(ui::IsWindow(secondWindow)) << "with restore the windows go at once";
    EXPECT_EQ(Show({200, 150, 275, 175}, {0, 0, 75, 25}, Backdrop), 0);
}

TEST_F(Glow, NoGlowWithoutLayeredWindowsAnImageEntryOrAnythingVisible) {
    const size_t windows = TopLevelWindows().size();
    EXPECT_EQ(ShowGlow({200, 150, 275, 175}, {0, 0, 75, 25}, "BUTTON", Manager, Backdrop, 10, "NOSUCH"), -1);
    EXPECT_EQ(ShowGlow({200, 150, 275, 175}, {0, 0, 75, 25}, "NOSUCHSECTION", Manager, Backdrop, 10, "GLOW"), -1);
    EXPECT_EQ(Show({200, 150, 275, 175}, {0, 0, 0, 0}, Backdrop), -1);
    ui::headless::SetLayeredAvailable(false);
    EXPECT_EQ(Show({200, 150, 275, 175}, {0, 0, 75, 25}, Backdrop), -1);
    ui::headless::SetLayeredAvailable(true);
    EXPECT_TRUE(GlowEffects().empty());
    EXPECT_EQ(TopLevelWindows().size(), windows);
}

// A skinned control of section BUTTON on a border-less form at (100, 100).
class ControlGlow : public Glow {
protected:
    void SetUp() override {
        Glow::SetUp();
        InstallGlowHook();
        Form = new vcl::TForm(vcl::Application);
        Form->SetBorderStyle(vcl::bsNone);
        Form->SetBounds(100, 100, 300, 200);
        Control = new vcl::TWinControl(Form);
        Control->SetParent(Form);
        Control->SetBounds(50, 40, 75, 25);
        Form->Show();
        ui::ProcessPendingMessages();
        Data = std::make_unique<skin::TsCommonData>(Control, false);
        Data->SectionIndex = ButtonSection;
        Data->MouseOver = true;
    }
    void TearDown() override {
        Data.reset();
        skin::SetGlowHook(nullptr);
        Glow::TearDown();
    }

    TRect GlowRect() const {
        if (Data->GlowHandle < 0) return {};
        return ui::GetWindowRect(GlowEffects().at(size_t(Data->GlowHandle))->Window->Handle());
    }

    vcl::TForm* Form = nullptr;
    vcl::TWinControl* Control = nullptr;
    std::unique_ptr<skin::TsCommonData> Data;
};

TEST_F(ControlGlow, HoveredButtonGetsA91By41WindowAndPressingHidesIt) {
    skin::UpdateControlGlow(*Data, false);
    ASSERT_NE(Data->GlowHandle, -1);
    EXPECT_EQ(GlowRect(), (TRect{142, 132, 233, 173}));
    // A state change while hovered shows it anew, never a second halo.
    skin::UpdateControlGlow(*Data, false);
    EXPECT_EQ(std::count_if(GlowEffects().begin(), GlowEffects().end(), [](const auto& g) { return bool(g); }), 1);

    ui::headless::MouseMove(160, 150);
    ui::headless::MouseDown();
    ui::ProcessPendingMessages();
    ASSERT_TRUE(Control->ControlState() & vcl::csLButtonDown) << "the press went through the glow";
    skin::UpdateControlGlow(*Data, true);
    EXPECT_EQ(Data->GlowHandle, -1);

    ui::headless::MouseUp();
    ui::ProcessPendingMessages();
    skin::UpdateControlGlow(*Data, true);
    EXPECT_NE(Data->GlowHandle, -1) << "released over the control, it glows again";
    EXPECT_EQ(GlowRect(), (TRect{142, 132, 233, 173}));

    Data->MouseOver = false;
    skin::UpdateControlGlow(*Data, false);
    EXPECT_EQ(Data->GlowHandle, -1);
}

TEST_F(ControlGlow, ControlScrolledHalfOutAtTheTopGetsAWindowCutAtTheTop) {
    Control->SetBounds(50, -12, 75, 25);
    ui::ProcessPendingMessages();
    skin::UpdateControlGlow(*Data, false);
    ASSERT_NE(Data->GlowHandle, -1);
    // The halo's remaining part still lines up with the control's sides.
    EXPECT_EQ(GlowRect(), (TRect{142, 100, 233, 121}));
}

TEST_F(ControlGlow, NoWindowWhileGlowingIsOffOrTheSectionHasNoGlow) {
    const size_t windows = TopLevelWindows().size();
    Manager->Effects().SetAllowGlowing(false);
    skin::UpdateControlGlow(*Data, false);
    EXPECT_EQ(Data->GlowHandle, -1);
    Manager->Effects().SetAllowGlowing(true);
    Data->SectionIndex = Manager->FindSection("EDIT");
    skin::UpdateControlGlow(*Data, false);
    EXPECT_EQ(Data->GlowHandle, -1);
    EXPECT_EQ(TopLevelWindows().size(), windows);
    EXPECT_TRUE(GlowEffects().empty());
}

TEST_F(ControlGlow, SkinChangesAndTheManagerGoingTakeTheGlowsAway) {
    skin::UpdateControlGlow(*Data, false);
    ASSERT_NE(Data->GlowHandle, -1);
    const ui::HWND first = GlowEffects().at(size_t(Data->GlowHandle))->Window->Handle();
    Manager->ApplySkin(false);
    EXPECT_TRUE(GlowEffects().empty());
    ui::ProcessPendingMessages();
    EXPECT_FALSE(ui::IsWindow(first));

    Data->GlowHandle = -1;
    skin::UpdateControlGlow(*Data, false);
    ASSERT_NE(Data->GlowHandle, -1);
    const ui::HWND second = GlowEffects().at(size_t(Data->GlowHandle))->Window->Handle();
    Manager->Free();
    Manager = nullptr;
    EXPECT_TRUE(GlowEffects().empty());
    EXPECT_FALSE(ui::IsWindow(second)) << "while the manager goes its glows go at once";
}

TEST_F(ControlGlow, AnAdaptedWindowGlowsAroundItsWindowAboveItsTopLevelWindow) {
    skin::TsCommonData adapted(nullptr, false);
    adapted.SectionIndex = ButtonSection;
    skin::UpdateControlGlow(adapted, false, Control->Handle());
    ASSERT_NE(adapted.GlowHandle, -1);
    const ui::HWND glow = GlowEffects().at(size_t(adapted.GlowHandle))->Window->Handle();
    EXPECT_EQ(ui::GetWindowRect(glow), (TRect{142, 132, 233, 173}));
    EXPECT_EQ(ui::GetWindow(glow, ui::GW_HWNDNEXT), Form->Handle());
}

}  // namespace
