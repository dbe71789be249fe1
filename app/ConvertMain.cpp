// kestrune-convert ADDRESS [FOLDER]: one job through the program's own
// windows, on the headless desktop, reported on the terminal. Every message
// box is printed and answered, and so is the first-run codec prompt (with
// "already installed", so that nothing is started); every change of the
// progress window's lines and gauges is printed. An error of the start-up
// (a malformed "set.txt") is shown by the default error handler, printed and
// answered, and the job runs all the same, as the program goes on after that
// box. Exits 0 after the plain "Done." of a completed job, 1 otherwise (a
// failed job, a download that broke off, a job that could not run or could
// not end), 2 for wrong arguments; --help prints the usage text. The saved
// settings are left as they were.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "app/AboutUnit.h"
#include "app/AppResources.h"
#include "app/ProgramWindows.h"
#include "app/ProgramEnd.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "os/FileSystem.h"
#include "os/TSingleInstance.h"
#include "os/UserFolders.h"
#include "vcl/Dialogs.h"
#include "vcl/TApplication.h"
#include "vcl/TMessageForm.h"
#include "vcl/TScreen.h"

namespace {

os::TSingleInstance* gInstance = nullptr;
std::optional<std::string> gSavedSettings;  // "set.txt" as found, if it was there
bool gJobStarted = false;
bool gDone = false;
bool gFailed = false;
std::string gLastProgress;

std::string SettingsPath() { return os::ProgramFolder() + "set.txt"; }

std::optional<std::string> ReadWhole(const std::string& path) {
    if (!os::FileExists(path)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

// Ends the run the way the program ends (windows destroyed, their handlers
// writing the settings), then puts the settings back as they were.
[[noreturn]] void Finish(int code) {
    gInstance->Release();
    app::DestroyForms();
    if (gSavedSettings)
        std::ofstream(SettingsPath(), std::ios::binary | std::ios::trunc) << *gSavedSettings;
    else
        os::DeleteFile(SettingsPath());
    std::fflush(nullptr);
    std::_Exit(code);
}

void PrintProgress() {
    const std::string line = "progress: " + Form2->sLabel1->Caption() + " | " + Form2->sLabel3->Caption() + " | " +
                             std::to_string(Form2->sGauge1->Progress()) + "% " +
                             std::to_string(Form2->sGauge2->Progress()) + "%";
    if (line == gLastProgress) return;
    gLastProgress = line;
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

void AnswerMessageBox(vcl::TMessageForm& box) {
    const std::string text = box.Text();
    std::printf("message: %s\n", text.c_str());
    std::fflush(stdout);
    // Before the job, a box is the start-up's own error; the job decides the code.
    if (gJobStarted) {
        if (text == "Done.") gDone = true;
        else gFailed = true;
    }
    box.SetModalResult(vcl::mrOk);
}

void StartJob(const std::string& address, const std::string& folder) {
    Form1->sEdit1->SetText(address);
    Form1->sDirectoryEdit1->SetText(folder);
    std::printf("output folder: %s\n", Form1->sDirectoryEdit1->Text().c_str());
    std::fflush(stdout);
    gJobStarted = true;
    Form1->sSpeedButton1->Click();
}

bool ModalFormShown() {
    for (int i = 0; i < vcl::Screen->FormCount(); ++i)
        if (vcl::Screen->Forms(i)->FormState() & vcl::fsModal) return true;
    return false;
}

// A running job always waits for something: its download, its encoder, or a
// box. One that waits for nothing (an error raised halfway through a step)
// would keep the driver waiting forever.
bool JobStuck() { return JobActive && !Downloading && !Converting && !ModalFormShown(); }

[[noreturn]] void GiveUp(const std::string& why) {
    std::fprintf(stderr, "kestrune-convert: %s\n", why.c_str());
    Finish(1);
}

constexpr const char* Usage = R"(usage: kestrune-convert ADDRESS [FOLDER]

Runs one job of Kestrune YouTube Converter 2.8 through the program's own
windows on a headless desktop and reports each step on the terminal: the
watch page at ADDRESS is read, its video downloaded and converted by the
encoder f.exe beside this program, and the AVI file moved into FOLDER (the
saved output folder when FOLDER is left out). Every message box is printed
and answered; the first-run codec prompt is answered "already installed".
The saved settings are left as they were.

Exit codes: 0 the job completed ("Done."), 1 the job failed or its download
broke off, 2 wrong arguments, 3 the program runs already.

Options:
  --help   print this text and exit
)";

// Exit code of a command line that asks for help (0), is wrong (2), or names
// a job (nullopt).
std::optional<int> AnswerOptions(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--help") {
        std::fputs(Usage, stdout);
        return 0;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.size() > 1 && argument[0] == '-') {
            std::fprintf(stderr, "kestrune-convert: unknown option %s\n\n%s", argument.c_str(), Usage);
            return 2;
        }
    }
    if (argc < 2 || argc > 3) {
        std::fputs(Usage, stderr);
        return 2;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> code = AnswerOptions(argc, argv)) return *code;
    ::setenv("KESTRUNE_BACKEND", "headless", 1);
    os::TSingleInstance instance("kestrune_youtube_converter");
    if (!instance.Acquired()) {
        std::fprintf(stderr, "kestrune-convert: the program runs already; one job at a time\n");
        return 3;
    }
    gInstance = &instance;
    gSavedSettings = ReadWhole(SettingsPath());

    app::RegisterAppResources();
    vcl::SetMessageBoxHook(&AnswerMessageBox);
    vcl::Application->SetTitle("Kestrune YouTube Converter 2.8");
    app::CreateProgramWindows();

    Converter->FatalHandler = [](const std::string& message) {
        vcl::ShowMessage(message);
        Finish(1);
    };
    Form3->OnShow = [](vcl::TObject*) {
        std::printf("codec prompt: answered \"%s\"\n", Form3->RadioButton2->Caption().c_str());
        Form3->RadioButton2->SetChecked(true);
        Form3->SetModalResult(vcl::mrOk);
    };
    Form1->OnProgressShown = &PrintProgress;
    // The job starts once the deferred start-up has run (and has read the
    // saved settings, which would otherwise replace the folder given here).
    const std::string address = argv[1];
    const std::optional<std::string> folder = argc == 3 ? std::optional<std::string>(argv[2]) : std::nullopt;
    const vcl::TNotifyEvent startUp = Form1->Timer2->OnTimer;
    Form1->Timer2->OnTimer = [=](vcl::TObject* sender) {
        try {
            startUp(sender);
        } catch (...) {
            vcl::Application->HandleException(sender);
        }
        StartJob(address, folder.value_or(Form1->sDirectoryEdit1->Text()));
    };
    vcl::Application->OnIdle = [](vcl::TObject*, bool&) {
        if (!gJobStarted) return;
        if (JobStuck()) GiveUp("the job stopped halfway and cannot end");
        if (!JobActive) vcl::Application->Terminate();
    };
    vcl::Application->Run();
    if (!gDone && !gFailed) GiveUp("the job could not run");
    Finish(gDone && !gFailed ? 0 : 1);
}
