#include "rtl/TThread.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <algorithm>
#include <array>
#include <vector>
#include <mutex>

namespace rtl {

namespace {

const std::thread::id gMainThreadId = std::this_thread::get_id();

// A download hands over every few microseconds, so both sides first wait
// this long without sleeping: two futex round trips per hand-over would cost
// more than the work handed over. The wait yields the processor, so that on a
// busy machine the thread it waits for can run in its place.
constexpr auto kSpin = std::chrono::microseconds(50);

template <typename Ready>
bool SpinUntil(Ready ready) {
    const auto until = std::chrono::steady_clock::now() + kSpin;
    do {
        for (int i = 0; i < 32; ++i)
            if (ready()) return true;
        std::this_thread::yield();
    } while (std::chrono::steady_clock::now() < until);
    return ready();
}

struct SyncRequest {
    const std::function<void()>* Method;
    std::exception_ptr Error;  // written before Done
    std::atomic<bool> Done{false};
};

struct SyncQueue {
    std::mutex Lock;
    std::condition_variable Arrived;
    // Shared rather than per request: the worker may free its request the
    // moment it sees Done, so the main thread must not touch it afterwards.
    std::condition_variable Completed;
    std::vector<SyncRequest*> Requests;
    std::atomic<size_t> Waiting{0};  // Requests.size(), readable without the lock
    std::function<void()> WakeHook;
};

SyncQueue& Queue() {
    static SyncQueue queue;
    return queue;
}

}  // namespace

bool IsMainThread() { return std::this_thread::get_id() == gMainThreadId; }

void SetWakeMainThread(std::function<void()> hook) {
    std::lock_guard<std::mutex> guard(Queue().Lock);
    Queue().WakeHook = std::move(hook);
}

TThread::~TThread() {
    if (FThread.joinable()) {
        Terminate();
        FThread.join();
    }
}

void TThread::Start() {
    if (FStarted) return;
    FStarted = true;
    FThread = std::thread([this] { Run(); });
    if (FFreeOnTerminate) FThread.detach();
}

void TThread::WaitFor() {
    if (FThread.joinable()) FThread.join();
}

void TThread::Run() {
    try {
        Execute();
    } catch (...) {
        FFatalException = std::current_exception();
    }
    FFinished = true;
    if (FFreeOnTerminate) delete this;
}

void TThread::Synchronize(const std::function<void()>& method) {
    if (IsMainThread()) {
        method();
        return;
    }
    SyncQueue& queue = Queue();
    SyncRequest request;
    request.Method = &method;
    std::function<void()> wake;
    {
        std::lock_guard<std::mutex> guard(queue.Lock);
        queue.Requests.push_back(&request);
        queue.Waiting = queue.Requests.size();
        wake = queue.WakeHook;
    }
    queue.Arrived.notify_one();
    if (wake) wake();
    if (!SpinUntil([&request] { return request.Done.load(std::memory_order_acquire); })) {
        std::unique_lock<std::mutex> guard(queue.Lock);
        queue.Completed.wait(guard, [&request] { return request.Done.load(std::memory_order_acquire); });
    }
    if (request.Error) std::rethrow_exception(request.Error);
}

bool CheckSynchronize(int timeoutMs) {
    SyncQueue& queue = Queue();
    if (timeoutMs > 0) SpinUntil([&queue] { return queue.Waiting.load(std::memory_order_relaxed) > 0; });
    bool ranAny = false;
    // Taken a few at a time into a fixed array: a hand-over must not cost an
    // allocation, and a hand-over may itself run a loop that calls us again.
    std::array<SyncRequest*, 8> pending;
    size_t count = 0;
    do {
        {
            std::unique_lock<std::mutex> guard(queue.Lock);
            if (timeoutMs > 0 && !ranAny)
                queue.Arrived.wait_for(guard, std::chrono::milliseconds(timeoutMs),
                                       [&queue] { return !queue.Requests.empty(); });
            count = std::min(pending.size(), queue.Requests.size());
            std::copy_n(queue.Requests.begin(), count, pending.begin());
            queue.Requests.erase(queue.Requests.begin(), queue.Requests.begin() + static_cast<long>(count));
            queue.Waiting = queue.Requests.size();
        }
        for (size_t i = 0; i < count; ++i) {
            SyncRequest* request = pending[i];
            std::exception_ptr error;
            try {
                (*request->Method)();
            } catch (...) {
                error = std::current_exception();
            }
            std::lock_guard<std::mutex> guard(queue.Lock);
            request->Error = error;
            request->Done.store(true, std::memory_order_release);  // the request may be gone after this
        }
        if (count > 0) {
            queue.Completed.notify_all();
            ranAny = true;
        }
    } while (count == pending.size());
    return ranAny;
}

}  // namespace rtl
