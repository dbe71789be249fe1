// The gauge's picture: the trough of its own section with the text in the
// trough's colours, then the filled part from the bar's section with the
// light over it and the same text, in the same place, in the bar's colours.
// So the digits change colour exactly where the bar ends.
#include <algorithm>

#include "controls/sGauge.h"
#include "controls/sGaugeLight.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sBlendOps.h"
#include "skinpaint/sBlockCopy.h"
#include "skinpaint/sControlCorners.h"
#include "skinpaint/sSectionBackground.h"
#include "skinpaint/sSectionItem.h"
#include "skinpaint/sSkinFrame.h"
#include "skinpaint/sSkinText.h"

namespace controls {

namespace {

using namespace skinpaint;

constexpr unsigned TextFormat = gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE | gfx::DT_NOPREFIX;

bool IsBar(vcl::TGaugeKind kind) { return kind == vcl::gkHorizontalBar || kind == vcl::gkVerticalBar; }

}  // namespace

void TsGauge::Paint() {
    if (Width() <= 0 || Height() <= 0) return;
    if (!Skinned()) {
        vcl::TGauge::Paint();
        return;
    }
    if (FLightResting && FAnimated) StartLight();
    FPaintDeferred = FCommonData.MustDeferPaint();
    if (FPaintDeferred) {
        Canvas().SetPixels(0, 0, KEY_COLOR);
        return;
    }
    ComposePicture();
    RepaintControlCorners(FCommonData, 0);
    gfx::TBitmap& cache = *FCommonData.CachePicture;
    Canvas().BitBlt(0, 0, Width(), Height(), cache.Canvas(), 0, 0);
    // Made again by the next composition; a gauge has no children asking for it.
    cache.SetSize(0, 0);
}

void TsGauge::ComposePicture() {
    FCommonData.SizeCachePicture();
    gfx::TBitmap& cache = *FCommonData.CachePicture;
    const ParentBackground behind = ParentBackgroundOf(FCommonData);

    const gfx::TRect whole{0, 0, Width(), Height()};
    const bool frameOnTop = FCommonData.Section().ReservedBoolean && IsBar(Kind());
    if (frameOnTop) PaintControlBackground(FCommonData, behind, 0, cache, {0, 0}, whole);
    else PaintControlItem(FCommonData, behind, true, cache, {0, 0}, whole, 0);
    if (ShowText()) {
        cache.Canvas().Font = Font().Handle();
        WriteControlText(cache.Canvas(), Text(), Enabled(), false, FCommonData, TextFormat, whole);
    }
    if (IsBar(Kind())) PaintBar(whole);
    const skin::TsSkinManager* manager = FCommonData.UsedManager();
    if (frameOnTop && manager && manager->IsValidImgIndex(FCommonData.FrameIndex))
        PaintSkinFrame(cache, whole, behind, manager->Masks[size_t(FCommonData.FrameIndex)], 0, true);
    FCommonData.PictureStale = false;
}

int TsGauge::BarSectionIndex() const {
    const skin::TsSkinManager* manager = FCommonData.UsedManager();
    if (!manager) return -1;
    if (!FProgressSkin.empty()) return manager->FindSection(FProgressSkin);
    // A vertical bar takes its own section where the skin has one.
    if (Kind() == vcl::gkVerticalBar) {
        const int vertical = manager->FindSection("PROGRESSV");
        if (vertical >= 0) return vertical;
    }
    return manager->FindSection("PROGRESSH");
}

// The filled part lies at the left of a horizontal bar and at the bottom of a
// vertical one; it is painted once per size and kept for the light's ticks.
void TsGauge::PaintBar(const gfx::TRect& bar) {
    const int sectionIndex = BarSectionIndex();
    const bool vertical = Kind() == vcl::gkVerticalBar;
    const int filled = FilledLength(vertical ? bar.Height() : bar.Width());
    if (sectionIndex < 0 || filled <= 0) return;
    const skin::TsSkinManager* manager = FCommonData.UsedManager();
    const skin::TsGeneralData& section = manager->Sections[size_t(sectionIndex)];
    gfx::TBitmap& cache = *FCommonData.CachePicture;
    const gfx::TRect place = vertical ? gfx::TRect{bar.Left, bar.Bottom - filled, bar.Right, bar.Bottom}
                                      : gfx::TRect{bar.Left, bar.Top, bar.Left + filled, bar.Bottom};
    gfx::TBitmap part(place.Width(), place.Height());
    const gfx::TRect partRect{0, 0, part.Width(), part.Height()};
    if (FBarPicture && FBarPicture->Width() == part.Width() && FBarPicture->Height() == part.Height()) {
        CopyBlock(part, 0, 0, *FBarPicture, partRect);
    } else {
        // The bar's see-through corners show the trough under them.
        const ParentBackground trough = BackgroundFromBitmap(cache, place.Left, place.Top);
        if (FCommonData.Section().ReservedBoolean)
            PaintSectionBackground(sectionIndex, section.SectionName, trough, KEY_COLOR, -1, -1, manager, part, {0, 0},
                                   partRect, 0);
        else
            PaintSectionItem(sectionIndex, section.SectionName, trough, -1, -1, manager, part, {0, 0}, partRect, 0);
        FBarPicture = std::make_unique<gfx::TBitmap>();
        FBarPicture->Assign(part);
    }
    if (!vertical) PaintLight(part);
    if (ShowText()) {
        part.Canvas().Font = Font().Handle();
        WriteSectionText(part.Canvas(), Text(), Enabled(), manager, 0, sectionIndex, TextFormat,
                         gfx::OffsetRect(bar, -place.Left, -place.Top));
    }
    CopyBlock(cache, place.Left, place.Top, part, partRect);
}

// The light runs from left to right over the filled part only.
void TsGauge::PaintLight(gfx::TBitmap& filled) {
    if (!FAnimated || FLightPos >= GaugeLightLength + filled.Width()) return;
    if (FLightImage.Width() != GaugeLightLength || FLightImage.Height() != filled.Height())
        MakeGaugeLight(FLightImage, filled.Height());
    if (FLightImage.Empty()) return;
    const gfx::TRect light{FLightPos, 0, FLightPos + GaugeLightLength, filled.Height()};
    const gfx::TRect shown = gfx::IntersectRect(light, {0, 0, filled.Width(), filled.Height()});
    if (shown.IsEmpty()) return;
    DrawAlphaImage(filled, shown, FLightImage, gfx::OffsetRect(shown, -FLightPos, 0), 0, NO_TINT);
}

}  // namespace controls
