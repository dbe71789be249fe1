#pragma once
// The folder browser dialog: a skinned dialog with the folder tree, OK,
// Cancel and Create. The directory edit makes a fresh one for every use,
// prepares it, shows it modally and reads the selected folder when it is
// closed with OK. A new folder is made inside the selected one and named in
// the tree at once.
#include <string>

#include "vcl/TCustomForm.h"

namespace vcl {
class TScrollBox;
class TTreeNode;
}

namespace controls {

class TsBitBtn;
class TsLabel;
class TsShellTreeView;

class TPathDialogForm : public vcl::TForm {
public:
    explicit TPathDialogForm(vcl::TComponent* owner);

    TsLabel* sLabel1 = nullptr;
    TsShellTreeView* sShellTreeView1 = nullptr;
    vcl::TScrollBox* sScrollBox1 = nullptr;
    TsBitBtn* sBitBtn3 = nullptr;
    TsBitBtn* sBitBtn1 = nullptr;
    TsBitBtn* sBitBtn2 = nullptr;

    // The captions of the dialog, its label and buttons.
    void SetTexts();
    // The Create button shown or not.
    void SetCreateVisible(bool value);
    // The column of root-folder buttons and its label shown, the tree and the
    // buttons moved right and the dialog widened to make room.
    void ShowRootButtons();
    // The tree grows with the dialog; OK and Cancel keep to its lower right
    // corner, Create (and the root column) to its left.
    void FixAnchors();
    // The caption of the label above the tree.
    void SetTreeLabel(const std::string& text);

    void sShellTreeView1Change(vcl::TObject* sender, vcl::TTreeNode* node);
    void sBitBtn1Click(vcl::TObject* sender);
    void sBitBtn2Click(vcl::TObject* sender);
    void sBitBtn3Click(vcl::TObject* sender);
};

// The dialog while the directory edit shows it; null otherwise.
extern TPathDialogForm* PathDialogForm;

}  // namespace controls
