// Start-up and shutdown of the program's windows: the first-run prompt and
// its marker, the saved settings and their errors, the fatal end when the
// encoder cannot be started.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
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
#include "controls/sLabel.h"
#include "os/FileSystem.h"
#include "os/UserFolders.h"
#include "rtl/Exceptions.h"
#include "skin/sCommonData.h"
#include "skin/sSkinBroadcast.h"
#include "skin/sSkinColors.h"
#include "skin/sSkinManager.h"
#include "ui/Headless.h"
#include "vcl/Dialogs.h"
#include "vcl/TApplication.h"
#include "vcl/TLabel.h"
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

// Every window of the program as it shows: the main and the progress window,
// the codec prompt and the about window shown modally as the program shows
// them (so that the dialog hook frames them), then the message boxes.
class TProgramWindowsTest : public TStartupTest {
protected:
    void ShowEach(const std::function<void(vcl::TCustomForm&)>& visit,
                  const std::vector<std::function<void()>>& boxes) {
        std::ofstream(ProgramFile("done.txt")) << "";
        CreateWindows();
        DeferredStartUp();
        // Not the test's own temporary folder, which changes from run to run.
        Form1->sDirectoryEdit1->SetText("/home/user/Desktop/");
        vcl::Application->ProcessMessages();
        visit(*Form1);
        Form2->Show();
        vcl::Application->ProcessMessages();
        visit(*Form2);
        for (vcl::TForm* modal : {static_cast<vcl::TForm*>(Form3), static_cast<vcl::TForm*>(AboutForm)}) {
            vcl::Application->OnIdle = [&](vcl::TObject*, bool&) {
                vcl::Application->OnIdle = nullptr;
                visit(*modal);
                modal->SetModalResult(vcl::mrCancel);
            };
            modal->ShowModal();
        }
        vcl::SetMessageBoxHook([&](vcl::TMessageForm& box) {
            visit(box);
            box.SetModalResult(vcl::mrOk);
        });
        for (const auto& show : boxes) show();
    }
    static void DoneBox() { vcl::ShowMessage("Done."); }
    // What the application's error handler shows for an unexpected error.
    static void ErrorBox() { vcl::Application->ShowException(rtl::Exception("'high' is not a valid integer value")); }
};

// The windows as the user sees them, kept beside the test program for review.
TEST_F(TProgramWindowsTest, WindowsLookAsRecorded) {
    std::vector<gfx::TBitmap> pictures;
    ShowEach([&](vcl::TCustomForm& form) { pictures.push_back(ui::headless::WindowImage(form.Handle())); },
             {DoneBox, ErrorBox});
    ASSERT_EQ(pictures.size(), 6u);
    // The error box on its own picture, the other windows side by side.
    const gfx::TBitmap error = std::move(pictures.back());
    pictures.pop_back();
    const gfx::TBitmap sheet = golden::SideBySide(pictures);
    EXPECT_EQ(golden::DifferenceFromGolden(sheet, APP_TEST_DATA, "program-windows"), 0)
        << "see program-windows-actual.png beside the test program";
    EXPECT_EQ(golden::DifferenceFromGolden(error, APP_TEST_DATA, "error-box"), 0)
        << "see error-box-actual.png beside the test program";
    app::DestroyForms();
}

// Every control class the program's windows are made of either wears the
// skin (a skinned control, an adapted standard control, or a plain label in
// the skin's text colour) or is of a kind that keeps its own look.
TEST_F(TProgramWindowsTest, EveryControlWearsTheSkinOrIsOfAKindLeftPlain) {
    enum TLook { Skinned, Label, Plain };
    const std::map<std::string, TLook> expected = {
        {"TsSpeedButton", Skinned}, {"TsLabel", Skinned}, {"TsEdit", Skinned},   {"TsCheckBox", Skinned},
        {"TsGauge", Skinned},       {"TButton", Skinned}, {"TLabel", Label},     {"TImage", Plain},
        {"TPanel", Plain},          {"TBevel", Plain},    {"TRadioButton", Plain},
        {"TsDirectoryEdit", Skinned}, {"TsEditButton", Skinned},
    };
    std::map<std::string, TLook> found;
    std::vector<std::string> wrong;
    // Skinned: an adapted or skinned windowed control, a control bound to a
    // section of the skin, or the skinned label (which takes the skin's
    // colours as it paints).
    const auto skinned = [](vcl::TControl& control) {
        if (dynamic_cast<controls::TsCustomLabel*>(&control)) return true;
        skin::TacSectionInfo info;
        const vcl::TMessage ask{skin::SKIN_COMMAND_MESSAGE, skin::SkinCommandWParam(skin::SKC_GET_SECTION_INDEX),
                                reinterpret_cast<ui::LPARAM>(&info), 0};
        return skin::IsSkinnedControl(control) || (skin::SendSkinCommand(control, ask) && info.SectionIndex >= 0);
    };
    std::function<void(vcl::TWinControl&)> walk = [&](vcl::TWinControl& parent) {
        for (int i = 0; i < parent.ControlCount(); ++i) {
            vcl::TControl& control = *parent.Controls(i);
            const std::string name = vcl::GetParentForm(&control)->ClassName() + "." + control.Name() + " (" +
                                     control.ClassName() + ")";
            const auto* label = dynamic_cast<const vcl::TLabel*>(&control);
            const TLook look = skinned(control) ? Skinned
                               : label && label->Transparent() &&
                                       label->Font().Color() == skin::SkinFontColor(*Form1->sSkinManager1)
                                   ? Label
                                   : Plain;
            const auto it = expected.find(control.ClassName());
            if (it == expected.end() || it->second != look) wrong.push_back(name);
            found[control.ClassName()] = look;
            if (auto* windowed = dynamic_cast<vcl::TWinControl*>(&control)) walk(*windowed);
        }
    };
    ShowEach([&](vcl::TCustomForm& form) { walk(form); }, {DoneBox, ErrorBox});
    EXPECT_EQ(wrong, std::vector<std::string>{});
    EXPECT_EQ(found.size(), expected.size());
    app::DestroyForms();
}

}  // namespace
