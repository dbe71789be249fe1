#include "skinpaint/sSkinText.h"

#include <algorithm>

#include "skin/sControlKinds.h"
#include "skin/sHueSaturation.h"
#include "skin/sSkinColors.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sColorOps.h"
#include "skinpaint/sGlowText.h"
#include "skinpaint/sManagerOrDefault.h"
#include "vcl/TWinControl.h"

namespace skinpaint {

namespace {

constexpr TColor NoContour = -1;

// Check boxes, radio buttons and group boxes write on their parent's look, and
// so do controls without a window of their own that use their parent's font.
bool TakesParentFont(const skin::TsCommonData& data) {
    if (data.ControlKind == skin::ckCheckBox || data.ControlKind == skin::ckRadioButton ||
        data.ControlKind == skin::ckGroupBox) return true;
    const vcl::TControl* control = data.HostControl;
    return control && !dynamic_cast<const vcl::TWinControl*>(control) && control->ParentFont();
}

void DrawIn(gfx::TCanvas& canvas, std::string_view text, TColor color, const gfx::TRect& rect, unsigned format) {
    canvas.Font.Color = color;
    gfx::TRect r = rect;
    canvas.DrawText(text, r, format);
}

// The four contour copies and then the text, each colour passed through
// `adjust` first.
template <typename Adjust>
void DrawWithContours(gfx::TCanvas& canvas, std::string_view text, const skin::TsGenState& look,
                      const gfx::TRect& rect, unsigned format, unsigned textFormat, Adjust&& adjust) {
    const TColor contours[4] = {look.TCLeft, look.TCTop, look.TCRight, look.TCBottom};
    const gfx::TPoint moves[4] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    for (int i = 0; i < 4; ++i)
        if (contours[i] != NoContour)
            DrawIn(canvas, text, adjust(contours[i]), gfx::OffsetRect(rect, moves[i].X, moves[i].Y), format);
    DrawIn(canvas, text, adjust(look.FontColor), rect, textFormat);
}

}  // namespace

void WriteSectionText(gfx::TCanvas& canvas, std::string_view text, bool enabled, const skin::TsSkinTables* manager,
                      int look, int sectionIndex, unsigned format, const gfx::TRect& rect) {
    manager = ManagerOrDefault(manager);
    if (!manager || !manager->IsValidSkinIndex(sectionIndex)) return;
    const skin::TsGeneralData& section = manager->Sections[size_t(sectionIndex)];
    canvas.Brush.Style = gfx::bsClear;
    if (enabled) {
        DrawWithContours(canvas, text, section.StateLook[size_t(std::clamp(look, 0, 1))], rect, format, format,
                         [](TColor c) { return c; });
    } else {
        DrawIn(canvas, text, MixColors(section.StateLook[0].FontColor, section.Color, 0.4), rect, format);
    }
}

void WriteControlText(gfx::TCanvas& canvas, std::string_view text, bool enabled, bool hot,
                      const skin::TsCommonData& data, unsigned format, const gfx::TRect& rect) {
    skin::TsSkinManager* m = data.UsedManager();
    const int saved = canvas.SaveDC();
    // The underline belongs to this drawing only, so it goes with the saved state.
    if (hot && m && data.SectionIndex >= 0 && data.SectionIndex == m->FindSection("WEBBUTTON"))
        canvas.Font.Style |= gfx::fsUnderline;
    canvas.IntersectClipRect(rect);
    canvas.Brush.Style = gfx::bsClear;

    if (data.IsSkinned() && !data.CustomFont() && m) {
        const int state = hot ? 1 : 0;
        int index = data.SectionIndex;
        if (TakesParentFont(data) && m->IsValidSkinIndex(index) &&
            m->Sections[size_t(index)].StateLook[size_t(state)].Transparency > 0)
            index = skin::TsCommonData::FindFontSection(data.HostControl, index, m, state);
        if (!m->IsValidSkinIndex(index)) {
            DrawIn(canvas, text, canvas.Font.Color, rect, format);
        } else {
            const skin::TsGeneralData& section = m->Sections[size_t(index)];
            const skin::TsGenState& look = section.StateLook[size_t(state)];
            auto adjust = [&](TColor c) {
                if (data.HUEOffset() != 0) c = skin::ChangeColorHue(c, data.HUEOffset());
                if (data.Saturation() != 0) c = skin::ChangeColorSaturation(c, data.Saturation());
                return c;
            };
            if (data.CachePicture && look.GlowSize > 0) {
                gfx::TBitmap map;
                DrawGlowText(*data.CachePicture, text, rect, map, adjust(look.GlowColor), look.GlowSize, 15, format);
            }
            if (!enabled)
                DrawIn(canvas, text, adjust(MixColors(section.StateLook[0].FontColor, skin::SkinBackColor(*m), 0.4)), rect,
                       format);
            else
                DrawWithContours(canvas, text, look, rect, format, format | gfx::DT_NOCLIP, adjust);
        }
    } else if (enabled) {
        DrawIn(canvas, text, canvas.Font.Color, rect, format);
    } else {
        DrawIn(canvas, text, gfx::clBtnHighlight, gfx::OffsetRect(rect, 1, 1), format);
        DrawIn(canvas, text, gfx::clGrayText, rect, format);
    }
    canvas.RestoreDC(saved);
}

}  // namespace skinpaint
