#include "skinpaint/sSectionItem.h"

#include <algorithm>

#include "skin/sHueSaturation.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sEntryLookup.h"
#include "skinpaint/sManagerOrDefault.h"
#include "skinpaint/sMaskGlyph.h"
#include "skinpaint/sPixelMath.h"
#include "skinpaint/sSectionBackground.h"
#include "skinpaint/sSkinFrame.h"

namespace skinpaint {

namespace {

bool FitsInside(const gfx::TBitmap& bitmap, const gfx::TRect& rect) {
    return rect.Left >= 0 && rect.Top >= 0 && rect.Right <= bitmap.Width() && rect.Bottom <= bitmap.Height();
}

// The four corner images of a section in the corners of rect; their
// see-through pixels keep what the bitmap already holds.
void PaintCornerImages(const skin::TsSkinTables& m, const skin::TsGeneralData& section, gfx::TBitmap& bitmap,
                       const gfx::TRect& rect, int state) {
    const ParentBackground itself = BackgroundFromBitmap(bitmap, 0, 0);
    auto paint = [&](int index, bool right, bool bottom) {
        const skin::TsMaskData* entry = ValidEntry(m, index);
        if (!entry) return;
        const gfx::TPoint at{right ? rect.Right - skin::FrameWidth(*entry) : rect.Left,
                             bottom ? rect.Bottom - skin::FrameHeight(*entry) : rect.Top};
        PaintMaskGlyph(bitmap, at, state, itself, *entry, gdNormal);
    };
    paint(section.ImgTopLeftIndex, false, false);
    paint(section.ImgTopRightIndex, true, false);
    paint(section.ImgBtmLeftIndex, false, true);
    paint(section.ImgBtmRightIndex, true, true);
}

int LimitedState(const skin::TsGeneralData& section, int state) {
    return std::clamp(state, 0, std::max(section.States - 1, 0));
}

}  // namespace

void PaintSectionItem(int sectionIndex, std::string_view sectionName, const ParentBackground& background, int texture,
                      int hotTexture, const skin::TsSkinTables* manager, gfx::TBitmap& bitmap, gfx::TPoint offset,
                      const gfx::TRect& rect, int state) {
    manager = ManagerOrDefault(manager);
    if (!manager || !manager->IsValidSkinIndex(sectionIndex) || !Is32(bitmap) || rect.IsEmpty() ||
        !FitsInside(bitmap, rect))
        return;
    const skin::TsGeneralData& section = manager->Sections[size_t(sectionIndex)];
    state = LimitedState(section, state);
    PaintSectionBackground(sectionIndex, sectionName, background, KEY_COLOR, hotTexture, texture, manager, bitmap,
                           offset, rect, state);
    PaintCornerImages(*manager, section, bitmap, rect, state);
    if (const skin::TsMaskData* frame = ValidEntry(*manager, section.BordersMaskIndex))
        PaintSkinFrame(bitmap, rect, MovedBy(background, offset), *frame, state, true);
}

void PaintControlItem(const skin::TsCommonData& data, const ParentBackground& background, bool updateCorners,
                      gfx::TBitmap& bitmap, gfx::TPoint offset, const gfx::TRect& rect, int state) {
    const skin::TsSkinTables* m = data.UsedManager();
    if (!m || !m->IsValidSkinIndex(data.SectionIndex) || !Is32(bitmap) || !FitsInside(bitmap, rect)) return;
    const skin::TsGeneralData& section = m->Sections[size_t(data.SectionIndex)];
    state = LimitedState(section, state);
    PaintControlBackground(data, background, state, bitmap, offset, rect);
    PaintCornerImages(*m, section, bitmap, rect, state);
    const skin::TsMaskData* frame = ValidEntry(*m, data.FrameIndex);
    if (frame && !(state == 0 && (frame->DrawFlags & 2)))
        PaintSkinFrame(bitmap, rect, MovedBy(background, offset), *frame, state, updateCorners);
    else if (section.StateLook[size_t(std::min(state, 1))].Transparency != 0)
        return;
    if (data.HUEOffset() != 0) skin::ChangeBitmapHue(bitmap, data.HUEOffset());
    if (data.Saturation() != 0) skin::ChangeBitmapSaturation(bitmap, data.Saturation());
}

void PaintSectionItemToDC(int sectionIndex, std::string_view sectionName, const ParentBackground& background,
                          const skin::TsSkinTables* manager, gfx::TCanvas& dc, gfx::TPoint offset,
                          const gfx::TRect& rect, int state) {
    manager = ManagerOrDefault(manager);
    if (!manager || !manager->IsValidSkinIndex(sectionIndex) || rect.Left < 0 || rect.Top < 0 || rect.IsEmpty())
        return;
    const int saved = dc.SaveDC();
    gfx::TBitmap scratch(rect.Width(), rect.Height());
    PaintSectionItem(sectionIndex, sectionName, background, -1, -1, manager, scratch, offset,
                     {0, 0, rect.Width(), rect.Height()}, state);
    dc.BitBlt(rect.Left, rect.Top, rect.Width(), rect.Height(), scratch.Canvas(), 0, 0);
    dc.RestoreDC(saved);
}

}  // namespace skinpaint
