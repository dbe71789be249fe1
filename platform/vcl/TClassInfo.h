#pragma once
// Published properties: what a stored layout may set by name on an object of
// a class, and how a class of components is made from its name. Each class
// describes itself once (StaticClass) and inherits what its ancestor
// publishes.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "vcl/TLayoutValue.h"

namespace vcl {

class TComponent;
class TPersistent;
class TLayoutReader;

struct TPropertyInfo {
    std::string Name;
    // Assigns a stored value; raises EReadError for a value of the wrong kind.
    std::function<void(TPersistent&, const TLayoutValue&, TLayoutReader&)> Write;
    // A property that holds an object (Font, SkinData): the names after its
    // dot are that object's properties.
    std::function<TPersistent*(TPersistent&)> Object;
};

struct TClassInfo {
    std::string Name;
    const TClassInfo* Parent = nullptr;
    // Null for classes a layout cannot make.
    std::function<TComponent*(TComponent* owner)> Create;
    std::vector<TPropertyInfo> Properties;

    // The property by name (any case), here or in an ancestor.
    const TPropertyInfo* FindProperty(std::string_view name) const;
    bool InheritsFrom(const TClassInfo& other) const;
};

// Classes a layout can make, by name (any case).
void RegisterClass(const TClassInfo& info);
const TClassInfo* FindClass(std::string_view name);

}  // namespace vcl
