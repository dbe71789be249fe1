#include "skinpaint/sCaptionText.h"

#include <algorithm>

#include "gfx/TextLayout.h"
#include "skinpaint/sBlockCopy.h"
#include "skinpaint/sColorOps.h"
#include "skinpaint/sGlowText.h"
#include "skinpaint/sSectionItem.h"
#include "skinpaint/sSkinText.h"
#include "ui/Metrics.h"

namespace skinpaint {

namespace {

int LookOf(const skin::TsSkinTables& tables, int section, bool active) {
    return std::max(0, std::min(active ? 1 : 0, tables.Sections[size_t(section)].States - 1));
}

// Behind the text: the CAPTION section, widened a little, over a copy of the
// title band.
void PaintCaptionSection(gfx::TBitmap& picture, const skin::TsSkinTables& tables, const TFormGeometry& geometry,
                         int section, const gfx::TRect& text, bool active) {
    const gfx::TRect band = geometry.TitleBand();
    gfx::TBitmap copy(band.Width(), band.Height());
    CopyBlock(copy, 0, 0, picture, band);
    const gfx::TRect behind{text.Left - 4, text.Top - 2, text.Right + 4, text.Bottom + 2};
    const gfx::TRect clipped = gfx::IntersectRect(behind, band);
    if (clipped.IsEmpty()) return;
    PaintSectionItem(section, "CAPTION", BackgroundFromBitmap(copy, 0, 0), -1, -1, &tables, picture, {0, 0}, clipped,
                     LookOf(tables, section, active));
}

void DrawAddedTitle(gfx::TBitmap& picture, const skin::TsSkinTables& tables, const TCaptionParams& p, int left,
                    const gfx::TRect& area, unsigned format) {
    gfx::TCanvas& canvas = picture.Canvas();
    canvas.Font = p.AddedFont;
    const gfx::TColor title = tables.IsValidSkinIndex(p.TitleSectionIndex)
                                  ? tables.Sections[size_t(p.TitleSectionIndex)]
                                        .StateLook[size_t(LookOf(tables, p.TitleSectionIndex, p.Active))]
                                        .FontColor
                                  : gfx::ColorToRGB(gfx::clCaptionText);
    gfx::TColor color = p.AddedFont.Color;
    if (color == gfx::clNone || color == gfx::clWindowText) color = title;
    else if (!p.Active) color = MixColors(gfx::ColorToRGB(color), title, 0.5);
    canvas.Font.Color = color;
    canvas.Brush.Style = gfx::bsClear;
    gfx::TRect r{left, area.Top, area.Right, area.Bottom};
    canvas.DrawText(p.AddedText, r, format);
}

}  // namespace

gfx::TRect CaptionArea(const skin::TsSkinTables& tables, const TFormGeometry& geometry, const TCaptionParams& p) {
    const int left = geometry.Border + p.IconWidth + tables.GlobalInfo.BiLeft + (p.CaptionSectionIndex >= 0 ? 2 : 0) + 4;
    return {left, geometry.Maximized ? 3 : 2, geometry.Width - p.ButtonsWidth - 12, geometry.TitleHeight()};
}

void DrawCaption(gfx::TBitmap& picture, const skin::TsSkinTables& tables, const TFormGeometry& geometry,
                 const TCaptionParams& p, gfx::TBitmap& glowCache) {
    const gfx::TRect area = CaptionArea(tables, geometry, p);
    if (area.IsEmpty()) return;
    gfx::TCanvas& canvas = picture.Canvas();
    canvas.Font = ui::GetNonClientMetrics().CaptionFont;
    canvas.Brush.Style = gfx::bsClear;
    unsigned format = gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX | gfx::DT_END_ELLIPSIS;
    if (p.RightToLeft) format |= gfx::DT_RTLREADING;
    const std::string text = p.ShowMainCaption ? p.Text : std::string();
    const int width = text.empty() ? 0 : canvas.TextWidth(text);
    vcl::TAlignment alignment = p.Alignment;
    if (p.RightToLeft && alignment != vcl::taCenter)
        alignment = alignment == vcl::taLeftJustify ? vcl::taRightJustify : vcl::taLeftJustify;
    gfx::TRect r = area;
    if (alignment == vcl::taRightJustify && width < area.Width()) r.Left = area.Right - width;
    if (alignment == vcl::taCenter) r.Left = std::max(area.Left, (geometry.Width - width) / 2);
    r.Right = std::min(area.Right, r.Left + width);

    const bool ownSection = tables.IsValidSkinIndex(p.CaptionSectionIndex);
    const int section = ownSection ? p.CaptionSectionIndex : p.TitleSectionIndex;
    if (!text.empty() && tables.IsValidSkinIndex(section)) {
        if (ownSection) PaintCaptionSection(picture, tables, geometry, section, r, p.Active);
        canvas.Font = ui::GetNonClientMetrics().CaptionFont;
        const skin::TsGeneralData& look = tables.Sections[size_t(section)];
        const int glowSize = p.Active ? look.HotGlowSize : look.GlowSize;
        if (glowSize > 0)
            DrawGlowText(picture, text, r, glowCache, p.Active ? look.HotGlowColor : look.GlowColor, glowSize, 0, format);
        WriteSectionText(canvas, text, p.Enabled, &tables, LookOf(tables, section, p.Active), section, format, r);
    }
    if (!p.AddedText.empty()) DrawAddedTitle(picture, tables, p, r.Right + (width > 0 ? 4 : 0), area, format);
}

}  // namespace skinpaint
