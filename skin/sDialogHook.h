#pragma once
// The default manager's hook on window creation and activation, through which
// windows the program did not skin itself get skinned: the platform's menu
// windows, its dialogs, and forms without a frame provider (such as message
// boxes). The hook decides; the window adapter does the work (sWindowAdapter.h).
#include "ui/Types.h"

namespace skin {

void InstallDialogHook();
// Takes the hook off and frees what it adapted: menu windows first.
void RemoveDialogHook();
bool DialogHookInstalled();

// The adaptation rule for a window being created or activated. Only with a
// default manager, and only for a window that is not a skinned control, that
// has a border or is not a pop-up, and that was not adapted yet:
// - a window of no form of the program: a top-level dialog of the platform's
//   dialog class, when the rules take standard dialogs and at most one
//   adapted dialog is visible or it holds a tool bar;
// - a form: unless its Tag, the bits 0x01, 0x20 and 0x40 left out, is -98,
//   it is still loading or its class is TApplication or TfcPopup; a message
//   box form needs the rule for standard dialogs, any other the one for
//   standard forms.
void AdaptWindow(ui::HWND window);

// The Tag by which a form asks never to be skinned (the glow windows carry it).
inline constexpr int NeverSkinnedTag = -98;

}  // namespace skin
