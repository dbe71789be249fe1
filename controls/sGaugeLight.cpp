#include "controls/sGaugeLight.h"

#include "gfx/ImageCodecs.h"
#include "skinpaint/sBlockCopy.h"
#include "skinpaint/sResample.h"
#include "vcl/Resources.h"

namespace controls {

void MakeGaugeLight(gfx::TBitmap& light, int thickness) {
    light.SetSize(0, 0);
    const auto data = vcl::FindResource("ACGL");
    if (!data || thickness < 1) return;
    gfx::TBitmap picture;
    try {
        picture = gfx::ReadPng(*data);
    } catch (const std::exception&) {
        return;
    }
    if (picture.Width() < 2 || picture.Height() < 2) return;
    picture.SetPixelFormat(gfx::pf32bit);
    int skipped = 0;
    if (thickness < picture.Height()) {
        skipped = (picture.Height() - thickness) / 2 + 1;
        if (2 * skipped > thickness || picture.Height() - skipped < 2) skipped = 0;
    }
    gfx::TBitmap source(picture.Width(), picture.Height() - skipped);
    skinpaint::CopyBlock(source, 0, 0, picture, {0, skipped, picture.Width(), picture.Height()});
    skinpaint::ResampleBitmap(source, light, GaugeLightLength, skinpaint::rfTriangle, thickness);
}

}  // namespace controls
