// Standard controls on a skinned form, adapted by its frame provider, on the
// headless desktop with the internal skin: which controls are adapted, the
// push button's looks and the messages its own handling still gets, hover
// with the glow, press and click, the skin going and coming back, and
// controls freed while adapted.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "GlowTestKit.h"
#include "GoldenPicture.h"
#include "InternalSkinManager.h"
#include "PaintTestKit.h"
#include "gfx/Colors.h"
#include "skin/sSkinBroadcast.h"
#include "skin/sSkinColors.h"
#include "skin/sSkinCommands.h"
#include "skin/sSkinManager.h"
#include "skinpaint/acBtnWnd.h"
#include "skinpaint/acCtrlAdapter.h"
#include "skinpaint/acGlowEffect.h"
#include "skinpaint/sBlockCopy.h"
#include "skinpaint/sSkinProvider.h"
#include "ui/Headless.h"
#include "ui/Input.h"
#include "ui/MessageLoop.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"
#include "vcl/TApplication.h"
#include "vcl/TBevel.h"
#include "vcl/TButton.h"
#include "vcl/TCheckBox.h"
#include "vcl/TCustomForm.h"
#include "vcl/TLabel.h"
#include "vcl/TPanel.h"

using namespace skinpaint;

namespace {

// An about-like window: labels and a bevel on a panel, push buttons (one the
// default, one kept out by its tag), a radio button and a check box.
const char* const Layout = R"(
object Form1: TForm
  Left = 40
  Top = 40
  BorderStyle = bsDialog
  BorderIcons = [biSystemMenu]
  Caption = 'Adapted'
  ClientWidth = 393
  ClientHeight = 170
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  object sSkinProvider1: TsSkinProvider
    SkinData.SkinSection = 'FORM'
  end
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 393
    Height = 90
    BevelOuter = bvNone
    object Label1: TLabel
      Left = 8
      Top = 8
      Caption = 'Version: 2.8'
    end
    object Label2: TLabel
      Left = 8
      Top = 32
      Caption = 'http://www.kestrune.com/'
      Font.Color = clBlue
      Font.Style = [fsUnderline]
    end
    object Bevel1: TBevel
      Left = 8
      Top = 56
      Width = 377
      Height = 2
      Shape = bsTopLine
    end
  end
  object Label3: TLabel
    Left = 8
    Top = 100
    Caption = 'On the form'
    Tag = 0
  end
  object RadioButton1: TRadioButton
    Left = 120
    Top = 98
    Width = 120
    Height = 17
    Caption = 'Radio'
  end
  object CheckBox1: TCheckBox
    Left = 250
    Top = 98
    Width = 120
    Height = 17
    Caption = 'Check'
  end
  object Button1: TButton
    Left = 264
    Top = 136
    Width = 121
    Height = 25
    Caption = 'OK'
    Default = True
    Font.Style = [fsBold]
  end
  object Button2: TButton
    Left = 152
    Top = 136
    Width = 75
    Height = 25
    Caption = 'Later'
  end
  object Button3: TButton
    Left = 8
    Top = 136
    Width = 75
    Height = 25
    Caption = 'Kept'
    Tag = -98
  end
end
)";

class CtrlAdapter : public ::testing::Test {
protected:
    void SetUp() override {
        ui::headless::Reset(640, 480);
        ui::headless::SetLayeredAvailable(true);
        InstallGlowHook();
        vcl::Application->ClearTerminated();
        Manager = skinkit::InternalSkinManager();
        // Shown at once, without the show animation.
        Manager->AnimEffects().FormShow().SetActive(false);
        ui::headless::MouseMove(630, 470);
    }
    void TearDown() override {
        HideAllGlows(true);
        if (Form) Form->Free();
        Manager->Free();
        Pump();
    }

    // Made and shown; with a log, what reaches Button2's own handling is
    // recorded (the adapter chains to whatever handling the button had).
    void Make(skin::TacSkinningRules rules = skin::srStdForms | skin::srStdDialogs | skin::srThirdParty) {
        Manager->SetSkinningRules(rules);
        Form = new vcl::TForm(vcl::Application);
        Form->ReadLayout(Layout);
        auto* button = Find<vcl::TButton>("Button2");
        button->SetWindowProc([this, button](vcl::TMessage& m) {
            Log.push_back(m.Msg);
            button->WndProc(m);
        });
        Form->Show();
        Pump();
        Provider = Find<TsSkinProvider>("sSkinProvider1");
    }
    template <class T>
    T* Find(const char* name) const {
        return dynamic_cast<T*>(Form->FindComponent(name));
    }
    static void Pump() { ui::ProcessPendingMessages(); }
    static gfx::TPoint Centre(vcl::TWinControl& control) {
        const gfx::TRect r = ui::GetWindowRect(control.Handle());
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    static void MoveTo(gfx::TPoint p) {
        ui::headless::MouseMove(p.X, p.Y);
        Pump();
    }
    TacBtnWnd* AdapterOf(const char* name) const {
        return dynamic_cast<TacBtnWnd*>(TacMainWnd::Of(Find<vcl::TWinControl>(name)->Handle()));
    }
    // What the button shows, cut from its form's picture.
    gfx::TBitmap Look(const char* name) const {
        auto* control = Find<vcl::TWinControl>(name);
        const gfx::TBitmap window = ui::headless::WindowImage(Form->Handle());
        const gfx::TRect f = ui::GetWindowRect(Form->Handle()), r = ui::GetWindowRect(control->Handle());
        gfx::TBitmap look;
        look.SetPixelFormat(gfx::pf32bit);
        look.SetSize(r.Width(), r.Height());
        CopyBlock(look, 0, 0, window, {r.Left - f.Left, r.Top - f.Top, r.Right - f.Left, r.Bottom - f.Top});
        return look;
    }
    bool Logged(ui::UINT message) const { return std::find(Log.begin(), Log.end(), message) != Log.end(); }

    skin::TsSkinManager* Manager = nullptr;
    vcl::TForm* Form = nullptr;
    TsSkinProvider* Provider = nullptr;
    std::vector<ui::UINT> Log;
};

TEST_F(CtrlAdapter, ListedButtonsArePaintedFromTheSkinLabelsTurnTransparentTheRestKeepsItsLook) {
    Make();
    const gfx::TColor text = skin::SkinFontColor(*Manager);
    struct TCase {
        const char* Name;
        bool Adapted;
    };
    for (const TCase& c : {TCase{"Button1", true}, {"Button2", true}, {"Button3", false}, {"Panel1", false},
                           {"RadioButton1", false}, {"CheckBox1", false}}) {
        auto* control = Find<vcl::TWinControl>(c.Name);
        EXPECT_EQ(TacMainWnd::Of(control->Handle()) != nullptr, c.Adapted) << c.Name;
        EXPECT_EQ(skin::IsSkinnedControl(*control), c.Adapted) << c.Name;
    }
    ASSERT_TRUE(Provider->CtrlAdapter());
    EXPECT_EQ(Provider->CtrlAdapter()->Items().size(), 2u);
    EXPECT_EQ(AdapterOf("Button1")->SkinData().SkinSection(), "BUTTON");
    EXPECT_EQ(AdapterOf("Button1")->SkinData().ControlKind, 227);
    // Labels on the form and on the panel, the link label too.
    for (const char* name : {"Label1", "Label2", "Label3"}) {
        auto* label = Find<vcl::TLabel>(name);
        EXPECT_TRUE(label->Transparent()) << name;
        EXPECT_EQ(label->Font().Color(), text) << name;
    }
    // The adapted button's own handling no longer paints, but still hears
    // everything else.
    EXPECT_FALSE(Logged(ui::WM_PAINT));
    EXPECT_FALSE(Logged(ui::WM_ERASEBKGND));
    Log.clear();
    ui::SendMessage(Find<vcl::TButton>("Button2")->Handle(), ui::WM_SETTEXT, 0,
                    reinterpret_cast<ui::LPARAM>("Soon"));
    EXPECT_TRUE(Logged(ui::WM_SETTEXT));
    EXPECT_EQ(AdapterOf("Button2")->Text(), "Soon");
    // A second walk finds everything in place, sections kept.
    Provider->AdaptControls();
    EXPECT_EQ(Provider->CtrlAdapter()->Items().size(), 2u);
    EXPECT_EQ(AdapterOf("Button1")->SkinData().SkinSection(), "BUTTON");
    EXPECT_TRUE(AdapterOf("Button1")->SkinData().IsSkinned());
}

TEST_F(CtrlAdapter, WithoutTheThirdPartyRuleNothingIsAdapted) {
    Make(skin::srStdForms | skin::srStdDialogs);
    EXPECT_FALSE(TacMainWnd::Of(Find<vcl::TButton>("Button1")->Handle()));
    EXPECT_FALSE(Find<vcl::TLabel>("Label1")->Transparent());
    EXPECT_EQ(Find<vcl::TLabel>("Label2")->Font().Color(), gfx::clBlue);
}

// Every look of the button in one picture: the default button hot without
// the mouse, a plain one normal, hovered, pressed, focused and disabled.
TEST_F(CtrlAdapter, ButtonLooksInEveryState) {
    Make();
    auto* later = Find<vcl::TButton>("Button2");
    TacBtnWnd& adapter = *AdapterOf("Button2");
    std::vector<gfx::TBitmap> looks;
    EXPECT_EQ(AdapterOf("Button1")->State(), 1);
    looks.push_back(Look("Button1"));
    EXPECT_EQ(adapter.State(), 0);
    looks.push_back(Look("Button2"));

    MoveTo(Centre(*later));
    EXPECT_EQ(Manager->ControlUnderMouse(), later->Handle());
    EXPECT_EQ(adapter.State(), 1);
    looks.push_back(Look("Button2"));
    const gfx::TRect calm = adapter.TextRect();

    ui::headless::MouseDown();
    Pump();
    EXPECT_EQ(adapter.State(), 2);
    EXPECT_EQ(adapter.TextRect(), gfx::OffsetRect(calm, 1, 1));
    looks.push_back(Look("Button2"));
    int clicks = 0;
    later->SetOnClick([&](vcl::TObject*) { ++clicks; });
    ui::headless::MouseUp();
    Pump();
    EXPECT_EQ(clicks, 1);
    // The press gave the button the focus: hot with the focus frame.
    MoveTo({630, 470});
    EXPECT_TRUE(later->Focused());
    EXPECT_EQ(adapter.State(), 1);
    looks.push_back(Look("Button2"));

    later->SetEnabled(false);
    Pump();
    EXPECT_EQ(adapter.State(), 0);
    looks.push_back(Look("Button2"));
    EXPECT_EQ(painttest::DifferenceFromGolden(golden::SideBySide(looks, 4), "ctrladapter-button"), 0)
        << "see ctrladapter-button-actual.png beside the test program";
}

TEST_F(CtrlAdapter, HoverShowsTheGlowAroundTheButtonAndLeavingTakesItAway) {
    Make();
    auto* ok = Find<vcl::TButton>("Button1");
    TacBtnWnd& adapter = *AdapterOf("Button1");
    MoveTo(Centre(*ok));
    ASSERT_TRUE(adapter.SkinData().MouseOver);
    ASSERT_NE(adapter.SkinData().GlowHandle, -1);
    const ui::HWND glow = GlowEffects().at(size_t(adapter.SkinData().GlowHandle))->Window->Handle();
    const gfx::TRect button = ui::GetWindowRect(ok->Handle());
    EXPECT_EQ(ui::GetWindowRect(glow), gfx::Bounds(button.Left - 8, button.Top - 8, 137, 41));
    // A press hides every glow.
    ui::headless::MouseDown();
    Pump();
    EXPECT_EQ(adapter.SkinData().GlowHandle, -1);
    ui::headless::MouseUp();
    Pump();

    MoveTo({630, 470});
    EXPECT_FALSE(adapter.SkinData().MouseOver);
    EXPECT_EQ(Manager->ControlUnderMouse(), nullptr);
    EXPECT_EQ(adapter.SkinData().GlowHandle, -1);
}

// The skin goes (command 2 to every window): the button is the framework's
// again and the labels get their own colours back, the link label its blue;
// the skin comes back and so does the adapted look.
TEST_F(CtrlAdapter, RemovingTheSkinGivesBackWhatWasAdaptedAndApplyingAdaptsAgain) {
    Make();
    auto* later = Find<vcl::TButton>("Button2");
    const gfx::TBitmap skinned = Look("Button2");
    Log.clear();
    Manager->SetActive(false);
    Pump();
    EXPECT_TRUE(Logged(ui::WM_PAINT));
    EXPECT_FALSE(skin::IsSkinnedControl(*later));
    EXPECT_EQ(Find<vcl::TLabel>("Label2")->Font().Color(), gfx::clBlue);
    EXPECT_FALSE(Find<vcl::TLabel>("Label1")->Transparent());
    const gfx::TBitmap plain = Look("Button2");
    // The framework's button face, not the skin's.
    const gfx::TColor face = gfx::ColorToRGB(gfx::clBtnFace);
    EXPECT_EQ(painttest::Px(plain, plain.Width() / 2, 3), painttest::Opaque(uint32_t(gfx::GetRValue(face)) << 16 |
                                                                            uint32_t(gfx::GetGValue(face)) << 8 |
                                                                            uint32_t(gfx::GetBValue(face))));

    Manager->SetActive(true);
    Pump();
    EXPECT_TRUE(skin::IsSkinnedControl(*later));
    EXPECT_TRUE(Find<vcl::TLabel>("Label1")->Transparent());
    const gfx::TBitmap again = Look("Button2");
    int differing = 0;
    for (int y = 0; y < again.Height(); ++y)
        for (int x = 0; x < again.Width(); ++x) differing += painttest::Px(again, x, y) != painttest::Px(skinned, x, y);
    EXPECT_EQ(differing, 0);
}

TEST_F(CtrlAdapter, ControlsFreedOrRemadeWhileAdaptedLeaveTheAdapterAndTheWalkSound) {
    Make();
    auto* ok = Find<vcl::TButton>("Button1");
    MoveTo(Centre(*ok));
    ASSERT_NE(AdapterOf("Button1")->SkinData().GlowHandle, -1);
    ok->Free();
    Find<vcl::TLabel>("Label2")->Free();
    Pump();
    EXPECT_EQ(Provider->CtrlAdapter()->Items().size(), 1u);
    // The glow of the freed button went with it.
    EXPECT_TRUE(std::all_of(GlowEffects().begin(), GlowEffects().end(), [](const auto& g) { return !g; }));
    // A window made anew (word wrap switched) is adapted again as it comes.
    auto* later = Find<vcl::TButton>("Button2");
    later->SetWordWrap(true);
    Pump();
    ASSERT_TRUE(later->HandleAllocated());
    EXPECT_TRUE(TacMainWnd::Of(later->Handle()));
    EXPECT_FALSE(Logged(ui::WM_PAINT));
    Provider->AdaptControls();
    Manager->SetActive(false);
    Manager->SetActive(true);
    Pump();
    EXPECT_EQ(Provider->CtrlAdapter()->Items().size(), 1u);
    // The form goes with the adapter still holding its button.
    Form->Free();
    Form = nullptr;
    Pump();
}

}  // namespace
