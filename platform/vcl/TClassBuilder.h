#pragma once
// Describing a class's published properties in one expression:
//
//   static const TClassInfo& info = TClassBuilder<TButton>("TButton", TButtonControl::StaticClass())
//       .Creatable()
//       .Bool("Default", &TButton::SetDefault)
//       .Event("OnClick", &TButton::SetOnClick)
//       .Build();
#include <any>
#include <string>
#include <type_traits>
#include <utility>

#include "rtl/Exceptions.h"
#include "vcl/LayoutValues.h"
#include "vcl/TClassInfo.h"
#include "vcl/TLayoutReader.h"

namespace vcl {

template <class T>
class TClassBuilder {
public:
    TClassBuilder(const char* name, const TClassInfo& parent) {
        FInfo.Name = name;
        FInfo.Parent = &parent;
    }

    // Layouts can make it: T has a constructor taking the owner, and the
    // class is registered by name.
    TClassBuilder& Creatable() {
        FInfo.Create = [](TComponent* owner) -> TComponent* { return new T(owner); };
        FRegister = true;
        return *this;
    }

    template <class C, class V>
    TClassBuilder& Int(const char* name, void (C::*set)(V)) {
        return Add(name, [set](T& o, const TLayoutValue& v, TLayoutReader&) { (o.*set)(ValueToInt(v)); });
    }
    template <class C>
    TClassBuilder& Bool(const char* name, void (C::*set)(bool)) {
        return Add(name, [set](T& o, const TLayoutValue& v, TLayoutReader&) { (o.*set)(ValueToBool(v)); });
    }
    template <class C, class V>
    TClassBuilder& String(const char* name, void (C::*set)(V)) {
        return Add(name, [set](T& o, const TLayoutValue& v, TLayoutReader&) { (o.*set)(ValueToString(v)); });
    }
    template <class C>
    TClassBuilder& Color(const char* name, void (C::*set)(gfx::TColor)) {
        return Add(name, [set](T& o, const TLayoutValue& v, TLayoutReader&) { (o.*set)(ValueToColor(v)); });
    }
    template <class C, class E>
    TClassBuilder& Enum(const char* name, void (C::*set)(E), TIdentTable names) {
        return Add(name, [set, names = std::move(names)](T& o, const TLayoutValue& v, TLayoutReader&) {
            (o.*set)(static_cast<E>(ValueToEnum(v, names)));
        });
    }
    template <class C, class S>
    TClassBuilder& Set(const char* name, void (C::*set)(S), TIdentTable names) {
        return Add(name, [set, names = std::move(names)](T& o, const TLayoutValue& v, TLayoutReader&) {
            (o.*set)(static_cast<S>(ValueToSet(v, names)));
        });
    }
    // An event: the value names a method the layout's root published.
    template <class C, class E>
    TClassBuilder& Event(const char* name, void (C::*set)(E)) {
        using TEvent = std::remove_cvref_t<E>;
        return Add(name, [set](T& o, const TLayoutValue& v, TLayoutReader& reader) {
            if (v.Kind != TLayoutValue::Ident) throw rtl::EReadError("Invalid property value");
            const std::any* method = reader.FindMethod(v.Text);
            const TEvent* event = method ? std::any_cast<TEvent>(method) : nullptr;
            if (!event) throw rtl::EReadError("Invalid property value: " + v.Text);
            (o.*set)(*event);
        });
    }
    // A reference to another component of the layout by name, resolved once
    // the whole layout has been read.
    template <class R, class C, class A>
    TClassBuilder& Reference(const char* name, void (C::*set)(A)) {
        return Add(name, [set](T& o, const TLayoutValue& v, TLayoutReader& reader) {
            if (v.Kind != TLayoutValue::Ident) throw rtl::EReadError("Invalid property value");
            reader.AddFixup(v.Text, [&o, set](TComponent* c) {
                R* target = dynamic_cast<R*>(c);
                if (!target) return false;
                (o.*set)(target);
                return true;
            });
        });
    }
    // A property holding an object whose own properties follow after a dot.
    template <class C, class P>
    TClassBuilder& Object(const char* name, P& (C::*get)()) {
        TPropertyInfo p;
        p.Name = name;
        p.Object = [get](TPersistent& o) -> TPersistent* { return &(static_cast<T&>(o).*get)(); };
        FInfo.Properties.push_back(std::move(p));
        return *this;
    }
    template <class F>
    TClassBuilder& Custom(const char* name, F write) {
        return Add(name, write);
    }

    // The finished description lives as long as the program; a creatable
    // class is registered by name with it.
    const TClassInfo& Build() {
        const TClassInfo* info = new TClassInfo(std::move(FInfo));
        if (FRegister) RegisterClass(*info);
        return *info;
    }

private:
    template <class F>
    TClassBuilder& Add(const char* name, F write) {
        TPropertyInfo p;
        p.Name = name;
        p.Write = [write](TPersistent& o, const TLayoutValue& v, TLayoutReader& r) { write(static_cast<T&>(o), v, r); };
        FInfo.Properties.push_back(std::move(p));
        return *this;
    }

    TClassInfo FInfo;
    bool FRegister = false;
};

}  // namespace vcl
