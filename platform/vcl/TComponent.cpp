#include "vcl/TComponent.h"

#include <algorithm>
#include <cctype>
#include <strings.h>

#include "rtl/Exceptions.h"
#include "vcl/TClassBuilder.h"

namespace vcl {

namespace {

bool IsValidIdent(const std::string& name) {
    if (name.empty() || !(std::isalpha(static_cast<unsigned char>(name[0])) || name[0] == '_')) return false;
    return std::all_of(name.begin(), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

}  // namespace

const TClassInfo& TComponent::StaticClass() {
    static const TClassInfo& info = TClassBuilder<TComponent>("TComponent", TPersistent::StaticClass())
                                        .String("Name", &TComponent::SetName)
                                        .Int("Tag", &TComponent::SetTag)
                                        .Build();
    return info;
}

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    // Whoever asked to hear of our end forgets us now.
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        auto& back = other->FFreeNotifies;
        back.erase(std::remove(back.begin(), back.end(), this), back.end());
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::Free() {
    BeforeDestruction();
    delete this;
}

void TComponent::BeforeDestruction() { Destroying(); }

void TComponent::DestroyComponents() {
    while (!FComponents.empty()) {
        TComponent* last = FComponents.back();
        RemoveComponent(last);
        last->Free();
    }
}

void TComponent::Destroying() {
    if (FComponentState & csDestroying) return;
    FComponentState |= csDestroying;
    for (TComponent* c : FComponents) c->Destroying();
}

int TComponent::ComponentIndex() const {
    if (!FOwner) return -1;
    const auto& list = FOwner->FComponents;
    return int(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : FComponents)
        if (c->FName.size() == name.size() && strncasecmp(c->FName.c_str(), name.data(), name.size()) == 0) return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (!component || component->FOwner == this) return;
    if (component->FOwner) component->FOwner->RemoveComponent(component);
    ValidateRename(component, "", component->FName);
    FComponents.push_back(component);
    component->FOwner = this;
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    const auto it = std::find(FComponents.begin(), FComponents.end(), component);
    if (it == FComponents.end()) return;
    Notification(component, opRemove);
    FComponents.erase(std::find(FComponents.begin(), FComponents.end(), component));
    component->FOwner = nullptr;
}

void TComponent::SetName(const std::string& name) {
    if (name == FName) return;
    if (!name.empty() && !IsValidIdent(name)) throw rtl::Exception("'" + name + "' is not a valid component name");
    if (FOwner) FOwner->ValidateRename(this, FName, name);
    FName = name;
}

void TComponent::ValidateRename(TComponent* component, const std::string& current, const std::string& next) {
    if (next.empty() || strcasecmp(current.c_str(), next.c_str()) == 0) return;
    const TComponent* found = FindComponent(next);
    if (found && found != component)
        throw rtl::Exception("A component named " + next + " already exists");
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end()) {
        FFreeNotifies.push_back(component);
        component->FFreeNotifies.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component) return;
    auto drop = [](std::vector<TComponent*>& list, TComponent* c) {
        list.erase(std::remove(list.begin(), list.end(), c), list.end());
    };
    drop(FFreeNotifies, component);
    drop(component->FFreeNotifies, this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component) RemoveFreeNotification(component);
    for (TComponent* c : std::vector<TComponent*>(FComponents))
        if (c != component) c->Notification(component, operation);
}

void TComponent::Loaded() { FComponentState &= ~csLoading; }

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::SetComponentState(TComponentState flags, bool on) {
    if (on)
        FComponentState |= flags;
    else
        FComponentState &= ~flags;
}

bool TComponent::BindField(const std::string& name, TComponent* component) {
    const auto it = FFields.find(name);
    return it == FFields.end() || it->second(component);
}

const std::any* TComponent::FindMethod(const std::string& name) const {
    const auto it = FMethods.find(name);
    return it == FMethods.end() ? nullptr : &it->second;
}

}  // namespace vcl
