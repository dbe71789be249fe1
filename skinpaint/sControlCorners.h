#pragma once
// Refreshing only the see-through corners of a control's cache picture, for
// when the control moves or its parent repaints.
#include "skin/sCommonData.h"

namespace skinpaint {

// Asks the binding's parent for what lies behind its control and rebuilds the four
// corner slices of the cache picture (the frame entry's margins, not shrunk)
// from the frame's state frame: masked corners blend over the parent's pixels,
// keyed ones show them through their key pixels. Nothing without a frame
// entry, a cache picture or a control, or for corners without see-through
// pixels.
void RepaintControlCorners(const skin::TsCommonData& data, int state);

}  // namespace skinpaint
