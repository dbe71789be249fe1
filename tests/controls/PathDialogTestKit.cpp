#include "PathDialogTestKit.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "InternalSkinManager.h"
#include "controls/sShellTreeView.h"
#include "ui/Headless.h"
#include "ui/Keys.h"
#include "vcl/TApplication.h"

namespace dirstest {

namespace fs = std::filesystem;

TTempTree::TTempTree() {
    std::string pattern = (fs::temp_directory_path() / "kestrune-dirs-XXXXXX").string();
    FPath = ::mkdtemp(pattern.data());
    // Readable by others too, for the checks run as an unprivileged user.
    ::chmod(FPath.c_str(), 0755);
}

TTempTree::~TTempTree() {
    std::error_code error;
    for (const auto& entry : fs::recursive_directory_iterator(FPath, fs::directory_options::skip_permission_denied, error))
        ::chmod(entry.path().c_str(), 0755);
    fs::remove_all(FPath, error);
}

std::string TTempTree::Folder(const std::string& relative) const {
    const fs::path path = fs::path(FPath) / relative;
    fs::create_directories(path);
    return path.string();
}

void TTempTree::File(const std::string& relative) const { std::ofstream(fs::path(FPath) / relative) << "x"; }

namespace {

const char* const Layout = R"(
object FolderForm: TFolderForm
  BorderStyle = bsSingle
  Caption = 'Kestrune YouTube Converter 2.8'
  ClientWidth = 372
  ClientHeight = 250
  Color = 15846064
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  object sEdit1: TEdit
    Left = 8
    Top = 88
    Width = 353
    Height = 21
    TabOrder = 0
  end
  object sDirectoryEdit1: TsDirectoryEdit
    Left = 8
    Top = 200
    Width = 353
    Height = 21
    MaxLength = 255
    TabOrder = 2
    Text = '/'
    Color = clWhite
    Font.Color = clBlack
    DirectInput = False
    Root = 'rfDesktop'
    GlyphMode.Blend = 0
    GlyphMode.Grayed = False
    SkinData.SkinSection = 'EDIT'
    OnChange = sDirectoryEdit1Change
  end
end
)";

}  // namespace

TFolderForm::TFolderForm() : vcl::TForm(vcl::Application) {
    (void)controls::TsDirectoryEdit::StaticClass();
    PublishField("sEdit1", sEdit1);
    PublishField("sDirectoryEdit1", sDirectoryEdit1);
    PublishMethod("sDirectoryEdit1Change", &TFolderForm::sDirectoryEdit1Change);
    ReadLayout(Layout);
}

void TFolderForm::sDirectoryEdit1Change(vcl::TObject*) {
    ++Changes;
    const std::string text = sDirectoryEdit1->Text();
    if (text.empty()) sDirectoryEdit1->SetText("/");
    else if (text.back() != '/') sDirectoryEdit1->SetText(text + "/");
}

void FolderPicker::SetUp() {
    ui::headless::Reset(800, 600);
    vcl::Application->ClearTerminated();
    Manager = skinkit::InternalSkinManager();
    Form = new TFolderForm;
    Form->SetBounds(40, 40, Form->Width(), Form->Height());
    Form->Show();
    Form->sEdit1->SetFocus();
    Settle();
}

void FolderPicker::TearDown() {
    vcl::Application->OnIdle = nullptr;
    vcl::Application->OnException = nullptr;
    for (int i = vcl::Application->ComponentCount() - 1; i >= 0; --i) {
        vcl::TComponent* component = vcl::Application->Components(i);
        if (dynamic_cast<vcl::TCustomForm*>(component) || dynamic_cast<skin::TsSkinManager*>(component))
            component->Free();
    }
    vcl::Application->ProcessMessages();
}

// The application's loop, which turns keys into dialog keys too.
void FolderPicker::Settle() {
    vcl::Application->ProcessMessages();
    vcl::Application->DoMouseIdle();
    vcl::Application->ProcessMessages();
}

void FolderPicker::InDialog(const std::function<void(controls::TPathDialogForm&)>& act) {
    // The handler outlives this call: it runs in the dialog's loop later, so
    // it keeps its own copy of the action and of the flag.
    auto acted = std::make_shared<bool>(false);
    vcl::Application->OnIdle = [act, acted](vcl::TObject*, bool& done) {
        // Not waiting for more input: what the action did ends the loop.
        done = false;
        controls::TPathDialogForm* dialog = controls::PathDialogForm;
        if (!dialog || !dialog->Visible()) return;
        if (*acted) {
            ADD_FAILURE() << "the dialog stayed open";
            dialog->SetModalResult(vcl::mrCancel);
            return;
        }
        *acted = true;
        act(*dialog);
    };
}

void FolderPicker::Press(unsigned vk, unsigned char ch) {
    ui::headless::KeyPress(vk, ch);
    Settle();
}

std::string Outline(controls::TPathDialogForm& dialog) {
    std::string out;
    for (vcl::TTreeNode* node = dialog.sShellTreeView1->Items().GetFirstNode(); node; node = node->GetNextVisible())
        out += std::string(size_t(node->Level()) * 2, ' ') + node->Text() + "\n";
    return out;
}

}  // namespace dirstest
