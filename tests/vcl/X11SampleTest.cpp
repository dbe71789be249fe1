// The sample form on a real X server: Xvfb, our program showing the form
// through the X11 backend, and a screenshot of the screen in which the form
// shows its colour where its client area is. Skipped where Xvfb or
// ImageMagick's import is missing.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>

#include "gfx/ImageCodecs.h"

extern char** environ;

namespace {

bool Exists(const char* path) { return access(path, X_OK) == 0; }

pid_t Spawn(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
}

class TXvfb {
public:
    TXvfb() {
        for (FDisplay = 90 + getpid() % 100; FDisplay < 300; ++FDisplay) {
            const std::string socket = "/tmp/.X11-unix/X" + std::to_string(FDisplay);
            const std::string lock = "/tmp/.X" + std::to_string(FDisplay) + "-lock";
            if (access(socket.c_str(), F_OK) == 0 || access(lock.c_str(), F_OK) == 0) continue;
            FPid = Spawn({"/usr/bin/Xvfb", ":" + std::to_string(FDisplay), "-screen", "0", "1024x768x24", "-nolisten",
                          "tcp"});
            for (int i = 0; i < 100 && FPid > 0; ++i) {
                if (access(socket.c_str(), F_OK) == 0) return;
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
            Stop();
        }
    }
    ~TXvfb() { Stop(); }
    bool Running() const { return FPid > 0; }
    std::string Name() const { return ":" + std::to_string(FDisplay); }

private:
    void Stop() {
        if (FPid <= 0) return;
        kill(FPid, SIGTERM);
        waitpid(FPid, nullptr, 0);
        FPid = -1;
    }
    int FDisplay = 0;
    pid_t FPid = -1;
};

TEST(SampleFormOnX11, ShowsOnAnXServer) {
    if (!Exists("/usr/bin/Xvfb")) GTEST_SKIP() << "Xvfb is not installed";
    if (!Exists("/usr/bin/import")) GTEST_SKIP() << "ImageMagick's import is not installed";
    TXvfb server;
    ASSERT_TRUE(server.Running());
    const std::string command = "DISPLAY=" + server.Name() + " KESTRUNE_BACKEND=x11 " VCL_SAMPLE_PROGRAM " 3000";
    FILE* sample = popen(command.c_str(), "r");
    ASSERT_TRUE(sample);
    char line[128] = {};
    const bool shown = fgets(line, sizeof line, sample) != nullptr;
    int x = 0, y = 0;
    const bool parsed = shown && std::sscanf(line, "CLIENT %d %d", &x, &y) == 2;
    // Give the server a moment to show what the program painted.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const std::string shot = VCL_X11_PNG;
    const std::string grab = "/usr/bin/import -display " + server.Name() + " -window root " + shot;
    const int grabbed = std::system(grab.c_str());
    const int status = pclose(sample);
    ASSERT_TRUE(parsed) << "the sample program printed: " << line;
    ASSERT_EQ(grabbed, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    std::ifstream in(shot, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const gfx::TBitmap screen = gfx::ReadPng(bytes.str());
    // The form's background at a place no control covers.
    const int px = x + 240, py = y + 240;
    ASSERT_LT(px, screen.Width());
    ASSERT_LT(py, screen.Height());
    const uint8_t* p = screen.ScanLine(py) + px * screen.BytesPerPixel();
    EXPECT_EQ(gfx::RGB(p[2], p[1], p[0]), gfx::RGB(176, 206, 241));
}

}  // namespace
