#include "ManagerTestKit.h"

#include "resources/InternalSkin.h"
#include "skin/sSkinBroadcast.h"
#include "skin/sWindowAdapter.h"
#include "ui/Headless.h"
#include "vcl/Dialogs.h"
#include "vcl/TApplication.h"

namespace managertest {

using namespace skin;

TCommandLog& Log() {
    static TCommandLog log;
    return log;
}

std::vector<int> CommandsOf(const std::string& name) {
    std::vector<int> commands;
    for (const auto& [who, command] : Log())
        if (who == name) commands.push_back(command);
    return commands;
}

template <class Base>
void TProbe<Base>::WndProc(vcl::TMessage& message) {
    if (message.Msg != SKIN_COMMAND_MESSAGE) {
        Base::WndProc(message);
        return;
    }
    const int command = SkinCommandOf(message.WParam);
    if (command == SKC_IS_SKINNED) {
        message.Result = Skinned ? 1 : 0;
        return;
    }
    Log().emplace_back(this->Name(), command);
    // Skinned forms leave their children to the broadcast, as frame
    // providers do; skinned controls pass commands on themselves.
    if constexpr (std::is_same_v<vcl::TWinControl, Base>) {
        const bool broadcast = command == SKC_APPLY_SKIN || command == SKC_REMOVE_SKIN || command == SKC_REFRESH ||
                               command == SKC_PREPARE_REFRESH;
        if (Skinned && broadcast) DeliverToChildren(*this, message);
    }
}

template class TProbe<vcl::TWinControl>;
template class TProbe<vcl::TForm>;
template class TProbe<vcl::TGraphicControl>;

TProbeControl::TProbeControl(vcl::TWinControl* parent, const std::string& name, bool skinned)
    : TProbe(parent, name, skinned) {
    SetParent(parent);
    SetBounds(0, 0, 20, 20);
}

TProbeForm::TProbeForm(const std::string& name, bool skinned) : TProbe(vcl::Application, name, skinned) {}

TProbeButton::TProbeButton(vcl::TWinControl* parent, const std::string& name) : TProbe(parent, name, true) {
    SetParent(parent);
}

void TProbeButton::WndProc(vcl::TMessage& message) {
    if (message.Msg == SKIN_COMMAND_MESSAGE && SkinCommandOf(message.WParam) == SKC_GET_SKIN_DATA) {
        message.Result = reinterpret_cast<vcl::LRESULT>(static_cast<const TsSkinBinding*>(this));
        return;
    }
    TProbe::WndProc(message);
}

void AddInternalSkin(TsSkinManager& manager) {
    TsStoredSkin& item = manager.InternalSkins().Add();
    item.SetName(std::string(resources::InternalSkinName));
    item.SetData(resources::InternalSkinPackage());
}

void ManagerTest::SetUp() {
    ui::headless::Reset(1024, 768);
    vcl::Application->ClearTerminated();
    Log().clear();
    vcl::SetMessageBoxHook([this](vcl::TMessageForm& box) {
        Boxes.push_back(box.Text());
        box.SetModalResult(vcl::mrOk);
    });
}

// Everything the test made goes, last first, so that the next test starts
// without forms, managers or adapted windows.
void ManagerTest::TearDown() {
    vcl::SetMessageBoxHook(nullptr);
    for (int i = vcl::Application->ComponentCount() - 1; i >= 0; --i) {
        vcl::TComponent* component = vcl::Application->Components(i);
        if (dynamic_cast<vcl::TCustomForm*>(component) || dynamic_cast<TsSkinManager*>(component)) component->Free();
    }
    for (vcl::TCustomForm* form : std::vector(ProviderForms())) UnregisterProviderForm(form);
    SetWindowAdapter(nullptr);
    vcl::Application->ProcessMessages();
}

TsSkinManager& ManagerTest::NewManager(bool withInternalSkin) {
    auto* manager = new TsSkinManager(vcl::Application);
    if (withInternalSkin) AddInternalSkin(*manager);
    return *manager;
}

}  // namespace managertest
