// A whole job through kestrune-convert on the one-minute clip of the demo
// video service (watch page, stream size, download, conversion by f.exe,
// delivery into the output folder), against what a script would do with the
// same service: download the stream with libcurl into a file, then run ffmpeg
// on it with the job's own encoder command line. Prints the job's time over
// the script's as `RATIO job_vs_curl_plus_ffmpeg` and the difference in
// seconds; the job's one-second ticks (download progress, then conversion
// polls) account for about two of them.
//
// kestrune-convert runs with a home, cache and runtime folder of its own, so
// that it neither meets nor leaves a user's settings, files or lock. Its
// program folder is the build's bin folder, where f.exe lies.
#include <curl/curl.h>
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "VideoService.h"
#include "conversion/EncoderCommandLine.h"
#include "os/CommandLineSplit.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Rounds = 3;
const std::string DeliveredName = "Test_Pattern_Long_Play__1_minute_.AVI";

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// Runs a program to its end with what it prints going to `log`; its exit
// status, or -1 when it could not be started or did not exit by itself.
int RunLogged(std::vector<std::string> arguments, const std::string& log) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = -1;
    const bool started = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (!started || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The job as a user starts it from the terminal; a negative time when it failed.
double Job(const std::string& watchUrl, const std::string& outputFolder, const std::string& log) {
    std::filesystem::remove(outputFolder + DeliveredName);
    const auto start = Clock::now();
    const int status = RunLogged({KESTRUNE_CONVERT, watchUrl, outputFolder}, log);
    const double elapsed = Seconds(start);
    if (status != 0 || !std::filesystem::exists(outputFolder + DeliveredName)) {
        std::printf("the job failed (exit %d); it said:\n%s\n", status, Read(log).c_str());
        return -1;
    }
    return elapsed;
}

bool Download(const std::string& url, const std::string& file) {
    FILE* out = std::fopen(file.c_str(), "wb");
    if (!out) return false;
    CURL* easy = curl_easy_init();
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, out);
    curl_easy_setopt(easy, CURLOPT_FAILONERROR, 1L);
    const CURLcode result = curl_easy_perform(easy);
    curl_easy_cleanup(easy);
    std::fclose(out);
    return result == CURLE_OK;
}

// The download, then ffmpeg itself with the job's command line (and, as f.exe
// adds it, -nostdin); a negative time when either failed.
double Script(const std::string& streamUrl, const std::string& folder, const std::string& log) {
    std::vector<std::string> encoder = os::SplitCommandLine(conversion::EncoderCommandLine(KESTRUNE_FFMPEG, folder));
    encoder.insert(encoder.begin() + 1, "-nostdin");
    std::filesystem::remove(folder + std::string(conversion::EncodedFileName));
    const auto start = Clock::now();
    const bool downloaded = Download(streamUrl, folder + std::string(conversion::DownloadFileName));
    const int status = downloaded ? RunLogged(encoder, log) : -1;
    const double elapsed = Seconds(start);
    if (status != 0) {
        std::printf("the script failed (download %s, ffmpeg exit %d)\n", downloaded ? "done" : "failed", status);
        return -1;
    }
    return elapsed;
}

}  // namespace

int main() {
    if (conversion::GetShortPath(KESTRUNE_FFMPEG).empty()) {
        std::printf("no ffmpeg at %s: the job is not measured\n", KESTRUNE_FFMPEG);
        return 0;
    }
    const TTempFolder root;
    for (const char* folder : {"home", "cache", "config", "runtime", "out", "script"})
        std::filesystem::create_directories(root.Path() + folder);
    chmod((root.Path() + "runtime").c_str(), 0700);
    setenv("HOME", (root.Path() + "home").c_str(), 1);
    setenv("XDG_CACHE_HOME", (root.Path() + "cache").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (root.Path() + "config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (root.Path() + "runtime").c_str(), 1);

    TTestVideoService service;
    const std::string watchUrl = service.WatchUrl("long"), streamUrl = service.StreamUrl("long");
    std::vector<double> jobs, scripts;
    // Taking turns at going first, so that neither always meets a cold cache.
    for (int round = 0; round < Rounds; ++round) {
        const auto script = [&] {
            scripts.push_back(Script(streamUrl, root.Path() + "script/", root.Path() + "ffmpeg.log"));
        };
        if (round % 2 == 0) script();
        jobs.push_back(Job(watchUrl, root.Path() + "out/", root.Path() + "job.log"));
        if (round % 2 == 1) script();
        // Said above; like the other benchmarks, a failed one ends without
        // a ratio rather than stopping the benchmarks after it.
        if (jobs.back() < 0 || scripts.back() < 0) return 0;
    }
    const double job = Median(jobs), script = Median(scripts);
    std::printf("one-minute clip: whole job through kestrune-convert %.2f s, libcurl download plus ffmpeg %.2f s"
                " (medians of %d)\n",
                job, script, Rounds);
    std::printf("the job takes %.2f s longer (its one-second ticks account for about 2 s)\n", job - script);
    std::printf("RATIO job_vs_curl_plus_ffmpeg %.3f\n", job / script);
    return 0;
}
