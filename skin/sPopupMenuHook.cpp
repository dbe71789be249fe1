#include "skin/sPopupMenuHook.h"

namespace skin {

namespace {
TPopupMenuHook TheHook = nullptr;
}

void SetPopupMenuHook(TPopupMenuHook hook) { TheHook = hook; }

void HookPopupMenu(vcl::TPopupMenu& menu, bool active) {
    if (TheHook) TheHook(menu, active);
}

}  // namespace skin
