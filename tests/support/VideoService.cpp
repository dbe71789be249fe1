#include "VideoService.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <string_view>

#include "videoservice/WatchPage.h"

extern char** environ;

namespace {

// Making the clips for the first time takes a few seconds; a loaded machine
// running sanitizer builds may need much longer.
constexpr int StartTimeoutMs = 180000;

// The first line the service prints, or what came before it ended.
std::string ReadFirstLine(int fd) {
    std::string line;
    char c = 0;
    for (;;) {
        pollfd ready{fd, POLLIN, 0};
        const int polled = poll(&ready, 1, StartTimeoutMs);
        if (polled < 0 && errno == EINTR) continue;
        if (polled <= 0 || read(fd, &c, 1) != 1 || c == '\n') return line;
        line += c;
    }
}

}  // namespace

TTestVideoService::TTestVideoService() {
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("videoservice: no pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    std::string path = VIDEOSERVICE_PATH, port = "--port", zero = "0", media = "--media", folder = VIDEOSERVICE_MEDIA;
    char* argv[] = {path.data(), port.data(), zero.data(), media.data(), folder.data(), nullptr};
    const int spawned = posix_spawn(&Pid, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        throw std::runtime_error("cannot start " + path);
    }
    const std::string line = ReadFirstLine(out[0]);
    close(out[0]);
    constexpr std::string_view Prefix = "listening on http://127.0.0.1:";
    if (line.starts_with(Prefix)) ServicePort = std::stoi(line.substr(Prefix.size()));
    if (ServicePort <= 0) {
        Stop();
        throw std::runtime_error("videoservice did not start; it said: " + line);
    }
}

TTestVideoService::~TTestVideoService() { Stop(); }

void TTestVideoService::Stop() {
    if (Pid <= 0) return;
    kill(Pid, SIGTERM);
    while (waitpid(Pid, nullptr, 0) < 0 && errno == EINTR) {
    }
    Pid = -1;
}

std::string TTestVideoService::BaseUrl() const { return "http://127.0.0.1:" + std::to_string(ServicePort); }

std::string TTestVideoService::WatchUrl(const std::string& id) const { return BaseUrl() + "/watch?v=" + id; }

std::string TTestVideoService::StreamUrl(const std::string& id) const {
    return videoservice::StreamAddress(BaseUrl(), id);
}

std::string TTestVideoService::ClipPath(const std::string& name) { return std::string(VIDEOSERVICE_MEDIA) + "/" + name + ".flv"; }
