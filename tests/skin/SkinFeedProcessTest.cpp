// The live skin feed between processes: the skin feed tool, a program of its
// own, finds no editor window in the running program but plays the editor
// itself; the program announces its feed window to it across the process
// border, takes the options text it sends and repaints in the new colours.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ManagerTestKit.h"
#include "PumpUntil.h"
#include "resources/InternalSkin.h"
#include "skin/sSkinFeed.h"
#include "ui/CopyData.h"
#include "ui/Headless.h"
#include "ui/MessageLoop.h"
#include "vcl/TApplication.h"
#include "vcl/TCustomForm.h"

extern char** environ;

namespace {

using namespace skin;
using namespace managertest;

using testsupport::PumpUntil;

// A form painted in the FORM section's colour; every skin command repaints it.
class TSectionColorForm : public vcl::TForm {
public:
    explicit TSectionColorForm(TsSkinManager& manager) : TForm(vcl::Application), FManager(manager) {
        SetBorderStyle(vcl::bsNone);
        SetBounds(40, 40, 120, 80);
        SetOnPaint([this](vcl::TObject*) {
            const int section = FManager.FindSection("FORM");
            Canvas().Brush.Color = section >= 0 ? FManager.Sections[size_t(section)].Color : gfx::clBlack;
            Canvas().FillRect(ClientRect());
        });
    }
    void WndProc(vcl::TMessage& message) override {
        if (message.Msg == SKIN_COMMAND_MESSAGE) Invalidate();
        TForm::WndProc(message);
    }

private:
    TsSkinManager& FManager;
};

// Red, green and blue of a window's pixel.
uint32_t ShownRgb(ui::HWND window, int x, int y) {
    const gfx::TBitmap picture = ui::headless::WindowImage(window);
    const uint8_t* p = picture.ScanLine(y) + x * 4;
    return uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

class LiveFeedProcess : public ManagerTest {};

TEST_F(LiveFeedProcess, SkinFeedToolInAnotherProcessRecoloursTheRunningProgram) {
    TsSkinManager& manager = NewManager();
    manager.SetSkinName(std::string(resources::InternalSkinName));
    auto* form = new TSectionColorForm(manager);
    form->Show();
    ui::ProcessPendingMessages();
    ASSERT_EQ(ShownRgb(form->Handle(), 10, 10), 0xEAEEF3u) << "the internal skin's FORM colour, 15986410";

    // The internal skin's own options with the form in pure red.
    std::ifstream source(KESTRUNE_INTERNAL_OPTIONS, std::ios::binary);
    std::ostringstream text;
    text << source.rdbuf();
    std::string options = text.str();
    const size_t at = options.find("[FORM]");
    ASSERT_NE(at, std::string::npos);
    const size_t color = options.find("COLOR=15986410", at);
    ASSERT_NE(color, std::string::npos);
    options.replace(color, 14, "COLOR=255");
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("kestrune_feed_" + std::to_string(getpid()) + ".dat");
    std::ofstream(file, std::ios::binary) << options;

    const std::string name(resources::InternalSkinName);
    std::vector<std::string> args = {KESTRUNE_SKINFEED, name, "/no/such/skins", file.string(), "20"};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    setenv("KESTRUNE_BACKEND", "headless", 1);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    pid_t editor = -1;
    ASSERT_EQ(posix_spawn(&editor, argv[0], &quiet, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&quiet);
    unsetenv("KESTRUNE_BACKEND");

    // The tool's window lives in its own process only.
    ui::HWND found = nullptr;
    EXPECT_TRUE(PumpUntil([&] { return (found = ui::FindWindow("", SkinEditorTitle)) != nullptr; }));
    EXPECT_NE(reinterpret_cast<uintptr_t>(found) >> 32, uintptr_t(getpid()));
    manager.SetFeedTarget(form->Handle());

    int status = -1;
    if (!PumpUntil([&] { return waitpid(editor, &status, WNOHANG) == editor; })) {
        ADD_FAILURE() << "the tool is still waiting";
        kill(editor, SIGKILL);
        waitpid(editor, &status, 0);
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the tool reports the skin taken";
    ui::ProcessPendingMessages();
    EXPECT_EQ(manager.SkinDirectory(), "/no/such/skins");
    EXPECT_EQ(ShownRgb(form->Handle(), 10, 10), 0xFF0000u) << "the form repainted in the fed colour";
    ui::headless::SaveWindowPng(form->Handle(), ::testing::TempDir() + "skin_feed_process.png");
    std::filesystem::remove(file);
}

}  // namespace
