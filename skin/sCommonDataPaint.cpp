// What the binding offers its owner's painting: the section to take a text
// colour from, and copying the cache picture around the children.
#include <algorithm>

#include "skin/sCommonData.h"
#include "skin/sSkinBroadcast.h"
#include "skin/sSkinManager.h"
#include "vcl/TWinControl.h"

namespace skin {

namespace {

vcl::TMessage Command(uint16_t command, ui::LPARAM lParam = 0) {
    return {SKIN_COMMAND_MESSAGE, SkinCommandWParam(command), lParam};
}

// The section a control names: its binding's, else its answer to
// SKC_GET_SECTION_INDEX.
int SectionOf(vcl::TControl& control) {
    const auto* binding = reinterpret_cast<const TsSkinBinding*>(SendSkinCommand(control, Command(SKC_GET_SKIN_DATA)));
    if (const auto* data = dynamic_cast<const TsCommonData*>(binding)) return data->SectionIndex;
    TacSectionInfo info;
    SendSkinCommand(control, Command(SKC_GET_SECTION_INDEX, reinterpret_cast<ui::LPARAM>(&info)));
    return info.SectionIndex;
}

}  // namespace

int TsCommonData::FindFontSection(vcl::TControl* control, int defaultIndex, TsSkinManager* manager, int state) {
    if (!control || !manager) return defaultIndex;
    for (vcl::TWinControl* parent = control->Parent(); parent;) {
        const int index = SectionOf(*parent);
        if (!manager->IsValidSkinIndex(index)) return defaultIndex;
        const TsGeneralData& section = manager->Sections[size_t(index)];
        const int look = std::max(0, std::min(state > 0 ? 1 : 0, section.States - 1));
        // A see-through parent shows its own parent's colours.
        if (section.StateLook[size_t(look)].Transparency > 50 && parent->Parent()) {
            parent = parent->Parent();
            continue;
        }
        return section.GiveOwnFont ? index : defaultIndex;
    }
    return defaultIndex;
}

void TsCommonData::CopyCacheExcludingChildren(gfx::TCanvas& dc, const gfx::TRect& area, int x, int y) const {
    CopyCacheAround(dc, area, x, y, false);
}

void TsCommonData::CopyCacheExcludingChildWindows(gfx::TCanvas& dc, const gfx::TRect& area, int x, int y) const {
    CopyCacheAround(dc, area, x, y, true);
}

void TsCommonData::CopyCacheAround(gfx::TCanvas& dc, const gfx::TRect& area, int x, int y, bool windowsOnly) const {
    if (!CachePicture || area.IsEmpty()) return;
    const int saved = dc.SaveDC();
    const int dx = x - area.Left;
    const int dy = y - area.Top;
    if (vcl::TWinControl* owner = WindowedOwner()) {
        for (int i = 0; i < owner->ControlCount(); ++i) {
            vcl::TControl& child = *owner->Controls(i);
            if (!child.Visible()) continue;
            const bool windowed = dynamic_cast<vcl::TWinControl*>(&child) != nullptr;
            const gfx::TRect bounds = gfx::OffsetRect(child.BoundsRect(), dx, dy);
            if (windowed && windowsOnly) ExcludeChildWindow(dc, child, bounds);
            else if (windowed) dc.ExcludeClipRect(bounds);
            // Children without a window are left out where they paint over
            // the parent themselves.
            else if (!windowsOnly && ((child.ControlStyle() & vcl::csOpaque) || IsSkinnedControl(child)))
                dc.ExcludeClipRect(bounds);
        }
    }
    dc.CopyRect({x, y, x + area.Width(), y + area.Height()}, CachePicture->Canvas(), area);
    dc.RestoreDC(saved);
}

void TsCommonData::ExcludeChildWindow(gfx::TCanvas& dc, vcl::TControl& child, const gfx::TRect& bounds) const {
    // A group box shows the parent through its middle: only its frame is its own.
    const int captionHeight = int(SendSkinCommand(child, Command(SKC_GET_CAPTION_HEIGHT)));
    const TsSkinManager* manager = UsedManager();
    const int groupBox = captionHeight > 0 && manager ? manager->FindSection("GROUPBOX") : -1;
    if (groupBox < 0) {
        dc.ExcludeClipRect(bounds);
        return;
    }
    const int frame = manager->Sections[size_t(groupBox)].BordersMaskIndex;
    int left = 0, right = 0, bottom = 0;
    if (manager->IsValidImgIndex(frame)) {
        const TsMaskData& entry = manager->Masks[size_t(frame)];
        left = entry.MarginLeft;
        right = entry.MarginRight;
        bottom = entry.MarginBottom;
    }
    dc.ExcludeClipRect({bounds.Left, bounds.Top, bounds.Right, bounds.Top + captionHeight});
    dc.ExcludeClipRect({bounds.Left, bounds.Top, bounds.Left + left, bounds.Bottom});
    dc.ExcludeClipRect({bounds.Right - right, bounds.Top, bounds.Right, bounds.Bottom});
    dc.ExcludeClipRect({bounds.Left, bounds.Bottom - bottom, bounds.Right, bounds.Bottom});
}

}  // namespace skin
