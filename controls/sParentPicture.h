#pragma once
// What our skinned controls take from their parent's painting: what lies
// behind them, and the command that tells them the parent's update is over.
#include "skin/sCommonData.h"
#include "skinpaint/sParentBackground.h"

namespace controls {

// The parent has ended its update: a control that deferred its painting
// paints now.
constexpr uint16_t SKC_PARENT_UPDATED = 6;

// What lies behind the binding's control, as the painters take it: the
// parent's picture moved to the control's place, or the parent's colour.
skinpaint::ParentBackground ParentPicture(skin::TsCommonData& data);

}  // namespace controls
