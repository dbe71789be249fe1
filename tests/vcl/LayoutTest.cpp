// Stored layouts read by name: values of every kind, references resolved
// after reading, and the faults a broken layout raises. Also the component
// messages that follow the mouse, and a form's opacity.
#include "VclTest.h"
#include "rtl/Exceptions.h"
#include "ui/Layered.h"
#include "vcl/TButton.h"
#include "vcl/TCheckBox.h"
#include "vcl/TLabel.h"
#include "vcl/TLayoutReader.h"
#include "vcl/TMenus.h"
#include "vcl/TPanel.h"

using namespace vcl;

namespace {

class TLayoutForm : public TForm {
public:
    TLayoutForm(TComponent* owner, const char* layout) : TForm(owner) {
        PublishField("Label1", Label1);
        PublishField("Panel1", Panel1);
        ReadLayout(layout);
    }
    TLabel* Label1 = nullptr;
    TPanel* Panel1 = nullptr;
};

using StoredLayout = vcltest::TVclTest;

TEST_F(StoredLayout, ValuesOfEveryKind) {
    auto* form = new TLayoutForm(Application, R"(
object LayoutForm: TLayoutForm
  Caption = 'It''s'#32'here' +
    ' and there'
  Color = clBtnFace
  Font.Style = [fsBold, fsItalic]
  Font.Color = 2171169
  Font.Height = -13
  BorderIcons = []
  Tag = -98
  PopupMenu = PopupMenu1
  object Panel1: TPanel
    Left = 4
    Top = 5
    Width = 100
    Height = 50
    BevelOuter = bvNone
    Anchors = [akLeft, akTop, akRight]
    object Label1: TLabel
      Left = 2
      Top = 3
      Caption = '&Name'
      ParentFont = False
      Font.Size = 12
    end
  end
  object PopupMenu1: TPopupMenu
  end
end
)");
    EXPECT_EQ(form->Caption(), "It's here and there");
    EXPECT_EQ(form->Color(), gfx::clBtnFace);
    EXPECT_EQ(form->Font().Style(), unsigned(fsBold | fsItalic));
    EXPECT_EQ(form->Font().Color(), 2171169);
    EXPECT_EQ(form->Tag(), -98);
    EXPECT_EQ(form->BorderIcons(), 0u);
    ASSERT_TRUE(form->PopupMenu());
    EXPECT_EQ(form->PopupMenu()->Name(), "PopupMenu1");
    ASSERT_TRUE(form->Panel1 && form->Label1);
    EXPECT_EQ(form->Label1->Parent(), form->Panel1);
    EXPECT_EQ(form->Label1->Owner(), form);
    EXPECT_EQ(form->Panel1->Anchors(), unsigned(akLeft | akTop | akRight));
    EXPECT_EQ(form->Panel1->BevelOuter(), bvNone);
    // The panel takes the form's font; the label keeps its own size.
    EXPECT_EQ(form->Panel1->Font().Color(), 2171169);
    EXPECT_EQ(form->Label1->Font().Size(), 12);
    // An auto-sized label measured its caption in the loaded phase.
    EXPECT_GT(form->Label1->Width(), 20);
    form->Free();
}

TEST_F(StoredLayout, FaultsNameTheirPlace) {
    auto expectFault = [](const char* layout, const std::string& part) {
        try {
            TLayoutForm form(nullptr, layout);
            ADD_FAILURE() << "no fault for " << part;
        } catch (const rtl::EReadError& e) {
            EXPECT_NE(e.Message().find(part), std::string::npos) << e.Message();
        }
    };
    expectFault("object F: TF\n  object X: TNoSuchClass\n  end\nend", "Class TNoSuchClass not found");
    expectFault("object F: TF\n  Colour = clRed\nend", "F.Colour");
    expectFault("object F: TF\n  Left = 'text'\nend", "Invalid property value");
    expectFault("object F: TF\n  BorderStyle = bsRound\nend", "F.BorderStyle");
    expectFault("object F: TF\n  OnCreate = NoHandler\nend", "NoHandler");
    expectFault("object F: TF\n  PopupMenu = Missing\nend", "Invalid reference to Missing");
    expectFault("object F: TF\n  object Label1: TButton\n  end\nend", "Field Label1 is not of class TButton");
    expectFault("object F: TF\n  Caption = 'open\nend", "Layout line 2");
    expectFault("object F: TF\n  Caption = 'x'\n", "'end' expected");
}

TEST_F(StoredLayout, AnOpacityMakesTheFormLayered) {
    auto* form = new TLayoutForm(Application, "object F: TF\n  AlphaBlend = True\n  AlphaBlendValue = 240\nend");
    form->Show();
    Pump();
    gfx::TColor key = 0;
    ui::BYTE alpha = 0;
    ui::DWORD flags = 0;
    ASSERT_TRUE(ui::GetLayeredWindowAttributes(form->Handle(), &key, &alpha, &flags));
    EXPECT_EQ(alpha, 240);
    EXPECT_TRUE(flags & ui::LWA_ALPHA);
    form->Free();
}

using MouseTracking = vcltest::TVclTest;

TEST_F(MouseTracking, EnterAndLeaveFollowTheMouseAndTellTheParent) {
    auto* form = new TLayoutForm(Application, R"(
object F: TF
  ClientWidth = 200
  ClientHeight = 100
  object Panel1: TPanel
    Left = 10
    Top = 10
    Width = 150
    Height = 60
    object Label1: TLabel
      Left = 10
      Top = 10
      Caption = 'Hover me'
    end
  end
end
)");
    std::vector<std::string> log;
    form->Label1->OnMouseEnter = [&](TObject*) { log.push_back("enter label"); };
    form->Label1->OnMouseLeave = [&](TObject*) { log.push_back("leave label"); };
    form->Panel1->SetWindowProc([&, panel = form->Panel1](TMessage& m) {
        if (m.Msg == CM_MOUSEENTER && m.LParam == LPARAM(static_cast<TControl*>(form->Label1)))
            log.push_back("panel hears label enter");
        panel->WndProc(m);
    });
    form->Show();
    Pump();
    const TPoint on = form->Label1->ClientToScreen({2, 2});
    ui::headless::MouseMove(on.X, on.Y);
    Pump();
    const TPoint off = form->Panel1->ClientToScreen({140, 50});
    ui::headless::MouseMove(off.X, off.Y);
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"enter label", "panel hears label enter", "leave label"}));
    form->Panel1->SetWindowProc(nullptr);
    form->Free();
}

}  // namespace
