#pragma once
// What the window system needs from a display: native top-level windows that
// show the surfaces it paints, input, the cursor, the clipboard. The window
// system owns every window record and tells the backend what changed; the
// backend reports native events back through InputEvents.h.
#include <memory>
#include <string>

#include "ui/Types.h"

namespace ui {

struct TWindow;

// What changed on a top-level window, for TBackend::Changed.
inline constexpr unsigned wcPosition = 0x1;
inline constexpr unsigned wcSize = 0x2;
inline constexpr unsigned wcVisible = 0x4;
inline constexpr unsigned wcRegion = 0x8;
inline constexpr unsigned wcLayered = 0x10;  // layered mode, picture, opacity, key or click-through
inline constexpr unsigned wcText = 0x20;
inline constexpr unsigned wcState = 0x40;  // minimised, maximised or restored
inline constexpr unsigned wcOwner = 0x80;

class TBackend {
public:
    virtual ~TBackend() = default;
    virtual const char* Name() const = 0;

    virtual TSize ScreenSize() = 0;
    virtual TRect WorkArea() = 0;
    virtual bool LayeredWindowsAvailable() = 0;

    virtual void Created(TWindow& window) = 0;
    virtual void Destroyed(HWND hwnd) = 0;
    virtual void Changed(TWindow& window, unsigned what) = 0;
    // The order of the top-level windows changed (TWindowSystem::TopLevels).
    virtual void Restacked() = 0;
    // Part of the surface (window coordinates) was painted.
    virtual void Present(TWindow& window, const TRect& area) = 0;
    // One of our windows became the active window.
    virtual void Activated(HWND hwnd) = 0;

    virtual void SetCursor(HCURSOR cursor) = 0;
    virtual TPoint CursorPos() = 0;
    virtual void SetCursorPos(TPoint pos) = 0;
    // The window that has the mouse captured (null when released).
    virtual void CaptureChanged(HWND hwnd) = 0;

    // A descriptor that becomes readable when native events arrive, or -1.
    virtual int EventFd() = 0;
    virtual bool HasPendingEvents() = 0;
    // Hands every pending native event to the window system.
    virtual void DispatchEvents() = 0;

    virtual void SetClipboardText(const std::string& text) = 0;
    virtual std::string GetClipboardText() = 0;
    virtual bool HasClipboardText() = 0;
};

// The backend named by KESTRUNE_BACKEND ("headless" or "x11"); without it, x11
// where DISPLAY is set and headless elsewhere.
std::unique_ptr<TBackend> MakeBackend(const std::string& name);
std::string DefaultBackendName();

}  // namespace ui
