#include "skinpaint/sFormRegion.h"

#include "skinpaint/sFrameSupport.h"

namespace skinpaint {

std::vector<gfx::TRect> FrameRegionRuns(const skin::TsMaskData* formFrame, const skin::TsMaskData* titleFrame,
                                        int width, int height) {
    std::vector<gfx::TRect> runs;
    if (formFrame) {
        CollectKeyRuns(runs, *formFrame, false, width, 0);
        CollectKeyRuns(runs, *formFrame, true, width, height - formFrame->MarginBottom);
    }
    if (titleFrame) CollectKeyRuns(runs, *titleFrame, false, width, 0);
    return runs;
}

gfx::TRegion FrameRegion(const std::vector<gfx::TRect>& runs, const TFormGeometry& geometry) {
    const gfx::TRect window{0, 0, geometry.Width, geometry.Height};
    if (geometry.Maximized) {
        const int b = geometry.Border;
        return gfx::TRegion(gfx::TRect{b, b, geometry.Width - b, geometry.Height - b});
    }
    gfx::TRegion region(window);
    if (!runs.empty()) region.Combine(region, gfx::TRegion::FromRects(runs), gfx::RGN_DIFF);
    return region;
}

}  // namespace skinpaint
