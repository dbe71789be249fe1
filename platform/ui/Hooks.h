#pragma once
// Computer-based-training hooks of the main thread: told before a window is
// created, activated, given the focus, minimised or maximised, moved or sized,
// sent a system command or destroyed, and able to refuse it by answering
// non-zero. Hooks form a chain, newest first; each passes on with
// CallNextHookEx.
#include <functional>

#include "ui/Messages.h"

namespace ui {

inline constexpr int WH_CBT = 5;
inline constexpr int HCBT_MOVESIZE = 0;
inline constexpr int HCBT_MINMAX = 1;
inline constexpr int HCBT_CREATEWND = 3;
inline constexpr int HCBT_DESTROYWND = 4;
inline constexpr int HCBT_ACTIVATE = 5;
inline constexpr int HCBT_SYSCOMMAND = 8;
inline constexpr int HCBT_SETFOCUS = 9;

// HCBT_CREATEWND's LParam.
struct TCbtCreateWnd {
    TCreateStruct* Cs = nullptr;
    HWND InsertAfter = nullptr;
};
// HCBT_ACTIVATE's LParam.
struct TCbtActivate {
    bool Mouse = false;
    HWND Active = nullptr;
};

using HOOKPROC = std::function<LRESULT(int code, WPARAM wParam, LPARAM lParam)>;

HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc);
bool UnhookWindowsHookEx(HHOOK hook);
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);

// The window system's own call into the chain (0 when no hook is set).
LRESULT CallCbtHooks(int code, WPARAM wParam, LPARAM lParam);

}  // namespace ui
