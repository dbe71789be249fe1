#pragma once
// The default manager's watch on the application's window, where the
// framework and the menu layer send what concerns the whole program: the
// application's activation (passed on to every frame provider), the requests
// of the menu layer to give a menu window its skinned border, and the
// minimising and restoring of the whole program (glows are hidden first, since
// they are windows of their own; the windows then minimise and restore
// without an animation, just as the platform leaves them).
#include <cstdint>

#include "ui/Types.h"

namespace skin {

// The framework's notice that the application became active.
inline constexpr ui::UINT CM_APPLICATION_ACTIVATE = 0xB000;
// What every frame provider is sent (the skin command) on that notice.
inline constexpr uint16_t SKC_APPLICATION_ACTIVATED = 18;
// The menu layer asks for a menu window's border: LParam a menu item (the
// window is looked for under the item) or the menu window itself.
inline constexpr ui::UINT ACM_MENU_ITEM_BORDER = 0xBCB3;
inline constexpr ui::UINT ACM_MENU_WINDOW_BORDER = 0xBCB4;

// The menu layer's answer to those requests, set by that layer at start-up;
// without one the requests are dropped.
using TacMenuBorderHook = void (*)(ui::UINT msg, ui::LPARAM lParam);
void SetMenuBorderHook(TacMenuBorderHook hook);

// The watch is one for the process and serves whichever manager is the
// default when a message comes.
void HookMainWindow();
void UnhookMainWindow();
bool MainWindowHooked();

}  // namespace skin
