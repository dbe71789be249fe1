#pragma once
// The skin the program carries inside itself: "Sapphire (internal)", packed
// from resources/skin/Sapphire when the program is built.
#include <string_view>

namespace resources {

inline constexpr std::string_view InternalSkinName = "Sapphire (internal)";

// The skin package's bytes.
std::string_view InternalSkinPackage();

}  // namespace resources
