#include "resources/InternalSkin.h"

#include <cstddef>

extern const unsigned char InternalSkinPackageBytes[];
extern const std::size_t InternalSkinPackageBytesSize;

namespace resources {

std::string_view InternalSkinPackage() {
    return {reinterpret_cast<const char*>(InternalSkinPackageBytes), InternalSkinPackageBytesSize};
}

}  // namespace resources
