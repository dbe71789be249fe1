#pragma once
// The window system's handles and value types, shaped like their Win32
// namesakes so that code written against the Win32 message model reads the
// same here: a window is named by an HWND, a message carries a WPARAM and an
// LPARAM, and a device context is a canvas (gfx::TCanvas) over the window's
// part of its top-level surface.
#include <cstdint>

#include "gfx/Geometry.h"

namespace gfx {
class TBitmap;
class TCanvas;
class TRegion;
}  // namespace gfx

namespace ui {

using UINT = unsigned int;
using DWORD = uint32_t;
using WORD = uint16_t;
using BYTE = uint8_t;
using ATOM = uint16_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using LONG_PTR = intptr_t;
using UINT_PTR = uintptr_t;

using gfx::TPoint;
using gfx::TRect;
using gfx::TSize;

// Handles are values; a handle of a window that is gone is simply unknown.
// Window handles name their process too (see Window.h), so that a handle
// passed to another of our programs still means the same window.
using HWND = struct HWND__*;
using HMENU = struct HMENU__*;
using HHOOK = struct HHOOK__*;
using HCURSOR = struct HCURSOR__*;
// A device context is the canvas it draws with.
using HDC = gfx::TCanvas*;
// An icon is a 32-bit picture with straight alpha, owned by whoever made it;
// windows only keep the handle.
using HICON = const gfx::TBitmap*;

constexpr WORD LOWORD(uintptr_t v) { return WORD(v & 0xFFFF); }
constexpr WORD HIWORD(uintptr_t v) { return WORD((v >> 16) & 0xFFFF); }
constexpr int GET_X_LPARAM(LPARAM v) { return int16_t(v & 0xFFFF); }
constexpr int GET_Y_LPARAM(LPARAM v) { return int16_t((v >> 16) & 0xFFFF); }
constexpr LPARAM MAKELPARAM(int low, int high) {
    return LPARAM(int32_t(uint32_t(low & 0xFFFF) | uint32_t(high & 0xFFFF) << 16));
}
constexpr WPARAM MAKEWPARAM(int low, int high) { return WPARAM(uint32_t(low & 0xFFFF) | uint32_t(high & 0xFFFF) << 16); }
constexpr LPARAM PointToLParam(TPoint p) { return MAKELPARAM(p.X, p.Y); }
constexpr TPoint LParamToPoint(LPARAM v) { return {GET_X_LPARAM(v), GET_Y_LPARAM(v)}; }

// A window procedure as a comparable value: either a plain function or an
// object's method bound to its object, the way a Delphi object instance thunk
// is one distinct procedure per object. Subclassing saves the current value,
// installs its own and later compares before giving the old one back.
using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

class TWndProc {
public:
    using TBound = LRESULT (*)(void* object, HWND, UINT, WPARAM, LPARAM);

    TWndProc() = default;
    TWndProc(WNDPROC proc) : FPlain(proc) {}
    TWndProc(TBound proc, void* object) : FBound(proc), FObject(object) {}
    // The method M of obj as a window procedure.
    template <typename T, LRESULT (T::*M)(HWND, UINT, WPARAM, LPARAM)>
    static TWndProc Method(T* obj) {
        return TWndProc(
            [](void* o, HWND h, UINT m, WPARAM w, LPARAM l) { return (static_cast<T*>(o)->*M)(h, m, w, l); }, obj);
    }

    explicit operator bool() const { return FPlain || FBound; }
    LRESULT operator()(HWND h, UINT m, WPARAM w, LPARAM l) const {
        return FPlain ? FPlain(h, m, w, l) : FBound ? FBound(FObject, h, m, w, l) : 0;
    }
    bool operator==(const TWndProc&) const = default;

private:
    WNDPROC FPlain = nullptr;
    TBound FBound = nullptr;
    void* FObject = nullptr;
};

// MSG. Char is the text of a key message as the keyboard produced it (a
// Windows-1252 byte, 0 for none); TranslateMessage turns it into WM_CHAR.
struct TMsg {
    HWND Hwnd = nullptr;
    UINT Message = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    DWORD Time = 0;
    TPoint Pt;
    unsigned char Char = 0;
};

}  // namespace ui
