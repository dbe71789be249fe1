#pragma once
// The roots of the framework's classes: every object knows its class, and
// with it its name and what it publishes to stored layouts.
#include <string>

#include "vcl/TClassInfo.h"

namespace vcl {

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    static const TClassInfo& StaticClass();
    virtual const TClassInfo& ClassType() const { return StaticClass(); }
    const std::string& ClassName() const { return ClassType().Name; }
    bool InheritsFrom(const TClassInfo& info) const { return ClassType().InheritsFrom(info); }
};

// Objects that layouts set properties on; sub-objects such as fonts are
// persistent without being components.
class TPersistent : public TObject {
public:
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }
};

}  // namespace vcl
