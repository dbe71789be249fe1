#include "vcl/StandardClasses.h"

#include "vcl/TBevel.h"
#include "vcl/TButton.h"
#include "vcl/TCheckBox.h"
#include "vcl/TEdit.h"
#include "vcl/TGauge.h"
#include "vcl/TImage.h"
#include "vcl/TImageList.h"
#include "vcl/TLabel.h"
#include "vcl/TMenus.h"
#include "vcl/TPanel.h"
#include "vcl/TScrollBox.h"
#include "vcl/TTimer.h"
#include "vcl/TTreeView.h"

namespace vcl {

void RegisterStandardClasses() {
    // Describing a creatable class registers it.
    static const bool done = [] {
        for (const TClassInfo* info :
             {&TForm::StaticClass(), &TButton::StaticClass(), &TLabel::StaticClass(), &TEdit::StaticClass(),
              &TCheckBox::StaticClass(), &TRadioButton::StaticClass(), &TImage::StaticClass(),
              &TPanel::StaticClass(), &TBevel::StaticClass(), &TGauge::StaticClass(), &TTimer::StaticClass(), &TPopupMenu::StaticClass(),
              &TMenuItem::StaticClass(), &TScrollBox::StaticClass(), &TTreeView::StaticClass(),
              &TImageList::StaticClass()})
            (void)info;
        return true;
    }();
    (void)done;
}

}  // namespace vcl
