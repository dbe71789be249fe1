// The standard controls' own behaviour: check boxes and radio buttons,
// push buttons and the default button, anchors and alignment, labels that
// size themselves, and where an image lands.
#include "VclTest.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "vcl/TButton.h"
#include "vcl/TCheckBox.h"
#include "vcl/TEdit.h"
#include "vcl/TImage.h"
#include "vcl/TLabel.h"
#include "vcl/TPanel.h"

using namespace vcl;

namespace {

class ControlsTest : public vcltest::TVclTest {
protected:
    void SetUp() override {
        TVclTest::SetUp();
        Form = new TForm(Application);
        Form->SetClientSize(300, 200);
    }
    void TearDown() override {
        Form->Free();
        TVclTest::TearDown();
    }
    template <class T>
    T* Add(int left, int top, int width, int height) {
        auto* c = new T(Form);
        c->SetParent(Form);
        c->SetBounds(left, top, width, height);
        return c;
    }
    void ShowForm() {
        Form->Show();
        Pump();
    }
    TForm* Form = nullptr;
};

using CheckBoxes = ControlsTest;

TEST_F(CheckBoxes, AClickOrSpaceTogglesAndTells) {
    auto* box = Add<TCheckBox>(8, 8, 120, 17);
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    ShowForm();
    ClickAt(box, 5, 8);
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(box->Focused());
    Key(ui::VK_SPACE, ' ');
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(box->Perform(BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(CheckBoxes, GrayedOnlyWithAllowGrayed) {
    auto* box = Add<TCheckBox>(8, 8, 120, 17);
    box->Toggle();
    box->Toggle();
    EXPECT_EQ(box->State(), cbUnchecked);
    box->SetAllowGrayed(true);
    box->Toggle();
    EXPECT_EQ(box->State(), cbGrayed);
    box->Toggle();
    EXPECT_EQ(box->State(), cbChecked);
}

TEST_F(CheckBoxes, PressingAndLeavingBeforeTheReleaseDoesNotToggle) {
    auto* box = Add<TCheckBox>(8, 8, 120, 17);
    ShowForm();
    const TPoint on = box->ClientToScreen({5, 8});
    const TPoint off = box->ClientToScreen({5, 60});
    ui::headless::MouseMove(on.X, on.Y);
    ui::headless::MouseDown();
    Pump();
    EXPECT_TRUE(box->Perform(BM_GETSTATE, 0, 0) & BST_PUSHED);
    ui::headless::MouseMove(off.X, off.Y);
    Pump();
    EXPECT_FALSE(box->Perform(BM_GETSTATE, 0, 0) & BST_PUSHED);
    ui::headless::MouseUp();
    Pump();
    EXPECT_FALSE(box->Checked());
}

using RadioButtons = ControlsTest;

TEST_F(RadioButtons, CheckingOneUnchecksItsSiblingsAndOnlyTheCheckedOneIsATabStop) {
    auto* a = Add<TRadioButton>(8, 8, 120, 17);
    auto* b = Add<TRadioButton>(8, 30, 120, 17);
    a->SetChecked(true);
    ShowForm();
    EXPECT_TRUE(a->TabStop());
    EXPECT_FALSE(b->TabStop());
    ClickAt(b, 5, 8);
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->TabStop());
    EXPECT_FALSE(a->TabStop());
}

TEST_F(RadioButtons, ArrowKeysMoveTheCheckThroughTheGroup) {
    auto* a = Add<TRadioButton>(8, 8, 120, 17);
    auto* b = Add<TRadioButton>(8, 30, 120, 17);
    a->SetChecked(true);
    ShowForm();
    ASSERT_TRUE(a->Focused());
    Key(ui::VK_DOWN);
    EXPECT_TRUE(b->Focused());
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(a->Checked());
}

using PushButtons = ControlsTest;

TEST_F(PushButtons, TheFocusedButtonIsTheDefaultOneWhileItHasTheFocus) {
    auto* edit = Add<TEdit>(8, 8, 100, 21);
    auto* ok = Add<TButton>(8, 40, 75, 25);
    auto* other = Add<TButton>(90, 40, 75, 25);
    ok->SetDefault(true);
    ShowForm();
    ASSERT_TRUE(edit->Focused());
    auto isDefault = [](TButton* b) {
        return (ui::GetWindowLongPtr(b->Handle(), ui::GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    };
    EXPECT_TRUE(isDefault(ok));
    EXPECT_FALSE(isDefault(other));
    other->SetFocus();
    Pump();
    EXPECT_FALSE(isDefault(ok));
    EXPECT_TRUE(isDefault(other));
    edit->SetFocus();
    Pump();
    EXPECT_TRUE(isDefault(ok));
}

TEST_F(PushButtons, SpaceAndEnterPressTheFocusedButton) {
    auto* button = Add<TButton>(8, 8, 75, 25);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    ShowForm();
    ASSERT_TRUE(button->Focused());
    ui::headless::KeyDown(ui::VK_SPACE, ' ');
    Pump();
    EXPECT_TRUE(button->Perform(BM_GETSTATE, 0, 0) & BST_PUSHED);
    EXPECT_EQ(clicks, 0);
    ui::headless::KeyUp(ui::VK_SPACE);
    Pump();
    EXPECT_EQ(clicks, 1);
    Key(ui::VK_RETURN, '\r');
    EXPECT_EQ(clicks, 2);
}

TEST_F(PushButtons, ADisabledButtonDoesNotClick) {
    auto* button = Add<TButton>(8, 8, 75, 25);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    button->SetEnabled(false);
    ShowForm();
    ClickAt(button, 10, 10);
    EXPECT_EQ(clicks, 0);
}

using Layout = ControlsTest;

TEST_F(Layout, AnchorsKeepTheGapsToTheEdgesWhenTheParentGrows) {
    auto* ok = Add<TButton>(217, 167, 75, 25);
    ok->SetAnchors(akRight | akBottom);
    auto* edit = Add<TEdit>(8, 8, 284, 21);
    edit->SetAnchors(akLeft | akTop | akRight);
    ShowForm();
    Form->SetClientSize(400, 260);
    Pump();
    EXPECT_EQ(ok->Left(), 317);
    EXPECT_EQ(ok->Top(), 227);
    EXPECT_EQ(edit->Left(), 8);
    EXPECT_EQ(edit->Width(), 384);
}

TEST_F(Layout, AlignedControlsShareTheClientArea) {
    auto* top = Add<TPanel>(0, 0, 10, 30);
    top->SetAlign(alTop);
    auto* left = Add<TPanel>(0, 0, 50, 10);
    left->SetAlign(alLeft);
    auto* rest = Add<TPanel>(0, 0, 10, 10);
    rest->SetAlign(alClient);
    ShowForm();
    EXPECT_EQ(top->BoundsRect(), (TRect{0, 0, 300, 30}));
    EXPECT_EQ(left->BoundsRect(), (TRect{0, 30, 50, 200}));
    EXPECT_EQ(rest->BoundsRect(), (TRect{50, 30, 300, 200}));
}

using Labels = ControlsTest;

TEST_F(Labels, AutoSizeFitsTheTextAndARightAlignedLabelKeepsItsRightEdge) {
    auto* label = Add<TLabel>(100, 8, 10, 10);
    label->SetCaption("Output Folder:");
    gfx::TBitmap measure(1, 1);
    measure.Canvas().Font = label->Font().Handle();
    EXPECT_EQ(label->Width(), measure.Canvas().TextWidth("Output Folder:"));
    EXPECT_EQ(label->Height(), measure.Canvas().TextHeight("O"));
    auto* right = Add<TLabel>(100, 40, 100, 13);
    right->SetAlignment(taRightJustify);
    right->SetCaption("Right");
    EXPECT_EQ(right->Left() + right->Width(), 200);
}

TEST_F(Labels, AWrappingLabelOfFixedSizeKeepsItsSize) {
    auto* label = Add<TLabel>(16, 64, 337, 33);
    label->SetAutoSize(false);
    label->SetWordWrap(true);
    label->SetCaption("Kestrune YouTube Converter requires that the DivX video codec be installed in order to work.");
    EXPECT_EQ(label->Width(), 337);
    EXPECT_EQ(label->Height(), 33);
}

using Images = ControlsTest;

TEST_F(Images, CentredStretchedAndProportionalPlaces) {
    auto* image = Add<TImage>(0, 0, 100, 50);
    image->Picture().Assign(gfx::TBitmap(20, 10));
    EXPECT_EQ(image->DestRect(), (TRect{0, 0, 20, 10}));
    image->SetCenter(true);
    EXPECT_EQ(image->DestRect(), (TRect{40, 20, 60, 30}));
    image->SetStretch(true);
    EXPECT_EQ(image->DestRect(), (TRect{0, 0, 100, 50}));
    image->SetProportional(true);
    EXPECT_EQ(image->DestRect(), (TRect{0, 0, 100, 50}));
    image->Picture().Assign(gfx::TBitmap(10, 10));
    EXPECT_EQ(image->DestRect(), (TRect{25, 0, 75, 50}));
}

}  // namespace
