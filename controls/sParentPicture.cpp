#include "controls/sParentPicture.h"

#include "vcl/TControl.h"

namespace controls {

skinpaint::ParentBackground ParentPicture(skin::TsCommonData& data) {
    skin::BackgroundRequest request;
    if (data.HostControl) request.ClipRect = data.HostControl->BoundsRect();
    data.GetParentBackground(request);
    skinpaint::ParentBackground behind = skinpaint::BackgroundFromRequest(request);
    if (behind.Ready && data.HostControl) {
        behind.X += data.HostControl->Left();
        behind.Y += data.HostControl->Top();
    }
    return behind;
}

}  // namespace controls
