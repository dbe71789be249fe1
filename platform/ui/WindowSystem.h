#pragma once
// The window system's state on the main thread: the window table, the classes,
// the z-order of top-level windows, activation, focus and capture, queues,
// timers, the clock and the backend. One instance, made on first use.
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/Backend.h"
#include "ui/Clock.h"
#include "ui/InputEvents.h"
#include "ui/MessageQueue.h"
#include "ui/TimerQueue.h"
#include "ui/WindowRecord.h"

namespace ui {

struct TMouseState {
    TPoint Pos;                  // last known cursor position, screen coordinates
    HWND Capture = nullptr;
    // TrackMouseEvent
    HWND TrackWindow = nullptr;
    DWORD TrackFlags = 0;
    bool TrackNonClient = false;
    DWORD HoverTime = 400;
    TPoint HoverAnchor;
    // Double clicks: the last button press.
    HWND LastDownWindow = nullptr;
    UINT LastDownMessage = 0;
    int64_t LastDownTime = -1000000;
    TPoint LastDownPos;
    // The window and hit-test code under the cursor, for WM_SETCURSOR and leave.
    HWND Under = nullptr;
    LRESULT UnderHit = 0;
    HCURSOR Cursor = nullptr;
};

class TWindowSystem {
public:
    static TWindowSystem& Get();
    // Replaces the backend; only while no window exists.
    bool SetBackend(std::unique_ptr<TBackend> backend);
    // Forgets every window, timer, message and state (tests).
    void Reset();

    // Made on first use: the one KESTRUNE_BACKEND names.
    TBackend& Backend();
    TWindow* Find(HWND hwnd) const;
    HWND NewHandle();
    // Whether the handle belongs to another process.
    static bool IsRemote(HWND hwnd);

    std::unordered_map<uintptr_t, std::unique_ptr<TWindow>> Windows;
    std::vector<HWND> TopLevels;  // topmost first
    std::map<std::string, std::unique_ptr<TClassRecord>> Classes;  // by upper-case name
    ATOM NextAtom = 0xC000;

    HWND Active = nullptr;
    HWND Focus = nullptr;
    bool AppActive = false;
    TMouseState Mouse;
    uint8_t KeyState[256] = {};  // bit 0x80 down, bit 0x01 toggled
    bool AltAlone = false;       // Alt is down and no other key went down since

    std::deque<TRawInput> RawInput;  // native input not yet routed
    TMessageQueue Queue;
    TTimerQueue Timers;
    TClock Clock;
    int CreateCount = 0;  // cascading default positions

private:
    TWindowSystem();
    void RegisterPredefinedClasses();

    std::unique_ptr<TBackend> FBackend;
    uint32_t FSerial = 0;
};

inline TWindowSystem& Sys() { return TWindowSystem::Get(); }

// A registered class by name (any case), or null.
TClassRecord* FindClass(const std::string& className);

}  // namespace ui
