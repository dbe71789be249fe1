#pragma once
// Main-thread timers ordered by due time. A due timer gives one WM_TIMER when
// nothing more urgent waits, and is due again its interval after that; ticks
// missed meanwhile are not made up, as on the original platform. Internal
// timers of the window system (hover tracking) run their callback instead.
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <utility>

#include "ui/Types.h"

namespace ui {

using TIMERPROC = std::function<void(HWND, UINT, UINT_PTR, DWORD)>;

class TTimerQueue {
public:
    struct TTimer {
        HWND Hwnd = nullptr;
        UINT_PTR Id = 0;
        int Interval = 0;
        int64_t Due = 0;
        TIMERPROC Proc;
        std::function<void()> Internal;
    };

    // Replaces a timer of the same window and identifier.
    void Set(HWND hwnd, UINT_PTR id, int interval, int64_t now, TIMERPROC proc, std::function<void()> internal = {});
    bool Kill(HWND hwnd, UINT_PTR id);
    void KillAllOf(HWND hwnd);
    void Clear();
    // A fresh identifier for a timer without window.
    UINT_PTR NewId() { return ++FLastId; }

    const TTimer* Find(HWND hwnd, UINT_PTR id) const;
    // The earliest timer that is due at `now` and matches, or null.
    const TTimer* FirstDue(int64_t now, const std::function<bool(const TTimer&)>& match) const;
    // The timer ticked: it is due again an interval from now.
    void Rearm(HWND hwnd, UINT_PTR id, int64_t now);
    // When the next timer is due, -1 when there is none.
    int64_t NextDue() const;

private:
    using TKey = std::pair<HWND, UINT_PTR>;
    std::map<TKey, TTimer> FTimers;
    std::set<std::pair<int64_t, TKey>> FByDue;
    UINT_PTR FLastId = 0x7FFF;
};

}  // namespace ui
