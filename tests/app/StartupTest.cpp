// Start-up and shutdown of the program's windows: the first-run prompt and
// its marker, the saved settings and their errors, the fatal end when the
// encoder cannot be started.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "GoldenPicture.h"
#include "app/AboutUnit.h"
#include "app/AppResources.h"
#include "app/ProgramWindows.h"
#include "app/ProgramEnd.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "os/FileSystem.h"
#include "os/UserFolders.h"
#include "ui/Headless.h"
#include "vcl/Dialogs.h"
#include "vcl/TApplication.h"
#include "vcl/TMessageForm.h"

namespace {

std::string ProgramFile(const std::string& name) { return os::ProgramFolder() + name; }

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

class TStartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        static bool resources = (app::RegisterAppResources(), true);
        (void)resources;
        const std::string home = ::testing::TempDir() + "kestrune-startup-" + std::to_string(::getpid()) + "/";
        std::system(("rm -rf '" + home + "' && mkdir -p '" + home + "Desktop'").c_str());
        ::setenv("HOME", home.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (home + "config").c_str(), 1);
        ::setenv("XDG_CACHE_HOME", (home + "cache").c_str(), 1);
        Home = home;
        os::DeleteFile(ProgramFile("set.txt"));
        os::DeleteFile(ProgramFile("done.txt"));
        ui::headless::Reset(1024, 768);
        vcl::Application->ClearTerminated();
        vcl::Application->SetTitle("Kestrune YouTube Converter 2.8");
        vcl::SetMessageBoxHook([this](vcl::TMessageForm& box) {
            Messages.push_back(box.Text());
            box.SetModalResult(vcl::mrOk);
        });
    }
    void TearDown() override {
        vcl::SetMessageBoxHook(nullptr);
        os::DeleteFile(ProgramFile("set.txt"));
        os::DeleteFile(ProgramFile("done.txt"));
    }
    void CreateWindows() {
        app::CreateProgramWindows();
        Form1->Show();
    }
    void DeferredStartUp() {
        ui::headless::AdvanceClock(300);
        vcl::Application->ProcessMessages();
    }

    std::string Home;
    std::vector<std::string> Messages;
};

TEST_F(TStartupTest, FirstRunShowsTheCodecPromptOnceAndWritesTheMarker) {
    CreateWindows();
    EXPECT_EQ(Form1->sDirectoryEdit1->Text(), Home + "Desktop/");
    bool mainHiddenDuringPrompt = false;
    int prompts = 0;
    Form3->OnShow = [&](vcl::TObject*) {
        ++prompts;
        mainHiddenDuringPrompt = !Form1->Visible();
        Form3->RadioButton2->SetChecked(true);
        Form3->Button1->Click();
    };
    DeferredStartUp();
    EXPECT_EQ(prompts, 1);
    EXPECT_TRUE(mainHiddenDuringPrompt);
    EXPECT_TRUE(Form1->Visible());
    EXPECT_EQ(Read(ProgramFile("done.txt")), "Done\r\n");
    EXPECT_EQ(AboutForm->Label1->Caption(), "Kestrune YouTube Converter");
    EXPECT_EQ(AboutForm->Label2->Caption(), "Version: 2.8");
    DeferredStartUp();
    EXPECT_EQ(prompts, 1);
    app::DestroyForms();
    // The settings are written at every end.
    EXPECT_EQ(Read(ProgramFile("set.txt")).substr(0, Home.size() + 10), Home + "Desktop/\r\n");
}

TEST_F(TStartupTest, SavedSettingsComeBackAndAreWrittenAgain) {
    std::ofstream(ProgramFile("done.txt")) << "";
    std::ofstream(ProgramFile("set.txt"), std::ios::binary) << "/srv/videos\n-20\n-1300\n0\n";
    CreateWindows();
    DeferredStartUp();
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(Form1->sDirectoryEdit1->Text(), "/srv/videos/");
    EXPECT_EQ(Form1->Top(), -20);
    EXPECT_EQ(Form1->Left(), -1300);
    EXPECT_FALSE(Form1->sCheckBox1->Checked());
    app::DestroyForms();
    EXPECT_EQ(Read(ProgramFile("set.txt")), "/srv/videos/\r\n-20\r\n-1300\r\n0\r\n");
}

TEST_F(TStartupTest, MalformedSettingsAreReportedAndWhatCameBeforeStays) {
    std::ofstream(ProgramFile("done.txt")) << "";
    std::ofstream(ProgramFile("set.txt"), std::ios::binary) << "/srv/videos/\r\nhigh\r\n";
    CreateWindows();
    DeferredStartUp();
    EXPECT_EQ(Messages, std::vector<std::string>{"'high' is not a valid integer value."});
    EXPECT_EQ(Form1->sDirectoryEdit1->Text(), "/srv/videos/");
    EXPECT_TRUE(Form1->sCheckBox1->Checked());
    app::DestroyForms();
}

TEST_F(TStartupTest, EncoderThatCannotStartEndsTheProgramAndTheSettingsAreWritten) {
    std::ofstream(ProgramFile("done.txt")) << "";
    EXPECT_EXIT(
        {
            CreateWindows();
            DeferredStartUp();
            EncoderPath = "/nonexistent/f.exe";
            Converter->Start("/nonexistent/f.exe -i x");
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_TRUE(os::FileExists(ProgramFile("set.txt")));
}

}  // namespace

namespace {

// The windows as the user sees them, kept beside the test program for review.
// Every window of the program as it shows: the main and the progress window,
// the codec prompt and the about window shown modally as the program shows
// them (so that the dialog hook frames them), and the "Done." box.
TEST_F(TStartupTest, WindowsLookAsRecorded) {
    std::ofstream(ProgramFile("done.txt")) << "";
    CreateWindows();
    DeferredStartUp();
    // Not the test's own temporary folder, which changes from run to run.
    Form1->sDirectoryEdit1->SetText("/home/user/Desktop/");
    vcl::Application->ProcessMessages();
    std::vector<gfx::TBitmap> pictures;
    pictures.push_back(ui::headless::WindowImage(Form1->Handle()));
    Form2->Show();
    vcl::Application->ProcessMessages();
    pictures.push_back(ui::headless::WindowImage(Form2->Handle()));
    for (vcl::TForm* modal : {static_cast<vcl::TForm*>(Form3), static_cast<vcl::TForm*>(AboutForm)}) {
        vcl::Application->OnIdle = [&](vcl::TObject*, bool&) {
            vcl::Application->OnIdle = nullptr;
            pictures.push_back(ui::headless::WindowImage(modal->Handle()));
            modal->SetModalResult(vcl::mrCancel);
        };
        modal->ShowModal();
    }
    vcl::SetMessageBoxHook([&](vcl::TMessageForm& box) {
        pictures.push_back(ui::headless::WindowImage(box.Handle()));
        box.SetModalResult(vcl::mrOk);
    });
    vcl::ShowMessage("Done.");
    ASSERT_EQ(pictures.size(), 5u);
    const gfx::TBitmap sheet = golden::SideBySide(pictures);
    EXPECT_EQ(golden::DifferenceFromGolden(sheet, APP_TEST_DATA, "program-windows"), 0)
        << "see program-windows-actual.png beside the test program";
    app::DestroyForms();
}

}  // namespace
