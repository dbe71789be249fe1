#pragma once
// The record of one window in the window table (for the window system's own
// files and its backends).
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gfx/Colors.h"
#include "gfx/TBitmap.h"
#include "gfx/TRegion.h"
#include "ui/Types.h"
#include "ui/WindowClass.h"

namespace ui {

struct TClassRecord {
    TWndClass Info;
    ATOM Atom = 0;
    int Windows = 0;  // a class in use cannot be unregistered
};

// How a layered window shows: not at all until either call has given it its
// look, then its painted surface with an opacity and colour key, or the
// picture given to UpdateLayeredWindow.
enum class TLayeredMode { Unset, Attributes, Picture };

struct TWindow {
    HWND Handle = nullptr;
    TClassRecord* Class = nullptr;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    HWND Parent = nullptr;             // null for top-level windows
    HWND Owner = nullptr;              // top-level windows only
    std::vector<HWND> Children;        // topmost first
    TRect Rect;                        // screen coordinates, or the parent's client coordinates
    TRect Client;                      // relative to Rect's top-left corner
    TWndProc Proc;
    std::string Text;
    UINT_PTR Id = 0;
    LONG_PTR UserData = 0;
    std::vector<LONG_PTR> Extra;
    std::vector<std::pair<std::string, void*>> Props;
    HICON IconSmall = nullptr;
    HICON IconBig = nullptr;
    HMENU SystemMenu = nullptr;
    bool NcActive = false;      // the default frame is drawn active (WM_NCACTIVATE)
    LRESULT PressedButton = 0;  // the caption button held down, by hit-test code

    // Painting: the invalid area in window coordinates and what it needs.
    gfx::TRegion UpdateRgn;
    bool EraseNeeded = false;
    bool FrameNeeded = false;
    bool InternalPaint = false;
    bool RedrawOff = false;  // WM_SETREDRAW FALSE
    unsigned PaintCount = 0;  // BeginPaint calls, to tell whether WM_PAINT validated
    std::optional<gfx::TRegion> WindowRgn;  // window coordinates

    // Top-level windows: the picture of the whole window that children and
    // frame draw into and that the backend shows.
    std::shared_ptr<gfx::TBitmap> Surface;
    TLayeredMode Layered = TLayeredMode::Unset;
    gfx::TColor LayeredKey = 0;
    BYTE LayeredAlpha = 255;
    DWORD LayeredFlags = 0;    // LWA_ or ULW_ flags in effect
    bool PerPixelAlpha = false;  // the picture's alpha counts (AC_SRC_ALPHA)
    TRect NormalRect;          // where a minimised or maximised window returns to
    bool RestoreMaximized = false;  // a minimised window was maximised before
    bool NeedSize = false;     // WM_SIZE and WM_MOVE still due on the first show

    bool Destroying = false;
    bool DestroyedMessagesSent = false;

    bool IsChild() const { return (Style & 0x40000000) != 0; }
    bool TopLevel() const { return Parent == nullptr; }
};

}  // namespace ui
