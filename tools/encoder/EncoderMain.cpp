// f.exe: the program's encoder. Runs the system's ffmpeg with the arguments it
// was given, never lets it read the console, and relays what it prints with
// each status line's position moved to the line's end (see StatusLine.h). It
// ends with ffmpeg's exit code, or with 1 when ffmpeg reported a write error
// and ended well all the same (see WriteErrors.h). It ends with the program
// that started it, however that program ends: the program's own signal
// handling cannot reach it when the program is killed outright.
#include <sys/prctl.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "encoder/StatusLine.h"
#include "encoder/WriteErrors.h"

namespace {

void WriteAll(int fd, const std::string& text) {
    for (size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += static_cast<size_t>(n);
    }
}

}  // namespace

int main(int argc, char** argv) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    std::vector<char*> args;
    std::string program = KESTRUNE_FFMPEG;
    args.push_back(program.data());
    std::string noStdin = "-nostdin";
    args.push_back(noStdin.data());
    for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
    args.push_back(nullptr);

    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        std::perror("f.exe: pipe");
        return 1;
    }
    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child < 0) {
        std::perror("f.exe: fork");
        return 1;
    }
    if (child == 0) {
        // Killing the encoder must end ffmpeg too, whoever kills it and how.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent) ::_exit(1);
        const int devNull = ::open("/dev/null", O_RDONLY);
        ::dup2(devNull, 0);
        ::dup2(pipeFds[1], 2);
        ::execvp(args[0], args.data());
        std::perror("f.exe: cannot run ffmpeg");
        ::_exit(127);
    }
    ::close(pipeFds[1]);

    encoder::TStatusRelay relay;
    bool writeErrorSeen = false;
    const auto toStderr = [&](const std::string& line) {
        if (encoder::ReportsWriteError(line)) writeErrorSeen = true;
        WriteAll(2, line);
    };
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        relay.Feed(std::string_view(buffer, static_cast<size_t>(n)), toStderr);
    }
    relay.Finish(toStderr);

    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    const int ffmpegCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return encoder::EncoderExitCode(ffmpegCode, writeErrorSeen);
}
