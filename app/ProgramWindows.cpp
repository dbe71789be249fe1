#include "app/ProgramWindows.h"

#include "app/AboutUnit.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "controls/sCheckBox.h"
#include "controls/sControlArt.h"
#include "controls/sDirectoryEdit.h"
#include "controls/sEdit.h"
#include "controls/sGauge.h"
#include "controls/sLabel.h"
#include "controls/sSpeedButton.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sFormAdapter.h"
#include "skinpaint/sSkinProvider.h"
#include "vcl/TApplication.h"

namespace app {

namespace {

// The skinned classes the windows' layouts name.
void RegisterSkinnedClasses() {
    (void)skin::TsSkinManager::StaticClass();
    (void)skinpaint::TsSkinProvider::StaticClass();
    for (const vcl::TClassInfo* info :
         {&controls::TsSpeedButton::StaticClass(), &controls::TsLabel::StaticClass(), &controls::TsEdit::StaticClass(),
          &controls::TsCheckBox::StaticClass(), &controls::TsGauge::StaticClass(),
          &controls::TsDirectoryEdit::StaticClass()})
        (void)info;
}

}  // namespace

void CreateProgramWindows() {
    RegisterSkinnedClasses();
    skinpaint::InstallSkinEngine();
    controls::RegisterControlArt();
    // The program's own icon, which windows without an icon of their own show.
    vcl::Application->Icon().LoadFromResourceName("icon.png");
    vcl::Application->CreateForm(Form1);
    vcl::Application->CreateForm(Form2);
    vcl::Application->CreateForm(Form3);
    vcl::Application->CreateForm(AboutForm);
}

}  // namespace app
