#include "vcl/Resources.h"

#include <map>

namespace vcl {

namespace {

std::map<std::string, std::string_view>& Table() {
    static std::map<std::string, std::string_view> table;
    return table;
}

}  // namespace

void RegisterResource(const std::string& name, std::string_view data) { Table()[name] = data; }

std::optional<std::string_view> FindResource(const std::string& name) {
    const auto it = Table().find(name);
    if (it == Table().end()) return std::nullopt;
    return it->second;
}

}  // namespace vcl
