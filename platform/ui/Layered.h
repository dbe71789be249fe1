#pragma once
// Layered windows: a top-level window shown either with its painted look at
// an opacity and with a colour key (SetLayeredWindowAttributes), or as a
// 32-bit picture with per-pixel alpha (UpdateLayeredWindow; premultiplied
// colours, as the platform takes them). Until one of the two is called a
// layered window shows nothing. A layered window with WS_EX_TRANSPARENT lets
// the mouse through to the windows below, and so do its pixels of alpha 0
// and of the colour key.
#include "gfx/Colors.h"
#include "ui/Messages.h"

namespace ui {

// SetLayeredWindowAttributes, UpdateLayeredWindow
inline constexpr DWORD LWA_COLORKEY = 0x1;
inline constexpr DWORD LWA_ALPHA = 0x2;
inline constexpr DWORD ULW_COLORKEY = 0x1;
inline constexpr DWORD ULW_ALPHA = 0x2;
inline constexpr DWORD ULW_OPAQUE = 0x4;

// Whether the display can show them: always on the headless desktop; on X11
// while a compositing manager runs.
bool LayeredWindowsAvailable();

bool UpdateLayeredWindow(HWND hwnd, HDC screen, const TPoint* pos, const TSize* size, HDC source,
                         const TPoint* sourcePos, gfx::TColor key, const TBlendFunction* blend, DWORD flags);
bool SetLayeredWindowAttributes(HWND hwnd, gfx::TColor key, BYTE alpha, DWORD flags);
bool GetLayeredWindowAttributes(HWND hwnd, gfx::TColor* key, BYTE* alpha, DWORD* flags);

}  // namespace ui
