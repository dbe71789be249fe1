#pragma once
// The window region of a skinned frame: the window rectangle without the
// see-through pixels of the frame's corners, so that rounded corners show.
#include <vector>

#include "gfx/TRegion.h"
#include "skin/sSkinRecords.h"
#include "skinpaint/sFormGeometry.h"

namespace skinpaint {

// The runs of see-through pixels of the form frame's four corners and of the
// title frame's two top corners (either entry may be null), one row high each.
std::vector<gfx::TRect> FrameRegionRuns(const skin::TsMaskData* formFrame, const skin::TsMaskData* titleFrame,
                                        int width, int height);

// The window rectangle less the runs; for a maximised window the rectangle
// shrunk by the border width, so that the frame lies off the screen.
gfx::TRegion FrameRegion(const std::vector<gfx::TRect>& runs, const TFormGeometry& geometry);

}  // namespace skinpaint
