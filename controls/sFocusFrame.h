#pragma once
// The controls draw the painting layer's focus frame, which the button
// adapters share.
#include "skinpaint/sFocusFrame.h"

namespace controls {

using skinpaint::DrawSkinFocusFrame;

}  // namespace controls
