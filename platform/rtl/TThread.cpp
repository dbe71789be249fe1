#include "rtl/TThread.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace rtl {

namespace {

const std::thread::id gMainThreadId = std::this_thread::get_id();

struct SyncRequest {
    const std::function<void()>* Method;
    std::exception_ptr Error;
    bool Done = false;  // guarded by SyncQueue::Lock
};

struct SyncQueue {
    std::mutex Lock;
    std::condition_variable Arrived;
    // Shared rather than per request: the worker may free its request the
    // moment it sees Done, so the main thread must not touch it afterwards.
    std::condition_variable Completed;
    std::deque<SyncRequest*> Requests;
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

TThread::TThread(bool createSuspended) {
    if (!createSuspended) Start();
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
    SyncRequest request{&method, nullptr};
    std::function<void()> wake;
    {
        std::lock_guard<std::mutex> guard(queue.Lock);
        queue.Requests.push_back(&request);
        wake = queue.WakeHook;
    }
    queue.Arrived.notify_one();
    if (wake) wake();
    {
        std::unique_lock<std::mutex> guard(queue.Lock);
        queue.Completed.wait(guard, [&request] { return request.Done; });
    }
    if (request.Error) std::rethrow_exception(request.Error);
}

bool CheckSynchronize(int timeoutMs) {
    SyncQueue& queue = Queue();
    std::deque<SyncRequest*> pending;
    {
        std::unique_lock<std::mutex> guard(queue.Lock);
        if (timeoutMs > 0)
            queue.Arrived.wait_for(guard, std::chrono::milliseconds(timeoutMs),
                                   [&queue] { return !queue.Requests.empty(); });
        pending.swap(queue.Requests);
    }
    for (SyncRequest* request : pending) {
        std::exception_ptr error;
        try {
            (*request->Method)();
        } catch (...) {
            error = std::current_exception();
        }
        std::lock_guard<std::mutex> guard(queue.Lock);
        request->Error = error;
        request->Done = true;
    }
    if (!pending.empty()) queue.Completed.notify_all();
    return !pending.empty();
}

}  // namespace rtl
