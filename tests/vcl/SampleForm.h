#pragma once
// A form with one of every standard control, from its own stored layout:
// what reviewers look at to judge the plain look, on the headless desktop
// and on X11.
#include "vcl/TButton.h"
#include "vcl/TCheckBox.h"
#include "vcl/TCustomForm.h"
#include "vcl/TEdit.h"
#include "vcl/TImage.h"
#include "vcl/TLabel.h"
#include "vcl/TMenus.h"
#include "vcl/TTreeView.h"

namespace vcltest {

class TSampleForm : public vcl::TForm {
public:
    explicit TSampleForm(vcl::TComponent* owner);

    vcl::TLabel* Label1 = nullptr;
    vcl::TEdit* Edit1 = nullptr;
    vcl::TCheckBox* CheckBox1 = nullptr;
    vcl::TButton* Button1 = nullptr;
    vcl::TImage* Image1 = nullptr;
    vcl::TPopupMenu* PopupMenu1 = nullptr;
    vcl::TTreeView* TreeView1 = nullptr;
};

}  // namespace vcltest
