#include "skin/sSkinBroadcast.h"

#include <algorithm>

#include "skin/sSkinCommands.h"
#include "skin/sWindowAdapter.h"
#include "ui/MessageLoop.h"
#include "vcl/TApplication.h"

namespace skin {

namespace {

// The forms frame providers registered. A form that goes is dropped even
// when nobody unregisters it, so that no broadcast reaches a freed form.
class TProviderForms : public vcl::TComponent {
public:
    TProviderForms() : vcl::TComponent(nullptr) {}

    void Add(vcl::TCustomForm* form) {
        if (std::find(Forms.begin(), Forms.end(), form) != Forms.end()) return;
        Forms.push_back(form);
        form->FreeNotification(this);
    }
    void Remove(vcl::TCustomForm* form) {
        if (std::erase(Forms, form) > 0) form->RemoveFreeNotification(this);
    }

    std::vector<vcl::TCustomForm*> Forms;

protected:
    void Notification(vcl::TComponent* component, vcl::TOperation operation) override {
        vcl::TComponent::Notification(component, operation);
        if (operation == vcl::opRemove) std::erase(Forms, component);
    }
};

TProviderForms& Registered() {
    static TProviderForms* forms = new TProviderForms;  // lives as long as the process
    return *forms;
}

bool Destroying(const vcl::TComponent& component) { return component.ComponentState() & vcl::csDestroying; }

void SendToForm(vcl::TCustomForm& form, const vcl::TMessage& message) {
    SendSkinCommand(form, message);
    if (!Destroying(form)) DeliverToChildren(form, message);
}

}  // namespace

void RegisterProviderForm(vcl::TCustomForm* form) { Registered().Add(form); }
void UnregisterProviderForm(vcl::TCustomForm* form) { Registered().Remove(form); }
const std::vector<vcl::TCustomForm*>& ProviderForms() { return Registered().Forms; }

ui::LRESULT SendSkinCommand(vcl::TControl& control, const vcl::TMessage& message) {
    auto* windowed = dynamic_cast<vcl::TWinControl*>(&control);
    if (windowed && windowed->HandleAllocated())
        return ui::SendMessage(windowed->Handle(), message.Msg, message.WParam, message.LParam);
    return control.Perform(message.Msg, message.WParam, message.LParam);
}

bool IsSkinnedControl(vcl::TControl& control) {
    return SendSkinCommand(control, {SKIN_COMMAND_MESSAGE, SkinCommandWParam(SKC_IS_SKINNED), 0}) == 1;
}

void DeliverToChildren(vcl::TWinControl& parent, const vcl::TMessage& message) {
    // Handlers may add or remove children, so the count is asked every time.
    for (int i = 0; i < parent.ControlCount(); ++i) {
        vcl::TControl& child = *parent.Controls(i);
        if (Destroying(child)) return;
        auto* windowed = dynamic_cast<vcl::TWinControl*>(&child);
        if (!windowed || !windowed->HandleAllocated() || IsSkinnedControl(child))
            SendSkinCommand(child, message);
        else
            DeliverToChildren(*windowed, message);
    }
}

// The framework has no MDI forms: no form is an MDI child left to its
// parent, and no MDI client window needs the message besides the forms.
void BroadcastSkinCommand(const vcl::TMessage& message) {
    std::vector<vcl::TCustomForm*> reached;
    vcl::TApplication& application = *vcl::Application;
    for (int i = application.ComponentCount() - 1; i >= 0; --i) {
        if (i >= application.ComponentCount()) continue;
        auto* form = dynamic_cast<vcl::TCustomForm*>(application.Components(i));
        if (!form || (form->ComponentState() & (vcl::csDestroying | vcl::csLoading)) || IsSkinnedControl(*form))
            continue;
        reached.push_back(form);
        SendToForm(*form, message);
    }
    // A copy: forms may come and go while they handle the message.
    for (vcl::TCustomForm* form : std::vector(ProviderForms())) {
        const auto& now = ProviderForms();
        if (std::find(now.begin(), now.end(), form) == now.end() || Destroying(*form) ||
            std::find(reached.begin(), reached.end(), form) != reached.end())
            continue;
        reached.push_back(form);
        SendToForm(*form, message);
    }
    for (ui::HWND dialog : AdaptedWindows().VisibleWindows(akDialog))
        ui::SendMessage(dialog, message.Msg, message.WParam, message.LParam);
}

}  // namespace skin
