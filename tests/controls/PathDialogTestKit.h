#pragma once
// For the folder picker's tests: a temporary folder tree with fixed names,
// a form on the headless desktop under the internal skin holding the main
// window's folder edit, and a way to act inside the modal folder dialog.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/sDirectoryEdit.h"
#include "controls/sPathDialog.h"
#include "skin/sSkinManager.h"
#include "vcl/TCustomForm.h"
#include "vcl/TEdit.h"

namespace dirstest {

// A fresh folder under the system's temporary folder, removed with all it
// holds (whatever its modes) when the tree goes.
class TTempTree {
public:
    TTempTree();
    ~TTempTree();
    TTempTree(const TTempTree&) = delete;
    TTempTree& operator=(const TTempTree&) = delete;
    const std::string& Path() const { return FPath; }
    // Makes the folders (with their parents) below the tree and returns the
    // full path of the last.
    std::string Folder(const std::string& relative) const;
    void File(const std::string& relative) const;

private:
    std::string FPath;
};

// The main window's folder edit with the settings of its stored layout, an
// address edit to take the focus, and the folder rules of the window's
// change handler (a trailing "/", "/" for an empty text).
class TFolderForm : public vcl::TForm {
public:
    TFolderForm();
    vcl::TEdit* sEdit1 = nullptr;
    controls::TsDirectoryEdit* sDirectoryEdit1 = nullptr;
    int Changes = 0;
    void sDirectoryEdit1Change(vcl::TObject* sender);
};

class FolderPicker : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    void Settle();
    // Runs `act` in the folder dialog once it is shown; the dialog is
    // cancelled (and the test fails) when the action leaves it open.
    void InDialog(const std::function<void(controls::TPathDialogForm&)>& act);
    // Presses a key in whatever window has the focus, letting the loop run.
    void Press(unsigned vk, unsigned char ch = 0);

    skin::TsSkinManager* Manager = nullptr;
    TFolderForm* Form = nullptr;
    TTempTree Tree;
};

// The folder tree's visible node texts, indented by level, one a line.
std::string Outline(controls::TPathDialogForm& dialog);

}  // namespace dirstest
