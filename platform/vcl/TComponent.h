#pragma once
// Components: objects with an owner that frees them, a name, a tag and a
// state. An owner keeps the components it owns in order of insertion and
// frees them, last first, when it goes. Components that refer to one another
// ask for free notification so that a reference never outlives its target.
//
// A component is freed with Free(), which first runs BeforeDestruction (where
// forms fire OnDestroy while every part of them still exists) and then
// deletes it.
#include <any>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "vcl/TPersistent.h"

namespace vcl {

enum TComponentStateFlag : unsigned {
    csLoading = 0x1,     // between creation from a layout and Loaded
    csReading = 0x2,     // its properties are being read
    csWriting = 0x4,
    csDestroying = 0x8,  // being freed
    csDesigning = 0x10,  // in a form designer; never set in the program
    csUpdating = 0x40,
};
using TComponentState = unsigned;

enum TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    // BeforeDestruction, then delete. Null-safe through the static form.
    void Free();
    static void Free(TComponent* component) {
        if (component) component->Free();
    }

    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return int(FComponents.size()); }
    TComponent* Components(int index) const { return FComponents.at(size_t(index)); }
    int ComponentIndex() const;
    // An owned component by name (any case), or null.
    TComponent* FindComponent(std::string_view name) const;
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    const std::string& Name() const { return FName; }
    // Raises rtl::Exception for a name that is not an identifier or is taken
    // among the owner's components.
    virtual void SetName(const std::string& name);
    int Tag() const { return FTag; }
    void SetTag(int tag) { FTag = tag; }
    TComponentState ComponentState() const { return FComponentState; }

    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Sets csDestroying here and in every owned component.
    void Destroying();
    // The loaded phase, after a layout has set every property.
    virtual void Loaded();
    // Where a layout nests this component: controls take a parent, menu
    // items join their menu.
    virtual void SetParentComponent(TComponent* parent);

    // Layout roots publish the fields and methods their layout names.
    template <class C>
    void PublishField(const std::string& name, C*& field) {
        FFields[name] = [&field](TComponent* c) {
            field = dynamic_cast<C*>(c);
            return field != nullptr;
        };
    }
    template <class T, class... A>
    void PublishMethod(const std::string& name, void (T::*method)(A...)) {
        T* self = static_cast<T*>(this);
        FMethods[name] = std::function<void(A...)>([self, method](A... args) { (self->*method)(args...); });
    }
    // For the layout reader: binds a made component to its field (false when
    // the field is of another class), finds a published method.
    bool BindField(const std::string& name, TComponent* component);
    const std::any* FindMethod(const std::string& name) const;

    // For the layout reader.
    void SetComponentState(TComponentState flags, bool on);

protected:
    virtual void Notification(TComponent* component, TOperation operation);
    // Fires the destruction events while the whole object still exists.
    virtual void BeforeDestruction();
    virtual void ValidateRename(TComponent* component, const std::string& current, const std::string& next);

private:
    void DestroyComponents();

    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    std::string FName;
    int FTag = 0;
    TComponentState FComponentState = 0;
    std::map<std::string, std::function<bool(TComponent*)>> FFields;
    std::map<std::string, std::any> FMethods;
};

// The event of a click and of most notifications.
using TNotifyEvent = std::function<void(TObject* sender)>;

}  // namespace vcl
