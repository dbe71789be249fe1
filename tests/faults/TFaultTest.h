#pragma once
// A fault case ends soundly when the driver ends by itself within its time,
// with the instance lock released and no encoder left running, and the next
// job on the same folders runs as if nothing had happened.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TConvertDriver.h"
#include "VideoService.h"

inline TTestVideoService& Service() {
    static TTestVideoService service;
    return service;
}

// The demo clip's title as the job makes a file name of it.
inline const std::string DemoTitle = "Test_Pattern_Demo__5_seconds_";

inline bool Holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

inline uintmax_t SizeOf(const std::string& path) {
    std::error_code error;
    const uintmax_t size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

class TFaultTest : public ::testing::Test {
protected:
    // The run ended by itself within `seconds`, with the message `message`
    // and exit code 1, and left nothing running or locked.
    void ExpectFailedSoundly(const TDriverRun& run, const std::string& message, double seconds) const {
        EXPECT_FALSE(run.TimedOut) << run.Output;
        EXPECT_EQ(run.ExitCode, 1) << run.Output;
        EXPECT_LT(run.Seconds, seconds) << run.Output;
        EXPECT_TRUE(Holds(run.Output, "message: " + message + "\n")) << run.Output;
        ExpectNothingLeft();
    }
    void ExpectNothingLeft() const {
        EXPECT_TRUE(Driver.LockIsFree());
        EXPECT_TRUE(Driver.LeftoversAfter(3).empty()) << "an encoder still runs";
    }
    // The next job on the same folders delivers the demo clip.
    void ExpectNextJobRuns(const std::string& output) {
        const TDriverRun run = Driver.Run({Service().WatchUrl("demo"), output});
        EXPECT_EQ(run.ExitCode, 0) << run.Output;
        EXPECT_TRUE(Holds(run.Output, "message: Done.\n")) << run.Output;
        EXPECT_GT(SizeOf(output + DemoTitle + ".AVI"), 100000u);
    }

    TConvertDriver Driver{"faults", KESTRUNE_CONVERT, KESTRUNE_ENCODER};
};
