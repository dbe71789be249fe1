#include "vcl/TClassInfo.h"

#include <map>
#include <strings.h>

#include "vcl/TPersistent.h"

namespace vcl {

namespace {

struct TNoCase {
    bool operator()(const std::string& a, const std::string& b) const { return strcasecmp(a.c_str(), b.c_str()) < 0; }
};

std::map<std::string, const TClassInfo*, TNoCase>& Registry() {
    static std::map<std::string, const TClassInfo*, TNoCase> registry;
    return registry;
}

}  // namespace

const TPropertyInfo* TClassInfo::FindProperty(std::string_view name) const {
    for (const TClassInfo* c = this; c; c = c->Parent)
        for (const TPropertyInfo& p : c->Properties)
            if (p.Name.size() == name.size() && strncasecmp(p.Name.c_str(), name.data(), name.size()) == 0) return &p;
    return nullptr;
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
    for (const TClassInfo* c = this; c; c = c->Parent)
        if (c == &other) return true;
    return false;
}

void RegisterClass(const TClassInfo& info) { Registry()[info.Name] = &info; }

const TClassInfo* FindClass(std::string_view name) {
    const auto it = Registry().find(std::string(name));
    return it == Registry().end() ? nullptr : it->second;
}

const TClassInfo& TObject::StaticClass() {
    static const TClassInfo info{"TObject", nullptr, {}, {}};
    return info;
}

const TClassInfo& TPersistent::StaticClass() {
    static const TClassInfo info{"TPersistent", &TObject::StaticClass(), {}, {}};
    return info;
}

}  // namespace vcl
