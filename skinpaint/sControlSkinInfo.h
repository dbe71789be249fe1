#pragma once
// What the painters read from a control's skin binding: its section and the
// entries resolved for it, its colours, its cache picture and its place in its
// parent. The binding fills one of these for each paint.
#include <string>

#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"
#include "skin/sCommonData.h"
#include "skin/sSkinTables.h"
#include "skinpaint/sParentBackground.h"

namespace skinpaint {

struct TsControlSkinInfo {
    // The tables of the manager the binding uses; null when there is none.
    const skin::TsSkinTables* Manager = nullptr;
    int SectionIndex = -1;
    std::string SkinSection;
    // The section's BORDERSMASK, PATTERN and HOTPATTERN entries, or -1.
    int FrameIndex = -1;
    int PatternIndex = -1;
    int HotPatternIndex = -1;
    bool CustomColor = false;
    bool CustomFont = false;
    // The colour of the form (for a frame provider) or of the control;
    // KEY_COLOR when there is no control.
    TColor OwnerColor = KEY_COLOR;
    int HUEOffset = 0;
    int Saturation = 0;
    // The cache picture, null when the owner has none.
    gfx::TBitmap* CachePicture = nullptr;
    // The control's rectangle in its parent's client area; HasControl is false
    // for bindings without a control.
    bool HasControl = false;
    gfx::TRect Bounds;
    // Asks the control's parent for what lies behind it.
    TBackgroundAsker AskParent;

    // For text: the binding's skinned test, and whether the control takes its
    // text colours from a parent (check boxes, radio buttons, group boxes, and
    // controls without a window of their own that use their parent's font)
    // together with the section the binding's font search found there.
    bool Skinned = false;
    bool TakesParentFont = false;
    int ParentFontSectionIndex = -1;
};

// What the painters read from a binding, for painting in `state`: its
// manager's tables, section, entries, colours and cache picture, its place in
// its parent, the parent asked through the binding, and for text the section
// it takes its font colours from.
TsControlSkinInfo ControlSkinInfo(skin::TsCommonData& data, int state = 0);

// The skin's global colour: GLOBALINFO's colour, the system button face when
// the skin has no such section.
TColor SkinBackColor(const skin::TsSkinTables& manager);

}  // namespace skinpaint
