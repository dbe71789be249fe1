// A stand-in for the encoder that prints what a test needs, the way the encoder
// would: through its standard output and error, which the runner joins in one
// pipe. The first argument picks the behaviour:
//   -i ...          like the encoder's command line: a duration, then each
//                   argument (the program path first) on a line of its own;
//                   with FAKE_ENCODER_RUN="DURATION FURTHEST CODE" set, a
//                   conversion instead: the duration (or "Unknown format" for
//                   0), a status line every 5 seconds of video up to FURTHEST
//                   seconds, the output file (the last argument) unless the
//                   duration is 0, the last status line followed by the
//                   summary in one piece, and the exit code CODE
//   args            each argument on a line of its own, in angle brackets
//   split           "Dura", a pause, "tion: 00:01:00.00", then runs on
//   silent MS       prints nothing for MS milliseconds, then ends
//   exit CODE       ends at once with CODE
//   killself        is killed by SIGTERM
//   nul             a duration with NUL bytes in it, then runs on
//   unknown         "Unknown format", then runs on
//   flood BYTES     a duration, BYTES bytes of status lines, "END", runs on
//   status BYTES    a duration, BYTES bytes of status lines, then a status
//                   line every millisecond until it is killed
//   stubborn        ignores SIGTERM, prints a duration and its id, runs on
//   fds             the numbers of its open descriptors
//   session         whether it leads its own session
//   stdin           what reading its standard input gives
// "Runs on" means: sleeps for up to a minute, or until the test ends.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

void Say(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t wrote = write(fd, text.data() + done, text.size() - done);
        if (wrote <= 0) exit(3);
        done += static_cast<size_t>(wrote);
    }
}

void Say(const std::string& text) { Say(STDOUT_FILENO, text); }

void Say(const char* path, const std::string& text) {
    const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0) exit(4);
    Say(fd, text);
    close(fd);
}

void Pause(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

[[noreturn]] void RunOn() {
    Pause(60000);
    exit(0);
}

std::string StatusLine(int seconds) {
    const std::string hundredths = std::to_string(seconds % 100 + 100).substr(1);
    return "frame=  100 fps= 50 q=3.0 size=     512kB time=00:00:" + hundredths +
           ".00 bitrate= 700.0kbits/s speed=2.0x    \r";
}

void StatusLines(size_t bytes) {
    std::string block;
    for (int i = 0; block.size() < 65536; ++i) block += StatusLine(i);
    while (bytes > 0) {
        const size_t take = bytes < block.size() ? bytes : block.size();
        Say(block.substr(0, take));
        bytes -= take;
    }
}

std::string Clock(int seconds) {
    const auto two = [](int n) { return std::to_string(n + 100).substr(1); };
    return two(seconds / 3600) + ":" + two(seconds / 60 % 60) + ":" + two(seconds % 60);
}

// Status lines as our encoder relays them, the position last.
std::string Progress(int seconds) {
    return "frame= " + std::to_string(seconds * 25) + " fps=250 q=3.0 size=  " + std::to_string(seconds * 80) +
           "kB bitrate= 650.0kbits/s speed=10x time=" + Clock(seconds) + ".00\r";
}

int Convert(const char* run, const char* outputFile) {
    int duration = 0, furthest = 0, code = 0;
    if (std::sscanf(run, "%d %d %d", &duration, &furthest, &code) != 3) return 2;
    if (duration == 0) {
        Say(STDERR_FILENO, "temp.flv: Unknown format\n");
        return code;
    }
    Say(STDERR_FILENO, "  Duration: " + Clock(duration) + ".00, start: 0.000000, bitrate: 464 kb/s\n");
    for (int at = 0; at < furthest; at += 5) {
        Say(STDERR_FILENO, Progress(at));
        Pause(30);
    }
    Say(outputFile, "RIFF");
    Say(STDERR_FILENO, Progress(furthest) + "\nvideo:3800kB audio:940kB subtitle:0kB other streams:0kB "
                                            "global headers:0kB muxing overhead: 1.216330%\n");
    return code;
}

size_t Count(int argc, char** argv) { return argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 0; }

}  // namespace

int main(int argc, char** argv) {
    // Never outlive the test that started us.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const std::string mode = argc > 1 ? argv[1] : "";

    if (mode == "-i") {
        if (const char* run = getenv("FAKE_ENCODER_RUN")) return Convert(run, argv[argc - 1]);
        Say(STDERR_FILENO, "  Duration: 00:00:07.00, start: 0.000000, bitrate: 300 kb/s\n");
        for (int i = 0; i < argc; ++i) Say(std::string(argv[i]) + "\n");
        return 0;
    }
    if (mode == "args") {
        // Appended piece by piece: GCC 12 sees a false overlap in "<" + text at -O3.
        for (int i = 0; i < argc; ++i) Say(std::string("<").append(argv[i]).append(">\n"));
        return 0;
    }
    if (mode == "split") {
        Say(STDERR_FILENO, "Dura");
        Pause(300);
        Say("tion: 00:01:00.00, start: 0.000000\n");
        RunOn();
    }
    if (mode == "silent") {
        Pause(static_cast<int>(Count(argc, argv)));
        return 0;
    }
    if (mode == "exit") return static_cast<int>(Count(argc, argv));
    if (mode == "killself") {
        raise(SIGTERM);
        return 0;
    }
    if (mode == "nul") {
        Say(std::string("Duration: 00:00:01.00\0A\0\0B\n", 27));
        RunOn();
    }
    if (mode == "unknown") {
        Say(STDERR_FILENO, "temp.flv: Unknown format\n");
        RunOn();
    }
    if (mode == "flood" || mode == "status") {
        Say("Duration: 00:01:00.00, start: 0.000000\n");
        StatusLines(Count(argc, argv));
        if (mode == "flood") {
            Say("END");
            RunOn();
        }
        for (int i = 0;; ++i) {
            Say(StatusLine(i));
            Pause(1);
        }
    }
    if (mode == "stubborn") {
        signal(SIGTERM, SIG_IGN);
        Say("Duration: 00:00:01.00 pid=" + std::to_string(getpid()) + "\n");
        RunOn();
    }
    if (mode == "fds") {
        DIR* folder = opendir("/proc/self/fd");
        if (!folder) return 2;
        std::string list;
        while (const dirent* entry = readdir(folder)) {
            if (entry->d_name[0] == '.' || std::atoi(entry->d_name) == dirfd(folder)) continue;
            list += std::string(entry->d_name) + " ";
        }
        closedir(folder);
        Say(list + "\n");
        return 0;
    }
    if (mode == "session") {
        Say(getsid(0) == getpid() ? "own session\n" : "shared session\n");
        return 0;
    }
    if (mode == "stdin") {
        char c;
        const ssize_t got = read(STDIN_FILENO, &c, 1);
        Say(got < 0 ? std::string("read failed: ") + strerror(errno) + "\n" : "read " + std::to_string(got) + "\n");
        return 0;
    }
    Say("unknown mode\n");
    return 2;
}
