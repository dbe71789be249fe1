#pragma once
// The command by which a parent tells our skinned controls that its update
// is over.
#include <cstdint>

namespace controls {

// The parent has ended its update: a control that deferred its painting
// paints now.
constexpr uint16_t SKC_PARENT_UPDATED = 6;

}  // namespace controls
