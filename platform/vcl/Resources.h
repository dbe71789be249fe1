#pragma once
// Named byte resources of the program (pictures, icons), registered by the
// program's resource module at start-up and read by name, as stored layouts
// refer to them.
#include <optional>
#include <string>
#include <string_view>

namespace vcl {

// The bytes must outlive the program's use of them (compiled-in arrays).
void RegisterResource(const std::string& name, std::string_view data);
std::optional<std::string_view> FindResource(const std::string& name);

}  // namespace vcl
