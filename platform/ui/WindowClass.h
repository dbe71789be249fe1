#pragma once
// Window classes: a name, a window procedure and the defaults its windows
// start with. The class names "#32768" (menu windows) and "#32770" (dialogs)
// are there from the start, as on the original platform.
#include <string>

#include "gfx/Colors.h"
#include "ui/Types.h"

namespace ui {

// WNDCLASSEX. Background is the colour WM_ERASEBKGND fills with by default
// (system colours allowed), clNone for no erasing. WndExtra counts LONG_PTR
// slots for GetWindowLongPtr with indexes 0, 8, 16 ...
struct TWndClass {
    UINT Style = 0;
    TWndProc WndProc;
    int WndExtra = 0;
    HICON Icon = nullptr;
    HICON IconSmall = nullptr;
    HCURSOR Cursor = nullptr;
    gfx::TColor Background = gfx::clNone;
    std::string ClassName;
};

// Class atoms of the predefined classes.
inline constexpr ATOM MENU_CLASS_ATOM = 0x8000;
inline constexpr ATOM DIALOG_CLASS_ATOM = 0x8002;
inline constexpr const char* MenuClassName = "#32768";
inline constexpr const char* DialogClassName = "#32770";

// Returns the class atom, 0 when the name is empty or taken. Names are
// compared without regard to case, as the platform does.
ATOM RegisterClass(const TWndClass& wc);
bool GetClassInfo(const std::string& className, TWndClass& wc);
std::string GetClassName(HWND hwnd);
UINT GetClassStyle(HWND hwnd);

}  // namespace ui
