// The skinned check box of the main window on the headless desktop with the
// internal skin: every look in one recorded picture, the mouse and Space
// paths, the fades frame by frame and the sizes it takes.
#include <gtest/gtest.h>

#include "GoldenPicture.h"

#include <functional>
#include <vector>

#include "CheckBoxTestKit.h"
#include "controls/sCheckBox.h"
#include "skinpaint/sFadeBlend.h"
#include "ui/Headless.h"
#include "ui/Keys.h"
#include "vcl/TApplication.h"
#include "vcl/TImageList.h"

namespace {

using checktest::Rgb;
using checktest::Shot;
using controls::TsCheckBox;
using ui::headless::AdvanceClock;

const char* const Caption = "Open video file when process completes";

class CheckBox : public checktest::SkinnedDesktop {
protected:
    // The main window's check box: (8, 224), checked at creation, no focus
    // frame unless asked for.
    TsCheckBox* NewCheckBox(bool showFocus = false) {
        auto* box = new TsCheckBox(Form);
        box->SetParent(Form);
        box->SetBounds(8, 224, 216, 19);
        box->SetCaption(Caption);
        box->SetChecked(true);
        box->SetShowFocus(showFocus);
        box->OnClick = [this](vcl::TObject*) { ++Clicks; };
        vcl::Application->ProcessMessages();
        return box;
    }
    // Screen point at (x, y) of the control.
    static void MoveTo(const vcl::TControl& control, int x, int y) {
        const gfx::TPoint p = control.ClientToScreen({x, y});
        ui::headless::MouseMove(p.X, p.Y);
        vcl::Application->ProcessMessages();
    }
    static void Settle() { AdvanceClock(400); }
    int Clicks = 0;
};

TEST_F(CheckBox, EveryLookInEveryCheckState) {
    // Columns: normal, hot, held down, focused with ShowFocus, focused
    // without (as in the program), disabled, read-only under the mouse.
    const std::vector<std::function<void(TsCheckBox&)>> looks = {
        [](TsCheckBox&) {},
        [](TsCheckBox& box) { MoveTo(box, 5, 9); },
        [](TsCheckBox& box) {
            MoveTo(box, 5, 9);
            ui::headless::MouseDown();
        },
        [](TsCheckBox& box) {
            box.SetShowFocus(true);
            box.SetFocus();
        },
        [](TsCheckBox& box) { box.SetFocus(); },
        [](TsCheckBox& box) { box.SetEnabled(false); },
        [](TsCheckBox& box) {
            box.SetReadOnly(true);
            MoveTo(box, 5, 9);
            ui::headless::MouseDown();
        },
    };
    const vcl::TCheckBoxState states[] = {vcl::cbUnchecked, vcl::cbChecked, vcl::cbGrayed};
    std::unique_ptr<checktest::TSheet> sheet;
    for (int row = 0; row < 3; ++row)
        for (size_t column = 0; column < looks.size(); ++column) {
            TsCheckBox* box = NewCheckBox();
            // Grayed set by code, without AllowGrayed, still shows the grayed box.
            box->SetState(states[row]);
            looks[column](*box);
            Settle();
            const gfx::TBitmap picture = Shot(box->Handle());
            if (!sheet)
                sheet = std::make_unique<checktest::TSheet>(int(looks.size()), 3, picture.Width(), picture.Height());
            sheet->Put(int(column), row, picture);
            EXPECT_EQ(box->State(), states[row]) << "looking never toggles";
            ui::headless::MouseMove(0, 0);
            ui::headless::MouseUp();
            box->Free();
            vcl::Application->ProcessMessages();
        }
    golden::ExpectGoldenColours(sheet->Picture(), CONTROLS_TEST_DATA, "checkbox-looks");
}

TEST_F(CheckBox, MouseAndSpacePaths) {
    struct Case {
        const char* Situation;
        std::function<void(TsCheckBox&)> Act;
        bool ReadOnly;
        vcl::TCheckBoxState After;
        int Clicks;
    };
    const std::vector<Case> cases = {
        {"press and release over it",
         [](TsCheckBox& b) {
             MoveTo(b, 5, 9);
             ui::headless::MouseDown();
             vcl::Application->ProcessMessages();
             EXPECT_TRUE(b.HeldDown());
             EXPECT_TRUE(b.Focused()) << "a press takes the focus";
             ui::headless::MouseUp();
         },
         false, vcl::cbUnchecked, 1},
        {"a press that leaves the box and is released outside",
         [](TsCheckBox& b) {
             MoveTo(b, 5, 9);
             ui::headless::MouseDown();
             MoveTo(b, 5, -30);
             EXPECT_FALSE(b.HeldDown()) << "leaving ends the press";
             ui::headless::MouseUp();
         },
         false, vcl::cbChecked, 0},
        {"a press that leaves and comes back before the release",
         [](TsCheckBox& b) {
             MoveTo(b, 5, 9);
             ui::headless::MouseDown();
             MoveTo(b, 5, -30);
             MoveTo(b, 5, 9);
             ui::headless::MouseUp();
         },
         false, vcl::cbChecked, 0},
        {"space pressed and released",
         [](TsCheckBox& b) {
             b.SetFocus();
             ui::headless::KeyDown(ui::VK_SPACE, ' ');
             vcl::Application->ProcessMessages();
             EXPECT_TRUE(b.HeldDown());
             ui::headless::KeyUp(ui::VK_SPACE);
         },
         false, vcl::cbUnchecked, 1},
        {"read-only: a click",
         [](TsCheckBox& b) {
             MoveTo(b, 5, 9);
             ui::headless::MouseDown();
             vcl::Application->ProcessMessages();
             EXPECT_FALSE(b.HeldDown());
             ui::headless::MouseUp();
         },
         true, vcl::cbChecked, 0},
        {"read-only: space",
         [](TsCheckBox& b) {
             b.SetFocus();
             ui::headless::KeyPress(ui::VK_SPACE, ' ');
         },
         true, vcl::cbChecked, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Situation);
        TsCheckBox* box = NewCheckBox();
        box->SetReadOnly(c.ReadOnly);
        Clicks = 0;
        c.Act(*box);
        vcl::Application->ProcessMessages();
        EXPECT_EQ(box->State(), c.After);
        EXPECT_EQ(Clicks, c.Clicks);
        EXPECT_FALSE(box->HeldDown());
        ui::headless::MouseMove(0, 0);
        box->Free();
        vcl::Application->ProcessMessages();
    }
}

TEST_F(CheckBox, ClicksCycleThroughGrayedOnlyWhenAllowed) {
    TsCheckBox* box = NewCheckBox();
    box->SetState(vcl::cbUnchecked);
    std::vector<vcl::TCheckBoxState> seen;
    for (bool allowGrayed : {false, true}) {
        box->SetAllowGrayed(allowGrayed);
        for (int i = 0; i < 3; ++i) {
            box->SetFocus();
            ui::headless::KeyPress(ui::VK_SPACE, ' ');
            vcl::Application->ProcessMessages();
            seen.push_back(box->State());
        }
    }
    using enum vcl::TCheckBoxState;
    EXPECT_EQ(seen,
              (std::vector<vcl::TCheckBoxState>{cbChecked, cbUnchecked, cbChecked, cbGrayed, cbUnchecked, cbChecked}));
}

// The window's picture after each tick is the blend of the look before and
// the look after at that step; once the fade has ended the window shows the
// new look itself.
void ExpectFadeFrames(TsCheckBox& box, const gfx::TBitmap& before, int steps) {
    std::vector<gfx::TBitmap> frames;
    for (int i = 0; i < steps + 2; ++i) {
        AdvanceClock(10);
        frames.push_back(ui::headless::WindowImage(box.Handle()));
    }
    EXPECT_EQ(box.FadeAnimation(), nullptr) << "the fade has ended";
    const gfx::TBitmap& after = frames.back();
    ASSERT_EQ(after.Width(), before.Width());
    for (int step = 1; step <= steps; ++step) {
        const gfx::TBitmap& frame = frames[size_t(step - 1)];
        const int a = skinpaint::FadeAlpha(step, steps);
        int wrong = 0;
        for (int y = 0; y < frame.Height(); ++y)
            for (int x = 0; x < frame.Width() * 4; ++x)
                if (x % 4 != 3 &&
                    frame.ScanLine(y)[x] != (before.ScanLine(y)[x] * a + after.ScanLine(y)[x] * (255 - a) + 127) >> 8)
                    ++wrong;
        EXPECT_EQ(wrong, 0) << "step " << step << " of " << steps;
    }
    EXPECT_NE(Rgb(before, 8, 9) + Rgb(before, 3, 5), Rgb(after, 8, 9) + Rgb(after, 3, 5)) << "the box changed";
}

TEST_F(CheckBox, HoverAndLeaveFadeInTwentyStepsPressAndCheckInTen) {
    TsCheckBox* box = NewCheckBox();
    gfx::TBitmap before = Shot(box->Handle());

    MoveTo(*box, 5, 9);
    ASSERT_NE(box->FadeAnimation(), nullptr) << "entering fades";
    EXPECT_EQ(box->FadeAnimation()->FadeSteps, 20);
    ExpectFadeFrames(*box, before, 20);

    // Leaving fades too; the focus arriving meanwhile shows the next frame at once.
    MoveTo(*box, 5, -30);
    ASSERT_NE(box->FadeAnimation(), nullptr) << "leaving fades";
    AdvanceClock(10);
    const int step = box->FadeAnimation()->CurrentStep;
    const gfx::TBitmap shown = ui::headless::WindowImage(box->Handle());
    box->SetFocus();
    ASSERT_NE(box->FadeAnimation(), nullptr);
    EXPECT_EQ(box->FadeAnimation()->CurrentStep, step + 1);
    EXPECT_NE(Rgb(ui::headless::WindowImage(box->Handle()), 3, 5), Rgb(shown, 3, 5));
    AdvanceClock(400);
    MoveTo(*box, 5, 9);
    AdvanceClock(400);

    box->SetFocus();
    before = Shot(box->Handle());
    box->SetChecked(false);
    ASSERT_NE(box->FadeAnimation(), nullptr) << "a change of the check fades, fast";
    EXPECT_EQ(box->FadeAnimation()->FadeSteps, 10);
    ExpectFadeFrames(*box, before, 10);

    before = Shot(box->Handle());
    ui::headless::MouseDown();
    vcl::Application->ProcessMessages();
    ASSERT_NE(box->FadeAnimation(), nullptr);
    EXPECT_EQ(box->FadeAnimation()->FadeSteps, 10) << "a press fades fast";
    ExpectFadeFrames(*box, before, 10);
    ui::headless::MouseUp();
}

TEST_F(CheckBox, SizesItselfToTheSkinsBoxAndItsCaption) {
    TsCheckBox* box = NewCheckBox();
    gfx::TBitmap scratch(1, 1);
    scratch.Canvas().Font = box->Font().Handle();
    const gfx::TSize text = scratch.Canvas().TextExtent(Caption);
    struct Case {
        const char* Situation;
        std::function<void()> Set;
        int Width, Height;
    };
    const std::vector<Case> cases = {
        {"as in the program: the skin's 13-pixel box", [] {}, 13 + 4 + text.cx + 8, 19},
        {"TextIndent 6", [&] { box->SetTextIndent(6); }, 13 + 4 + text.cx + 6 + 8, 19},
        {"Margin 5", [&] { box->SetMargin(5); }, 13 + 10 + text.cx + 6 + 8, text.cy + 10 + 2},
        {"no caption", [&] { box->SetCaption(""); }, 13 + 10, 13 + 2},
        {"an image list of 48 x 16 pictures: three frames of 16",
         [&] {
             auto* list = new vcl::TImageList(Form);
             list->SetWidth(48);
             list->SetHeight(16);
             list->Add(gfx::TBitmap(48, 16));
             box->SetImages(list);
             box->SetImgUnchecked(0);
             box->SetImgChecked(0);
         },
         16 + 10, 16 + 2},
        {"no image list: an own 20 x 20 picture in three frames",
         [&] {
             box->SetImages(nullptr);
             gfx::TBitmap frames(60, 20);
             box->SetGlyphChecked(frames);
         },
         20 + 10, 20 + 2},
    };
    for (const Case& c : cases) {
        c.Set();
        EXPECT_EQ(box->Width(), c.Width) << c.Situation;
        EXPECT_EQ(box->Height(), c.Height) << c.Situation;
    }
}

}  // namespace

namespace {

TEST_F(CheckBox, TheMainWindowsStoredLayoutMakesIt) {
    auto* form = new vcl::TForm(vcl::Application);
    form->ReadLayout(R"(
object Form1: TForm
  ClientWidth = 372
  ClientHeight = 250
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  object sEdit1: TEdit
    Left = 8
    Top = 88
    TabOrder = 0
  end
  object sCheckBox1: TsCheckBox
    Left = 8
    Top = 224
    Width = 216
    Height = 19
    Caption = 'Open video file when process completes'
    Checked = True
    TabOrder = 1
    ShowFocus = False
    SkinData.SkinSection = 'CHECKBOX'
  end
  object sDirectoryEdit1: TEdit
    Left = 8
    Top = 200
    TabOrder = 2
  end
end
)");
    auto* box = dynamic_cast<TsCheckBox*>(form->FindComponent("sCheckBox1"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->Checked());
    EXPECT_FALSE(box->ShowFocus());
    EXPECT_EQ(box->TabOrder(), 1);
    EXPECT_EQ(box->SkinData().SkinSection(), "CHECKBOX");
    EXPECT_EQ(box->Height(), 19) << "sized to the skin's box and the caption once loaded";
    EXPECT_EQ(Clicks, 0);
    form->Free();
}

}  // namespace

namespace {

TEST_F(CheckBox, WithoutTheSkinThePlainLookAndSizeComeBackAndTheCheckStays) {
    TsCheckBox* box = NewCheckBox();
    const int skinnedWidth = box->Width();
    Manager->SetActive(false);
    vcl::Application->ProcessMessages();
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(box->Width(), skinnedWidth - 13 - 4 - 8 + 20) << "the caption and 20 pixels";
    EXPECT_EQ(box->Height(), 20);
    const gfx::TBitmap plain = Shot(box->Handle());
    EXPECT_EQ(Rgb(plain, 1, 9), gfx::ColorToRGB(gfx::clBtnShadow) & 0xFFFFFF) << "the framework's sunken box";
    box->SetFocus();
    ui::headless::KeyPress(ui::VK_SPACE, ' ');
    vcl::Application->ProcessMessages();
    EXPECT_FALSE(box->Checked()) << "Space still toggles";

    Manager->SetActive(true);
    vcl::Application->ProcessMessages();
    EXPECT_EQ(box->Width(), skinnedWidth);
    EXPECT_EQ(box->Height(), 19);
}

}  // namespace
