#pragma once
// A worker thread with a synchronous hand-over to the main thread.
//
// Synchronize queues a method for the main thread and blocks the worker until
// the main thread has run it; every message loop drains that queue with
// CheckSynchronize. A loop that sleeps in its own wait primitive installs a
// wake-up hook so that a queued hand-over does not wait for its next event.
#include <atomic>
#include <exception>
#include <functional>
#include <thread>

namespace rtl {

class TThread {
public:
    // Created suspended: nothing runs until Start, so that a derived class is
    // whole before its Execute begins.
    TThread() = default;
    virtual ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    void Start();
    // Sets the terminate mark; Execute decides when to look at it.
    void Terminate() { FTerminated = true; }
    bool Terminated() const { return FTerminated; }
    bool Finished() const { return FFinished; }
    // A free-on-terminate thread deletes itself when Execute has returned. It
    // must be set before Start, and nobody may touch the object after that.
    bool FreeOnTerminate() const { return FFreeOnTerminate; }
    void SetFreeOnTerminate(bool value) { FFreeOnTerminate = value; }
    // Waits for the end of a thread that does not free itself.
    void WaitFor();
    // What escaped Execute, if anything.
    std::exception_ptr FatalException() const { return FFatalException; }

    // Runs `method` on the main thread and returns when it has run there. On
    // the main thread itself it runs at once. An exception from `method` is
    // raised again in the calling thread.
    static void Synchronize(const std::function<void()>& method);

protected:
    virtual void Execute() = 0;

private:
    void Run();

    std::thread FThread;
    std::atomic<bool> FTerminated{false};
    std::atomic<bool> FFinished{false};
    bool FFreeOnTerminate = false;
    bool FStarted = false;
    std::exception_ptr FFatalException;
};

bool IsMainThread();

// Runs every queued hand-over on the main thread; returns whether it ran any.
// With a timeout it first waits up to that many milliseconds for one to arrive.
bool CheckSynchronize(int timeoutMs = 0);

// Called (on the worker) whenever a hand-over has been queued.
void SetWakeMainThread(std::function<void()> hook);

}  // namespace rtl
