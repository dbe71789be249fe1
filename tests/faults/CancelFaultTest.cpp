// Cancel while the stream's server has fallen silent, with the HTTP layer's
// real limits: the download ends within seconds of the press, not when the
// layer gives up on the server half a minute later, and nothing is delivered.
#include <chrono>
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

}  // namespace
