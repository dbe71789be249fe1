// The program idle on X11 under Xvfb, its main window shown: resident memory
// against xmessage showing one line in the same run (`RATIO
// idle_rss_vs_xmessage`), and the processor time and wake-ups of 30 seconds
// of doing nothing.
#include <dirent.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>

#include "TBenchHome.h"
#include "TPaintWatch.h"
#include "TTestProcess.h"
#include "TXvfbDisplay.h"

namespace {

constexpr auto kSettle = std::chrono::seconds(2);
constexpr int kIdleSeconds = 30;

// A "Name:   value kB" line of /proc/PID/status, in kB; -1 when missing.
long StatusKb(pid_t pid, const std::string& name) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(name + ":", 0) == 0) return std::stol(line.substr(name.size() + 1));
    return -1;
}

// Processor nanoseconds and times scheduled, summed over the threads.
struct TRunTime {
    long long Nanoseconds = 0;
    long long Slices = 0;
};

TRunTime RunTime(pid_t pid) {
    TRunTime total;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* folder = opendir(tasks.c_str());
    if (!folder) return total;
    while (dirent* entry = readdir(folder)) {
        if (entry->d_name[0] == '.') continue;
        std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
        long long run = 0, waited = 0, slices = 0;
        if (stat >> run >> waited >> slices) {
            total.Nanoseconds += run;
            total.Slices += slices;
        }
    }
    closedir(folder);
    return total;
}

// Resident kB of a program once its window has been painted and settled.
long IdleRss(TPaintWatch& watch, TTestProcess& program) {
    if (!watch.WaitPainted()) return -1;
    std::this_thread::sleep_for(kSettle);
    return StatusKb(program.Id(), "VmRSS");
}

}  // namespace

int main() {
    for (const char* needed : {"Xvfb", "xmessage"})
        if (!ProgramInPath(needed)) {
            std::printf("%s is not installed (Debian: xvfb, x11-utils): nothing measured\n", needed);
            return 0;
        }
    TXvfbDisplay display;
    TPaintWatch watch(display.Name());
    const TBenchHome home("kestrune-bench-idle", KESTRUNE_PROGRAM, display.Name());

    watch.Arm();
    TTestProcess xmessage({"xmessage", "Kestrune YouTube Converter 2.8"}, home.Environment());
    const long referenceKb = IdleRss(watch, xmessage);
    xmessage.Kill();

    watch.Arm();
    TTestProcess program({home.Program()}, home.Environment());
    const long oursKb = IdleRss(watch, program);
    if (oursKb <= 0 || referenceKb <= 0) {
        std::fprintf(stderr, "a window never showed\n");
        return 1;
    }
    const pid_t pid = program.Id();
    std::printf("xmessage: %ld kB resident\n", referenceKb);
    std::printf("kestrune: %ld kB resident (%ld kB own memory, %ld kB mapped files), %ld kB at most\n", oursKb,
                StatusKb(pid, "RssAnon"), StatusKb(pid, "RssFile"), StatusKb(pid, "VmHWM"));
    const TRunTime before = RunTime(pid);
    std::this_thread::sleep_for(std::chrono::seconds(kIdleSeconds));
    const TRunTime after = RunTime(pid);
    const double busy = double(after.Nanoseconds - before.Nanoseconds) * 1e-9;
    std::printf("kestrune idle for %d s: %.1f ms of processor time (%.3f%%), %.1f wake-ups a second\n",
                kIdleSeconds, busy * 1e3, 100 * busy / kIdleSeconds,
                double(after.Slices - before.Slices) / kIdleSeconds);
    std::printf("RATIO idle_rss_vs_xmessage %.2f\n", double(oursKb) / double(referenceKb));
    return 0;
}
