#include "skinpaint/acCtrlAdapter.h"

#include <algorithm>

#include "skin/sControlKinds.h"
#include "skin/sSkinBroadcast.h"
#include "skin/sSkinColors.h"
#include "skin/sSkinManager.h"
#include "skinpaint/acBtnWnd.h"
#include "skinpaint/sSkinProvider.h"
#include "vcl/TCustomForm.h"
#include "vcl/TLabel.h"

namespace skinpaint {

namespace {

// Controls with this tag are never skinned automatically.
constexpr int NoSkinTag = -98;

// One walk at a time in the whole process: adapting may create windows whose
// notifications would start another.
bool& WalkRunning() {
    static bool running = false;
    return running;
}

template <class Items, class Control>
auto FindItem(Items& items, const Control* control) {
    return std::find_if(items.begin(), items.end(), [control](const auto& item) { return item->Control == control; });
}

}  // namespace

TacCtrlAdapter::TacCtrlAdapter(TsSkinProvider& provider) : vcl::TComponent(nullptr), FProvider(provider) {}

TacCtrlAdapter::~TacCtrlAdapter() {
    RestoreLabels();
    for (const auto& item : FItems) item->Control->RemoveFreeNotification(this);
}

skin::TsSkinManager* TacCtrlAdapter::Manager() const { return FProvider.SkinData().UsedManager(); }

void TacCtrlAdapter::Watch(vcl::TComponent& component) { component.FreeNotification(this); }

void TacCtrlAdapter::Notification(vcl::TComponent* component, vcl::TOperation operation) {
    vcl::TComponent::Notification(component, operation);
    if (operation != vcl::opRemove) return;
    // The control is half gone: its adapter lets go without touching it.
    if (auto it = FindItem(FItems, component); it != FItems.end()) {
        if ((*it)->WinAdapter) (*it)->WinAdapter->ControlGone();
        FItems.erase(it);
    }
    std::erase_if(FLabels, [component](const TLabelItem& item) { return item.Label == component; });
}

// --- the walk

void TacCtrlAdapter::AdaptChildren(vcl::TWinControl* container) {
    const skin::TsSkinManager* manager = Manager();
    if (!manager || !(manager->SkinningRules() & skin::srThirdParty) || WalkRunning()) return;
    WalkRunning() = true;
    try {
        Walk(container ? *container : *FProvider.Form());
    } catch (...) {
        WalkRunning() = false;
        throw;
    }
    WalkRunning() = false;
}

void TacCtrlAdapter::Walk(vcl::TWinControl& container) {
    for (int i = 0; i < container.ComponentCount(); ++i)
        if (auto* control = dynamic_cast<vcl::TControl*>(container.Components(i))) Consider(*control);
    for (int i = 0; i < container.ControlCount(); ++i) Consider(*container.Controls(i));
}

void TacCtrlAdapter::Consider(vcl::TControl& control) {
    auto* windowed = dynamic_cast<vcl::TWinControl*>(&control);
    if (CanAdapt(control)) {
        if (windowed) AdaptControl(windowed, "");
        else if (auto* label = dynamic_cast<vcl::TCustomLabel*>(&control)) MakeTransparent(*label);
    }
    if (windowed && windowed->HandleAllocated() && windowed->Parent()) Walk(*windowed);
}

int TacCtrlAdapter::ListOf(const vcl::TControl& control) const {
    skin::TsSkinManager* manager = Manager();
    if (!manager) return -1;
    for (int kind = 0; kind < skin::ThirdPartyKindCount; ++kind)
        if (manager->ThirdParty().Classes(kind).IndexOf(control.ClassName()) >= 0) return kind;
    return -1;
}

bool TacCtrlAdapter::AskSkinItem(vcl::TControl& control) {
    bool canBeAdded = true;
    if (FProvider.OnSkinItem) FProvider.OnSkinItem(&control, canBeAdded);
    return canBeAdded;
}

bool TacCtrlAdapter::CanAdapt(vcl::TControl& control) {
    if (control.Tag() == NoSkinTag) return false;
    auto* windowed = dynamic_cast<vcl::TWinControl*>(&control);
    if ((windowed && !windowed->HandleAllocated()) || skin::IsSkinnedControl(control)) return false;
    if (dynamic_cast<vcl::TCustomLabel*>(&control)) return AskSkinItem(control);
    // The framework has no plain speed button: other controls without a
    // window keep their own look.
    if (!windowed) return false;
    if (dynamic_cast<vcl::TCustomForm*>(&control)) return AskSkinItem(control);
    return ListOf(control) >= 0;
}

void TacCtrlAdapter::AdaptControl(vcl::TWinControl* control, const std::string& section) {
    if (!control || control->Tag() == NoSkinTag || !control->Parent() || skin::IsSkinnedControl(*control) ||
        !AskSkinItem(*control))
        return;
    if (auto* form = dynamic_cast<vcl::TCustomForm*>(control)) {
        auto* provider = new TsSkinProvider(form);
        provider->SkinData().SetSkinSection(section.empty() ? "FORM" : section);
        provider->RedrawWindowNow();
        return;
    }
    auto it = FindItem(FItems, control);
    if (it != FItems.end()) {
        TacAdapterItem& item = **it;
        if (!section.empty()) item.SkinData->SetSkinSection(section);
        if (item.WinAdapter && !item.WinAdapter->Removed()) return;
        item.WinAdapter.reset();
        if (!AttachAdapter(item, *control)) {
            control->RemoveFreeNotification(this);
            FItems.erase(it);
        }
        return;
    }
    auto item = std::make_unique<TacAdapterItem>();
    item->Adapter = this;
    item->Control = control;
    item->SkinData = std::make_unique<skin::TsCommonData>(control, true);
    item->SkinData->ControlKind = skin::ckAdapterItem;
    item->SkinData->SetSkinManager(Manager());
    if (!section.empty()) item->SkinData->SetSkinSection(section);
    if (!AttachAdapter(*item, *control)) return;
    Watch(*control);
    FItems.push_back(std::move(item));
}

bool TacCtrlAdapter::AttachAdapter(TacAdapterItem& item, vcl::TWinControl& control) {
    if (control.Tag() == NoSkinTag || !control.HandleAllocated() || !control.Parent() ||
        skin::IsSkinnedControl(control))
        return false;
    item.SkinData->HostControl = &control;
    const std::string section = item.SkinData->SkinSection() == "UNKNOWN" ? "" : item.SkinData->SkinSection();
    // Only the push-button adapter is made here: the program's lists name no
    // other kind of control.
    if (ListOf(control) != skin::tpButtons) return false;
    item.WinAdapter = std::make_unique<TacBtnWnd>(control, section, item.SkinData.get());
    return true;
}

// --- labels

void TacCtrlAdapter::MakeTransparent(vcl::TCustomLabel& label) {
    const skin::TsSkinManager* manager = Manager();
    if (!manager) return;
    if (std::none_of(FLabels.begin(), FLabels.end(), [&label](const TLabelItem& item) { return item.Label == &label; })) {
        FLabels.push_back({&label, label.Font().Color(), !label.Transparent()});
        Watch(label);
    }
    label.SetTransparent(true);
    label.Font().SetColor(skin::SkinFontColor(*manager));
}

void TacCtrlAdapter::RestoreLabels() {
    for (const TLabelItem& item : FLabels) {
        item.Label->RemoveFreeNotification(this);
        if (item.Label->ComponentState() & vcl::csDestroying) continue;
        item.Label->Font().SetColor(item.Color);
        item.Label->SetTransparent(!item.Opaque);
    }
    FLabels.clear();
}

}  // namespace skinpaint
