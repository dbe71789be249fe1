#include "SampleForm.h"

#include "gfx/ImageCodecs.h"
#include "vcl/Resources.h"

using namespace vcl;

namespace vcltest {

namespace {

const char* const SampleLayout = R"(
object SampleForm: TSampleForm
  Caption = 'Sample form'
  BorderStyle = bsSingle
  BorderIcons = [biSystemMenu, biMinimize]
  ClientWidth = 560
  ClientHeight = 300
  Color = 15847088
  Position = poScreenCenter
  PopupMenu = PopupMenu1
  object Image1: TImage
    Left = 8
    Top = 8
    Width = 96
    Height = 40
    Transparent = True
    Picture.Resource = 'SAMPLEBANNER'
  end
  object Label1: TLabel
    Left = 8
    Top = 56
    Caption = 'YouTube URL:'
    Font.Style = [fsBold]
    Font.Color = 2171169
  end
  object Edit1: TEdit
    Left = 8
    Top = 72
    Width = 260
    Height = 21
    Text = 'http://www.youtube.com/watch?v=abc'
    TabOrder = 0
  end
  object Label2: TLabel
    Left = 8
    Top = 100
    Width = 260
    Height = 30
    AutoSize = False
    WordWrap = True
    Caption = 'A label that wraps its words onto a second line when the first is full.'
  end
  object CheckBox1: TCheckBox
    Left = 8
    Top = 136
    Width = 220
    Height = 19
    Caption = 'Open video file when process completes'
    Checked = True
    TabOrder = 1
  end
  object RadioButton1: TRadioButton
    Left = 8
    Top = 160
    Width = 200
    Caption = 'Install DivX video codec now'
    Checked = True
  end
  object RadioButton2: TRadioButton
    Left = 8
    Top = 180
    Width = 200
    Caption = 'Codec is already installed'
  end
  object Bevel1: TBevel
    Left = 8
    Top = 206
    Width = 544
    Height = 2
    Shape = bsTopLine
  end
  object Panel1: TPanel
    Left = 280
    Top = 8
    Width = 132
    Height = 60
    Caption = 'Panel'
  end
  object Panel2: TPanel
    Left = 280
    Top = 76
    Width = 132
    Height = 40
    BevelOuter = bvLowered
    Caption = 'Lowered'
  end
  object Edit2: TEdit
    Left = 280
    Top = 124
    Width = 132
    Height = 21
    Enabled = False
    Text = 'Disabled edit'
  end
  object Button1: TButton
    Left = 396
    Top = 264
    Width = 75
    Height = 25
    Caption = 'Done'
    Default = True
    Font.Style = [fsBold]
  end
  object Button2: TButton
    Left = 477
    Top = 264
    Width = 75
    Height = 25
    Caption = 'Cancel'
    Cancel = True
  end
  object Button3: TButton
    Left = 8
    Top = 264
    Width = 75
    Height = 25
    Caption = 'Disabled'
    Enabled = False
  end
  object TreeView1: TTreeView
    Left = 424
    Top = 8
    Width = 128
    Height = 120
    HideSelection = False
  end
  object ScrollBox1: TScrollBox
    Left = 424
    Top = 136
    Width = 128
    Height = 64
    object Label3: TLabel
      Left = 4
      Top = 4
      Caption = 'Inside a scroll box'
    end
    object Button4: TButton
      Left = 4
      Top = 70
      Width = 75
      Height = 25
      Caption = 'Below'
    end
  end
  object Gauge1: TGauge
    Left = 424
    Top = 208
    Width = 128
    Height = 17
    Progress = 47
  end
  object PopupMenu1: TPopupMenu
    object Contents1: TMenuItem
      Caption = '&Contents'
    end
    object MenuItem1: TMenuItem
      Caption = '-'
    end
    object About1: TMenuItem
      Caption = '&About...'
    end
  end
end
)";

// A banner of our own: a blue band with a white disc, on the pure green
// that the image leaves out.
void RegisterBanner() {
    if (FindResource("SAMPLEBANNER")) return;
    gfx::TBitmap b(96, 40, gfx::pf24bit);
    gfx::TCanvas& c = b.Canvas();
    c.Brush = {gfx::clLime, gfx::bsSolid};
    c.FillRect({0, 0, 96, 40});
    c.Brush.Color = gfx::RGB(30, 80, 200);
    c.FillRect({4, 10, 92, 30});
    c.Brush.Color = gfx::clWhite;
    c.FillRect({40, 4, 56, 36});
    static const std::string png = gfx::WritePng(b);
    RegisterResource("SAMPLEBANNER", png);
}

}  // namespace

TSampleForm::TSampleForm(TComponent* owner) : TForm(owner) {
    RegisterBanner();
    PublishField("Label1", Label1);
    PublishField("Edit1", Edit1);
    PublishField("CheckBox1", CheckBox1);
    PublishField("Button1", Button1);
    PublishField("Image1", Image1);
    PublishField("PopupMenu1", PopupMenu1);
    PublishField("TreeView1", TreeView1);
    ReadLayout(SampleLayout);
    // Folders with sub-folders, one of them open and selected.
    TTreeNodes& items = TreeView1->Items();
    TTreeNode* desktop = items.Add(nullptr, "Desktop");
    for (const char* name : {"Documents", "Music", "Videos", "Pictures", "Downloads", "Projects"}) {
        TTreeNode* folder = items.AddChild(desktop, name);
        if (std::string(name) == "Videos")
            for (const char* clip : {"Clips", "Holiday", "Talks"}) items.AddChild(folder, clip);
    }
    desktop->Expand(false);
    items.Item(3)->Expand(false);
    TreeView1->SetSelected(items.Item(5));
    items.Add(nullptr, "Computer")->SetHasChildren(true);
}

}  // namespace vcltest
