#include "skinpaint/sControlSkinInfo.h"

namespace skinpaint {

TColor SkinBackColor(const skin::TsSkinTables& manager) {
    const int global = manager.FindSection("GLOBALINFO");
    return global >= 0 ? manager.Sections[size_t(global)].Color : gfx::ColorToRGB(gfx::clBtnFace);
}

}  // namespace skinpaint
