#include "skin/sDialogHook.h"

#include <cstring>

#include "skin/sSkinCommands.h"
#include "skin/sSkinManager.h"
#include "skin/sWindowAdapter.h"
#include "ui/Hooks.h"
#include "ui/MessageLoop.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowClass.h"
#include "vcl/TApplication.h"

namespace skin {

namespace {

ui::HHOOK gHook = nullptr;

constexpr int IgnoredTagBits = 0x01 | 0x20 | 0x40;

bool HasToolBar(ui::HWND window) {
    bool found = false;
    ui::EnumChildWindows(window, [&found](ui::HWND child) {
        found = strcasecmp(ui::GetClassName(child).c_str(), "toolbarwindow32") == 0;
        return !found;
    });
    return found;
}

void AdaptForeignWindow(ui::HWND window, TsSkinManager& manager, TsWindowAdapter& adapter) {
    const auto style = ui::DWORD(ui::GetWindowLongPtr(window, ui::GWL_STYLE));
    if (ui::GetClassName(window) != ui::DialogClassName || (style & ui::WS_CHILD) ||
        !(manager.SkinningRules() & srStdDialogs))
        return;
    if (AdaptedWindows().VisibleWindows(akDialog).size() > 1 && !HasToolBar(window)) return;
    if (auto provider = adapter.AdaptDialog(window)) AdaptedWindows().Add(window, akDialog, std::move(provider));
}

void AdaptProgramForm(vcl::TCustomForm& form, TsSkinManager& manager, TsWindowAdapter& adapter) {
    if ((form.Tag() & ~IgnoredTagBits) == NeverSkinnedTag || (form.ComponentState() & vcl::csLoading)) return;
    const std::string& className = form.ClassName();
    if (className == "TApplication" || className == "TfcPopup") return;
    const TacSkinningRules needed = className == "TMessageForm" ? srStdDialogs : srStdForms;
    if (!(manager.SkinningRules() & needed)) return;
    if (auto provider = adapter.AdaptForm(form)) AdaptedWindows().Add(form.Handle(), akForm, std::move(provider));
}

void WindowCreated(ui::HWND window, const ui::TCreateStruct& cs) {
    const std::string className = cs.ClassName;
    if (className == ui::MenuClassName) {
        TsSkinManager* manager = TsSkinManager::DefaultManager();
        TsWindowAdapter* adapter = WindowAdapter();
        if (manager && adapter && manager->SkinnedPopups())
            if (auto provider = adapter->AdaptMenuWindow(window))
                AdaptedWindows().Add(window, akMenuWindow, std::move(provider));
        return;
    }
    if (className == ui::DialogClassName) {
        AdaptWindow(window);
        return;
    }
    vcl::TCustomForm* mainForm = vcl::Application->MainForm();
    if (className != "TPUtilWindow" && cs.Style != 0 && cs.ExStyle != 0 && !cs.Parent &&
        (!mainForm || (mainForm->HandleAllocated() && mainForm->Handle() != window)))
        AdaptWindow(window);
}

ui::LRESULT CbtHook(int code, ui::WPARAM wParam, ui::LPARAM lParam) {
    const ui::LRESULT result = ui::CallNextHookEx(gHook, code, wParam, lParam);
    if (vcl::Application->ComponentState() & vcl::csDestroying) return result;
    const auto window = reinterpret_cast<ui::HWND>(wParam);
    switch (code) {
        case ui::HCBT_CREATEWND: WindowCreated(window, *reinterpret_cast<const ui::TCbtCreateWnd*>(lParam)->Cs); break;
        case ui::HCBT_ACTIVATE: AdaptWindow(window); break;
        // What was made for a window goes with it, so that a later window
        // with the same handle starts unadapted.
        case ui::HCBT_DESTROYWND: AdaptedWindows().Remove(window); break;
        default: break;
    }
    return result;
}

}  // namespace

void InstallDialogHook() {
    if (!gHook) gHook = ui::SetWindowsHookEx(ui::WH_CBT, CbtHook);
}

void RemoveDialogHook() {
    AdaptedWindows().Clear(akMenuWindow);
    if (gHook) ui::UnhookWindowsHookEx(gHook);
    gHook = nullptr;
    AdaptedWindows().Clear();
}

bool DialogHookInstalled() { return gHook != nullptr; }

void AdaptWindow(ui::HWND window) {
    TsSkinManager* manager = TsSkinManager::DefaultManager();
    TsWindowAdapter* adapter = WindowAdapter();
    if (!manager || !adapter || !ui::IsWindow(window)) return;
    const bool skinned = ui::SendMessage(window, SKIN_COMMAND_MESSAGE, SkinCommandWParam(SKC_IS_SKINNED), 0) == 1;
    const auto style = ui::DWORD(ui::GetWindowLongPtr(window, ui::GWL_STYLE));
    if (skinned || (!(style & ui::WS_BORDER) && (style & ui::WS_POPUP)) || AdaptedWindows().Contains(window)) return;
    vcl::TWinControl* control = vcl::TWinControl::FindControl(window);
    if (auto* form = dynamic_cast<vcl::TCustomForm*>(control))
        AdaptProgramForm(*form, *manager, *adapter);
    else if (!control)
        AdaptForeignWindow(window, *manager, *adapter);
}

}  // namespace skin
