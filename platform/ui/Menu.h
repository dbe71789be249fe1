#pragma once
// Pop-up menus as the platform keeps them: items with command numbers,
// texts ("&" marks the mnemonic, a tab starts the shortcut text), sub-menus,
// separators, column breaks, check marks, default and disabled items, and
// owner-drawn items measured and drawn by the owner window (WM_MEASUREITEM,
// WM_DRAWITEM). TrackPopupMenu shows one in windows of the class "#32768"
// and tracks mouse and keyboard until an item is chosen or the menu is left.
// Each window has a system menu with the standard commands.
#include <string>

#include "ui/Types.h"

namespace ui {

inline constexpr UINT MF_STRING = 0x0;
inline constexpr UINT MF_ENABLED = 0x0;
inline constexpr UINT MF_UNCHECKED = 0x0;
inline constexpr UINT MF_BYCOMMAND = 0x0;
inline constexpr UINT MF_GRAYED = 0x1;
inline constexpr UINT MF_DISABLED = 0x2;
inline constexpr UINT MF_CHECKED = 0x8;
inline constexpr UINT MF_POPUP = 0x10;
inline constexpr UINT MF_MENUBARBREAK = 0x20;
inline constexpr UINT MF_MENUBREAK = 0x40;
inline constexpr UINT MF_HILITE = 0x80;
inline constexpr UINT MF_OWNERDRAW = 0x100;
inline constexpr UINT MF_RADIOCHECK = 0x200;
inline constexpr UINT MF_BYPOSITION = 0x400;
inline constexpr UINT MF_SEPARATOR = 0x800;
inline constexpr UINT MF_DEFAULT = 0x1000;
inline constexpr UINT MF_SYSMENU = 0x2000;

// TrackPopupMenu
inline constexpr UINT TPM_LEFTALIGN = 0x0;
inline constexpr UINT TPM_TOPALIGN = 0x0;
inline constexpr UINT TPM_LEFTBUTTON = 0x0;
inline constexpr UINT TPM_RIGHTBUTTON = 0x2;
inline constexpr UINT TPM_CENTERALIGN = 0x4;
inline constexpr UINT TPM_RIGHTALIGN = 0x8;
inline constexpr UINT TPM_VCENTERALIGN = 0x10;
inline constexpr UINT TPM_BOTTOMALIGN = 0x20;
inline constexpr UINT TPM_NONOTIFY = 0x80;
inline constexpr UINT TPM_RETURNCMD = 0x100;

// Owner drawing.
inline constexpr UINT ODT_MENU = 1;
inline constexpr UINT ODA_DRAWENTIRE = 0x1;
inline constexpr UINT ODA_SELECT = 0x2;
inline constexpr UINT ODS_SELECTED = 0x1;
inline constexpr UINT ODS_GRAYED = 0x2;
inline constexpr UINT ODS_DISABLED = 0x4;
inline constexpr UINT ODS_CHECKED = 0x8;
inline constexpr UINT ODS_DEFAULT = 0x20;
inline constexpr UINT ODS_HOTLIGHT = 0x40;
inline constexpr UINT ODS_NOACCEL = 0x100;
struct TMeasureItemStruct {
    UINT CtlType = ODT_MENU;
    UINT CtlID = 0;
    UINT ItemID = 0;
    UINT ItemWidth = 0;
    UINT ItemHeight = 0;
    UINT_PTR ItemData = 0;
};
struct TDrawItemStruct {
    UINT CtlType = ODT_MENU;
    UINT CtlID = 0;
    UINT ItemID = 0;
    UINT ItemAction = ODA_DRAWENTIRE;
    UINT ItemState = 0;
    HMENU Menu = nullptr;
    HDC Hdc = nullptr;
    TRect RcItem;
    UINT_PTR ItemData = 0;
};

// Asks a menu window for the menu it shows.
constexpr UINT MN_GETHMENU = 0x01E1;

HMENU CreatePopupMenu();
bool DestroyMenu(HMENU menu);  // with its sub-menus
bool IsMenu(HMENU menu);
// `id` is the sub-menu's handle for MF_POPUP; an owner-drawn item's data is
// set with SetMenuItemData.
bool AppendMenu(HMENU menu, UINT flags, UINT_PTR id, const std::string& text);
bool InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR id, const std::string& text);
bool DeleteMenu(HMENU menu, UINT item, UINT flags);
bool RemoveMenu(HMENU menu, UINT item, UINT flags);
int GetMenuItemCount(HMENU menu);
// -1 for a sub-menu or a position beyond the end.
UINT GetMenuItemID(HMENU menu, int position);
HMENU GetSubMenu(HMENU menu, int position);
// The MF_ flags of an item, 0xFFFFFFFF for none.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
std::string GetMenuString(HMENU menu, UINT item, UINT flags);
bool SetMenuString(HMENU menu, UINT item, UINT flags, const std::string& text);
// Return the old state, 0xFFFFFFFF for no such item.
UINT EnableMenuItem(HMENU menu, UINT item, UINT enable);
UINT CheckMenuItem(HMENU menu, UINT item, UINT check);
bool SetMenuDefaultItem(HMENU menu, UINT item, bool byPosition);
bool SetMenuItemData(HMENU menu, UINT item, UINT flags, UINT_PTR data);
UINT_PTR GetMenuItemData(HMENU menu, UINT item, UINT flags);

// The window's system menu (Restore, Move, Size, Minimize, Maximize, Close
// with their shortcut texts, as its style allows), its items enabled for the
// window's present state. A program may add items; `revert` drops them.
HMENU GetSystemMenu(HWND hwnd, bool revert);

// Returns the chosen command with TPM_RETURNCMD (0 for none); otherwise posts
// WM_COMMAND to the owner and returns whether an item was chosen.
UINT TrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner);
// Ends the menu being tracked, as if it was left.
bool EndMenu();
// The system menu of a window, shown at a screen point; a chosen command is
// sent as WM_SYSCOMMAND.
void ShowSystemMenu(HWND hwnd, TPoint at);

// The procedure of the menu window class "#32768".
LRESULT MenuWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace ui
