// The skinned push button: where its glyph and caption go, the folder
// dialog's buttons in every look in one recorded picture, the keyboard and
// mouse paths with the dialog keys, and its fades frame by frame.
#include <gtest/gtest.h>

#include "GoldenPicture.h"

#include <functional>
#include <memory>
#include <vector>

#include "CheckBoxTestKit.h"
#include "controls/sBitBtn.h"
#include "skinpaint/sColorOps.h"
#include "skinpaint/sFadeBlend.h"
#include "ui/Headless.h"
#include "ui/Keys.h"
#include "vcl/TApplication.h"
#include "vcl/TEdit.h"

namespace {

using checktest::Rgb;
using checktest::Shot;
using controls::TsBitBtn;
using ui::headless::AdvanceClock;

TEST(BitBtnLayout, GlyphAndCaptionPlaces) {
    using namespace controls;
    struct Case {
        const char* Situation;
        TsBitBtnLayout In;
        gfx::TPoint Glyph;
        gfx::TRect Caption;
    };
    const gfx::TRect ok{0, 0, 75, 25};
    const std::vector<Case> cases = {
        {"the dialog's OK: no glyph, so no spacing, the caption centred",
         {ok, 0, 0, 15, 13},
         {30, 13},
         {30, 6, 45, 19}},
        {"a glyph left of the caption, block centred",
         {ok, 16, 16, 15, 13},
         {(75 - 15 - 4 - 16) / 2, 5},
         {20 + 16 + 4, 6, 55, 19}},
        {"glyph right, centred", {ok, 16, 16, 15, 13, -1, 4, blGlyphRight}, {20 + 15 + 4, 5}, {20, 6, 35, 19}},
        {"glyph left, left-justified, margin 3",
         {ok, 16, 16, 15, 13, 3, 4, blGlyphLeft, vcl::taLeftJustify},
         {3, 5},
         {23, 6, 38, 19}},
        {"glyph left, right-justified, automatic margin is 2",
         {ok, 16, 16, 15, 13, -1, 4, blGlyphLeft, vcl::taRightJustify},
         {75 - 2 - 15 - 4 - 16, 5},
         {58, 6, 73, 19}},
        {"glyph right, right-justified, margin 2",
         {ok, 16, 16, 15, 13, 2, 4, blGlyphRight, vcl::taRightJustify},
         {75 - 2 - 16, 5},
         {75 - 2 - 16 - 4 - 15, 6, 53, 19}},
        {"automatic margin and spacing share the room in thirds",
         {ok, 16, 16, 15, 13, -1, -1},
         {15, 5},
         {15 + 16 + 14, 6, 60, 19}},
        {"margin 2, automatic spacing",
         {ok, 16, 16, 15, 13, 2, -1},
         {(75 - 15 - 21 - 16) / 2, 5},
         {11 + 16 + 21, 6, 63, 19}},
        {"a caption too wide for a left-justified block is cut",
         {ok, 16, 16, 70, 13, 3, 4, blGlyphLeft, vcl::taLeftJustify},
         {3, 5},
         {23, 6, 72, 19}},
        {"glyph above", {{0, 0, 57, 49}, 24, 24, 25, 13, -1, 4, blGlyphTop}, {17, 4}, {16, 32, 41, 45}},
        {"glyph below", {{0, 0, 57, 49}, 24, 24, 25, 13, -1, 4, blGlyphBottom}, {17, 49 - 24 - 4}, {16, 4, 41, 17}},
        {"right to left swaps the sides",
         {ok, 16, 16, 15, 13, -1, 4, blGlyphLeft, vcl::taCenter, true},
         {20 + 15 + 4, 5},
         {20, 6, 35, 19}},
        {"a client rectangle that does not start at the corner moves both",
         {{2, 3, 77, 28}, 0, 0, 15, 13},
         {32, 16},
         {32, 9, 47, 22}},
    };
    for (const Case& c : cases) {
        const TsBitBtnPlaces places = PlaceGlyphAndCaption(c.In);
        EXPECT_EQ(places.GlyphOrigin.X, c.Glyph.X) << c.Situation;
        EXPECT_EQ(places.GlyphOrigin.Y, c.Glyph.Y) << c.Situation;
        EXPECT_EQ(places.CaptionBounds, c.Caption) << c.Situation;
    }
}

class BitBtn : public checktest::SkinnedDesktop {
protected:
    // A button of the folder dialog: 75 x 25, no focus frame.
    TsBitBtn* NewButton(const char* caption, int left, int top = 20) {
        auto* button = new TsBitBtn(Form);
        button->SetParent(Form);
        button->SetBounds(left, top, 75, 25);
        button->SetCaption(caption);
        button->SetShowFocus(false);
        button->OnClick = [this, caption](vcl::TObject*) { Clicked.push_back(caption); };
        vcl::Application->ProcessMessages();
        return button;
    }
    static void MoveTo(const vcl::TControl& control, int x, int y) {
        const gfx::TPoint p = control.ClientToScreen({x, y});
        ui::headless::MouseMove(p.X, p.Y);
        vcl::Application->ProcessMessages();
    }
    // A control that is not a button to hold the focus, as the dialog's tree does.
    vcl::TEdit* NewFocusHolder() {
        auto* edit = new vcl::TEdit(Form);
        edit->SetParent(Form);
        edit->SetBounds(10, 200, 100, 21);
        return edit;
    }
    skin::TsGeneralData& ButtonSection() { return Manager->Sections[size_t(Manager->FindSection("BUTTON"))]; }
    std::vector<std::string> Clicked;
};

TEST_F(BitBtn, BlendIsKeptWithinItsRange) {
    TsBitBtn* button = NewButton("OK", 10);
    button->SetBlend(150);
    EXPECT_EQ(button->Blend(), 100);
    button->SetBlend(-5);
    EXPECT_EQ(button->Blend(), 0);
}

// A 16 x 16 glyph of one frame: a blue disc on the green see-through colour
// of its bottom-left pixel.
gfx::TBitmap Disc() {
    gfx::TBitmap glyph(16, 16, gfx::pf24bit);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int dx = 2 * x - 15, dy = 2 * y - 15;
            glyph.Canvas().SetPixels(x, y, dx * dx + dy * dy <= 144 ? gfx::RGB(20, 60, 200) : gfx::RGB(0, 255, 0));
        }
    return glyph;
}

TEST_F(BitBtn, EveryLookOfTheDialogsButtons) {
    // Columns: normal, hot, pressed, focused with the focus frame, focused as
    // in the dialog, the default button without the focus, disabled, Down.
    const std::vector<std::function<void(TsBitBtn&)>> looks = {
        [](TsBitBtn&) {},
        [](TsBitBtn& b) { MoveTo(b, 30, 12); },
        [](TsBitBtn& b) {
            MoveTo(b, 30, 12);
            ui::headless::MouseDown();
        },
        [this](TsBitBtn& b) {
            // The internal skin's BUTTON shows no focus frame; a section that does.
            ButtonSection().ShowFocus = true;
            b.SetShowFocus(true);
            b.SetFocus();
        },
        [](TsBitBtn& b) { b.SetFocus(); },
        [](TsBitBtn& b) { b.SetDefault(true); },
        [](TsBitBtn& b) { b.SetEnabled(false); },
        [](TsBitBtn& b) { b.SetDown(true); },
    };
    checktest::TSheet sheet(int(looks.size()), 3, 75, 25);
    for (int row = 0; row < 3; ++row)
        for (size_t column = 0; column < looks.size(); ++column) {
            vcl::TEdit* other = NewFocusHolder();
            other->SetFocus();
            TsBitBtn* button = NewButton(row == 0 ? "OK" : row == 1 ? "Create" : "Cancel", 10);
            if (row == 1) button->SetGlyph(Disc());
            if (row == 2) button->SetWordWrap(false), button->SetCaption("A caption too long for it");
            looks[column](*button);
            AdvanceClock(400);
            sheet.Put(int(column), row, Shot(button->Handle()));
            ButtonSection().ShowFocus = false;
            ui::headless::MouseMove(0, 0);
            ui::headless::MouseUp();
            vcl::Application->ProcessMessages();
            button->Free();
            other->Free();
            vcl::Application->ProcessMessages();
        }
    golden::ExpectGoldenColours(sheet.Picture(), CONTROLS_TEST_DATA, "bitbtn-looks");
}

TEST_F(BitBtn, KeyboardAndMousePaths) {
    TsBitBtn* ok = NewButton("OK", 10);
    ok->SetDefault(true);
    ok->SetModalResult(vcl::mrOk);
    TsBitBtn* cancel = NewButton("Cancel", 90);
    cancel->SetCancel(true);
    cancel->SetModalResult(vcl::mrCancel);
    TsBitBtn* create = NewButton("Create", 170);
    vcl::TEdit* tree = NewFocusHolder();
    create->SetFocus();
    vcl::Application->ProcessMessages();

    struct Case {
        const char* Situation;
        std::function<void()> Act;
        std::vector<std::string> Clicks;
        vcl::TModalResult Result;
    };
    const std::vector<Case> cases = {
        {"Enter presses the focused button rather than the default one",
         [] { ui::headless::KeyPress(ui::VK_RETURN, '\r'); },
         {"Create"},
         vcl::mrNone},
        {"Enter with the focus outside the buttons presses the default button",
         [&] {
             tree->SetFocus();
             ui::headless::KeyPress(ui::VK_RETURN, '\r');
         },
         {"OK"},
         vcl::mrOk},
        {"Escape presses the cancel button",
         [] { ui::headless::KeyPress(ui::VK_ESCAPE, 27); },
         {"Cancel"},
         vcl::mrCancel},
        {"Space on the focused button: pressed while held, clicked on release",
         [&] {
             ok->SetFocus();
             ui::headless::KeyDown(ui::VK_SPACE, ' ');
             vcl::Application->ProcessMessages();
             EXPECT_EQ(ok->PaintState(), 2);
             EXPECT_TRUE(Clicked.empty());
             ui::headless::KeyUp(ui::VK_SPACE);
         },
         {"OK"},
         vcl::mrOk},
        {"Enter on the focused default button", [] { ui::headless::KeyPress(ui::VK_RETURN, '\r'); }, {"OK"}, vcl::mrOk},
        {"a press that leaves the button, comes back and leaves again before the release",
         [&] {
             MoveTo(*cancel, 30, 12);
             ui::headless::MouseDown();
             vcl::Application->ProcessMessages();
             EXPECT_EQ(cancel->PaintState(), 2);
             MoveTo(*cancel, 30, 60);
             EXPECT_LT(cancel->PaintState(), 2) << "off the button it shows unpressed";
             MoveTo(*cancel, 30, 12);
             EXPECT_EQ(cancel->PaintState(), 2) << "and pressed again when back";
             MoveTo(*cancel, 30, 60);
             ui::headless::MouseUp();
         },
         {},
         vcl::mrNone},
        {"a click",
         [&] {
             MoveTo(*cancel, 30, 12);
             ui::headless::MouseDown();
             ui::headless::MouseUp();
         },
         {"Cancel"},
         vcl::mrCancel},
    };
    for (const Case& c : cases) {
        Clicked.clear();
        Form->SetModalResult(vcl::mrNone);
        c.Act();
        vcl::Application->ProcessMessages();
        AdvanceClock(300);
        EXPECT_EQ(Clicked, c.Clicks) << c.Situation;
        EXPECT_EQ(Form->ModalResult(), c.Result) << c.Situation;
    }
    tree->SetFocus();
    MoveTo(*tree, 50, 10);
    EXPECT_EQ(ok->PaintState(), 1) << "the default button looks hot while no button has the focus";
    EXPECT_EQ(cancel->PaintState(), 0);
}

TEST_F(BitBtn, HoverAndPressFadeFrameByFrame) {
    TsBitBtn* button = NewButton("OK", 10);
    const gfx::TBitmap normal = Shot(button->Handle());
    MoveTo(*button, 30, 12);
    ASSERT_NE(button->FadeAnimation(), nullptr);
    EXPECT_EQ(button->FadeAnimation()->FadeSteps, 20);
    std::vector<gfx::TBitmap> frames;
    while (button->FadeAnimation() && frames.size() < 30) {
        AdvanceClock(10);
        frames.push_back(ui::headless::WindowImage(button->Handle()));
    }
    ASSERT_EQ(frames.size(), 21u) << "20 frames, then the tick that ends the fade";
    const gfx::TBitmap& hot = frames.back();
    for (int step = 1; step <= 20; ++step) {
        gfx::TBitmap expected;
        expected.Assign(normal);
        skinpaint::FadeBlend(expected, hot, skinpaint::FadeAlpha(step, 20));
        int wrong = 0;
        for (int y = 0; y < 25; ++y)
            for (int x = 0; x < 75; ++x) wrong += Rgb(expected, x, y) != Rgb(frames[size_t(step - 1)], x, y);
        EXPECT_EQ(wrong, 0) << "step " << step;
    }
    EXPECT_NE(Rgb(normal, 37, 3), Rgb(hot, 37, 3)) << "the hot look differs";

    // The pressed look, once a press has faded all the way.
    ui::headless::MouseDown();
    AdvanceClock(200);
    const gfx::TBitmap pressed = Shot(button->Handle());
    ui::headless::MouseUp();
    AdvanceClock(200);
    EXPECT_EQ(Clicked, std::vector<std::string>{"OK"});

    ui::headless::MouseDown();
    vcl::Application->ProcessMessages();
    ASSERT_NE(button->FadeAnimation(), nullptr) << "the press fades";
    EXPECT_EQ(button->FadeAnimation()->FadeSteps, 10) << "fast";
    AdvanceClock(30);
    EXPECT_NE(Rgb(Shot(button->Handle()), 37, 3), Rgb(pressed, 37, 3)) << "three steps of ten into the press";
    ui::headless::MouseUp();
    vcl::Application->ProcessMessages();
    const gfx::TBitmap released = ui::headless::WindowImage(button->Handle());
    int differing = 0;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 75; ++x) differing += Rgb(released, x, y) != Rgb(pressed, x, y);
    EXPECT_EQ(differing, 0) << "a release before the press has faded in shows the pressed look first";
    ASSERT_NE(button->FadeAnimation(), nullptr) << "and the release fades from it";
    EXPECT_EQ(button->FadeAnimation()->CurrentStep, 1);
    AdvanceClock(200);
    EXPECT_EQ(button->FadeAnimation(), nullptr);
    EXPECT_EQ(Clicked, (std::vector<std::string>{"OK", "OK"}));
}

}  // namespace

namespace {

TEST_F(BitBtn, TheFolderDialogsStoredLayoutMakesItsButtons) {
    auto* form = new vcl::TForm(vcl::Application);
    form->ReadLayout(R"(
object PathDialogForm: TForm
  ClientWidth = 342
  ClientHeight = 386
  object sBitBtn3: TsBitBtn
    Left = 12
    Top = 344
    Width = 75
    Height = 25
    Anchors = [akLeft, akBottom]
    Caption = 'Create'
    Enabled = False
    TabOrder = 3
    ShowFocus = False
    SkinData.SkinSection = 'BUTTON'
  end
  object sBitBtn1: TsBitBtn
    Left = 173
    Top = 344
    Width = 75
    Height = 25
    Anchors = [akRight, akBottom]
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
    ShowFocus = False
    SkinData.SkinSection = 'BUTTON'
  end
  object sBitBtn2: TsBitBtn
    Left = 250
    Top = 344
    Width = 75
    Height = 25
    Anchors = [akRight, akBottom]
    Caption = 'Cancel'
    Cancel = True
    ModalResult = 2
    TabOrder = 2
    ShowFocus = False
    SkinData.SkinSection = 'BUTTON'
  end
end
)");
    auto* create = dynamic_cast<TsBitBtn*>(form->FindComponent("sBitBtn3"));
    auto* ok = dynamic_cast<TsBitBtn*>(form->FindComponent("sBitBtn1"));
    auto* cancel = dynamic_cast<TsBitBtn*>(form->FindComponent("sBitBtn2"));
    ASSERT_TRUE(create && ok && cancel);
    EXPECT_FALSE(create->Enabled());
    EXPECT_TRUE(ok->Default());
    EXPECT_EQ(ok->ModalResult(), vcl::mrOk);
    EXPECT_TRUE(cancel->Cancel());
    EXPECT_EQ(cancel->ModalResult(), vcl::mrCancel);
    for (TsBitBtn* button : {create, ok, cancel}) {
        EXPECT_FALSE(button->ShowFocus());
        EXPECT_TRUE(button->WordWrap());
        EXPECT_EQ(button->Margin(), -1);
        EXPECT_EQ(button->Spacing(), 4);
        EXPECT_EQ(button->SkinData().SkinSection(), "BUTTON");
        EXPECT_EQ(button->SkinData().ControlKind, 94);
    }
    form->Free();
}

}  // namespace
