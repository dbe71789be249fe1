#include "skinpaint/sFormAdapter.h"

#include "skin/sSkinCommands.h"
#include "skinpaint/acGlowEffect.h"
#include "skinpaint/sMenuWindow.h"
#include "skinpaint/sSkinMenus.h"
#include "skinpaint/sSkinProvider.h"
#include "skinpaint/sWindowAnimation.h"
#include "vcl/TCustomForm.h"

namespace skinpaint {

namespace {

// The provider the adapter made lives as long as the form or until the list
// of adapted windows lets it go, whichever comes first.
class TFormProvider : public skin::TacProvider, public vcl::TComponent {
public:
    explicit TFormProvider(TsSkinProvider* provider) : vcl::TComponent(nullptr), FProvider(provider) {
        provider->FreeNotification(this);
    }
    ~TFormProvider() override {
        if (!FProvider) return;
        FProvider->RemoveFreeNotification(this);
        if (!(FProvider->ComponentState() & vcl::csDestroying)) FProvider->Free();
    }

protected:
    void Notification(vcl::TComponent* component, vcl::TOperation operation) override {
        vcl::TComponent::Notification(component, operation);
        if (operation == vcl::opRemove && component == FProvider) FProvider = nullptr;
    }

private:
    TsSkinProvider* FProvider;
};

}  // namespace

std::unique_ptr<skin::TacProvider> TsFormAdapter::AdaptForm(vcl::TCustomForm& form) {
    if (form.Perform(skin::SKIN_COMMAND_MESSAGE, skin::SkinCommandWParam(skin::SKC_GET_PROVIDER), 0)) return nullptr;
    auto* provider = new TsSkinProvider(&form);
    provider->SetUseGlobalColor(false);
    provider->SetMakeSkinMenu(false);
    provider->RedrawWindowNow();
    return std::make_unique<TFormProvider>(provider);
}

std::unique_ptr<skin::TacProvider> TsFormAdapter::AdaptDialog(ui::HWND) { return nullptr; }

std::unique_ptr<skin::TacProvider> TsFormAdapter::AdaptMenuWindow(ui::HWND menuWindow) {
    return std::make_unique<TacMnuWnd>(menuWindow);
}

void InstallSkinEngine() {
    static TsFormAdapter adapter;
    (void)TsSkinProvider::StaticClass();
    skin::SetWindowAdapter(&adapter);
    InstallGlowHook();
    InstallWindowAnimations();
    InstallMenuSkinning();
}

}  // namespace skinpaint
