// The X11 backend on a private Xvfb display: a window appears, takes a
// region, receives a click and a key sent by xdotool, and a screenshot of the
// screen shows it with the hole its region cuts. Skipped where Xvfb or
// xdotool is missing.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "gfx/ImageCodecs.h"
#include "gfx/TCanvas.h"
#include "ui/Backend.h"
#include "ui/Clipboard.h"
#include "ui/DefWindowProc.h"
#include "ui/Input.h"
#include "ui/Keys.h"
#include "ui/Layered.h"
#include "ui/MessageLoop.h"
#include "ui/Paint.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowClass.h"
#include "ui/WindowPos.h"
#include "ui/WindowSystem.h"
#include "ui/x11/X11Backend.h"

extern char** environ;

using namespace ui;

namespace {

bool OnPath(const std::string& program) {
    std::istringstream path(getenv("PATH") ? getenv("PATH") : "");
    for (std::string dir; std::getline(path, dir, ':');)
        if (access((dir + "/" + program).c_str(), X_OK) == 0) return true;
    return false;
}

pid_t Spawn(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    return posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0 ? pid : -1;
}

int RunProgram(const std::vector<std::string>& args) {
    const pid_t pid = Spawn(args);
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs the loop for up to `ms` milliseconds of real time, or until `done`.
template <typename F>
bool PumpUntil(F done, int ms = 5000) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() > until) return false;
        ProcessPendingMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

std::vector<UINT> gMessages;

LRESULT RedProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP || msg == WM_CHAR || msg == WM_KEYDOWN) gMessages.push_back(msg);
    if (msg == WM_CHAR) gMessages.push_back(UINT(wParam));
    if (msg == WM_PAINT) {
        TPaintStruct ps;
        const HDC dc = BeginPaint(hwnd, ps);
        dc->Brush.Color = gfx::clRed;
        dc->FillRect(GetClientRect(hwnd));
        EndPaint(hwnd, ps);
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

class X11Smoke : public ::testing::Test {
protected:
    void SetUp() override {
        if (!OnPath("Xvfb") || !OnPath("xdotool") || !OnPath("import"))
            GTEST_SKIP() << "Xvfb, xdotool or ImageMagick's import is not installed";
        // A display number nobody uses.
        for (FDisplay = 90 + getpid() % 50; FDisplay < 200; ++FDisplay) {
            struct stat st;
            const std::string lock = "/tmp/.X" + std::to_string(FDisplay) + "-lock";
            const std::string socket = "/tmp/.X11-unix/X" + std::to_string(FDisplay);
            if (stat(lock.c_str(), &st) != 0 && stat(socket.c_str(), &st) != 0) break;
        }
        const std::string name = ":" + std::to_string(FDisplay);
        FServer = Spawn({"Xvfb", name, "-screen", "0", "640x480x24", "-nolisten", "tcp", "-br"});
        ASSERT_GT(FServer, 0);
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(FDisplay);
        for (int i = 0; i < 100 && access(socket.c_str(), F_OK) != 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        setenv("DISPLAY", name.c_str(), 1);
        ASSERT_TRUE(TWindowSystem::Get().SetBackend(MakeBackend("x11")));
    }

    void TearDown() override {
        std::vector<HWND> left;
        EnumWindows([&](HWND h) {
            left.push_back(h);
            return true;
        });
        for (HWND h : left) DestroyWindow(h);
        if (FServer > 0) {
            TWindowSystem::Get().SetBackend(MakeBackend("headless"));
            kill(FServer, SIGTERM);
            waitpid(FServer, nullptr, 0);
        }
    }

    // A red popup window at 100,80 of 200 by 150 pixels.
    static HWND RedWindow() {
        TWndClass wc;
        wc.ClassName = "RedWindow";
        wc.WndProc = RedProc;
        RegisterClass(wc);
        return CreateWindowEx(0, "RedWindow", "Smoke", WS_POPUP, 100, 80, 200, 150, nullptr, 0);
    }
    static bool Painted(HWND w) {
        TRect update;
        return IsWindowVisible(w) && !GetUpdateRect(w, update, false);
    }
    // The whole screen as ImageMagick's import takes it; empty when it failed.
    static gfx::TBitmap Screenshot(const std::string& name) {
        const std::string shot = ::testing::TempDir() + name;
        if (RunProgram({"import", "-window", "root", shot}) != 0) return {};
        std::ifstream in(shot, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        return bytes.empty() ? gfx::TBitmap() : gfx::ReadPng(bytes);
    }
    static gfx::TColor Pixel(gfx::TBitmap& screen, int x, int y) {
        gfx::TBitmap copy(1, 1);
        copy.Canvas().BitBlt(0, 0, 1, 1, screen.Canvas(), x, y);
        return copy.Canvas().Pixels(0, 0);
    }

    int FDisplay = 0;
    pid_t FServer = -1;
};

TEST_F(X11Smoke, WindowWithRegionTakesClickAndKeyAndShowsOnScreen) {
    EXPECT_STREQ(TWindowSystem::Get().Backend().Name(), "x11");
    EXPECT_FALSE(LayeredWindowsAvailable());  // no compositing manager on a bare Xvfb
    const HWND w = RedWindow();
    ASSERT_TRUE(w);
    gfx::TRegion shape(TRect{0, 0, 200, 150});
    shape.Combine(shape, gfx::TRegion(TRect{50, 50, 100, 100}), gfx::RGN_DIFF);
    SetWindowRgn(w, &shape, false);
    ShowWindow(w, SW_SHOW);
    ASSERT_TRUE(PumpUntil([&] { return Painted(w); }));

    gMessages.clear();
    ASSERT_EQ(RunProgram({"xdotool", "mousemove", "--sync", "120", "100", "click", "1"}), 0);
    EXPECT_TRUE(PumpUntil([] { return gMessages.size() >= 2; }));
    EXPECT_EQ(gMessages, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
    EXPECT_EQ(GetActiveWindow(), w);

    gMessages.clear();
    ASSERT_EQ(RunProgram({"xdotool", "key", "a"}), 0);
    EXPECT_TRUE(PumpUntil([] { return gMessages.size() >= 3; }));
    EXPECT_EQ(gMessages, (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, UINT('a')}));

    gfx::TBitmap screen = Screenshot("x11_smoke.png");
    ASSERT_EQ(screen.Width(), 640);
    EXPECT_EQ(Pixel(screen, 110, 90), gfx::clRed);     // the window
    EXPECT_EQ(Pixel(screen, 175, 155), gfx::clBlack);  // the hole its region cuts shows the root
    EXPECT_EQ(Pixel(screen, 50, 50), gfx::clBlack);    // beside the window
}

// Without a window manager nobody iconifies the window; what matters is that
// it comes back at its own size, not the icon's.
TEST_F(X11Smoke, MinimisedAndRestoredWindowComesBackWhole) {
    const HWND w = RedWindow();
    ShowWindow(w, SW_SHOW);
    ASSERT_TRUE(PumpUntil([&] { return Painted(w); }));
    ShowWindow(w, SW_MINIMIZE);
    PumpUntil([] { return false; }, 300);
    ShowWindow(w, SW_RESTORE);
    ASSERT_TRUE(PumpUntil([&] { return Painted(w); }));
    PumpUntil([] { return false; }, 300);  // the server's notices of the moves
    EXPECT_EQ(GetWindowRect(w), (TRect{100, 80, 300, 230}));
    gfx::TBitmap screen = Screenshot("x11_restored.png");
    ASSERT_EQ(screen.Width(), 640);
    EXPECT_EQ(Pixel(screen, 295, 225), gfx::clRed);  // its far corner
}

TEST_F(X11Smoke, ClipboardTextReachesAnotherClient) {
    // Windows-1252 text with an accented letter and the euro sign, which
    // travel as UTF-8.
    const std::string text = "caf\xE9 costs 5 \x80";
    ASSERT_TRUE(SetClipboardText(text));
    EXPECT_EQ(GetClipboardText(), text);
    std::string read;
    std::atomic<bool> done{false};
    std::thread reader([&] {
        TX11Backend other;  // a second connection, as another program would have
        read = other.GetClipboardText();
        done = true;
    });
    EXPECT_TRUE(PumpUntil([&] { return done.load(); }));
    reader.join();
    EXPECT_EQ(read, text);
}

}  // namespace
