#include "skin/sSkinBroadcast.h"

#include <algorithm>

#include "skin/sSkinCommands.h"
#include "skin/sWindowAdapter.h"
#include "ui/MessageLoop.h"
#include "vcl/TApplication.h"

namespace skin {

namespace {

std::vector<vcl::TCustomForm*>& Registered() {
    static std::vector<vcl::TCustomForm*> forms;
    return forms;
}

bool Destroying(const vcl::TComponent& component) { return component.ComponentState() & vcl::csDestroying; }

void SendToForm(vcl::TCustomForm& form, const vcl::TMessage& message) {
    SendSkinCommand(form, message);
    if (!Destroying(form)) DeliverToChildren(form, message);
}

}  // namespace

void RegisterProviderForm(vcl::TCustomForm* form) {
    auto& forms = Registered();
    if (std::find(forms.begin(), forms.end(), form) == forms.end()) forms.push_back(form);
}

void UnregisterProviderForm(vcl::TCustomForm* form) { std::erase(Registered(), form); }

const std::vector<vcl::TCustomForm*>& ProviderForms() { return Registered(); }

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
    for (vcl::TCustomForm* form : std::vector(Registered())) {
        const auto& now = Registered();
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
