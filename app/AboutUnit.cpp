#include "app/AboutUnit.h"

#include "app/AppLinks.h"
#include "os/ShellOpen.h"

TAboutForm* AboutForm = nullptr;

namespace {

const char* const Layout = R"(
object AboutForm: TAboutForm
  AlphaBlend = True
  AlphaBlendValue = 240
  ClientWidth = 393
  ClientHeight = 289
  BorderStyle = bsDialog
  BorderIcons = [biSystemMenu]
  Caption = 'About'
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  Position = poDesktopCenter
  OnShow = FormShow
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 393
    Height = 289
    BevelOuter = bvNone
    object Label1: TLabel
      Left = 8
      Top = 8
      Width = 64
      Height = 20
      Caption = 'Kestrune'
      Font.Size = 12
      Font.Style = [fsBold]
    end
    object Label2: TLabel
      Left = 8
      Top = 32
      Width = 56
      Height = 13
      Caption = 'Version: 0.0'
    end
    object Bevel1: TBevel
      Left = 8
      Top = 48
      Width = 377
      Height = 2
      Shape = bsTopLine
    end
    object Label3: TLabel
      Left = 8
      Top = 80
      Width = 123
      Height = 13
      Caption = ''
      Cursor = crHandPoint
      Font.Color = clBlue
      Font.Style = [fsUnderline]
      OnClick = Label3Click
    end
    object Label4: TLabel
      Left = 8
      Top = 104
      Width = 106
      Height = 13
      Caption = ''
      Cursor = crHandPoint
      Font.Color = clBlue
      Font.Style = [fsUnderline]
      OnClick = Label4Click
    end
    object Button3: TButton
      Left = 264
      Top = 256
      Width = 121
      Height = 25
      Caption = 'OK'
      Default = True
      Font.Style = [fsBold]
      OnClick = Button3Click
    end
  end
end
)";

}  // namespace

TAboutForm::TAboutForm(vcl::TComponent* owner) : vcl::TForm(owner) {
    PublishField("Panel1", Panel1);
    PublishField("Label1", Label1);
    PublishField("Label2", Label2);
    PublishField("Bevel1", Bevel1);
    PublishField("Label3", Label3);
    PublishField("Label4", Label4);
    PublishField("Button3", Button3);
    PublishMethod("FormShow", &TAboutForm::FormShow);
    PublishMethod("Button3Click", &TAboutForm::Button3Click);
    PublishMethod("Label3Click", &TAboutForm::Label3Click);
    PublishMethod("Label4Click", &TAboutForm::Label4Click);
    ReadLayout(Layout);
    Label3->SetCaption(app::MakerHomePage);
    Label4->SetCaption(app::SupportMail);
}

void TAboutForm::FormShow(vcl::TObject*) { SetActiveControl(Button3); }

void TAboutForm::Button3Click(vcl::TObject*) { Close(); }

void TAboutForm::Label3Click(vcl::TObject*) { os::ShellOpen(app::ProductWebPage); }

void TAboutForm::Label4Click(vcl::TObject*) { os::ShellOpen(std::string("MailTo:") + app::SupportMail); }
