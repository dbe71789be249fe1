// Messages between processes: a second process of ours (this test program
// again, as a "skin editor") is found by its window title, answers a
// message, and pushes a block of bytes back with WM_COPYDATA, as the live
// skin feed does. Messages whose parameters would be pointers are refused.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "ui/CopyData.h"
#include "ui/DefWindowProc.h"
#include "ui/Headless.h"
#include "ui/MessageLoop.h"
#include "ui/Messages.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowClass.h"

extern char** environ;

using namespace ui;

namespace {

constexpr UINT FeedQuery = 0xA400;
constexpr const char* EditorTitle = "Quillmarks Editor";

std::string gReceived;
WPARAM gReceivedWParam = 0;
UINT_PTR gReceivedNumber = 0;
HWND gFeedTarget = nullptr;

LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COPYDATA) {
        const auto* block = reinterpret_cast<const TCopyDataStruct*>(lParam);
        gReceived.assign(static_cast<const char*>(block->Bytes), block->Size);
        gReceivedWParam = wParam;
        gReceivedNumber = block->Data;
        return 1;
    }
    if (msg == FeedQuery && wParam == 3) {
        gFeedTarget = reinterpret_cast<HWND>(lParam);
        return 1;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

HWND MakeWindow(const char* title) {
    static const bool registered = [] {
        TWndClass wc;
        wc.ClassName = "FeedWindow";
        wc.WndProc = Proc;
        return RegisterClass(wc) != 0;
    }();
    EXPECT_TRUE(registered);
    return CreateWindowEx(0, "FeedWindow", title, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, 0);
}

template <typename F>
bool PumpUntil(F done, int ms) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() > until) return false;
        ProcessPendingMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// The other process: an editor window that waits to be told where to send
// its block, sends it, and ends.
TEST(CopyDataPeer, Editor) {
    if (!std::getenv("KESTRUNE_UI_PEER")) GTEST_SKIP() << "run by CopyData.LiveFeedBetweenTwoProcesses";
    headless::Reset();
    headless::SetTestClock(false);
    ASSERT_TRUE(MakeWindow(EditorTitle));
    ASSERT_TRUE(PumpUntil([] { return gFeedTarget != nullptr; }, 10000));
    const std::string block = "options text";
    const TCopyDataStruct data{42, DWORD(block.size()), block.data()};
    EXPECT_EQ(SendMessage(gFeedTarget, WM_COPYDATA, 7, reinterpret_cast<LPARAM>(&data)), 1);
    // A pointer-carrying message must not reach the other side.
    EXPECT_EQ(SendMessage(gFeedTarget, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x")), 0);
}

TEST(CopyData, LiveFeedBetweenTwoProcesses) {
    headless::Reset();
    headless::SetTestClock(false);
    const HWND main = MakeWindow("Main");
    ASSERT_TRUE(main);
    EXPECT_EQ(FindWindow("", EditorTitle), nullptr);
    EXPECT_EQ(FindWindow("feedwindow", "Main"), main);

    setenv("KESTRUNE_UI_PEER", "1", 1);
    std::vector<std::string> args = {"/proc/self/exe", "--gtest_filter=CopyDataPeer.Editor"};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    char path[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", path, sizeof path - 1), 0);
    pid_t peer = -1;
    posix_spawn_file_actions_t quiet;  // the peer's own test report is not ours
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    ASSERT_EQ(posix_spawn(&peer, path, &quiet, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&quiet);
    unsetenv("KESTRUNE_UI_PEER");

    HWND editor = nullptr;
    EXPECT_TRUE(PumpUntil([&] { return (editor = FindWindow("", EditorTitle)) != nullptr; }, 10000));
    if (editor) {
        EXPECT_NE(reinterpret_cast<uintptr_t>(editor) >> 32, uintptr_t(getpid()));
        EXPECT_EQ(SendMessage(editor, FeedQuery, 3, reinterpret_cast<LPARAM>(main)), 1);
        EXPECT_TRUE(PumpUntil([] { return !gReceived.empty(); }, 10000));
        EXPECT_EQ(gReceived, "options text");
        EXPECT_EQ(gReceivedWParam, 7u);
        EXPECT_EQ(gReceivedNumber, 42u);
    }
    int status = -1;
    // The peer sends once more after the block; keep answering until it ends.
    EXPECT_TRUE(PumpUntil([&] { return waitpid(peer, &status, WNOHANG) == peer; }, 10000));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(GetWindowText(main), "Main");
    DestroyWindow(main);
}

}  // namespace
