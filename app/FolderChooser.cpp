#include "app/FolderChooser.h"

#include <memory>

#include "os/FileSystem.h"
#include "vcl/Dialogs.h"
#include "vcl/TApplication.h"
#include "vcl/TButton.h"
#include "vcl/TEdit.h"
#include "vcl/TLabel.h"

namespace app {

namespace {

const char* const Layout = R"(
object FolderChooser: TForm
  BorderStyle = bsDialog
  BorderIcons = [biSystemMenu]
  Caption = 'Browse for Folder'
  ClientWidth = 340
  ClientHeight = 84
  Color = clBtnFace
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  Position = poScreenCenter
  object FolderLabel: TLabel
    Left = 8
    Top = 8
    Caption = 'Folder:'
  end
  object FolderEdit: TEdit
    Left = 8
    Top = 24
    Width = 324
    Height = 21
    TabOrder = 0
  end
  object OkButton: TButton
    Left = 176
    Top = 52
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
  end
  object CancelButton: TButton
    Left = 257
    Top = 52
    Width = 75
    Height = 25
    Caption = 'Cancel'
    Cancel = True
    ModalResult = 2
    TabOrder = 2
  end
end
)";

class TFolderChooser : public vcl::TForm {
public:
    explicit TFolderChooser(vcl::TComponent* owner) : vcl::TForm(owner) {
        PublishField("FolderEdit", FolderEdit);
        ReadLayout(Layout);
    }
    vcl::TEdit* FolderEdit = nullptr;
};

}  // namespace

bool ChooseFolder(std::string& folder) {
    const std::unique_ptr<TFolderChooser> chooser(new TFolderChooser(vcl::Application));
    chooser->FolderEdit->SetText(folder);
    if (chooser->ShowModal() != vcl::mrOk) return false;
    const std::string chosen = chooser->FolderEdit->Text();
    if (!os::DirectoryExists(chosen)) {
        vcl::ShowMessage("The folder \"" + chosen + "\" does not exist.");
        return false;
    }
    folder = os::IncludeTrailingPathDelimiter(chosen);
    return true;
}

}  // namespace app
