// The skinned speed button on the headless desktop with the internal skin:
// the layout's rectangles, every look of the program's three buttons and the
// layout's edge cases in one golden picture, the fades that mouse enter,
// press, release and leave produce, frame by frame, and sticky buttons in a
// group.
#include <gtest/gtest.h>

#include "GoldenPicture.h"

#include <cstring>
#include <fstream>
#include <map>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "CheckBoxTestKit.h"
#include "controls/sSpeedButton.h"
#include "gfx/ImageCodecs.h"
#include "skin/sFadeSwitch.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sAnimTimer.h"
#include "skinpaint/sFadeBlend.h"
#include "ui/Headless.h"
#include "ui/Keys.h"
#include "ui/WindowPos.h"
#include "vcl/Resources.h"
#include "vcl/TApplication.h"
#include "vcl/TCustomForm.h"
#include "vcl/TImageList.h"
#include "vcl/TMenus.h"

using controls::TsSpeedButton;
using ui::headless::AdvanceClock;

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The program's own glyphs, as its windows' layouts name them; the bytes
// live as long as the resources that point at them.
std::string_view Glyph(const std::string& name) {
    static std::map<std::string, std::string> glyphs;
    std::string& bytes = glyphs[name];
    if (bytes.empty()) {
        std::string folder = CONTROLS_TEST_DATA;
        folder.erase(folder.rfind("/tests/controls/data"));
        bytes = ReadFile(folder + "/resources/app/" + name);
    }
    return bytes;
}

// The program's buttons on a window of the main window's colours and font,
// framed by the skin, with the desktop's clock in the test's hands.
class SpeedButtonTest : public checktest::SkinnedDesktop {
protected:
    void SetUp() override {
        checktest::SkinnedDesktop::SetUp();
        vcl::RegisterResource("start.png", Glyph("start.png"));
        vcl::RegisterResource("help.png", Glyph("help.png"));
        (void)TsSpeedButton::StaticClass();
    }
    void TearDown() override {
        ui::headless::SetTestClock(false);
        vcl::SetCaptureControl(nullptr);
        vcl::Application->SetShowHint(true);
        checktest::SkinnedDesktop::TearDown();
    }

    TsSpeedButton* Add(int left, int top, int width, int height, const char* caption, const char* glyph = nullptr) {
        auto* button = new TsSpeedButton(Form);
        button->SetBounds(left, top, width, height);
        button->SetCaption(caption);
        if (glyph) button->Glyph().LoadFromResourceName(glyph);
        button->SetParent(Form);
        return button;
    }
    // The program's buttons: Start (bold, glyph left), Help (glyph above), Cancel.
    TsSpeedButton* Start(int left, int top) {
        TsSpeedButton* button = Add(left, top, 113, 35, "Start", "start.png");
        button->Font().SetStyle(gfx::fsBold);
        return button;
    }
    TsSpeedButton* Help(int left, int top) {
        TsSpeedButton* button = Add(left, top, 57, 49, "Help", "help.png");
        button->SetLayout(controls::blGlyphTop);
        return button;
    }
    TsSpeedButton* Cancel(int left, int top) { return Add(left, top, 73, 25, "Cancel"); }

    void Show() { vcl::Application->ProcessMessages(); }
    // What the desktop shows of the form's client area.
    gfx::TBitmap Client() const {
        gfx::TBitmap window = ui::headless::WindowImage(Form->Handle());
        const gfx::TRect bounds = ui::GetWindowRect(Form->Handle());
        const gfx::TPoint origin = Form->ClientOrigin();
        gfx::TBitmap client(Form->ClientWidth(), Form->ClientHeight());
        client.Canvas().CopyRect({0, 0, client.Width(), client.Height()}, window.Canvas(),
                                 gfx::Bounds(origin.X - bounds.Left, origin.Y - bounds.Top, client.Width(),
                                             client.Height()));
        return client;
    }
    // What the desktop shows of a button.
    gfx::TBitmap Shown(const TsSpeedButton& button) const {
        gfx::TBitmap client = Client();
        gfx::TBitmap shown(button.Width(), button.Height());
        shown.Canvas().CopyRect({0, 0, button.Width(), button.Height()}, client.Canvas(), button.BoundsRect());
        return shown;
    }
    void MoveTo(const TsSpeedButton& button, int x, int y) {
        const gfx::TPoint p = button.ClientToScreen({x, y});
        ui::headless::MouseMove(p.X, p.Y);
        vcl::Application->ProcessMessages();
    }
};

// Colour bytes alike (the alpha byte of a window's pixels carries nothing).
bool SameColors(const gfx::TBitmap& a, const gfx::TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (std::memcmp(a.ScanLine(y) + x * 4, b.ScanLine(y) + x * 4, 3) != 0) return false;
    return true;
}

gfx::TBitmap Blend(const gfx::TBitmap& from, const gfx::TBitmap& to, int step, int steps) {
    gfx::TBitmap frame;
    frame.Assign(from);
    skinpaint::FadeBlend(frame, to, skinpaint::FadeAlpha(step, steps));
    return frame;
}

// --- the layout

TEST(SpeedButtonLayout, RectanglesOfTheProgramsButtonsAndTheEdgeCases) {
    using controls::TsButtonLayout;
    struct Case {
        const char* Name;
        TsButtonLayout Layout;
        gfx::TRect Caption, Glyph;
    } const cases[] = {
        // 49 - 24 - 4 - 13 leaves 4 above the glyph and 4 below the caption.
        {"Help: glyph above",
         {.Width = 57, .Height = 49, .Layout = controls::blGlyphTop, .GlyphWidth = 24, .GlyphHeight = 24,
          .TextWidth = 21, .TextHeight = 13, .HasCaption = true},
         {17, 32, 41, 45}, {17, 4, 41, 28}},
        // d = (113 - 32 - 4 - 30) / 2 = 23: glyph at 23, caption from 23 + 32 + 4.
        {"Start: glyph left, centred",
         {.Width = 113, .Height = 35, .GlyphWidth = 32, .GlyphHeight = 32, .TextWidth = 30, .TextHeight = 13,
          .HasCaption = true},
         {58, 11, 92, 24}, {23, 1, 55, 33}},
        {"Start pressed: one pixel right and down",
         {.Width = 113, .Height = 35, .GlyphWidth = 32, .GlyphHeight = 32, .TextWidth = 30, .TextHeight = 13,
          .HasCaption = true, .Pressed = true},
         {59, 12, 93, 25}, {24, 2, 56, 34}},
        {"Cancel: no glyph, no spacing, centred in the whole button",
         {.Width = 73, .Height = 25, .TextWidth = 33, .TextHeight = 13, .HasCaption = true},
         {19, 6, 55, 19}, {20, 12, 20, 12}},
        // m = 2 + 3; d = (113 - 32 - 10 - 30) / 2 - 5 = 15.
        {"Margin 2, Spacing 10",
         {.Width = 113, .Height = 35, .Margin = 2, .Spacing = 10, .GlyphWidth = 32, .GlyphHeight = 32,
          .TextWidth = 30, .TextHeight = 13, .HasCaption = true},
         {5 + 15 + 32 + 10 - 1, 11, 113 - 5 - 15 + 2, 24}, {20, 1, 52, 33}},
        {"glyph left, left-justified: the caption starts at glyph + Margin + Spacing",
         {.Width = 113, .Height = 35, .Alignment = vcl::taLeftJustify, .GlyphWidth = 32, .GlyphHeight = 32,
          .TextWidth = 30, .TextHeight = 13, .HasCaption = true},
         {34, 11, 113 - 46 + 2, 24}, {0, 1, 32, 33}},
        {"glyph right, centred",
         {.Width = 113, .Height = 35, .Layout = controls::blGlyphRight, .GlyphWidth = 32, .GlyphHeight = 32,
          .TextWidth = 30, .TextHeight = 13, .HasCaption = true},
         {22, 11, 55, 24}, {57, 1, 89, 33}},
        // v = (49 - 24 - 4 - 13) / 2 = 4 again, from the bottom.
        {"glyph below",
         {.Width = 57, .Height = 49, .Layout = controls::blGlyphBottom, .GlyphWidth = 24, .GlyphHeight = 24,
          .TextWidth = 21, .TextHeight = 13, .HasCaption = true},
         {17, 4, 41, 17}, {17, 21, 41, 45}},
        {"a hidden caption leaves the glyph no spacing: it is centred",
         {.Width = 57, .Height = 49, .Layout = controls::blGlyphTop, .GlyphWidth = 24, .GlyphHeight = 24,
          .TextWidth = 0, .TextHeight = 0, .HasCaption = true, .ShowCaption = false},
         {27, 38, 31, 39}, {17, 12, 41, 36}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(controls::CaptionBounds(c.Layout), c.Caption) << c.Name;
        EXPECT_EQ(controls::GlyphBounds(c.Layout), c.Glyph) << c.Name;
    }
}

TEST_F(SpeedButtonTest, StoredValuesAreKeptInRange) {
    TsSpeedButton* button = Cancel(8, 8);
    button->SetBlend(150);
    EXPECT_EQ(button->Blend(), 100);
    button->SetBlend(-5);
    EXPECT_EQ(button->Blend(), 0);
    EXPECT_EQ(button->Margin(), -1);
    EXPECT_EQ(button->Spacing(), 4);
    EXPECT_EQ(button->NumGlyphs(), 1);
    button->SetNumGlyphs(0);
    EXPECT_EQ(button->NumGlyphs(), 1) << "a glyph has at least one frame to divide its width by";
    EXPECT_EQ(button->SkinData().SkinSection(), "SPEEDBUTTON");
    EXPECT_EQ(button->SkinData().ControlKind, 92);
}

// --- every look in one picture

TEST_F(SpeedButtonTest, EveryLookOfTheProgramsButtonsAsRecorded) {
    Form->Free();
    Form = NewForm(578, 548);
    Form->SetBounds(0, 0, Form->Width(), Form->Height());
    auto* images = new vcl::TImageList(Form);
    images->SetWidth(24);
    images->SetHeight(24);
    images->AddResource("help.png");
    // Two bands of columns, each in the five looks.
    struct Column {
        int Band, Left;
        std::function<TsSpeedButton*(int left, int top)> Make;
    };
    const std::vector<Column> columns = {
        {0, 8, [this](int l, int t) { return Start(l, t); }},
        {0, 125, [this](int l, int t) { return Help(l, t); }},
        {0, 186, [this](int l, int t) { return Cancel(l, t); }},
        // A caption that does not fit wraps at its words and is cut.
        {0, 263, [this](int l, int t) { return Add(l, t, 73, 25, "Convert and open the file"); }},
        {0, 340, [this](int l, int t) {
             TsSpeedButton* b = Start(l, t);
             b->SetMargin(2);
             b->SetSpacing(10);
             b->SetAlignment(vcl::taLeftJustify);
             return b;
         }},
        {0, 457, [this](int l, int t) {
             TsSpeedButton* b = Start(l, t);
             b->SetLayout(controls::blGlyphRight);
             return b;
         }},
        {1, 8, [this](int l, int t) {
             TsSpeedButton* b = Help(l, t);
             b->SetLayout(controls::blGlyphBottom);
             return b;
         }},
        {1, 69, [this](int l, int t) {
             TsSpeedButton* b = Add(l, t, 57, 49, "", "help.png");
             b->SetGrayed(true);
             return b;
         }},
        {1, 130, [this](int l, int t) {
             TsSpeedButton* b = Cancel(l, t);
             b->SetButtonStyle(controls::tbsDropDown);
             return b;
         }},
        {1, 223, [this](int l, int t) {
             TsSpeedButton* b = Add(l, t, 8, 35, "");
             b->SetButtonStyle(controls::tbsDivider);
             return b;
         }},
        // Smaller than its glyph and caption: both cut at its edges.
        {1, 235, [this](int l, int t) { return Add(l, t, 20, 20, "Start", "start.png"); }},
        // The skin's frame laid over glyph and caption.
        {1, 259, [this](int l, int t) {
             TsSpeedButton* b = Start(l, t);
             b->SetDrawOverBorder(false);
             return b;
         }},
        {1, 376, [this](int l, int t) {
             TsSpeedButton* b = Start(l, t);
             b->SetReflected(true);
             return b;
         }},
        // The glyph from an image list.
        {1, 493, [this, images](int l, int t) {
             TsSpeedButton* b = Add(l, t, 57, 49, "Help");
             b->SetLayout(controls::blGlyphTop);
             b->SetImages(images);
             b->SetImageIndex(0);
             return b;
         }},
    };
    // Rows: normal, hot, pressed, disabled, down.
    std::vector<std::vector<TsSpeedButton*>> rows(5);
    for (size_t row = 0; row < rows.size(); ++row)
        for (const Column& column : columns) {
            TsSpeedButton* button = column.Make(column.Left, 8 + (column.Band * 5 + int(row)) * 54);
            button->SetAnimatEvents(0);
            rows[row].push_back(button);
        }
    Show();
    int group = 1;
    // The manager keeps one hot speed button; here every button of the row is.
    for (TsSpeedButton* b : rows[1]) {
        b->SkinData().MouseOver = true;
        b->SkinData().PictureStale = true;
        b->RedrawNow();
    }
    for (TsSpeedButton* b : rows[2]) b->Perform(ui::WM_LBUTTONDOWN, ui::MK_LBUTTON, ui::PointToLParam({5, 5}));
    for (TsSpeedButton* b : rows[3]) b->SetEnabled(false);
    for (TsSpeedButton* b : rows[4]) {
        b->SetGroupIndex(group++);
        b->SetDown(true);
    }
    vcl::Application->ProcessMessages();
    for (TsSpeedButton* b : rows[2]) EXPECT_EQ(b->PaintState(), 2);
    for (TsSpeedButton* b : rows[4]) EXPECT_EQ(b->PaintState(), 2);

    golden::ExpectGoldenColours(Client(), CONTROLS_TEST_DATA, "speedbuttons");
}

// --- the fades, message by message

// The skin commands and mouse notifications a button receives, in order.
class TMessageLog {
public:
    explicit TMessageLog(TsSpeedButton& button) : FButton(button), FOriginal(button.WindowProc()) {
        button.SetWindowProc([this](vcl::TMessage& m) {
            if (const char* name = Name(m)) Entries.push_back(name);
            FOriginal(m);
        });
    }
    ~TMessageLog() { FButton.SetWindowProc(FOriginal); }
    std::vector<std::string> Take() { return std::exchange(Entries, {}); }

private:
    static const char* Name(const vcl::TMessage& m) {
        switch (m.Msg) {
        case vcl::CM_MOUSEENTER: return m.LParam ? nullptr : "enter";
        case vcl::CM_MOUSELEAVE: return m.LParam ? nullptr : "leave";
        case ui::WM_LBUTTONDOWN: return "down";
        case ui::WM_LBUTTONUP: return "up";
        case skin::SKIN_COMMAND_MESSAGE:
            switch (skin::SkinCommandOf(m.WParam)) {
            case skin::SKC_SET_UPDATING: return "updating";
            case skinpaint::SKC_FADE_FRAME_READY: return "frame";
            case skin::SKC_PREPARE_REFRESH: return "fade ended";
            case skin::SKC_MOUSE_LEAVE: return "manager: leave";
            default: return nullptr;
            }
        default: return nullptr;
        }
    }
    TsSpeedButton& FButton;
    vcl::TWndMethod FOriginal;
    std::vector<std::string> Entries;
};

// What one fade of `steps` frames sends after the change that started it.
std::vector<std::string> FadeOf(const char* change, int steps) {
    std::vector<std::string> log{change};
    for (int i = 0; i < steps; ++i) log.insert(log.end(), {"updating", "frame"});
    log.push_back("fade ended");
    return log;
}

TEST_F(SpeedButtonTest, EnterPressReleaseLeaveFadeFrameByFrame) {
    ui::headless::SetTestClock(true);
    TsSpeedButton* button = Start(40, 40);
    int clicks = 0, compositions = 0;
    button->SetOnClick([&](vcl::TObject*) { ++clicks; });
    button->SetOnPaint([&](vcl::TObject*, gfx::TBitmap&) { ++compositions; });
    Show();
    TMessageLog log(*button);

    struct Step {
        const char* Change;
        int Steps;  // 20 iterations of the section, halved for press and release
        int State;
    } const steps[] = {{"enter", 20, 1}, {"down", 10, 2}, {"up", 10, 1}, {"leave", 20, 0}};
    for (const Step& step : steps) {
        const gfx::TBitmap before = Shown(*button);
        compositions = 0;
        if (step.Change == std::string("enter")) MoveTo(*button, 10, 10);
        else if (step.Change == std::string("down")) ui::headless::MouseDown();
        else if (step.Change == std::string("up")) ui::headless::MouseUp();
        else MoveTo(*button, 10, 200);
        vcl::Application->ProcessMessages();
        ASSERT_NE(button->FadeAnimation(), nullptr) << step.Change;
        EXPECT_EQ(button->FadeAnimation()->FadeSteps, step.Steps) << step.Change;
        EXPECT_EQ(button->PaintState(), step.State) << step.Change;
        gfx::TBitmap after;
        after.Assign(*button->SkinData().CachePicture);
        EXPECT_FALSE(SameColors(before, after)) << step.Change << ": a change of look";
        EXPECT_TRUE(SameColors(Shown(*button), before)) << step.Change << ": nothing changes before the first tick";
        for (int frame = 1; frame <= step.Steps; ++frame) {
            AdvanceClock(10);
            EXPECT_TRUE(SameColors(Shown(*button), Blend(before, after, frame, step.Steps)))
                << step.Change << ", frame " << frame;
        }
        AdvanceClock(10);
        EXPECT_EQ(button->FadeAnimation(), nullptr) << step.Change;
        EXPECT_TRUE(SameColors(Shown(*button), after)) << step.Change;
        EXPECT_EQ(log.Take(), FadeOf(step.Change, step.Steps)) << step.Change;
        EXPECT_LE(compositions, 2) << step.Change << ": the new look is composed once, not per frame";
    }
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(skin::FadeTimerCount(), 0);
}

TEST_F(SpeedButtonTest, LeavingDuringTheHoverFadeShowsTheNormalLookAtOnce) {
    ui::headless::SetTestClock(true);
    TsSpeedButton* button = Help(40, 40);
    Show();
    const gfx::TBitmap normal = Shown(*button);
    TMessageLog log(*button);
    MoveTo(*button, 10, 10);
    for (int i = 0; i < 5; ++i) AdvanceClock(10);
    EXPECT_FALSE(SameColors(Shown(*button), normal)) << "five frames into the fade";
    MoveTo(*button, 10, 200);
    // The frames shown mark the picture out of date: the change cannot fade
    // from it and ends the fade.
    EXPECT_EQ(button->FadeAnimation(), nullptr);
    EXPECT_TRUE(SameColors(Shown(*button), normal));
    AdvanceClock(100);
    std::vector<std::string> expected = FadeOf("enter", 5);
    expected.back() = "leave";
    EXPECT_EQ(log.Take(), expected);
    EXPECT_EQ(skin::FadeTimerCount(), 0);
}

TEST_F(SpeedButtonTest, AMovedAndResizedButtonLooksLikeOneMadeThere) {
    TsSpeedButton* button = Start(40, 40);
    Show();
    button->SetBounds(60, 120, 150, 44);
    Show();
    const gfx::TBitmap moved = Shown(*button);
    button->Free();
    TsSpeedButton* fresh = Start(60, 120);
    fresh->SetBounds(60, 120, 150, 44);
    Show();
    EXPECT_TRUE(SameColors(moved, Shown(*fresh)));
}

TEST_F(SpeedButtonTest, HeldDownAndMovedOffTheButtonComesBackUpWithoutAClick) {
    TsSpeedButton* button = Start(40, 40);
    button->SetAnimatEvents(0);
    int clicks = 0;
    button->SetOnClick([&](vcl::TObject*) { ++clicks; });
    Show();
    const gfx::TBitmap normal = Shown(*button);
    MoveTo(*button, 10, 10);
    ui::headless::MouseDown();
    vcl::Application->ProcessMessages();
    EXPECT_EQ(button->PaintState(), 2);
    EXPECT_FALSE(vcl::Application->ShowHint()) << "no hints while the button is held";
    MoveTo(*button, 10, 200);
    EXPECT_EQ(button->State(), controls::bsUp);
    EXPECT_EQ(button->PaintState(), 0);
    EXPECT_TRUE(SameColors(Shown(*button), normal));
    ui::headless::MouseUp();
    vcl::Application->ProcessMessages();
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(vcl::Application->ShowHint());
    EXPECT_FALSE(vcl::GetCaptureControl());
}

// --- Down and groups

TEST_F(SpeedButtonTest, DownInAGroupIsExclusiveAndTheLastOneStaysDownUnlessAllMayBeUp) {
    TsSpeedButton* a = Cancel(8, 8);
    TsSpeedButton* b = Cancel(88, 8);
    TsSpeedButton* loose = Cancel(168, 8);
    for (TsSpeedButton* button : {a, b}) button->SetGroupIndex(1);
    Show();
    const auto click = [this](TsSpeedButton* button) {
        MoveTo(*button, 10, 10);
        ui::headless::MouseDown();
        ui::headless::MouseUp();
        vcl::Application->ProcessMessages();
    };
    loose->SetDown(true);
    EXPECT_FALSE(loose->Down()) << "outside a group a button never stays down";
    click(a);
    EXPECT_TRUE(a->Down());
    EXPECT_EQ(a->PaintState(), 2);
    click(b);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(a->State(), controls::bsUp);
    click(b);
    EXPECT_TRUE(b->Down()) << "the group's last down button stays down";
    b->SetAllowAllUp(true);
    EXPECT_TRUE(a->AllowAllUp()) << "the group shares AllowAllUp";
    click(b);
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(b->PaintState(), 1) << "up again, and hot under the mouse";
}

TEST_F(SpeedButtonTest, ADropDownButtonDropsItsMenuBelowItselfFromItsArrowPart) {
    TsSpeedButton* button = Cancel(40, 40);
    button->SetButtonStyle(controls::tbsDropDown);
    EXPECT_EQ(button->Width(), 73 + 16) << "the arrow part widens the button";
    auto* menu = new vcl::TPopupMenu(Form);
    button->SetDropdownMenu(menu);
    int clicks = 0, popups = 0;
    bool droppedWhileShown = false;
    button->SetOnClick([&](vcl::TObject*) { ++clicks; });
    menu->OnPopup = [&](vcl::TObject*) {
        ++popups;
        droppedWhileShown = button->MenuDropped();
    };
    Show();
    const auto press = [&](int x) {
        MoveTo(*button, x, 10);
        ui::headless::KeyPress(ui::VK_ESCAPE, 27);  // closes the menu when it shows
        ui::headless::MouseDown();
        ui::headless::MouseUp();
        vcl::Application->ProcessMessages();
    };
    press(80);
    EXPECT_EQ(popups, 1);
    EXPECT_TRUE(droppedWhileShown);
    EXPECT_EQ(menu->PopupPoint(), button->ClientToScreen({0, 26})) << "at the bottom-left corner, a pixel lower";
    EXPECT_FALSE(button->MenuDropped());
    EXPECT_EQ(clicks, 0);
    press(20);
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(clicks, 1) << "the main part clicks";
    button->SetButtonStyle(controls::tbsButton);
    EXPECT_EQ(button->Width(), 73);
}

// --- a stored layout

class TLayoutForm : public vcl::TForm {
public:
    TLayoutForm(vcl::TComponent* owner, const char* layout) : vcl::TForm(owner) {
        PublishField("sSpeedButton1", sSpeedButton1);
        ReadLayout(layout);
    }
    TsSpeedButton* sSpeedButton1 = nullptr;
};

TEST_F(SpeedButtonTest, AStoredLayoutMakesTheStartButton) {
    auto* form = new TLayoutForm(vcl::Application, R"(
object Form9: TLayoutForm
  ClientWidth = 372
  ClientHeight = 250
  object sSpeedButton1: TsSpeedButton
    Left = 248
    Top = 136
    Width = 113
    Height = 35
    Caption = 'Start'
    Font.Style = [fsBold]
    ParentFont = False
    Glyph.Resource = 'start.png'
    Blend = 150
    Layout = blGlyphTop
    AnimatEvents = [aeMouseEnter, aeGlobalDef]
    DisabledKind = [dkBlended, dkGrayed]
    SkinData.SkinSection = 'SPEEDBUTTON'
  end
end
)");
    TsSpeedButton* button = form->sSpeedButton1;
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Glyph().Width(), 32);
    EXPECT_EQ(button->Blend(), 100);
    EXPECT_EQ(button->Layout(), controls::blGlyphTop);
    EXPECT_EQ(button->AnimatEvents(),
              skinpaint::AnimatSet(skinpaint::aeMouseEnter) | skinpaint::AnimatSet(skinpaint::aeGlobalDef));
    EXPECT_EQ(button->DisabledKind(), unsigned(skinpaint::dkBlended | skinpaint::dkGrayed));
    EXPECT_TRUE(button->SkinData().IsSkinned());
    form->Free();
}

}  // namespace
