// Two measurements of the converter runner, each against a reference taken in
// the same run:
// - a one-minute clip converted through the runner, polled once a second like
//   the job does, against f.exe (ffmpeg) run directly on the same file with its
//   output thrown away; the runner may lose up to one poll interval at the end;
// - one Poll plus GetPosition while the encoder keeps printing, once its output
//   has piled up to 10 MB against at 10 kB: the cost must not grow with it.
// Runs from the program folder (build-bench/bin), where f.exe lies.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "TempFolder.h"
#include "conversion/EncoderCommandLine.h"
#include "conversion/Tmpegconverter.h"
#include "os/CommandLineSplit.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using conversion::Tmpegconverter;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// Runs a command line to its end with every output thrown away, the way a
// script would run the encoder.
bool RunQuietly(const std::string& commandLine) {
    std::vector<std::string> arguments = os::SplitCommandLine(commandLine);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (int fd = 0; fd <= 2; ++fd) posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", O_RDWR, 0);
    pid_t pid;
    const bool started = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return started && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double DirectEncoder(const std::string& commandLine, const std::string& avi) {
    std::filesystem::remove(avi);
    const auto start = Clock::now();
    if (!RunQuietly(commandLine)) std::fprintf(stderr, "the encoder failed\n");
    return Seconds(start);
}

// As the job does it: start, the waiting first poll, then one poll and one
// position a second until a poll finds the encoder ended.
double ThroughRunner(const std::string& commandLine, const std::string& avi, int& lastPosition) {
    std::filesystem::remove(avi);
    const auto start = Clock::now();
    Tmpegconverter converter;
    converter.Start(commandLine);
    converter.Poll();
    while (!converter.Finished()) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        converter.Poll();
        if (!converter.Finished()) lastPosition = converter.GetPosition();
    }
    return Seconds(start);
}

void ConvertVsFfmpeg() {
    const std::string encoder = std::filesystem::current_path().string() + "/f.exe";
    if (access(encoder.c_str(), X_OK) != 0) {
        std::printf("no f.exe in %s: conversion not measured\n", encoder.c_str());
        return;
    }
    const TTempFolder working("kestrune_temp_folder");
    if (!RunQuietly(encoder + " -f lavfi -i testsrc=duration=60:size=1280x720:rate=25"
                              " -f lavfi -i sine=frequency=440:sample_rate=22050:duration=60"
                              " -c:v flv1 -b:v 2000k -c:a libmp3lame -ac 1 -shortest " + working.Path() + "temp.flv")) {
        std::printf("could not make the one-minute clip\n");
        return;
    }
    const std::string commandLine = conversion::EncoderCommandLine(encoder, working.Path());
    const std::string avi = working.Path() + "temp.avi";
    std::vector<double> direct, runner;
    int lastPosition = 0;
    // Taking turns at going first, so that neither always meets a cold cache.
    const int rounds = 5;
    for (int round = 0; round < rounds; ++round) {
        if (round % 2 == 0) direct.push_back(DirectEncoder(commandLine, avi));
        runner.push_back(ThroughRunner(commandLine, avi, lastPosition));
        if (round % 2 == 1) direct.push_back(DirectEncoder(commandLine, avi));
    }
    std::sort(direct.begin(), direct.end());
    std::sort(runner.begin(), runner.end());
    const double directTime = direct[rounds / 2], runnerTime = runner[rounds / 2];
    std::printf("one-minute clip: ffmpeg directly %.2f s, through the runner %.2f s (medians of 5);"
                " last position read mid-run %d s\n",
                directTime, runnerTime, lastPosition);
    std::printf("target: at most %.3f (1.05 plus one poll interval of %.2f s)\n", 1.05 + 1.0 / directTime,
                directTime);
    std::printf("RATIO convert_vs_ffmpeg %.3f\n", runnerTime / directTime);
}

// Microseconds per Poll + GetPosition, with the stand-in encoder printing a
// status line every millisecond on top of `piledUp` bytes.
double PollCost(size_t piledUp) {
    Tmpegconverter converter;
    converter.Start(std::string(FAKE_ENCODER) + " status " + std::to_string(piledUp));
    converter.Poll();
    while (converter.Output().size() < piledUp && !converter.Finished()) converter.Poll();
    const int polls = 20000;
    long long positions = 0;
    const auto start = Clock::now();
    for (int i = 0; i < polls; ++i) {
        converter.Poll();
        positions += converter.GetPosition();
    }
    const double cost = Seconds(start) * 1e6 / polls;
    if (positions < 0) std::printf("impossible position sum\n");
    converter.Stop();
    return cost;
}

void PollAtTenMegabytes() {
    double small = 1e9, large = 1e9;
    for (int round = 0; round < 5; ++round) {
        small = std::min(small, PollCost(10 * 1024));
        large = std::min(large, PollCost(10 * 1024 * 1024));
    }
    std::printf("Poll + GetPosition: %.2f us at 10 kB of output, %.2f us at 10 MB (best of 5)\n", small, large);
    std::printf("RATIO poll_10MB_vs_10kB %.3f\n", large / small);
}

}  // namespace

int main() {
    PollAtTenMegabytes();
    ConvertVsFfmpeg();
    return 0;
}
