// kestrune: the desktop program. One instance per user logon; the windows
// are made hidden, main window first, and the loop shows the main window.
#include "app/AppResources.h"
#include "app/ProgramWindows.h"
#include "app/ProgramEnd.h"
#include "app/Unit1.h"
#include "os/TSingleInstance.h"
#include "vcl/TApplication.h"

namespace {

os::TSingleInstance* gInstance = nullptr;

void ReleaseInstance() { gInstance->Release(); }

}  // namespace

int main() {
    os::TSingleInstance instance("kestrune_youtube_converter");
    // Another instance runs: end quietly, without touching it.
    if (!instance.Acquired()) return 0;
    gInstance = &instance;
    app::SetProgramEndHook(&ReleaseInstance);
    app::RegisterAppResources();
    vcl::Application->SetTitle("Kestrune YouTube Converter 2.8");
    app::CreateProgramWindows();
    vcl::Application->Run();
    app::EndProgram();
}
