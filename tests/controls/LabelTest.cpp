// The skinned labels: the main window's three labels as the skin colours
// them, the colour rules, the disabled text, and the caption label an edit
// carries with its placing rules.
#include <cstring>
#include <memory>

#include "EditTestKit.h"
#include "GoldenPicture.h"
#include "controls/sBoundLabel.h"
#include "skin/sSkinColors.h"
#include "skinpaint/sColorOps.h"
#include "ui/Headless.h"
#include "vcl/TApplication.h"

namespace {

using edittest::SkinnedForm;
using SkinnedLabel = SkinnedForm;
using BoundLabel = SkinnedForm;
using namespace controls;

// The darkest pixel of the picture, as a colour value (0x00BBGGRR).
gfx::TColor Darkest(const gfx::TBitmap& shot) {
    gfx::TColor best = 0xFFFFFF;
    int bestSum = 3 * 255 + 1;
    for (int y = 0; y < shot.Height(); ++y)
        for (int x = 0; x < shot.Width(); ++x) {
            const uint8_t* p = shot.ScanLine(y) + x * 4;
            if (p[0] + p[1] + p[2] < bestSum) {
                bestSum = p[0] + p[1] + p[2];
                best = gfx::TColor(p[2] | p[1] << 8 | p[0] << 16);
            }
        }
    return best;
}

TEST_F(SkinnedLabel, MainWindowLabelsLookAsRecorded) {
    std::vector<gfx::TBitmap> rows;
    for (TsLabel* label : {Form->sLabel1, Form->sLabel2, Form->sLabel3}) {
        rows.push_back(Shot(*label));
        EXPECT_EQ(label->Font().Color(), 2171169) << label->Name() << ": the skin's text colour";
        EXPECT_EQ(Darkest(rows.back()), 2171169) << label->Name();
        EXPECT_TRUE(label->Transparent());
    }
    EXPECT_EQ(Form->sLabel1->Font().Style(), unsigned(gfx::fsBold));
    golden::ExpectGoldenColours(edittest::Stack(rows), CONTROLS_TEST_DATA, "main-labels");
}

// The progress window's three labels, as its stored layout sets them.
class TProgressForm : public vcl::TForm {
public:
    TProgressForm() : vcl::TForm(vcl::Application) {
        PublishField("sLabel3", sLabel3);
        PublishField("sLabel1", sLabel1);
        PublishField("sLabel2", sLabel2);
        ReadLayout(R"(
object ProgressForm: TProgressForm
  BorderStyle = bsDialog
  BorderIcons = [biSystemMenu]
  Caption = 'YouTube to AVI DivX...'
  ClientWidth = 389
  ClientHeight = 163
  Color = clBtnFace
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  object sSkinProvider1: TsSkinProvider
    SkinData.SkinSection = 'FORM'
  end
  object sLabel3: TsLabel
    Left = 8
    Top = 8
    Width = 369
    Height = 13
    Alignment = taCenter
    AutoSize = False
    Caption = 'Video Title: <untitled>'
    Font.Color = clBlack
  end
  object sLabel1: TsLabel
    Left = 8
    Top = 32
    Width = 86
    Height = 13
    Caption = 'Current Operation:'
    Font.Color = clBlack
  end
  object sLabel2: TsLabel
    Left = 8
    Top = 80
    Width = 71
    Height = 13
    Caption = 'Total Progress:'
    Font.Color = clBlack
  end
end
)");
    }
    TsLabel* sLabel3 = nullptr;
    TsLabel* sLabel1 = nullptr;
    TsLabel* sLabel2 = nullptr;
};

// The title line keeps its width and cuts a long title off; the operation
// line grows with its text; the skin's colour wins over the stored black.
TEST_F(SkinnedLabel, ProgressWindowLabelsLookAsRecorded) {
    auto* form = new TProgressForm;
    form->SetBounds(420, 40, form->Width(), form->Height());
    form->Show();
    Settle();
    const auto shot = [form](vcl::TControl& label) { return edittest::ShotOf(*form, label); };
    std::vector<gfx::TBitmap> rows;
    for (TsLabel* label : {form->sLabel3, form->sLabel1, form->sLabel2}) {
        rows.push_back(shot(*label));
        EXPECT_EQ(label->Font().Color(), 2171169) << label->Name();
    }
    form->sLabel3->SetCaption(
        "Video Title: A very long title of a video that goes on and on well past the width of "
        "the window's title line");
    form->sLabel1->SetCaption("Downloading... 1.5 MB of 12.3 MB (12%)");
    form->sLabel3->Repaint();
    form->sLabel1->Repaint();
    EXPECT_EQ(form->sLabel3->Width(), 369);
    EXPECT_GT(form->sLabel1->Width(), 86);
    rows.push_back(shot(*form->sLabel3));
    rows.push_back(shot(*form->sLabel1));
    golden::ExpectGoldenColours(edittest::Stack(rows), CONTROLS_TEST_DATA, "progress-labels");
}

TEST_F(SkinnedLabel, TextColourComesFromTheSkinUnlessTheLabelKeepsItsOwn) {
    struct Case {
        const char* Situation;
        bool UseSkinColor;
        const char* Section;
        gfx::TColor Expected;
    } const cases[] = {
        {"skin colour over a red font", true, "", 2171169},
        {"own colour kept", false, "", gfx::clRed},
        // A section of its own gives its text colour and paints behind the text.
        {"own section", true, "SPEEDBUTTON_SMALL", 4859923},
        {"own section without skin colour", false, "SPEEDBUTTON_SMALL", 4859923},
        {"section not in the skin", false, "NO SUCH SECTION", gfx::clRed},
    };
    for (const Case& c : cases) {
        auto* label = new TsLabel(Form);
        label->SetParent(Form);
        label->SetBounds(8, 140, 80, 13);
        label->SetCaption("Colour");
        label->Font().SetColor(gfx::clRed);
        label->SetUseSkinColor(c.UseSkinColor);
        label->SetSkinSection(c.Section);
        Shot(*label);
        EXPECT_EQ(label->Font().Color(), c.Expected) << c.Situation;
        label->Free();
    }
}

TEST_F(SkinnedLabel, DisabledTextIsMixedWithWhatLiesBehindAndSkinRemovalRestoresTheWindowTextColour) {
    TsLabel& label = *Form->sLabel3;
    label.SetEnabled(false);
    // The skinned form answers with its section's colour for its children.
    const gfx::TColor formColour = Manager->Sections[size_t(Manager->FindSection("FORM"))].Color;
    const gfx::TColor expected = skinpaint::MixColors(2171169, formColour, 0.4);
    EXPECT_EQ(Darkest(Shot(label)), expected);
    label.SetEnabled(true);

    Manager->SetActive(false);
    Settle();
    EXPECT_EQ(Form->sLabel1->Font().Color(), gfx::clWindowText);
    EXPECT_EQ(Form->sLabel2->Font().Color(), gfx::clWindowText);
}

TEST_F(SkinnedLabel, ACaptionSetAtRunTimeShowsAtOnceWhenRepainted) {
    TsLabel& label = *Form->sLabel2;
    for (const char* caption : {"Downloading... 1.5 MB of 12.3 MB (12%)", "Done."}) {
        label.SetCaption(caption);
        label.Repaint();
        // What the window shows now, before the loop has run again.
        const gfx::TBitmap now = ui::headless::WindowImage(Form->Handle());
        Settle();
        const gfx::TBitmap settled = ui::headless::WindowImage(Form->Handle());
        ASSERT_EQ(now.Height(), settled.Height());
        int differing = 0;
        for (int y = 0; y < now.Height(); ++y)
            differing += std::memcmp(now.ScanLine(y), settled.ScanLine(y), size_t(now.Width()) * 4) != 0;
        EXPECT_EQ(differing, 0) << caption << ": rows painted only later";
    }
    EXPECT_EQ(Darkest(Shot(label)), 2171169);
}

TEST_F(BoundLabel, StandsWhereItsLayoutPutsIt) {
    TsEdit& edit = *Form->sEdit1;
    edit.SetBounds(120, 120, 200, 21);
    TsBoundLabel& bound = edit.BoundLabel();
    bound.SetCaption("Address:");
    bound.SetActive(true);
    ASSERT_TRUE(bound.Label());
    const TsEditLabel& label = *bound.Label();
    const int w = label.Width(), h = label.Height();
    ASSERT_EQ(h, 13) << "one line of the 8 pt font";
    struct Case {
        TsCaptionLayout Layout;
        int Indent;
        int Left, Top;
        vcl::TAlignment Alignment;
    } const cases[] = {
        // 4 pixels left of the edit, 3 below its top: (21 - 13) div 2 - 1.
        {sclLeft, 0, 120 - w - 4, 123, vcl::taRightJustify},
        {sclLeft, 5, 120 - w - 9, 123, vcl::taRightJustify},
        {sclTopLeft, 0, 120, 107, vcl::taLeftJustify},
        {sclTopLeft, 2, 120, 105, vcl::taLeftJustify},
        {sclTopCenter, 0, 120 + (200 - w) / 2, 107, vcl::taCenter},
        {sclTopRight, 0, 320 - w, 107, vcl::taRightJustify},
        {sclLeftTop, 5, 120 - w - 9, 123, vcl::taLeftJustify},
        {sclBottomLeft, 0, 120, 141, vcl::taLeftJustify},
        {sclBottomCenter, 3, 120 + (200 - w) / 2, 144, vcl::taCenter},
        {sclBottomRight, 0, 320 - w, 141, vcl::taRightJustify},
    };
    for (const Case& c : cases) {
        bound.SetLayout(c.Layout);
        bound.SetIndent(c.Indent);
        EXPECT_EQ(label.Left(), c.Left) << "layout " << c.Layout << ", indent " << c.Indent;
        EXPECT_EQ(label.Top(), c.Top) << "layout " << c.Layout << ", indent " << c.Indent;
        EXPECT_EQ(label.Alignment(), c.Alignment) << "layout " << c.Layout;
    }
    bound.SetLayout(sclTopLeft);
    bound.SetIndent(0);
    edit.SetBounds(30, 200, 200, 21);
    EXPECT_EQ(label.Left(), 30) << "follows its edit";
    EXPECT_EQ(label.Top(), 187);
    bound.SetLayout(sclBottomCenter);
    bound.Font().SetHeight(-20);
    EXPECT_GT(label.Height(), 13);
    EXPECT_EQ(label.Left(), 30 + (200 - label.Width()) / 2) << "a new font re-places the label";
    EXPECT_EQ(label.Top(), 221);
}

TEST_F(BoundLabel, FollowsItsEditAndGoesWithIt) {
    TsEdit& edit = *Form->sEdit1;
    TsBoundLabel& bound = edit.BoundLabel();
    EXPECT_FALSE(bound.Active());
    EXPECT_TRUE(bound.UseSkinColor()) << "true while there is no label";
    bound.SetActive(true);
    TsEditLabel* label = bound.Label();
    ASSERT_TRUE(label);
    EXPECT_EQ(label->Caption(), "sEdit1") << "no caption: the edit's name";
    EXPECT_EQ(label->Name(), "sEdit1Label");
    EXPECT_EQ(label->Parent(), edit.Parent());
    EXPECT_EQ(label->FocusControl(), &edit);
    EXPECT_TRUE(label->Visible());
    EXPECT_TRUE(label->AutoSize());

    edit.SetVisible(false);
    EXPECT_FALSE(label->Visible());
    edit.SetVisible(true);
    EXPECT_TRUE(label->Visible());
    edit.SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    edit.SetEnabled(true);
    edit.SetDisabledKind(skinpaint::dkGrayed);
    edit.SetEnabled(false);
    EXPECT_TRUE(label->Enabled()) << "a disabled look that does not blend leaves the label enabled";
    edit.SetEnabled(true);

    bound.SetUseSkinColor(false);
    EXPECT_FALSE(label->UseSkinColor());
    bound.SetMaxWidth(30);
    EXPECT_EQ(label->Width(), 30);
    EXPECT_TRUE(label->WordWrap()) << "as wide as MaxWidth - 4 or wider";
    bound.SetMaxWidth(300);
    EXPECT_FALSE(label->WordWrap());

    label->Free();
    EXPECT_FALSE(bound.Active()) << "freeing the label ends the bound label";
    bound.SetActive(true);
    ASSERT_TRUE(bound.Label());
    bound.SetActive(false);
    EXPECT_EQ(bound.Label(), nullptr);
    bound.SetActive(true);
    Form->sEdit1->Free();  // the label goes with its edit
    Form->sEdit1 = nullptr;
    for (int i = 0; i < Form->ControlCount(); ++i) EXPECT_EQ(dynamic_cast<TsEditLabel*>(Form->Controls(i)), nullptr);
}

}  // namespace
