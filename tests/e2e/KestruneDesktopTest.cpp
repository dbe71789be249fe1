// The program itself on a virtual X display, driven the way a person drives
// it: xdotool clicks into the address edit, types a watch-page address of the
// demo video service, presses Start, waits for the message box and answers it.
// Each run gets a program folder of its own (a copy of the program, with the
// encoder and the help page beside it) and a home of its own, so that the
// settings, the working folder and the desktop folder are the test's alone.
// Pictures of the windows are kept beside the test programs as e2e-*.png.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <thread>

#include "TDesktopDriver.h"
#include "TTestProcess.h"
#include "TXvfbDisplay.h"
#include "VideoService.h"
#include "gfx/ImageCodecs.h"

namespace fs = std::filesystem;

namespace {

// Message boxes carry the application's title, as the main window does.
const std::string TitlePattern = "^Kestrune YouTube Converter 2\\.8$";
const std::string ProgressPattern = "^YouTube to AVI DivX\\.\\.\\.$";
const std::string ChooserPattern = "^Select directory$";
// Pop-up menus have no name.
const std::string NamelessPattern = "^$";

struct TClientPoint {
    int X = 0;
    int Y = 0;
};

// Client sizes and places of controls, as the windows' layouts give them.
constexpr TClientPoint MainClientSize{372, 250};
constexpr TClientPoint AddressEdit{48, 98};
constexpr TClientPoint StartButton{304, 153};
constexpr TClientPoint FolderButton{350, 210};
constexpr TClientPoint HelpButton{332, 32};
constexpr TClientPoint OpenFileCheckBox{14, 233};
constexpr TClientPoint ProgressClientSize{389, 163};
constexpr TClientPoint CancelButton{340, 140};
constexpr int StageGaugeTop = 48;
constexpr int TotalGaugeTop = 96;

// Generous: the sanitizer build on a shared machine converts slowly.
constexpr double JobSeconds = 300;

bool WaitUntil(const std::function<bool()>& condition, double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string Picture(const std::string& name) { return std::string(E2E_ARTEFACTS) + "/e2e-" + name + ".png"; }

class TKestruneDesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {"Xvfb", "xdotool", "import"})
            if (!ProgramInPath(tool)) GTEST_SKIP() << tool << " is not installed (scripts/install-deps installs it)";
        std::string pattern = (fs::temp_directory_path() / "kestrune-e2e-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        Root = pattern + "/";
        MakeProgramFolder();
        for (const char* folder : {"home/Desktop", "cache", "config", "runtime", "tools"})
            fs::create_directories(Root + folder);
        chmod((Root + "runtime").c_str(), 0700);
        // The program opens the finished video with xdg-open; this one only
        // notes what it was asked to open.
        std::ofstream(Root + "tools/xdg-open") << "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" << Root << "opened.txt'\n";
        chmod((Root + "tools/xdg-open").c_str(), 0755);

        Display = std::make_unique<TXvfbDisplay>();
        Desktop = std::make_unique<TDesktopDriver>(Display->Name());
        Service = std::make_unique<TTestVideoService>();
        const char* path = getenv("PATH");
        Program = std::make_unique<TTestProcess>(
            std::vector<std::string>{Root + "program/kestrune"},
            EnvironmentWith({"DISPLAY=" + Display->Name(), "HOME=" + Root + "home", "XDG_CACHE_HOME=" + Root + "cache",
                             "XDG_CONFIG_HOME=" + Root + "config", "XDG_RUNTIME_DIR=" + Root + "runtime",
                             "PATH=" + Root + "tools:" + (path ? path : "/usr/bin:/bin")},
                            {"KESTRUNE_BACKEND"}),
            Root + "program.log");
        // On the first run the codec prompt comes before the main window.
        if (FirstRun()) return;
        ASSERT_TRUE(WaitUntil(
            [&] {
                const std::vector<std::string> windows = Desktop->VisibleWindows(TitlePattern);
                if (windows.size() == 1) MainWindow = windows[0];
                return !MainWindow.empty();
            },
            60))
            << "the main window did not show; the windows on the display: "
            << Desktop->VisibleWindows(".*").size() << "; the program said:\n"
            << Read(Root + "program.log");
    }

    void TearDown() override {
        Program.reset();
        Service.reset();
        Display.reset();
        std::error_code ignored;
        if (!Root.empty()) fs::remove_all(Root, ignored);
    }

    // The program folder is the folder of the running program: a copy of it,
    // since a link would lead back to the build's own folder.
    void MakeProgramFolder() {
        const std::string folder = Root + "program/";
        fs::create_directories(folder);
        fs::copy_file(KESTRUNE_PROGRAM, folder + "kestrune");
        fs::create_symlink(KESTRUNE_ENCODER, folder + "f.exe");
        fs::create_symlink(KESTRUNE_HELP_PAGE, folder + "help.htm");
        // Not the first run: no codec prompt.
        if (!FirstRun()) std::ofstream(folder + "done.txt") << "Done\n";
    }
    virtual bool FirstRun() const { return false; }

    std::string DesktopFolder() const { return Root + "home/Desktop/"; }
    std::string WorkingFile(const std::string& name) const { return Root + "cache/kestrune_temp_folder/" + name; }

    // The window system draws the frames itself: equal borders left, right
    // and below the client area, the caption and the top border above it.
    void ClickClient(const std::string& window, TClientPoint clientSize, TClientPoint at) {
        const TWindowBox box = Desktop->Box(window);
        const int border = (box.Width - clientSize.X) / 2;
        const int top = box.Height - clientSize.Y - border;
        Desktop->Click(box.X + border + at.X, box.Y + top + at.Y);
    }

    void StartJob(const std::string& videoId, const std::string& picture = {}) {
        ClickClient(MainWindow, MainClientSize, AddressEdit);
        Desktop->Type(Service->WatchUrl(videoId));
        if (!picture.empty()) {
            EXPECT_TRUE(Desktop->Picture(MainWindow, Picture(picture)));
        }
        ClickClient(MainWindow, MainClientSize, StartButton);
    }

    // The folder edit takes no typing; the button inside its right end opens
    // the folder dialog on the folder it holds, the desktop, whose own
    // sub-folders come first in the tree: Down walks to the first of them and
    // Return takes it. The dialog's picture is kept as e2e-folder-dialog.png.
    void ChooseFirstDesktopFolder() {
        ClickClient(MainWindow, MainClientSize, FolderButton);
        const std::string dialog = VisibleWindow(ChooserPattern, 30);
        ASSERT_FALSE(dialog.empty()) << "the folder dialog did not show";
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        EXPECT_TRUE(Desktop->Picture(dialog, Picture("folder-dialog")));
        Desktop->Key("Down");
        Desktop->Key("Return");
        EXPECT_TRUE(WaitUntil([&] { return Desktop->VisibleWindows(ChooserPattern).empty(); }, 30));
    }

    std::string VisibleWindow(const std::string& pattern, double seconds) {
        std::string found;
        WaitUntil(
            [&] {
                const std::vector<std::string> windows = Desktop->VisibleWindows(pattern);
                found = windows.empty() ? std::string() : windows.back();
                return !found.empty();
            },
            seconds);
        return found;
    }

    // A window with the application's title that is not the main window.
    std::string MessageBox(double seconds) {
        std::string found;
        WaitUntil(
            [&] {
                for (const std::string& window : Desktop->VisibleWindows(TitlePattern))
                    if (window != MainWindow) found = window;
                return !found.empty();
            },
            seconds);
        return found;
    }

    // Return presses the box's only button; the main window comes back.
    void AnswerMessageBox() {
        Desktop->Key("Return");
        EXPECT_TRUE(WaitUntil(
            [&] {
                const std::vector<std::string> windows = Desktop->VisibleWindows(TitlePattern);
                return windows.size() == 1 && windows[0] == MainWindow;
            },
            30))
            << "the message box did not go, or the main window did not come back";
    }

    // Alt+F4 on the main window, as a person ends the program; it must end
    // by itself and cleanly (a sanitizer build says what it found there).
    void CloseProgram() {
        Desktop->Key("alt+F4");
        const std::optional<int> status = Program->WaitFor(60);
        ASSERT_TRUE(status.has_value()) << "the program did not end";
        EXPECT_EQ(*status, 0) << "the program said:\n" << Read(Root + "program.log");
    }

    // The Done box stands over the middle of the progress window, where both
    // gauges write their "100%": moved aside, it uncovers them, and their
    // picture is kept as e2e-progress-done.png.
    void ExpectFullGaugesBehind(const std::string& box) {
        const std::string progress = VisibleWindow(ProgressPattern, 5);
        ASSERT_FALSE(progress.empty()) << "the progress window went before the box";
        Desktop->Move(box, 0, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        ASSERT_TRUE(Desktop->Picture(progress, Picture("progress-done")));
        const gfx::TBitmap picture = gfx::ReadPng(Read(Picture("progress-done")));
        const TWindowBox frame = Desktop->Box(progress);
        const int border = (frame.Width - ProgressClientSize.X) / 2;
        const int top = frame.Height - ProgressClientSize.Y - border;
        for (const int gaugeTop : {StageGaugeTop, TotalGaugeTop}) {
            // White text: neither the bar nor the light over it is that light.
            int white = 0;
            for (int y = gaugeTop; y < gaugeTop + 17; ++y)
                for (int x = 8 + 184 - 25; x < 8 + 184 + 25; ++x) {
                    const uint8_t* p = picture.ScanLine(top + y) + picture.BytesPerPixel() * (border + x);
                    white += p[0] >= 250 && p[1] >= 250 && p[2] >= 250;
                }
            EXPECT_GT(white, 10) << "no \"100%\" over the gauge at " << gaugeTop;
        }
    }

    std::vector<std::string> DesktopFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(DesktopFolder())) names.push_back(entry.path().filename());
        return names;
    }

    std::string Root;
    std::unique_ptr<TXvfbDisplay> Display;
    std::unique_ptr<TDesktopDriver> Desktop;
    std::unique_ptr<TTestVideoService> Service;
    std::unique_ptr<TTestProcess> Program;
    std::string MainWindow;
};

TEST_F(TKestruneDesktopTest, TypedAddressAndStartDeliverTheVideoToTheDesktopThenClosingSavesTheSettings) {
    StartJob("demo", "main");
    const std::string box = MessageBox(JobSeconds);
    ASSERT_FALSE(box.empty()) << "no message box came";
    EXPECT_TRUE(Desktop->Picture("root", Picture("done")));
    ExpectFullGaugesBehind(box);
    AnswerMessageBox();

    const std::string video = DesktopFolder() + "Test_Pattern_Demo__5_seconds_.AVI";
    EXPECT_EQ(DesktopFiles(), std::vector<std::string>{"Test_Pattern_Demo__5_seconds_.AVI"});
    const std::string avi = Read(video);
    ASSERT_GT(avi.size(), 12u);
    EXPECT_EQ(avi.substr(0, 4), "RIFF");
    EXPECT_EQ(avi.substr(8, 4), "AVI ");
    EXPECT_FALSE(fs::exists(WorkingFile("temp.avi")));
    // "Open video file when process completes" is ticked from the start.
    EXPECT_TRUE(WaitUntil([&] { return LinesOf(Read(Root + "opened.txt")).size() == 1; }, 10));
    EXPECT_EQ(LinesOf(Read(Root + "opened.txt")), std::vector<std::string>{video});

    ASSERT_NO_FATAL_FAILURE(CloseProgram());
    const std::vector<std::string> settings = LinesOf(Read(Root + "program/set.txt"));
    ASSERT_EQ(settings.size(), 4u);
    EXPECT_EQ(settings[0], DesktopFolder());
    EXPECT_EQ(settings[3], "1");
}

// The skinned check box decides whether the next job opens its video:
// unticked with the mouse, a job opens nothing; ticked again with the space
// key (the box is next after the address in the tab order), the next job
// opens its video. The main window's rounded corners show the screen behind.
TEST_F(TKestruneDesktopTest, TheOpenFileBoxTickedByMouseAndSpaceDecidesWhetherTheVideoOpens) {
    ASSERT_TRUE(Desktop->Picture("root", Picture("main-on-screen")));
    const gfx::TBitmap screen = gfx::ReadPng(Read(Picture("main-on-screen")));
    const TWindowBox frame = Desktop->Box(MainWindow);
    const auto pixel = [&](int x, int y) {
        const uint8_t* p = screen.ScanLine(y) + screen.BytesPerPixel() * x;
        return p[0] | p[1] << 8 | p[2] << 16;
    };
    EXPECT_EQ(pixel(frame.X, frame.Y), 0) << "the corner is not cut out of the window";
    EXPECT_EQ(pixel(frame.X + frame.Width - 1, frame.Y), 0) << "the corner is not cut out of the window";
    EXPECT_NE(pixel(frame.X + frame.Width / 2, frame.Y + 4), 0) << "no title band";

    ClickClient(MainWindow, MainClientSize, OpenFileCheckBox);
    StartJob("demo");
    ASSERT_FALSE(MessageBox(JobSeconds).empty()) << "no message box came";
    AnswerMessageBox();
    EXPECT_EQ(DesktopFiles().size(), 1u);
    EXPECT_FALSE(fs::exists(Root + "opened.txt")) << "the unticked box still opened the video";

    ClickClient(MainWindow, MainClientSize, AddressEdit);
    Desktop->Key("Tab");
    Desktop->Key("space");
    StartJob("demo");
    ASSERT_FALSE(MessageBox(JobSeconds).empty()) << "no message box came";
    AnswerMessageBox();
    EXPECT_TRUE(WaitUntil([&] { return LinesOf(Read(Root + "opened.txt")).size() == 1; }, 10))
        << "the box ticked with the space key did not open the video";
    EXPECT_EQ(DesktopFiles().size(), 2u);
    CloseProgram();
}

TEST_F(TKestruneDesktopTest, LongClipGoesIntoAChosenFolderWhileTheProgressWindowShows) {
    const std::string chosen = DesktopFolder() + "Clips";
    fs::create_directories(chosen);
    ASSERT_NO_FATAL_FAILURE(ChooseFirstDesktopFolder());
    StartJob("long");
    const std::string progress = VisibleWindow(ProgressPattern, 30);
    ASSERT_FALSE(progress.empty()) << "the progress window did not show";
    EXPECT_TRUE(Desktop->VisibleWindows(TitlePattern).empty()) << "the main window stays up during the job";
    // The encoder's output file appears as the conversion begins; a gauge
    // tick later the window shows how far it got. A fast machine may be done
    // by then: the whole screen shows the window under the box, where a
    // picture of the window alone would have a hole.
    if (WaitUntil([&] { return fs::exists(WorkingFile("temp.avi")); }, JobSeconds)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1600));
        EXPECT_TRUE(Desktop->Picture(MessageBox(0).empty() ? progress : "root", Picture("progress")));
    }
    ASSERT_FALSE(MessageBox(JobSeconds).empty()) << "no message box came";
    AnswerMessageBox();
    EXPECT_TRUE(fs::exists(chosen + "/Test_Pattern_Long_Play__1_minute_.AVI"));
    EXPECT_EQ(DesktopFiles(), std::vector<std::string>{"Clips"});
    CloseProgram();
}

TEST_F(TKestruneDesktopTest, CancelDuringTheDownloadDeliversNothing) {
    // 4096-byte pieces with 50 ms between them: about half a minute in all.
    StartJob("long-trickle50");
    const std::string progress = VisibleWindow(ProgressPattern, 30);
    ASSERT_FALSE(progress.empty()) << "the progress window did not show";
    ASSERT_TRUE(WaitUntil([&] { return fs::exists(WorkingFile("temp.flv")) && fs::file_size(WorkingFile("temp.flv")) > 0; },
                          60));
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_TRUE(Desktop->Picture(progress, Picture("download")));
    ClickClient(progress, ProgressClientSize, CancelButton);
    ASSERT_FALSE(MessageBox(60).empty()) << "no message box came after Cancel";
    AnswerMessageBox();
    EXPECT_TRUE(DesktopFiles().empty());
    EXPECT_FALSE(fs::exists(WorkingFile("temp.avi")));
    EXPECT_FALSE(fs::exists(Root + "opened.txt"));
    CloseProgram();
}

TEST_F(TKestruneDesktopTest, TypingCInTheOpenHelpMenuOpensTheContents) {
    // The menu is the nameless window that the click brings.
    const std::vector<std::string> before = Desktop->VisibleWindows(NamelessPattern);
    const auto menuShows = [&] {
        for (const std::string& window : Desktop->VisibleWindows(NamelessPattern))
            if (std::find(before.begin(), before.end(), window) == before.end()) return true;
        return false;
    };
    ClickClient(MainWindow, MainClientSize, HelpButton);
    ASSERT_TRUE(WaitUntil(menuShows, 30)) << "the help menu did not open";
    EXPECT_TRUE(Desktop->Picture("root", Picture("help-menu")));
    Desktop->Type("C");
    EXPECT_TRUE(WaitUntil([&] { return !LinesOf(Read(Root + "opened.txt")).empty(); }, 30))
        << "the typed mnemonic chose nothing";
    EXPECT_EQ(LinesOf(Read(Root + "opened.txt")), std::vector<std::string>{Root + "program/help.htm"});
    EXPECT_TRUE(WaitUntil([&] { return !menuShows(); }, 30)) << "the menu stays open";
    CloseProgram();
}

// Told to end during a job (a logout's SIGTERM, a terminal's Ctrl+C), the
// program ends by that signal and takes the encoder along, although the
// encoder runs in a session of its own; the lock is free for the next start
// and the settings file was not half written.
class TEndedDesktopTest : public TKestruneDesktopTest {
protected:
    void EndDuring(const std::string& videoId, const std::string& workingFile, int signal) {
        StartJob(videoId);
        const std::string file = WorkingFile(workingFile);
        ASSERT_TRUE(WaitUntil([&] { return fs::exists(file) && fs::file_size(file) > 0; }, 60))
            << workingFile << " did not come";
        EXPECT_EQ(EncoderRuns(), workingFile == "temp.avi");
        kill(Program->Id(), signal);
        EXPECT_EQ(Program->WaitFor(10), 128 + signal);
        EXPECT_TRUE(WaitUntil([&] { return !EncoderRuns(); }, 5)) << "the encoder runs on";
        const int lock = open((Root + "runtime/kestrune_youtube_converter.lock").c_str(), O_RDWR | O_CLOEXEC);
        EXPECT_EQ(flock(lock, LOCK_EX | LOCK_NB), 0) << "the lock is still held";
        if (lock >= 0) close(lock);
        EXPECT_FALSE(fs::exists(Root + "program/set.txt"));
        EXPECT_TRUE(DesktopFiles().empty());
    }
    // f.exe by its path, ffmpeg by the working files it names.
    bool EncoderRuns() const {
        for (const auto& entry : fs::directory_iterator("/proc")) {
            const std::string command = Read((entry.path() / "cmdline").string());
            if (command.find(Root + "program/f.exe") != std::string::npos ||
                command.find(Root + "cache/") != std::string::npos)
                return true;
        }
        return false;
    }
};

TEST_F(TEndedDesktopTest, SigtermDuringTheConversion) { EndDuring("long", "temp.avi", SIGTERM); }

TEST_F(TEndedDesktopTest, SigintDuringTheDownload) { EndDuring("long-trickle50", "temp.flv", SIGINT); }

// The first run: the skinned codec prompt answered by keyboard, then the
// about window and an error box, each kept as a picture of the X display.
class TFirstRunDesktopTest : public TKestruneDesktopTest {
protected:
    bool FirstRun() const override { return true; }
};

TEST_F(TFirstRunDesktopTest, CodecPromptAnsweredByKeyboardThenAboutAndAnErrorBox) {
    const std::string prompt = VisibleWindow("^Kestrune YouTube Converter Installation$", 60);
    ASSERT_FALSE(prompt.empty()) << "the codec prompt did not show";
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_TRUE(Desktop->Picture(prompt, Picture("codec-prompt")));
    // Done has the focus, and the first choice (install) is selected.
    Desktop->Key("Return");
    EXPECT_TRUE(WaitUntil([&] { return Read(Root + "program/done.txt") == "Done\r\n"; }, 30)) << "no done.txt";
    MainWindow = VisibleWindow(TitlePattern, 30);
    ASSERT_FALSE(MainWindow.empty()) << "the main window did not come after the prompt";
    EXPECT_TRUE(WaitUntil([&] { return !LinesOf(Read(Root + "opened.txt")).empty(); }, 30));
    const std::vector<std::string> opened = LinesOf(Read(Root + "opened.txt"));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_NE(opened[0].find("DivXInstaller"), std::string::npos) << opened[0];

    ClickClient(MainWindow, MainClientSize, HelpButton);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    Desktop->Type("A");
    const std::string about = VisibleWindow("^About$", 30);
    ASSERT_FALSE(about.empty()) << "the about window did not show";
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_TRUE(Desktop->Picture(about, Picture("about")));
    // OK has the focus.
    Desktop->Key("Return");
    EXPECT_TRUE(WaitUntil([&] { return Desktop->VisibleWindows("^About$").empty(); }, 30)) << "About stays open";

    ClickClient(MainWindow, MainClientSize, AddressEdit);
    Desktop->Type("www.example.com");
    ClickClient(MainWindow, MainClientSize, StartButton);
    const std::string box = MessageBox(30);
    ASSERT_FALSE(box.empty()) << "no error box came";
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_TRUE(Desktop->Picture(box, Picture("error-box")));
    AnswerMessageBox();
    CloseProgram();
}

}  // namespace
