#include "app/ProgramWindows.h"

#include "app/AboutUnit.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "vcl/TApplication.h"

namespace app {

void CreateProgramWindows() {
    vcl::Application->CreateForm(Form1);
    vcl::Application->CreateForm(Form2);
    vcl::Application->CreateForm(Form3);
    vcl::Application->CreateForm(AboutForm);
}

}  // namespace app
