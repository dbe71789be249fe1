// Cancel while the stream's server has fallen silent, with the HTTP layer's
// real limits: the download ends within seconds of the press, not when the
// layer gives up on the server half a minute later, and nothing is delivered.
// Cancel while an encoder says nothing and runs on: it can be pressed (the
// wait for the encoder's first words has its limit) and ends the encoder with
// what it started.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "JobHarness.h"

namespace {

TEST_F(TJobTest, CancelEndsADownloadFromASilentServerWithinSeconds) {
    using Clock = std::chrono::steady_clock;
    std::optional<Clock::time_point> pressed;
    int64_t shown = -1;
    Clock::time_point shownSince = Clock::now();
    // The stream stops after 100000 bytes: Cancel is pressed once the count
    // has stood still for a second and a half, while the thread waits.
    RunJob(Service().WatchUrl("long-stall100000"), [&] {
        if (!Downloading || pressed) return;
        if (DownloadThread->BytesShown != shown) {
            shown = DownloadThread->BytesShown;
            shownSince = Clock::now();
        } else if (shown > 0 && Clock::now() - shownSince > std::chrono::milliseconds(1500)) {
            pressed = Clock::now();
            Form2->sSpeedButton1->Click();
        }
    });
    ASSERT_TRUE(pressed);
    const double seconds = std::chrono::duration<double>(Clock::now() - *pressed).count();
    std::printf("the job ended %.2f s after Cancel\n", seconds);
    EXPECT_LT(seconds, 5.0);
    EXPECT_EQ(Messages, std::vector<std::string>{"Done."});
    EXPECT_TRUE(std::filesystem::is_empty(Output));
}

bool AnyProcessNames(const std::string& part) {
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream in(entry.path() / "cmdline");
        if (std::string(std::istreambuf_iterator<char>(in), {}).find(part) != std::string::npos) return true;
    }
    return false;
}

TEST_F(TJobTest, CancelEndsAnEncoderThatSaysNothingWithWhatItStarted) {
    const std::string folder = MakeFolder("quiet-encoder");
    std::ofstream(folder + "f.exe") << "#!/bin/sh\nsh -c 'sleep 600; :' \"$0\"\n";
    std::filesystem::permissions(folder + "f.exe", std::filesystem::perms::owner_all);
    EncoderPath = folder + "f.exe";
    bool pressed = false, running = false;
    RunJob(Service().WatchUrl("demo"), [&] {
        if (Converting && !pressed) {
            running = AnyProcessNames(folder);
            pressed = true;
            Form2->sSpeedButton1->Click();
        }
    });
    EXPECT_TRUE(pressed && running);
    EXPECT_EQ(Messages, std::vector<std::string>{"Done."});
    EXPECT_FALSE(AnyProcessNames(folder));
    EXPECT_TRUE(std::filesystem::is_empty(Output));
}

}  // namespace
