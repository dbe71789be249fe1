#include "os/ChildGroups.h"

#include <signal.h>

#include <atomic>

namespace os {

namespace {

constexpr int Slots = 8;
std::atomic<pid_t> Groups[Slots];
static_assert(std::atomic<pid_t>::is_always_lock_free, "the signal handler reads the groups");

constexpr int EndingSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Only what is safe in a signal handler: kill, sigaction, raise.
void EndChildrenThenSelf(int signal) {
    for (auto& group : Groups)
        if (const pid_t g = group.load(); g > 0) ::kill(-g, SIGKILL);
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    ::sigaction(signal, &standard, nullptr);
    ::raise(signal);
}

void InstallOnce() {
    static const bool installed = [] {
        for (int signal : EndingSignals) {
            struct sigaction current {};
            // A program that handles or ignores the signal itself keeps its way.
            if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL) continue;
            struct sigaction ending {};
            ending.sa_handler = &EndChildrenThenSelf;
            ::sigemptyset(&ending.sa_mask);
            ::sigaction(signal, &ending, nullptr);
        }
        return true;
    }();
    (void)installed;
}

}  // namespace

void KeepChildGroup(pid_t group) {
    InstallOnce();
    for (auto& slot : Groups) {
        pid_t free = 0;
        if (slot.compare_exchange_strong(free, group)) return;
    }
}

void DropChildGroup(pid_t group) {
    for (auto& slot : Groups) {
        pid_t kept = group;
        if (slot.compare_exchange_strong(kept, 0)) return;
    }
}

}  // namespace os
