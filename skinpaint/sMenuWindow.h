#pragma once
// The adapter of the platform's menu windows (class "#32768") while popups
// are skinned. A menu window of the layer's menus shows nothing until its
// skinned look is in place: it is made layered with opacity 0 before it first
// shows, gets its border ring from the menu's picture on the non-client paint
// and becomes opaque (or MenuSupport's AlphaBlend) then. The adapter also
// answers the layer's questions about the window's region.
#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/TBitmap.h"
#include "skin/sWindowAdapter.h"
#include "skin/sWindowRelay.h"

namespace skinpaint {

// What the layer asks a menu window with the skin command message: whether
// its region is in place (the answer), and that it is being set now.
inline constexpr uint16_t SKC_MENU_REGION_SET = 8;
inline constexpr uint16_t SKC_MENU_MARK_REGION = 14;

class TacMnuWnd : public skin::TacProvider {
public:
    explicit TacMnuWnd(ui::HWND window);
    // The window went (or the skin): the menus' pictures go with it, the
    // other menu windows are redrawn and measuring starts afresh.
    ~TacMnuWnd() override;

private:
    bool Message(ui::UINT msg, ui::WPARAM wParam, ui::LPARAM lParam, ui::LRESULT& result);
    bool SkinCommand(uint16_t command, ui::LRESULT& result);
    void PaintBorder();
    // The menu's picture when it fits the window, else the adapter's own.
    gfx::TBitmap& Picture();

    ui::HWND FWindow;
    std::unique_ptr<skin::TacWindowRelay> FRelay;
    bool FRegionMarked = false;
    bool FShown = false;
    bool FPaintingBorder = false;
    gfx::TBitmap FOwnPicture;
};

}  // namespace skinpaint
