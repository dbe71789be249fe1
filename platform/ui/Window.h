#pragma once
// Creating and destroying windows, and what a window holds: styles, text,
// procedure, properties, identifier, relations to other windows.
//
// Everything here is for the main thread; called from another thread it does
// nothing and reports failure. Handles of windows that are gone are simply
// unknown: functions given one report failure.
#include <functional>
#include <string>
#include <vector>

#include "ui/Types.h"

namespace ui {

// Sends, in order: HCBT_CREATEWND to the hooks (a non-zero answer refuses the
// window), WM_GETMINMAXINFO (overlapped and thick-frame windows),
// WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE and WM_MOVE (child and
// pop-up windows; overlapped windows get them when first shown), WM_PARENTNOTIFY
// to the parent of a child, and shows a WS_VISIBLE window. For a child window
// `menu` is its identifier. A top-level window's `parent` is its owner.
HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& windowName, DWORD style, int x,
                    int y, int width, int height, HWND parent, UINT_PTR menu, void* param = nullptr);
// Hides the window, destroys its owned windows, sends WM_DESTROY to it and
// then its children, and WM_NCDESTROY to the children and then the window.
bool DestroyWindow(HWND hwnd);

bool IsWindow(HWND hwnd);
// The window and every ancestor have WS_VISIBLE.
bool IsWindowVisible(HWND hwnd);
bool IsWindowEnabled(HWND hwnd);
// Sends WM_ENABLE on a change; returns whether the window was disabled before.
bool EnableWindow(HWND hwnd, bool enable);
bool IsIconic(HWND hwnd);
bool IsZoomed(HWND hwnd);

// GetParent gives a child's parent, and a pop-up window's owner, as the
// platform does; GetAncestor(GA_PARENT) gives the parent only.
HWND GetParent(HWND hwnd);
HWND SetParent(HWND hwnd, HWND newParent);
HWND GetAncestor(HWND hwnd, UINT flags);
HWND GetWindow(HWND hwnd, UINT cmd);
HWND GetTopWindow(HWND hwnd);  // null: the topmost top-level window
HWND GetDesktopWindow();
bool IsChild(HWND parent, HWND hwnd);
// Top-level windows in z-order; the callback returns false to stop.
bool EnumWindows(const std::function<bool(HWND)>& callback);
// Every descendant, each followed by its own descendants.
bool EnumChildWindows(HWND parent, const std::function<bool(HWND)>& callback);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND hwnd);

// Through WM_SETTEXT and WM_GETTEXT, so that window procedures see them.
bool SetWindowText(HWND hwnd, const std::string& text);
std::string GetWindowText(HWND hwnd);
int GetWindowTextLength(HWND hwnd);

// GWL_STYLE and GWL_EXSTYLE send WM_STYLECHANGING and WM_STYLECHANGED; a
// frame change takes effect with SetWindowPos(SWP_FRAMECHANGED), as usual.
LONG_PTR GetWindowLongPtr(HWND hwnd, int index);
LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value);

// The window procedure; SetWindowProc returns the one it replaces.
TWndProc GetWindowProc(HWND hwnd);
TWndProc SetWindowProc(HWND hwnd, const TWndProc& proc);
LRESULT CallWindowProc(const TWndProc& proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

bool SetProp(HWND hwnd, const std::string& name, void* value);
void* GetProp(HWND hwnd, const std::string& name);
void* RemoveProp(HWND hwnd, const std::string& name);

}  // namespace ui
