#include "ui/TimerQueue.h"

namespace ui {

void TTimerQueue::Set(HWND hwnd, UINT_PTR id, int interval, int64_t now, TIMERPROC proc,
                      std::function<void()> internal) {
    Kill(hwnd, id);
    TTimer& t = FTimers[{hwnd, id}];
    t.Hwnd = hwnd;
    t.Id = id;
    t.Interval = interval;
    t.Due = now + interval;
    t.Proc = std::move(proc);
    t.Internal = std::move(internal);
    FByDue.insert({t.Due, {hwnd, id}});
}

bool TTimerQueue::Kill(HWND hwnd, UINT_PTR id) {
    const auto it = FTimers.find({hwnd, id});
    if (it == FTimers.end()) return false;
    FByDue.erase({it->second.Due, it->first});
    FTimers.erase(it);
    return true;
}

void TTimerQueue::KillAllOf(HWND hwnd) {
    for (auto it = FTimers.lower_bound({hwnd, 0}); it != FTimers.end() && it->first.first == hwnd;) {
        FByDue.erase({it->second.Due, it->first});
        it = FTimers.erase(it);
    }
}

void TTimerQueue::Clear() {
    FTimers.clear();
    FByDue.clear();
}

const TTimerQueue::TTimer* TTimerQueue::Find(HWND hwnd, UINT_PTR id) const {
    const auto it = FTimers.find({hwnd, id});
    return it == FTimers.end() ? nullptr : &it->second;
}

const TTimerQueue::TTimer* TTimerQueue::FirstDue(int64_t now, const std::function<bool(const TTimer&)>& match) const {
    for (const auto& [due, key] : FByDue) {
        if (due > now) break;
        const TTimer& t = FTimers.at(key);
        if (match(t)) return &t;
    }
    return nullptr;
}

void TTimerQueue::Rearm(HWND hwnd, UINT_PTR id, int64_t now) {
    const auto it = FTimers.find({hwnd, id});
    if (it == FTimers.end()) return;
    FByDue.erase({it->second.Due, it->first});
    it->second.Due = now + it->second.Interval;
    FByDue.insert({it->second.Due, it->first});
}

int64_t TTimerQueue::NextDue() const { return FByDue.empty() ? -1 : FByDue.begin()->first; }

}  // namespace ui
