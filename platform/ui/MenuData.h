#pragma once
// Menu records (for the menu files of the window system).
#include <memory>
#include <string>
#include <vector>

#include "ui/Menu.h"

namespace ui {

struct TMenuItem {
    UINT Flags = 0;
    UINT_PTR Id = 0;
    HMENU SubMenu = nullptr;
    std::string Text;
    UINT_PTR Data = 0;
};

struct TMenuRecord {
    std::vector<TMenuItem> Items;
};

TMenuRecord* FindMenu(HMENU menu);
// The item by command (searching sub-menus too) or by position; null if none.
TMenuItem* FindMenuItem(HMENU menu, UINT item, UINT flags);

}  // namespace ui
