#include "skinpaint/sParentBackground.h"

#include "skin/sCommonData.h"
#include "skinpaint/sBlockCopy.h"
#include "skinpaint/sColorOps.h"
#include "vcl/TControl.h"

namespace skinpaint {

void LayBackground(gfx::TBitmap& bitmap, const gfx::TRect& area, const ParentBackground& background) {
    if (area.IsEmpty()) return;
    if (!background.Ready || !background.Bitmap) FillRect32(bitmap, area, background.FillColor);
    else if (background.Bitmap != &bitmap)
        CopyBlock(bitmap, area.Left, area.Top, *background.Bitmap, gfx::OffsetRect(area, background.X, background.Y));
}

ParentBackground BackgroundFromRequest(const BackgroundRequest& request) {
    if (request.Kind == BackgroundRequest::BitmapKnown && request.Bitmap)
        return BackgroundFromBitmap(*request.Bitmap, request.X, request.Y);
    return {nullptr, request.X, request.Y, gfx::ColorToRGB(request.Color), false};
}

ParentBackground ParentBackgroundOf(const skin::TsCommonData& data) {
    BackgroundRequest request;
    data.GetParentBackground(request);
    const ParentBackground behind = BackgroundFromRequest(request);
    if (!behind.Ready || !data.HostControl) return behind;
    return MovedBy(behind, {data.HostControl->Left(), data.HostControl->Top()});
}

}  // namespace skinpaint
