#include "skinpaint/sMenuWindow.h"

#include <algorithm>

#include "gfx/TCanvas.h"
#include "skin/sSkinCommands.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sFrameSupport.h"
#include "skinpaint/sMenuBackground.h"
#include "skinpaint/sSectionItem.h"
#include "ui/Layered.h"
#include "ui/Paint.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"
#include "vcl/TApplication.h"

namespace skinpaint {

namespace {

constexpr int RingWidth = 3;

std::vector<TacMnuWnd*>& LiveAdapters() {
    static std::vector<TacMnuWnd*> adapters;
    return adapters;
}

void SetLayered(ui::HWND window, bool on) {
    const auto ex = ui::DWORD(ui::GetWindowLongPtr(window, ui::GWL_EXSTYLE));
    const ui::DWORD wanted = on ? ex | ui::WS_EX_LAYERED : ex & ~ui::WS_EX_LAYERED;
    if (wanted != ex) ui::SetWindowLongPtr(window, ui::GWL_EXSTYLE, ui::LONG_PTR(wanted));
}

}  // namespace

TacMnuWnd::TacMnuWnd(ui::HWND window) : FWindow(window) {
    FRelay = std::make_unique<skin::TacWindowRelay>(
        window, [this](ui::UINT msg, ui::WPARAM wParam, ui::LPARAM lParam, ui::LRESULT& result) {
            return Message(msg, wParam, lParam, result);
        });
    LiveAdapters().push_back(this);
}

TacMnuWnd::~TacMnuWnd() {
    std::erase(LiveAdapters(), this);
    skin::TacWindowRelay::Release(FRelay);
    FreeMenuBackgrounds();
    for (TacMnuWnd* other : LiveAdapters())
        if (ui::IsWindow(other->FWindow))
            ui::RedrawWindow(other->FWindow, nullptr, nullptr, ui::RDW_FRAME | ui::RDW_UPDATENOW | ui::RDW_INVALIDATE);
    MenuMeasuring() = false;
}

bool TacMnuWnd::SkinCommand(uint16_t command, ui::LRESULT& result) {
    switch (command) {
        case skin::SKC_IS_SKINNED: result = 1; return true;
        case SKC_MENU_REGION_SET: result = FRegionMarked ? 1 : 0; return true;
        case SKC_MENU_MARK_REGION:
            if (ui::IsWindowVisible(FWindow)) FRegionMarked = true;
            result = 0;
            return true;
        case skin::SKC_GET_APPLICATION: result = reinterpret_cast<ui::LRESULT>(vcl::Application); return true;
        default: return false;
    }
}

bool TacMnuWnd::Message(ui::UINT msg, ui::WPARAM wParam, ui::LPARAM lParam, ui::LRESULT& result) {
    if (msg == skin::SKIN_COMMAND_MESSAGE) return SkinCommand(skin::SkinCommandOf(wParam), result);
    if (!MenuMeasuring()) return false;
    switch (msg) {
        case ui::WM_WINDOWPOSCHANGING: {
            const auto* pos = reinterpret_cast<const ui::TWindowPos*>(lParam);
            // Nothing unskinned is ever seen: the window shows only once its
            // skinned border is in place.
            if (pos && (pos->Flags & ui::SWP_SHOWWINDOW) && !(pos->Flags & ui::SWP_NOREDRAW) &&
                !ui::IsWindowVisible(FWindow) && ui::LayeredWindowsAvailable()) {
                SetLayered(FWindow, true);
                ui::SetLayeredWindowAttributes(FWindow, 0, 0, ui::LWA_ALPHA);
            }
            return false;
        }
        case ui::WM_NCPAINT:
            PaintBorder();
            result = 0;
            return true;
        case ui::WM_ERASEBKGND: {
            auto* dc = reinterpret_cast<gfx::TCanvas*>(wParam);
            if (dc) {
                gfx::TBitmap& picture = Picture();
                const ui::TRect client = ui::GetClientRect(FWindow);
                dc->BitBlt(0, 0, client.Width(), client.Height(), picture.Canvas(), MenuClientOffset, MenuClientOffset);
            }
            FRegionMarked = false;
            result = 1;
            return true;
        }
        default: return false;
    }
}

gfx::TBitmap& TacMnuWnd::Picture() {
    const ui::TRect bounds = ui::GetWindowRect(FWindow);
    if (TacMenuBackground* record = FindMenuBackgroundByWindow(FWindow); record && record->Bitmap &&
                                                                         record->Bitmap->Width() == bounds.Width() &&
                                                                         record->Bitmap->Height() == bounds.Height())
        return *record->Bitmap;
    if (FOwnPicture.Width() != bounds.Width() || FOwnPicture.Height() != bounds.Height()) {
        FOwnPicture = gfx::TBitmap(bounds.Width(), bounds.Height());
        if (skin::TsSkinManager* manager = skin::TsSkinManager::DefaultManager(); manager && !FOwnPicture.Empty())
            PaintSectionItem(manager->FindSection("MAINMENU"), "MAINMENU", EmptyBackground, -1, -1, manager,
                             FOwnPicture, {0, 0}, {0, 0, bounds.Width(), bounds.Height()}, 0);
    }
    return FOwnPicture;
}

void TacMnuWnd::PaintBorder() {
    if (FPaintingBorder) return;
    FPaintingBorder = true;
    if (const ui::HDC dc = ui::GetWindowDC(FWindow)) {
        CopyBorderRing(*dc, Picture(), RingWidth);
        ui::ReleaseDC(FWindow, dc);
    }
    // The items are painted before the window is seen.
    if (!FShown && ui::LayeredWindowsAvailable())
        ui::RedrawWindow(FWindow, nullptr, nullptr, ui::RDW_UPDATENOW | ui::RDW_ERASE | ui::RDW_INVALIDATE);
    FShown = true;
    skin::TsSkinManager* manager = skin::TsSkinManager::DefaultManager();
    const int alpha = manager ? std::clamp(manager->MenuSupport().AlphaBlend(), 0, 255) : 255;
    if (alpha == 255) {
        SetLayered(FWindow, false);
    } else {
        SetLayered(FWindow, true);
        ui::SetLayeredWindowAttributes(FWindow, 0, ui::BYTE(alpha), ui::LWA_ALPHA);
    }
    FPaintingBorder = false;
}

}  // namespace skinpaint
