#include "app/Unit2.h"

#include "app/Unit1.h"

TForm2* Form2 = nullptr;

namespace {

const char* const Layout = R"(
object Form2: TForm2
  BorderStyle = bsDialog
  BorderIcons = [biSystemMenu]
  Caption = 'YouTube to AVI DivX...'
  ClientWidth = 389
  ClientHeight = 163
  Color = clBtnFace
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  Position = poDesktopCenter
  OnCloseQuery = FormCloseQuery
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
  object sGauge1: TsGauge
    Left = 8
    Top = 48
    Width = 369
    Height = 17
    ForeColor = clBlack
    Progress = 47
    Suffix = '%'
    SkinData.SkinSection = 'GAUGE'
  end
  object sLabel2: TsLabel
    Left = 8
    Top = 80
    Width = 71
    Height = 13
    Caption = 'Total Progress:'
    Font.Color = clBlack
  end
  object sGauge2: TsGauge
    Left = 8
    Top = 96
    Width = 369
    Height = 17
    ForeColor = clBlack
    Progress = 47
    Suffix = '%'
    SkinData.SkinSection = 'GAUGE'
  end
  object sSkinProvider1: TsSkinProvider
    SkinData.SkinSection = 'FORM'
  end
  object sSpeedButton1: TsSpeedButton
    Left = 304
    Top = 128
    Width = 73
    Height = 25
    Caption = 'Cancel'
    OnClick = sSpeedButton1Click
    SkinData.SkinSection = 'SPEEDBUTTON'
  end
end
)";

}  // namespace

TForm2::TForm2(vcl::TComponent* owner) : vcl::TForm(owner) {
    PublishField("sLabel3", sLabel3);
    PublishField("sLabel1", sLabel1);
    PublishField("sGauge1", sGauge1);
    PublishField("sLabel2", sLabel2);
    PublishField("sGauge2", sGauge2);
    PublishField("sSpeedButton1", sSpeedButton1);
    PublishField("sSkinProvider1", sSkinProvider1);
    PublishMethod("FormCloseQuery", &TForm2::FormCloseQuery);
    PublishMethod("sSpeedButton1Click", &TForm2::sSpeedButton1Click);
    ReadLayout(Layout);
}

void TForm2::FormCloseQuery(vcl::TObject*, bool& canClose) { canClose = false; }

void TForm2::sSpeedButton1Click(vcl::TObject*) {
    Cancelled = true;
    if (Downloading) DownloadThread->CancelRequested = true;
    if (Converting) Converter->Stop();
}
