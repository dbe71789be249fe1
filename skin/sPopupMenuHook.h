#pragma once
// The skinned popup menus are the painting layer's; a binding whose owner
// opens its context menu hands the menu over through the hook that layer
// sets here at start-up. Without a hook the menu stays as it is.
namespace vcl {
class TPopupMenu;
}

namespace skin {

// `active`: the manager's Active, whether the menu is to be skinned.
using TPopupMenuHook = void (*)(vcl::TPopupMenu& menu, bool active);

void SetPopupMenuHook(TPopupMenuHook hook);
void HookPopupMenu(vcl::TPopupMenu& menu, bool active);

}  // namespace skin
