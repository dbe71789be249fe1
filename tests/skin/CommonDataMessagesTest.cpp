// The skin binding's processing of the skin commands and of the window and
// framework notifications, one row of its tables at a time.
#include "CommonDataTestKit.h"
#include "skin/sControlKinds.h"
#include "skin/sSkinBroadcast.h"
#include "vcl/TApplication.h"
#include "vcl/TLabel.h"

namespace bindtest {
namespace {

using namespace skin;
using gfx::RGB;
using vcl::TMessage;

TMessage Command(uint16_t command, uint16_t argument = 0, ui::LPARAM lParam = 0) {
    return {SKIN_COMMAND_MESSAGE, SkinCommandWParam(command, argument), lParam};
}

ui::LRESULT Send(vcl::TControl& control, TMessage message) { return SendSkinCommand(control, message); }

TEST_F(BindingTest, SkinSectionIsStoredUpperCasedAndTellsTheOwnerOnlyOfChanges) {
    AddSection("SPEEDBUTTON", RGB(9, 9, 9));
    TBoundControl button(Form, "Button", ckSpeedButton);
    Seen().clear();

    button.SkinData.SetSkinSection("speedbutton");
    EXPECT_EQ(button.SkinData.SkinSection(), "SPEEDBUTTON");
    EXPECT_EQ(button.SkinData.SectionIndex, 1);
    EXPECT_EQ(Seen(), (std::vector<TSeenCommand>{{"Button", SKC_REFRESH, 0}}));

    Seen().clear();
    button.SkinData.SetSkinSection("SPEEDBUTTON");
    EXPECT_TRUE(Seen().empty()) << "assigning the stored name again sends nothing";

    button.SkinData.SetSkinSection("NOSUCHSECTION");
    EXPECT_EQ(button.SkinData.SectionIndex, -1);
    EXPECT_EQ(Seen(), (std::vector<TSeenCommand>{{"Button", SKC_REMOVE_SKIN, 0}}));

    button.SkinData.SetSkinSection("");
    EXPECT_EQ(button.SkinData.SkinSection(), "UNKNOWN");
}

TEST_F(BindingTest, AnEditTakesTheSkinColoursOnRefreshAndTheSystemOnesBackOnRemove) {
    TsGeneralData& edit = AddSection("EDIT", RGB(10, 20, 30));
    edit.StateLook[0].FontColor = RGB(40, 50, 60);
    TBoundControl plain(Form, "Edit", ckEdit);
    TBoundControl custom(Form, "Custom", ckEdit);
    plain.HandleNeeded();
    custom.HandleNeeded();
    custom.SkinData.SetCustomColor(true);
    custom.SetColor(RGB(1, 1, 1));
    plain.SkinData.BindToSkin();
    custom.SkinData.BindToSkin();

    Broadcast(plain, SKC_REFRESH);
    Broadcast(custom, SKC_REFRESH);
    EXPECT_EQ(plain.Color(), RGB(10, 20, 30));
    EXPECT_EQ(plain.Font().Color(), RGB(40, 50, 60));
    EXPECT_EQ(custom.Color(), RGB(1, 1, 1)) << "CustomColor keeps the owner's colour";
    EXPECT_EQ(custom.Font().Color(), RGB(40, 50, 60));

    Broadcast(plain, SKC_REMOVE_SKIN);
    Broadcast(custom, SKC_REMOVE_SKIN);
    EXPECT_EQ(plain.Color(), gfx::clWindow);
    EXPECT_EQ(plain.Font().Color(), gfx::clWindowText);
    EXPECT_EQ(plain.SkinData.SectionIndex, -1);
    EXPECT_TRUE(plain.SkinData.PaintSuspended);
    EXPECT_EQ(custom.Color(), RGB(1, 1, 1));
}

TEST_F(BindingTest, CommandsOfAnotherManagerAreIgnored) {
    AddSection("EDIT", RGB(10, 20, 30));
    TBoundControl edit(Form, "Edit", ckEdit);
    edit.HandleNeeded();
    edit.SkinData.BindToSkin();
    edit.SetColor(RGB(7, 7, 7));
    TsSkinManager other(nullptr);
    for (uint16_t command : {SKC_REMOVE_SKIN, SKC_APPLY_SKIN, SKC_REFRESH})
        Send(edit, Command(command, 0, reinterpret_cast<ui::LPARAM>(&other)));
    EXPECT_EQ(edit.SkinData.SectionIndex, 1);
    EXPECT_EQ(edit.Color(), RGB(7, 7, 7));
}

TEST_F(BindingTest, CommandTable) {
    AddSection("PANEL", RGB(5, 5, 5));
    TBoundControl panel(Form, "Panel", 51);
    panel.SkinData.BindToSkin();
    TsCommonData& data = panel.SkinData;
    TacSectionInfo info;
    gfx::TBitmap target(4, 4);
    struct Row {
        const char* Situation;
        TMessage Message;
        ui::LRESULT Result;
        std::function<bool()> After;
    };
    const std::vector<Row> rows = {
        {"7 answers 1", Command(SKC_IS_SKINNED), 1, [] { return true; }},
        {"8 with 1 suspends", Command(SKC_SET_UPDATING, 1), 0, [&] { return data.PaintSuspended; }},
        {"8 with 0 resumes", Command(SKC_SET_UPDATING, 0), 0, [&] { return !data.PaintSuspended; }},
        {"9 with 1", Command(SKC_SET_PAINT_AT_ONCE, 1), 0, [&] { return data.PaintAtOnce; }},
        {"10 while stale", Command(SKC_IS_UPDATING), 1, [] { return true; }},
        {"11", Command(SKC_GET_PARTLY_COVERED), 1, [] { return true; }},
        {"26 writes the index", Command(SKC_GET_SECTION_INDEX, 0, reinterpret_cast<ui::LPARAM>(&info)), 1,
         [&] { return info.SectionIndex == 1; }},
        {"36 answers the flags: a plain panel stands on its own", Command(SKC_STATE), sfIndependent,
         [] { return true; }},
        {"37 answers the binding", Command(SKC_GET_SKIN_DATA),
         reinterpret_cast<ui::LRESULT>(static_cast<const TsSkinBinding*>(&data)), [] { return true; }},
        {"38 with a target", Command(SKC_PRINTING, 0, reinterpret_cast<ui::LPARAM>(&target.Canvas())), 0,
         [&] { return (data.StateFlags & sfPrinting) && data.PrintTarget == &target.Canvas(); }},
        {"38 without", Command(SKC_PRINTING), 0, [&] { return !(data.StateFlags & sfPrinting) && !data.PrintTarget; }},
        {"60", Command(SKC_GET_APPLICATION), reinterpret_cast<ui::LRESULT>(vcl::Application), [] { return true; }},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Send(panel, row.Message), row.Result) << row.Situation;
        EXPECT_TRUE(row.After()) << row.Situation;
    }

    data.PictureStale = false;
    Send(panel, Command(SKC_INVALIDATE_CACHE));
    EXPECT_TRUE(data.PictureStale);
    data.PartlyCovered = false;
    Send(panel, Command(SKC_SET_PARTLY_COVERED));
    EXPECT_TRUE(data.PartlyCovered);

    TacSectionInfo set{-1, "edit", 0};
    AddSection("EDIT", RGB(1, 1, 1));
    Send(panel, Command(SKC_SET_SECTION, 0, reinterpret_cast<ui::LPARAM>(&set)));
    EXPECT_EQ(data.SkinSection(), "EDIT");
    EXPECT_EQ(data.SectionIndex, 2);
}

TEST_F(BindingTest, ClearingTheCacheReachesTheChildWindows) {
    AddSection("PANEL", RGB(5, 5, 5));
    TBoundControl panel(Form, "Panel", 51);
    TBoundControl inner(&panel, "Inner", 51);
    TBoundGraphic graphic(&panel, "Graphic", 92);
    panel.HandleNeeded();
    inner.HandleNeeded();
    panel.SkinData.SizeCachePicture();
    EXPECT_EQ(panel.SkinData.CachePicture->Width(), 40);
    Seen().clear();

    Send(panel, Command(SKC_CLEAR_CACHE));
    EXPECT_EQ(Seen(), (std::vector<TSeenCommand>{{"Panel", SKC_CLEAR_CACHE, 0}, {"Inner", SKC_CLEAR_CACHE, 0}}));
    EXPECT_TRUE(panel.SkinData.CachePicture->Empty());
    EXPECT_TRUE(panel.SkinData.PaintSuspended);
}

TEST_F(BindingTest, HidingEmptiesTheCacheAndTellsEveryChild) {
    AddSection("PANEL", RGB(5, 5, 5));
    TBoundControl panel(Form, "Panel", 51);
    TBoundGraphic graphic(&panel, "Graphic", 92);
    panel.SkinData.BindToSkin();
    panel.SkinData.SizeCachePicture();
    panel.SkinData.PictureStale = false;
    Seen().clear();

    panel.SetVisible(false);
    EXPECT_TRUE(panel.SkinData.CachePicture->Empty());
    EXPECT_TRUE(panel.SkinData.PictureStale);
    EXPECT_EQ(Seen(), (std::vector<TSeenCommand>{{"Graphic", SKC_CLEAR_CACHE, 0}}));

    panel.SkinData.PaintSuspended = true;
    panel.SetVisible(true);
    EXPECT_FALSE(panel.SkinData.PaintSuspended);
}

TEST_F(BindingTest, FocusOfAnEditMarksItAndLosingTheFocusClearsIt) {
    AddSection("EDIT", RGB(5, 5, 5));
    TBoundControl edit(Form, "Edit", ckEdit);
    edit.SetTabStop(true);
    edit.HandleNeeded();
    edit.SkinData.BindToSkin();
    Form->Show();
    edit.SkinData.PictureStale = false;
    edit.SkinData.HasFocus = false;

    edit.Perform(ui::WM_SETFOCUS, 0, 0);
    EXPECT_TRUE(edit.SkinData.HasFocus);
    EXPECT_TRUE(edit.SkinData.PictureStale);
    EXPECT_TRUE(edit.SkinData.IsHot());
    edit.Perform(vcl::CM_ENABLEDCHANGED, 0, 0);
    EXPECT_FALSE(edit.SkinData.HasFocus);
    EXPECT_FALSE(edit.SkinData.MouseOver);

    edit.SkinData.HasFocus = true;
    edit.Perform(ui::WM_KILLFOCUS, 0, 0);
    EXPECT_FALSE(edit.SkinData.HasFocus);
}

TEST_F(BindingTest, HoverSetsMouseOverStartsAGlowAndIsRecordedByTheManager) {
    AddSection("EDIT", RGB(5, 5, 5));
    AddSection("GAUGE", RGB(5, 5, 5));
    TBoundControl edit(Form, "Edit", ckEdit);
    TBoundControl gauge(Form, "Gauge", ckGauge);
    edit.HandleNeeded();
    gauge.HandleNeeded();
    edit.SkinData.BindToSkin();
    gauge.SkinData.BindToSkin();

    edit.Perform(vcl::CM_MOUSEENTER, 0, 0);
    EXPECT_TRUE(edit.SkinData.MouseOver);
    EXPECT_EQ(Manager->ControlUnderMouse(), edit.Handle());
    EXPECT_EQ(Glows.Updated, std::vector<int>{ckEdit});
    edit.Perform(vcl::CM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(edit.SkinData.MouseOver);
    EXPECT_EQ(Glows.AllHidden, 1);

    gauge.Perform(vcl::CM_MOUSEENTER, 0, 0);
    EXPECT_FALSE(gauge.SkinData.MouseOver) << "kind 161 is never hovered";
    EXPECT_FALSE(gauge.SkinData.IsHot());
    EXPECT_EQ(Glows.Updated, std::vector<int>{ckEdit}) << "no glow for a container";
    EXPECT_EQ(Manager->ControlUnderMouse(), gauge.Handle());
}

TEST_F(BindingTest, EnteringAChildEndsTheHoverOfTheOtherSpeedButtons) {
    AddSection("PANEL", RGB(5, 5, 5));
    AddSection("SPEEDBUTTON", RGB(5, 5, 5));
    TBoundControl panel(Form, "Panel", 51);
    TBoundGraphic first(&panel, "First", ckSpeedButton, {0, 0, 10, 10});
    TBoundGraphic second(&panel, "Second", ckSpeedButton, {10, 0, 20, 10});
    panel.HandleNeeded();
    for (TsCommonData* data : {&panel.SkinData, &first.SkinData, &second.SkinData}) data->BindToSkin();
    first.SkinData.MouseOver = true;

    second.Perform(vcl::CM_MOUSEENTER, 0, 0);
    EXPECT_TRUE(second.SkinData.MouseOver);
    EXPECT_FALSE(first.SkinData.MouseOver);
}

TEST_F(BindingTest, SizeAndMoveMarkThePictureAndRemoveTheGlow) {
    TsGeneralData& panelSection = AddSection("PANEL", RGB(5, 5, 5));
    panelSection.GradientPercent = 50;
    AddSection("CLEAR", RGB(5, 5, 5), 100);
    TBoundControl panel(Form, "Panel", 51);
    TBoundControl left(&panel, "Left", 51);
    TBoundControl right(&panel, "Right", 51);
    right.SetAnchors(vcl::akTop | vcl::akRight);
    panel.HandleNeeded();
    panel.SkinData.BindToSkin();
    panel.SkinData.GlowHandle = 4;
    panel.SkinData.PictureStale = false;
    Seen().clear();

    TMessage size{ui::WM_SIZE, 0, 0};
    panel.SkinData.ProcessMessage(size);
    EXPECT_TRUE(panel.SkinData.PictureStale);
    EXPECT_EQ(Seen(), (std::vector<TSeenCommand>{{"Left", SKC_REPAINT, 1}})) << "children anchored right keep theirs";
    EXPECT_EQ(Glows.Hidden, std::vector<int>{4});
    EXPECT_EQ(panel.SkinData.GlowHandle, -1);

    left.SkinData.SetSkinSection("CLEAR");
    left.SkinData.PictureStale = false;
    Seen().clear();
    TMessage move{ui::WM_MOVE, 0, 0};
    left.SkinData.ProcessMessage(move);
    EXPECT_TRUE(left.SkinData.PictureStale) << "a see-through child over a gradient follows its parent";
    // Whether the background follows is asked of the parent each time.
    EXPECT_EQ(Seen(), (std::vector<TSeenCommand>{
                          {"Panel", SKC_IS_BG_COMPLEX, 0}, {"Left", SKC_REPAINT, 1}, {"Panel", SKC_IS_BG_COMPLEX, 0}}));
}

TEST_F(BindingTest, NotificationsOfTheFramework) {
    AddSection("EDIT", RGB(5, 5, 5));
    TBoundControl edit(Form, "Edit", ckEdit);
    edit.HandleNeeded();

    TMessage uiState{ui::WM_UPDATEUISTATE, 0, 0};
    EXPECT_FALSE(edit.SkinData.ProcessMessage(uiState)) << "unskinned owners draw their focus cues";
    edit.SkinData.BindToSkin();
    EXPECT_TRUE(edit.SkinData.ProcessMessage(uiState));

    Seen().clear();
    TMessage created{ui::WM_PARENTNOTIFY, ui::WM_CREATE, 0};
    edit.SkinData.ProcessMessage(created);
    EXPECT_EQ(Seen(), (std::vector<TSeenCommand>{{"Form", SKC_ADAPT_CHILD, 0}}));

    TBoundControl late(Form, "Late", ckEdit);
    late.HandleNeeded();
    late.Perform(vcl::CM_SHOWINGCHANGED, 0, 0);
    EXPECT_EQ(late.SkinData.SkinSection(), "EDIT") << "showing binds an owner to its kind's section";
}

TEST_F(BindingTest, RemovingTheSkinGivesPlainLabelsTheWindowTextColour) {
    AddSection("PANEL", RGB(5, 5, 5));
    TBoundControl panel(Form, "Panel", 51);
    vcl::TLabel label(Form);
    label.SetParent(&panel);
    label.Font().SetColor(RGB(9, 9, 9));
    panel.SkinData.BindToSkin();
    Broadcast(panel, SKC_REMOVE_SKIN);
    EXPECT_EQ(label.Font().Color(), gfx::clWindowText);
}

TEST_F(BindingTest, KindsChooseTheirSection) {
    struct Row {
        int Kind;
        const char* Section;
    };
    for (const Row& row : {Row{ckEdit, "EDIT"}, Row{ckListView, "EDIT"}, Row{ckCheckBox, "CHECKBOX"},
                           Row{ckScrollBox, "PANEL_LOW"}, Row{ckSpeedButton, "SPEEDBUTTON"}, Row{ckBitBtn, "BUTTON"},
                           Row{ckTreeView, "EDIT"}, Row{ckGauge, "GAUGE"}, Row{ckFrameAdapter, "GROUPBOX"},
                           Row{ckAdapterItem, "EDIT"}, Row{12, "COMBOBOX"}, Row{165, "TRACKBAR"},
                           Row{ckFileDirEdit, ""}}) {
        EXPECT_EQ(AutoSectionName(row.Kind), row.Section) << row.Kind;
    }
    TBoundControl other(Form, "Other", 0);
    other.SkinData.AutoSection();
    EXPECT_EQ(other.SkinData.SkinSection(), "TWINCONTROL") << "any other kind takes the class name";

    EXPECT_TRUE(EditKinds.Contains(ckDirectoryEdit) && !EditKinds.Contains(ckCheckBox));
    EXPECT_TRUE(ContainerKinds.Contains(ckGauge) && !ContainerKinds.Contains(ckSpeedButton));
    EXPECT_TRUE(NoHoverKinds.Contains(ckFrameAdapter) && !NoHoverKinds.Contains(53));
}

TEST_F(BindingTest, SuspendingAndResumingPaintingNest) {
    TBoundControl panel(Form, "Panel", 51);
    Seen().clear();
    panel.SkinData.SuspendPainting();
    panel.SkinData.SuspendPainting();
    panel.SkinData.ResumePainting(false);
    EXPECT_EQ(panel.SkinData.UpdateDepth, 1);
    panel.SkinData.ResumePainting(false);
    EXPECT_EQ(panel.SkinData.UpdateDepth, 0);
    EXPECT_EQ(Seen(), (std::vector<TSeenCommand>{{"Panel", SKC_BEGIN_UPDATE, 0},
                                                 {"Panel", SKC_BEGIN_UPDATE, 0},
                                                 {"Panel", SKC_END_UPDATE, 0}}));
}

}  // namespace
}  // namespace bindtest
