// A worker hands work to the main thread and waits for it to have run
// (TThread::Synchronize), 100,000 times, while the main thread sits in the
// window system's message loop; against the same number of round trips
// through a plain mutex and condition variable between two threads. The
// download thread hands over after every 3072-byte chunk, so the loop must
// add next to nothing to a hand-over.
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

#include "rtl/TThread.h"
#include "ui/Backend.h"
#include "ui/MessageLoop.h"
#include "ui/WindowSystem.h"

namespace {

constexpr int HandOvers = 100000;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

class TWorker : public rtl::TThread {
public:
    int Handled = 0;

protected:
    void Execute() override {
        for (int i = 0; i < HandOvers; ++i) Synchronize([this] { ++Handled; });
    }
};

double SynchronizeRoundTrips() {
    TWorker worker;
    const auto start = Clock::now();
    worker.Start();
    ui::ModalLoop([&] { return worker.Handled == HandOvers; });
    const double elapsed = Seconds(start);
    worker.WaitFor();
    return elapsed;
}

double CondvarRoundTrips() {
    std::mutex lock;
    std::condition_variable changed;
    bool requested = false, done = false;
    int handled = 0;
    const auto start = Clock::now();
    std::thread worker([&] {
        for (int i = 0; i < HandOvers; ++i) {
            std::unique_lock<std::mutex> guard(lock);
            requested = true;
            changed.notify_all();
            changed.wait(guard, [&] { return done; });
            done = false;
        }
    });
    for (int i = 0; i < HandOvers; ++i) {
        std::unique_lock<std::mutex> guard(lock);
        changed.wait(guard, [&] { return requested; });
        requested = false;
        ++handled;
        done = true;
        changed.notify_all();
    }
    worker.join();
    return Seconds(start);
}

}  // namespace

int main() {
    ui::TWindowSystem::Get().SetBackend(ui::MakeBackend("headless"));
    double ours = 1e9, reference = 1e9;
    for (int round = 0; round < 5; ++round) {
        ours = std::min(ours, SynchronizeRoundTrips());
        reference = std::min(reference, CondvarRoundTrips());
    }
    std::printf("%d hand-overs: Synchronize in the message loop %.3f s (%.2f us each), mutex and condition variable "
                "%.3f s (%.2f us each)\n",
                HandOvers, ours, ours / HandOvers * 1e6, reference, reference / HandOvers * 1e6);
    std::printf("RATIO synchronize_vs_condvar %.2f\n", ours / reference);
}
