#include "skinpaint/sControlSkinInfo.h"

#include "skin/sControlKinds.h"
#include "skin/sSkinManager.h"
#include "vcl/TCustomForm.h"
#include "vcl/TWinControl.h"

namespace skinpaint {

namespace {
// Check boxes, radio buttons and group boxes write on their parent's look.
bool TakesParentFont(const skin::TsCommonData& data) {
    if (data.ControlKind == skin::ckCheckBox || data.ControlKind == skin::ckRadioButton ||
        data.ControlKind == skin::ckGroupBox) return true;
    const vcl::TControl* control = data.HostControl;
    return control && !dynamic_cast<const vcl::TWinControl*>(control) && control->ParentFont();
}
}  // namespace

TsControlSkinInfo ControlSkinInfo(skin::TsCommonData& data, int state) {
    TsControlSkinInfo info;
    skin::TsSkinManager* manager = data.UsedManager();
    info.Manager = manager;
    info.SectionIndex = data.SectionIndex;
    info.SkinSection = data.SkinSection();
    info.FrameIndex = data.FrameIndex;
    info.PatternIndex = data.PatternIndex;
    info.HotPatternIndex = data.HotPatternIndex;
    info.CustomColor = data.CustomColor();
    info.CustomFont = data.CustomFont();
    if (data.HostControl) info.OwnerColor = data.HostControl->Color();
    else if (data.ProviderForm) info.OwnerColor = data.ProviderForm->Color();
    info.HUEOffset = data.HUEOffset();
    info.Saturation = data.Saturation();
    info.CachePicture = data.CachePicture.get();
    info.HasControl = data.HostControl != nullptr;
    if (data.HostControl) info.Bounds = data.HostControl->BoundsRect();
    info.AskParent = [&data](BackgroundRequest& request) { data.GetParentBackground(request); };
    info.Skinned = data.IsSkinned();
    info.TakesParentFont = TakesParentFont(data);
    if (info.TakesParentFont)
        info.ParentFontSectionIndex =
            skin::TsCommonData::FindFontSection(data.HostControl, data.SectionIndex, manager, state);
    return info;
}

TColor SkinBackColor(const skin::TsSkinTables& manager) {
    const int global = manager.FindSection("GLOBALINFO");
    return global >= 0 ? manager.Sections[size_t(global)].Color : gfx::ColorToRGB(gfx::clBtnFace);
}

}  // namespace skinpaint
