#include "EditTestKit.h"

#include <algorithm>

#include "GoldenPicture.h"
#include "InternalSkinManager.h"
#include "skinpaint/sBlockCopy.h"
#include "skinpaint/sColorOps.h"
#include "skinpaint/sSkinProvider.h"
#include "ui/Headless.h"
#include "ui/MessageLoop.h"
#include "ui/WindowPos.h"
#include "vcl/TApplication.h"
#include "vcl/TWinControl.h"

namespace edittest {

namespace {

const char* const MainLayout = R"(
object EditForm: TEditForm
  BorderStyle = bsSingle
  Caption = 'Kestrune YouTube Converter 2.8'
  ClientWidth = 372
  ClientHeight = 250
  Color = 15846064
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  object sSkinProvider1: TsSkinProvider
    SkinData.SkinSection = 'FORM'
  end
  object sLabel1: TsLabel
    Left = 8
    Top = 72
    Width = 85
    Height = 13
    Caption = 'YouTube URL:'
    Font.Color = 2171169
    Font.Style = [fsBold]
  end
  object sEdit1: TsEdit
    Left = 8
    Top = 88
    Width = 353
    Height = 21
    Color = clWhite
    Font.Color = clBlack
    TabOrder = 0
    SkinData.SkinSection = 'EDIT'
  end
  object sLabel2: TsLabel
    Left = 8
    Top = 112
    Width = 288
    Height = 13
    Caption = 'Example: http://www.youtube.com/watch?v=dQw4w9WgXcQ'
    Font.Color = 2171169
  end
  object sDirectoryEdit1: TEdit
    Left = 8
    Top = 200
    Width = 353
    Height = 21
    TabOrder = 2
  end
  object sLabel3: TsLabel
    Left = 8
    Top = 184
    Width = 82
    Height = 13
    Caption = 'Output Folder:'
    Font.Color = 2171169
    Font.Style = [fsBold]
  end
end
)";

}  // namespace

TEditForm::TEditForm() : vcl::TForm(vcl::Application) {
    (void)controls::TsEdit::StaticClass();
    (void)controls::TsLabel::StaticClass();
    (void)skinpaint::TsSkinProvider::StaticClass();
    PublishField("sLabel1", sLabel1);
    PublishField("sEdit1", sEdit1);
    PublishField("sLabel2", sLabel2);
    PublishField("sLabel3", sLabel3);
    PublishField("sDirectoryEdit1", sDirectoryEdit1);
    ReadLayout(MainLayout);
}

void SkinnedForm::SetUp() {
    ui::headless::Reset(800, 600);
    vcl::Application->ClearTerminated();
    Manager = skinkit::InternalSkinManager();
    Form = new TEditForm;
    Form->SetBounds(40, 40, Form->Width(), Form->Height());
    Form->Show();
    // The address edit comes first in the tab order; the pictures want it
    // without the focus unless a test gives it.
    Form->sDirectoryEdit1->SetFocus();
    Settle();
}

void SkinnedForm::TearDown() {
    for (int i = vcl::Application->ComponentCount() - 1; i >= 0; --i) {
        vcl::TComponent* component = vcl::Application->Components(i);
        if (dynamic_cast<vcl::TCustomForm*>(component) || dynamic_cast<skin::TsSkinManager*>(component))
            component->Free();
    }
    vcl::Application->ProcessMessages();
}

// The application's idle step tells controls that the mouse came or went.
void SkinnedForm::Settle() {
    ui::ProcessPendingMessages();
    vcl::Application->DoMouseIdle();
    ui::ProcessPendingMessages();
}

void SkinnedForm::MouseAway() {
    const vcl::TPoint p = Form->ClientToScreen({300, 20});
    ui::headless::MouseMove(p.X, p.Y);
    Settle();
}

gfx::TBitmap SkinnedForm::Shot(vcl::TControl& control) {
    Settle();
    return ShotOf(*Form, control);
}

gfx::TBitmap ShotOf(vcl::TCustomForm& form, vcl::TControl& control) {
    const gfx::TBitmap window = ui::headless::WindowImage(form.Handle());
    const vcl::TRect frame = ui::GetWindowRect(form.Handle());
    vcl::TRect r;
    if (auto* windowed = dynamic_cast<vcl::TWinControl*>(&control))
        r = ui::GetWindowRect(windowed->Handle());
    else {
        const vcl::TPoint origin = control.Parent()->ClientToScreen({control.Left(), control.Top()});
        r = {origin.X, origin.Y, origin.X + control.Width(), origin.Y + control.Height()};
    }
    gfx::TBitmap shot(r.Width(), r.Height());
    shot.SetPixelFormat(gfx::pf32bit);
    skinpaint::CopyBlock(shot, 0, 0, window, gfx::OffsetRect(r, -frame.Left, -frame.Top));
    return shot;
}

gfx::TBitmap Stack(const std::vector<gfx::TBitmap>& rows, int gap) {
    int width = 0, height = 0;
    for (const gfx::TBitmap& row : rows) {
        width = std::max(width, row.Width());
        height += row.Height() + gap;
    }
    gfx::TBitmap sheet(width, height);
    sheet.SetPixelFormat(gfx::pf32bit);
    skinpaint::FillRect32(sheet, {0, 0, width, height}, 0xFF00FF);
    int y = 0;
    for (const gfx::TBitmap& row : rows) {
        skinpaint::CopyBlock(sheet, 0, y, row, {0, 0, row.Width(), row.Height()});
        y += row.Height() + gap;
    }
    return sheet;
}

}  // namespace edittest
