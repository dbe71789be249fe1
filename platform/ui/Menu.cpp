#include "ui/Menu.h"

#include <unordered_map>

#include "ui/MenuData.h"
#include "ui/Messages.h"
#include "ui/Styles.h"
#include "ui/Tree.h"

namespace ui {

namespace {

std::unordered_map<uintptr_t, std::unique_ptr<TMenuRecord>> gMenus;
uintptr_t gLastMenu = 0x10000;

TMenuItem MakeItem(UINT flags, UINT_PTR id, const std::string& text) {
    TMenuItem item;
    item.Flags = flags & ~(MF_BYPOSITION);
    if (flags & MF_POPUP) item.SubMenu = reinterpret_cast<HMENU>(id);
    else item.Id = id;
    if (!(flags & MF_SEPARATOR)) item.Text = text;
    return item;
}

// The position of an item in its own menu, for removal.
bool Locate(HMENU menu, UINT item, UINT flags, TMenuRecord*& owner, size_t& index) {
    TMenuRecord* m = FindMenu(menu);
    if (!m) return false;
    if (flags & MF_BYPOSITION) {
        if (item >= m->Items.size()) return false;
        owner = m, index = item;
        return true;
    }
    for (size_t i = 0; i < m->Items.size(); ++i) {
        const TMenuItem& it = m->Items[i];
        if (!it.SubMenu && it.Id == item) {
            owner = m, index = i;
            return true;
        }
        if (it.SubMenu && Locate(it.SubMenu, item, flags, owner, index)) return true;
    }
    return false;
}

void AddSystemItems(HMENU menu, DWORD style) {
    const bool sizable = style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    if (sizable) AppendMenu(menu, MF_STRING, SC_RESTORE, "&Restore");
    AppendMenu(menu, MF_STRING, SC_MOVE, "&Move");
    if (sizable) {
        AppendMenu(menu, MF_STRING, SC_SIZE, "&Size");
        AppendMenu(menu, MF_STRING, SC_MINIMIZE, "Mi&nimize");
        AppendMenu(menu, MF_STRING, SC_MAXIMIZE, "Ma&ximize");
    }
    AppendMenu(menu, MF_SEPARATOR, 0, "");
    AppendMenu(menu, MF_STRING, SC_CLOSE, "&Close\tAlt+F4");
    SetMenuDefaultItem(menu, SC_CLOSE, false);
}

// The standard commands enabled as the window's state allows.
void RefreshSystemMenu(HMENU menu, const TWindow& w) {
    const bool minimized = w.Style & WS_MINIMIZE, maximized = w.Style & WS_MAXIMIZE;
    auto enable = [&](UINT cmd, bool on) { EnableMenuItem(menu, cmd, on ? MF_ENABLED : MF_GRAYED); };
    enable(SC_RESTORE, minimized || maximized);
    enable(SC_MOVE, !maximized);
    enable(SC_SIZE, (w.Style & WS_THICKFRAME) && !minimized && !maximized);
    enable(SC_MINIMIZE, (w.Style & WS_MINIMIZEBOX) && !minimized);
    enable(SC_MAXIMIZE, (w.Style & WS_MAXIMIZEBOX) && !maximized);
    enable(SC_CLOSE, !(w.Class->Info.Style & CS_NOCLOSE));
}

}  // namespace

TMenuRecord* FindMenu(HMENU menu) {
    const auto it = gMenus.find(reinterpret_cast<uintptr_t>(menu));
    return it == gMenus.end() ? nullptr : it->second.get();
}

TMenuItem* FindMenuItem(HMENU menu, UINT item, UINT flags) {
    TMenuRecord* owner = nullptr;
    size_t index = 0;
    return Locate(menu, item, flags, owner, index) ? &owner->Items[index] : nullptr;
}

HMENU CreatePopupMenu() {
    if (!OnMainThread()) return nullptr;
    const HMENU menu = reinterpret_cast<HMENU>(++gLastMenu);
    gMenus[gLastMenu] = std::make_unique<TMenuRecord>();
    return menu;
}

bool DestroyMenu(HMENU menu) {
    TMenuRecord* m = FindMenu(menu);
    if (!m) return false;
    const std::vector<TMenuItem> items = std::move(m->Items);
    gMenus.erase(reinterpret_cast<uintptr_t>(menu));
    for (const TMenuItem& item : items)
        if (item.SubMenu) DestroyMenu(item.SubMenu);
    return true;
}

bool IsMenu(HMENU menu) { return FindMenu(menu) != nullptr; }

bool AppendMenu(HMENU menu, UINT flags, UINT_PTR id, const std::string& text) {
    TMenuRecord* m = FindMenu(menu);
    if (!m || ((flags & MF_POPUP) && !FindMenu(reinterpret_cast<HMENU>(id)))) return false;
    m->Items.push_back(MakeItem(flags, id, text));
    return true;
}

bool InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR id, const std::string& text) {
    if ((flags & MF_POPUP) && !FindMenu(reinterpret_cast<HMENU>(id))) return false;
    TMenuRecord* owner = nullptr;
    size_t index = 0;
    if (!Locate(menu, position, flags, owner, index)) return AppendMenu(menu, flags, id, text);
    owner->Items.insert(owner->Items.begin() + long(index), MakeItem(flags, id, text));
    return true;
}

bool RemoveMenu(HMENU menu, UINT item, UINT flags) {
    TMenuRecord* owner = nullptr;
    size_t index = 0;
    if (!Locate(menu, item, flags, owner, index)) return false;
    owner->Items.erase(owner->Items.begin() + long(index));
    return true;
}

bool DeleteMenu(HMENU menu, UINT item, UINT flags) {
    const HMENU sub = (flags & MF_BYPOSITION) ? GetSubMenu(menu, int(item)) : nullptr;
    if (!RemoveMenu(menu, item, flags)) return false;
    if (sub) DestroyMenu(sub);
    return true;
}

int GetMenuItemCount(HMENU menu) {
    const TMenuRecord* m = FindMenu(menu);
    return m ? int(m->Items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    const TMenuRecord* m = FindMenu(menu);
    if (!m || position < 0 || size_t(position) >= m->Items.size() || m->Items[size_t(position)].SubMenu)
        return UINT(-1);
    return UINT(m->Items[size_t(position)].Id);
}

HMENU GetSubMenu(HMENU menu, int position) {
    const TMenuRecord* m = FindMenu(menu);
    if (!m || position < 0 || size_t(position) >= m->Items.size()) return nullptr;
    return m->Items[size_t(position)].SubMenu;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    const TMenuItem* it = FindMenuItem(menu, item, flags);
    if (!it) return UINT(-1);
    if (it->SubMenu) return (it->Flags & 0xFF) | UINT(GetMenuItemCount(it->SubMenu)) << 8;
    return it->Flags & ~MF_POPUP;
}

std::string GetMenuString(HMENU menu, UINT item, UINT flags) {
    const TMenuItem* it = FindMenuItem(menu, item, flags);
    return it ? it->Text : std::string();
}

bool SetMenuString(HMENU menu, UINT item, UINT flags, const std::string& text) {
    TMenuItem* it = FindMenuItem(menu, item, flags);
    if (!it) return false;
    it->Text = text;
    return true;
}

UINT EnableMenuItem(HMENU menu, UINT item, UINT enable) {
    TMenuItem* it = FindMenuItem(menu, item, enable & MF_BYPOSITION);
    if (!it) return UINT(-1);
    const UINT old = it->Flags & (MF_GRAYED | MF_DISABLED);
    it->Flags = (it->Flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
    return old;
}

UINT CheckMenuItem(HMENU menu, UINT item, UINT check) {
    TMenuItem* it = FindMenuItem(menu, item, check & MF_BYPOSITION);
    if (!it) return UINT(-1);
    const UINT old = it->Flags & MF_CHECKED;
    it->Flags = (it->Flags & ~MF_CHECKED) | (check & MF_CHECKED);
    return old;
}

bool SetMenuDefaultItem(HMENU menu, UINT item, bool byPosition) {
    TMenuRecord* m = FindMenu(menu);
    if (!m) return false;
    for (TMenuItem& it : m->Items) it.Flags &= ~MF_DEFAULT;
    if (item == UINT(-1)) return true;
    TMenuItem* it = FindMenuItem(menu, item, byPosition ? MF_BYPOSITION : MF_BYCOMMAND);
    if (!it) return false;
    it->Flags |= MF_DEFAULT;
    return true;
}

bool SetMenuItemData(HMENU menu, UINT item, UINT flags, UINT_PTR data) {
    TMenuItem* it = FindMenuItem(menu, item, flags);
    if (!it) return false;
    it->Data = data;
    return true;
}

UINT_PTR GetMenuItemData(HMENU menu, UINT item, UINT flags) {
    const TMenuItem* it = FindMenuItem(menu, item, flags);
    return it ? it->Data : 0;
}

HMENU GetSystemMenu(HWND hwnd, bool revert) {
    TWindow* w = Win(hwnd);
    if (!w) return nullptr;
    if (revert) {
        if (w->SystemMenu) DestroyMenu(std::exchange(w->SystemMenu, nullptr));
        return nullptr;
    }
    if (!w->SystemMenu) {
        w->SystemMenu = CreatePopupMenu();
        AddSystemItems(w->SystemMenu, w->Style);
    }
    RefreshSystemMenu(w->SystemMenu, *w);
    return w->SystemMenu;
}

}  // namespace ui
