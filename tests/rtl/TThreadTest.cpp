#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "rtl/LocaleTime.h"
#include "rtl/TThread.h"

using namespace rtl;

namespace {

// Counts on the worker and hands each value to the main thread.
class CountingThread : public TThread {
public:
    CountingThread(std::vector<int>& seen, std::atomic<bool>& finished)
        : FSeen(seen), FFinishedFlag(finished) {}
    ~CountingThread() override { FFinishedFlag = true; }
    std::thread::id HandOverThread;

protected:
    void Execute() override {
        for (int i = 1; i <= 3; ++i) {
            Synchronize([&] {
                FSeen.push_back(i);
                HandOverThread = std::this_thread::get_id();
            });
        }
    }

private:
    std::vector<int>& FSeen;
    std::atomic<bool>& FFinishedFlag;
};

class ThrowingThread : public TThread {
public:
    ThrowingThread() = default;
    bool CaughtInWorker = false;

protected:
    void Execute() override {
        try {
            Synchronize([] { throw std::runtime_error("main thread failed"); });
        } catch (const std::runtime_error&) {
            CaughtInWorker = true;
        }
        throw std::logic_error("escaped");
    }
};

}  // namespace

TEST(ThreadHandOver, RunsOnMainThreadInOrderAndFreesItself) {
    std::vector<int> seen;
    std::atomic<bool> destroyed{false};
    auto* thread = new CountingThread(seen, destroyed);
    thread->SetFreeOnTerminate(true);
    EXPECT_FALSE(CheckSynchronize());  // suspended: nothing runs yet
    thread->Start();
    int handOvers = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!destroyed && std::chrono::steady_clock::now() < deadline)
        if (CheckSynchronize(50)) ++handOvers;
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(handOvers, 3);
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
}

TEST(ThreadHandOver, ErrorsTravelBackToTheWorkerAndEscapesAreKept) {
    ThrowingThread thread;
    thread.Start();
    while (!thread.Finished()) CheckSynchronize(50);
    thread.WaitFor();
    EXPECT_TRUE(thread.CaughtInWorker);
    EXPECT_TRUE(thread.FatalException() != nullptr);
}

TEST(ThreadHandOver, OnTheMainThreadItRunsAtOnce) {
    int runs = 0;
    TThread::Synchronize([&] { ++runs; });
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(IsMainThread());
}

TEST(ThreadHandOver, WakeHookFiresForEveryQueuedHandOver) {
    std::atomic<int> wakes{0};
    SetWakeMainThread([&] { ++wakes; });
    std::vector<int> seen;
    std::atomic<bool> destroyed{false};
    auto* thread = new CountingThread(seen, destroyed);
    thread->SetFreeOnTerminate(true);
    thread->Start();
    while (!destroyed) CheckSynchronize(50);
    SetWakeMainThread(nullptr);
    EXPECT_EQ(wakes, 3);
}

TEST(LocaleTime, HasHoursMinutesAndSeconds) {
    std::tm noon{};
    noon.tm_year = 111;
    noon.tm_mday = 14;
    noon.tm_hour = 14;
    noon.tm_min = 3;
    noon.tm_sec = 27;
    const std::string text = LongTimeText(std::mktime(&noon));
    EXPECT_NE(text.find("03"), std::string::npos) << text;
    EXPECT_NE(text.find("27"), std::string::npos) << text;
}
