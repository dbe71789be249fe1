#include "controls/sPathDialog.h"

#include "controls/sBitBtn.h"
#include "controls/sLabel.h"
#include "controls/sShellTreeView.h"
#include "controls/sSpeedButton.h"
#include "os/FileSystem.h"
#include "skinpaint/sSkinProvider.h"
#include "ui/Metrics.h"
#include "vcl/TApplication.h"
#include "vcl/TScrollBox.h"

namespace controls {

TPathDialogForm* PathDialogForm = nullptr;

namespace {

const char* const Layout = R"(
object PathDialogForm: TPathDialogForm
  BorderStyle = bsSizeable
  BorderIcons = [biSystemMenu]
  Caption = 'Select directory'
  Width = 350
  Height = 420
  Constraints.MinWidth = 275
  Constraints.MinHeight = 250
  Color = clBtnFace
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  Position = poScreenCenter
  object sSkinProvider1: TsSkinProvider
    SkinData.SkinSection = 'DIALOG'
    GripMode = gmRightBottom
    ShowAppIcon = False
  end
  object sLabel1: TsLabel
    Left = 8
    Top = 3
    Width = 3
    Height = 13
    Caption = 'Root :'
    Visible = False
  end
  object sShellTreeView1: TsShellTreeView
    Left = 8
    Top = 20
    Width = 321
    Height = 319
    Indent = 19
    ShowRoot = False
    TabOrder = 0
    Root = 'rfDesktop'
    ObjectTypes = [otFolders, otHidden]
    UseShellImages = True
    ShowExt = seSystem
    SkinData.SkinSection = 'EDIT'
    BoundLabel.Layout = sclTopLeft
    BoundLabel.Indent = 4
    OnChange = sShellTreeView1Change
  end
  object sScrollBox1: TScrollBox
    Left = 8
    Top = 20
    Width = 101
    Height = 318
    Visible = False
  end
  object sBitBtn3: TsBitBtn
    Left = 12
    Top = 344
    Width = 75
    Height = 25
    Caption = 'Create'
    Enabled = False
    ShowFocus = False
    TabOrder = 3
    SkinData.SkinSection = 'BUTTON'
    OnClick = sBitBtn3Click
  end
  object sBitBtn1: TsBitBtn
    Left = 173
    Top = 344
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    ShowFocus = False
    TabOrder = 1
    SkinData.SkinSection = 'BUTTON'
    OnClick = sBitBtn1Click
  end
  object sBitBtn2: TsBitBtn
    Left = 250
    Top = 344
    Width = 75
    Height = 25
    Caption = 'Cancel'
    Cancel = True
    ModalResult = 2
    ShowFocus = False
    TabOrder = 2
    SkinData.SkinSection = 'BUTTON'
    OnClick = sBitBtn2Click
  end
end
)";

// The folders the root column offers, in its order.
const char* const RootNames[] = {"rfDesktop", "rfMyComputer", "rfPersonal", "rfNetwork"};

}  // namespace

TPathDialogForm::TPathDialogForm(vcl::TComponent* owner) : vcl::TForm(owner) {
    (void)TsShellTreeView::StaticClass();
    (void)TsBitBtn::StaticClass();
    (void)TsLabel::StaticClass();
    (void)skinpaint::TsSkinProvider::StaticClass();
    PublishField("sLabel1", sLabel1);
    PublishField("sShellTreeView1", sShellTreeView1);
    PublishField("sScrollBox1", sScrollBox1);
    PublishField("sBitBtn3", sBitBtn3);
    PublishField("sBitBtn1", sBitBtn1);
    PublishField("sBitBtn2", sBitBtn2);
    PublishMethod("sShellTreeView1Change", &TPathDialogForm::sShellTreeView1Change);
    PublishMethod("sBitBtn1Click", &TPathDialogForm::sBitBtn1Click);
    PublishMethod("sBitBtn2Click", &TPathDialogForm::sBitBtn2Click);
    PublishMethod("sBitBtn3Click", &TPathDialogForm::sBitBtn3Click);
    ReadLayout(Layout);
}

void TPathDialogForm::SetTexts() {
    SetCaption("Select directory");
    sLabel1->SetCaption("Root :");
    sBitBtn1->SetCaption("OK");
    sBitBtn2->SetCaption("Cancel");
    sBitBtn3->SetCaption("Create");
}

void TPathDialogForm::SetCreateVisible(bool value) { sBitBtn3->SetVisible(value); }

void TPathDialogForm::ShowRootButtons() {
    sLabel1->SetVisible(true);
    sScrollBox1->SetVisible(true);
    const int shift = sScrollBox1->Width() + 4;
    for (vcl::TControl* control : {static_cast<vcl::TControl*>(sShellTreeView1), static_cast<vcl::TControl*>(sBitBtn1),
                                   static_cast<vcl::TControl*>(sBitBtn2)})
        control->SetLeft(control->Left() + shift);
    SetWidth(Width() + sScrollBox1->Width() + ui::GetSystemMetrics(ui::SM_CXFRAME) + 4);
    // Added bottom first: each new top-aligned button goes above the ones before.
    for (int i = int(std::size(RootNames)) - 1; i >= 0; --i) {
        bool desktop = false;
        const std::string folder = ResolveShellRoot(RootNames[i], desktop);
        if (folder.empty()) continue;
        auto* button = new TsSpeedButton(this);
        button->SetParent(sScrollBox1);
        button->SetHeight(70);
        button->SetAlign(vcl::alTop);
        button->SetFlat(true);
        button->SetLayout(blGlyphTop);
        const TacShellItem item = ShellItemFor(folder, otFolders);
        button->SetCaption(item.DisplayName);
        button->SetImages(sShellTreeView1->Icons());
        button->SetImageIndex(item.Icon);
        button->SkinData().SetSkinSection("TOOLBUTTON");
        const std::string root = RootNames[i];
        button->SetOnClick([this, root](vcl::TObject*) { sShellTreeView1->SetRoot(root); });
    }
}

void TPathDialogForm::FixAnchors() {
    sShellTreeView1->SetAnchors(vcl::akLeft | vcl::akTop | vcl::akRight | vcl::akBottom);
    sScrollBox1->SetAnchors(vcl::akLeft | vcl::akTop | vcl::akBottom);
    sBitBtn3->SetAnchors(vcl::akLeft | vcl::akBottom);
    sBitBtn1->SetAnchors(vcl::akRight | vcl::akBottom);
    sBitBtn2->SetAnchors(vcl::akRight | vcl::akBottom);
}

// An empty text shows no label at all, rather than the tree's name.
void TPathDialogForm::SetTreeLabel(const std::string& text) {
    sShellTreeView1->BoundLabel().SetCaption(text);
    sShellTreeView1->BoundLabel().SetActive(!text.empty());
}

// Virtual places have no folder; a folder that vanished is none either.
void TPathDialogForm::sShellTreeView1Change(vcl::TObject*, vcl::TTreeNode*) {
    const std::string path = sShellTreeView1->Path();
    const bool folder = !path.empty() && os::DirectoryExists(path);
    sBitBtn1->SetEnabled(folder);
    sBitBtn3->SetEnabled(folder);
}

// While a new name is being typed, OK takes the name and the dialog stays.
void TPathDialogForm::sBitBtn1Click(vcl::TObject*) {
    if (!sShellTreeView1->IsEditing()) return;
    SetModalResult(vcl::mrNone);
    sShellTreeView1->EndEditing(false);
    sShellTreeView1->SetFocus();
}

void TPathDialogForm::sBitBtn2Click(vcl::TObject*) {
    if (sShellTreeView1->IsEditing()) SetModalResult(vcl::mrNone);
}

void TPathDialogForm::sBitBtn3Click(vcl::TObject*) {
    vcl::TTreeNode* parent = sShellTreeView1->Selected();
    if (!parent) return;
    const std::string base = os::IncludeTrailingPathDelimiter(sShellTreeView1->Path()) + "New folder";
    std::string name;
    for (int n = 1;; ++n) {
        name = base + std::to_string(n);
        if (!os::DirectoryExists(name)) break;
    }
    os::CreateDir(name);
    if (!os::DirectoryExists(name)) {
        vcl::Application->MessageBox("Directory " + name + " can`t be created!", "Error", vcl::MB_OK | vcl::MB_ICONERROR);
        return;
    }
    sShellTreeView1->RefreshNode(parent);
    parent->Expand(false);
    for (int i = 0; i < parent->Count(); ++i) {
        vcl::TTreeNode* child = parent->Item(i);
        const TacShellItem* item = sShellTreeView1->ItemOf(child);
        if (!item || item->Path != name) continue;
        sShellTreeView1->SetSelected(child);
        sShellTreeView1->SetFocus();
        child->Expand(false);
        child->EditText();
        return;
    }
}

}  // namespace controls
