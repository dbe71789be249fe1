#include "app/Unit3.h"

#include "app/AppLinks.h"
#include "os/ShellOpen.h"

TForm3* Form3 = nullptr;

namespace {

const char* const Layout = R"(
object Form3: TForm3
  BorderStyle = bsDialog
  BorderIcons = [biSystemMenu]
  Caption = 'Kestrune YouTube Converter Installation'
  ClientWidth = 385
  ClientHeight = 211
  Color = clBtnFace
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  Position = poDesktopCenter
  object Image1: TImage
    Left = 8
    Top = 8
    Width = 158
    Height = 44
    Picture.Resource = 'divx.jpg'
  end
  object Label1: TLabel
    Left = 16
    Top = 64
    Width = 337
    Height = 33
    AutoSize = False
    Caption = 'Kestrune YouTube Converter requires that the DivX video codec be installed in order to work.'
    Font.Style = [fsBold]
    WordWrap = True
  end
  object RadioButton1: TRadioButton
    Left = 16
    Top = 112
    Width = 345
    Height = 17
    Caption = 'Install DivX video codec now'
    Checked = True
    TabOrder = 1
  end
  object RadioButton2: TRadioButton
    Left = 16
    Top = 136
    Width = 345
    Height = 17
    Caption = 'DivX video codec is already installed on my computer'
    TabOrder = 2
  end
  object Button1: TButton
    Left = 288
    Top = 168
    Width = 75
    Height = 25
    Caption = 'Done'
    Font.Style = [fsBold]
    TabOrder = 0
    OnClick = Button1Click
  end
end
)";

}  // namespace

TForm3::TForm3(vcl::TComponent* owner) : vcl::TForm(owner) {
    PublishField("Image1", Image1);
    PublishField("Label1", Label1);
    PublishField("RadioButton1", RadioButton1);
    PublishField("RadioButton2", RadioButton2);
    PublishField("Button1", Button1);
    PublishMethod("Button1Click", &TForm3::Button1Click);
    ReadLayout(Layout);
}

void TForm3::Button1Click(vcl::TObject*) {
    Close();
    if (RadioButton1->Checked()) os::ShellOpen(app::CodecInstallerAddress);
}
