#pragma once
// The X11 display through Xlib. Every top-level window of ours is one
// undecorated X window showing its surface (XPutImage); regions are XShape
// bounding shapes; layered windows use a 32-bit ARGB visual, which a
// compositing manager blends; click-through windows get an empty input
// shape. Menus, glows and other windows that never take the keyboard are
// override-redirect, placed exactly where we put them.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>

#include "ui/Backend.h"
#include "ui/x11/X11Clipboard.h"

namespace ui {

class TX11Backend : public TBackend {
public:
    TX11Backend();
    ~TX11Backend() override;

    const char* Name() const override { return "x11"; }
    TSize ScreenSize() override;
    TRect WorkArea() override;
    bool LayeredWindowsAvailable() override;

    void Created(TWindow& window) override;
    void Destroyed(HWND hwnd) override;
    void Changed(TWindow& window, unsigned what) override;
    void Restacked() override;
    void Present(TWindow& window, const TRect& area) override;
    void Activated(HWND hwnd) override;

    void SetCursor(HCURSOR cursor) override;
    TPoint CursorPos() override;
    void SetCursorPos(TPoint pos) override;
    void CaptureChanged(HWND hwnd) override;

    int EventFd() override { return ConnectionNumber(FDisplay); }
    bool HasPendingEvents() override;
    void DispatchEvents() override;

    void SetClipboardText(const std::string& text) override;
    std::string GetClipboardText() override;
    bool HasClipboardText() override;

    // The X window showing a top-level window (for tests), 0 for none.
    Window XWindowOf(HWND hwnd) const;
    Display* XDisplay() const { return FDisplay; }

private:
    struct TNative {
        Window Xid = 0;
        bool Argb = false;
        bool OverrideRedirect = false;
        bool Mapped = false;
        bool FocusWhenMapped = false;
        bool Iconic = false;
        TRect Placed;                    // what we asked the X server for
        std::deque<TRect> Requests;      // recent requests, to tell our own configure echoes
        Colormap Map = 0;
    };

    Atom Intern(const char* name);
    void CreateNative(TWindow& w);
    void DestroyNative(HWND hwnd);
    void Place(TWindow& w, TNative& n);
    void ApplyVisibility(TWindow& w, TNative& n);
    void ApplyShape(TWindow& w, TNative& n);
    void ApplyTitle(TWindow& w, TNative& n);
    void ApplyHints(TWindow& w, TNative& n);
    void PutPixels(TWindow& w, TNative& n, const TRect& area);
    GC GcFor(TNative& n);
    bool WantsArgb(const TWindow& w) const;
    void Handle(XEvent& ev);
    void HandleConfigure(HWND hwnd, TNative& n, const XConfigureEvent& ev);
    void HandleKey(HWND hwnd, XKeyEvent& ev);
    HWND HwndOf(Window xid) const;

    Display* FDisplay = nullptr;
    int FScreen = 0;
    Window FRoot = 0;
    XVisualInfo FArgbVisual{};
    bool FHasArgb = false;
    bool FHasShape = false;
    GC FGc24 = nullptr;
    GC FGc32 = nullptr;
    std::unordered_map<HWND, TNative> FWindows;
    std::unordered_map<Window, HWND> FByXid;
    std::map<int, Cursor> FCursors;
    Cursor FCurrentCursor = 0;
    std::map<std::string, Atom> FAtoms;
    std::unique_ptr<TX11Clipboard> FClipboard;
    int64_t FCompositorCheckedAt = -1000000;
    bool FCompositor = false;
    HWND FFocusHwnd = nullptr;  // our window that has the X keyboard focus
    bool FFocusChanged = false;
};

}  // namespace ui
