#include "skin/sMainWindowHook.h"

#include <memory>

#include "skin/sGlowHook.h"
#include "skin/sSkinBroadcast.h"
#include "skin/sSkinCommands.h"
#include "skin/sSkinManager.h"
#include "skin/sWindowRelay.h"
#include "ui/MessageLoop.h"
#include "ui/Messages.h"
#include "vcl/TApplication.h"
#include "vcl/TCustomForm.h"

namespace skin {

namespace {

std::unique_ptr<TacWindowRelay> gRelay;
TacMenuBorderHook gMenuBorderHook = nullptr;

void ApplicationActivated(TsSkinManager& manager) {
    // A copy: a provider may register or leave while it handles the command.
    const std::vector<vcl::TCustomForm*> forms = ProviderForms();
    for (vcl::TCustomForm* form : forms)
        if (form->HandleAllocated())
            ui::SendMessage(form->Handle(), SKIN_COMMAND_MESSAGE, SkinCommandWParam(SKC_APPLICATION_ACTIVATED),
                            reinterpret_cast<ui::LPARAM>(&manager));
}

bool MainWindowMessage(ui::UINT msg, ui::WPARAM wParam, ui::LPARAM lParam, ui::LRESULT& result) {
    TsSkinManager* manager = TsSkinManager::DefaultManager();
    if (!manager) return false;
    switch (msg) {
        case CM_APPLICATION_ACTIVATE: ApplicationActivated(*manager); return false;
        case ACM_MENU_ITEM_BORDER:
        case ACM_MENU_WINDOW_BORDER:
            if (manager->SkinnedPopups() && gMenuBorderHook) gMenuBorderHook(msg, lParam);
            result = 0;
            return true;
        case ui::WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == ui::SC_MINIMIZE || (wParam & 0xFFF0) == ui::SC_RESTORE) HideAllGlows();
            return false;
        default: return false;
    }
}

}  // namespace

void SetMenuBorderHook(TacMenuBorderHook hook) { gMenuBorderHook = hook; }

void HookMainWindow() {
    if (MainWindowHooked() || !vcl::Application) return;
    // The application's window may have been made anew.
    UnhookMainWindow();
    gRelay = std::make_unique<TacWindowRelay>(vcl::Application->Handle(), MainWindowMessage);
}

void UnhookMainWindow() { TacWindowRelay::Release(gRelay); }

bool MainWindowHooked() { return gRelay && ui::IsWindow(gRelay->Window()); }

}  // namespace skin
