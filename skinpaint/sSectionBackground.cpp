#include "skinpaint/sSectionBackground.h"

#include <algorithm>

#include "gfx/PixelAccess.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sBlendOps.h"
#include "skinpaint/sColorOps.h"
#include "skinpaint/sEntryLookup.h"
#include "skinpaint/sGradientFill.h"
#include "skinpaint/sManagerOrDefault.h"
#include "skinpaint/sPixelMath.h"
#include "skinpaint/sTexture.h"
#include "vcl/TCustomForm.h"

namespace skinpaint {

namespace {

// The look of one state as the background painter uses it.
struct TBackgroundLook {
    TColor Color = 0;
    int Transparency = 0;
    int ImagePercent = 0;
    int GradientPercent = 0;
    const skin::TsGradArray* Gradient = nullptr;
    // A texture entry without mask, or else a JPEG pattern, or neither.
    const skin::TsMaskData* Texture = nullptr;
    const gfx::TBitmap* Pattern = nullptr;
};

bool HasMask(const skin::TsMaskData& entry) { return entry.MaskKind == 1; }

// The colour of the binding's control, or of its form for a frame provider;
// KEY_COLOR for neither.
TColor OwnColor(const skin::TsCommonData& data) {
    if (data.HostControl) return data.HostControl->Color();
    if (data.ProviderForm) return data.ProviderForm->Color();
    return KEY_COLOR;
}

TBackgroundLook SectionLook(const skin::TsSkinTables& m, int i, std::string_view name, int state, int texture,
                            int hotTexture) {
    const skin::TsGeneralData& section = m.Sections[size_t(i)];
    const bool hot = state > 0;
    TBackgroundLook look;
    look.Color = hot ? section.HotColor : section.Color;
    look.Transparency = hot ? section.HotTransparency : section.Transparency;
    if (look.Transparency == 100) return look;
    look.ImagePercent = hot ? section.HotImagePercent : section.ImagePercent;
    look.GradientPercent = hot ? section.HotGradientPercent : section.GradientPercent;
    if (look.GradientPercent != 0) look.Gradient = hot ? &section.HotGradientArray : &section.GradientArray;
    if (look.ImagePercent > 0) {
        const char* key = hot ? "HOTPATTERN" : "PATTERN";
        int index;
        if (hot) index = hotTexture != -1 ? hotTexture : m.FindMask(i, name, key);
        else index = texture >= 0 ? texture : section.PatternIndex >= 0 ? section.PatternIndex : m.FindMask(i, name, key);
        look.Texture = ValidEntry(m, index);
        if (!look.Texture) {
            const int pattern = m.FindPattern(i, name, key);
            if (pattern >= 0) look.Pattern = m.Patterns[size_t(pattern)].Image.get();
        } else if (HasMask(*look.Texture)) {
            // Laid over the finished background instead; no pattern stands in.
            look.Texture = nullptr;
        }
    }
    return look;
}

// d = ((t - d) * f + d * 256) >> 8 for every byte, t the texture tiled from
// area's top-left corner.
void MixTexture(gfx::TBitmap& bitmap, const gfx::TRect& area, const skin::TsMaskData& texture, int f) {
    const gfx::TBitmap& source = texture.Owner->SourceBitmap(texture);
    const gfx::TRect& tile = texture.SourceRect;
    if (!Is32(source) || tile.IsEmpty() || gfx::IntersectRect(tile, {0, 0, source.Width(), source.Height()}) != tile)
        return;
    const gfx::TRect r = gfx::IntersectRect(area, {0, 0, bitmap.Width(), bitmap.Height()});
    for (int y = r.Top; y < r.Bottom; ++y) {
        uint8_t* d = gfx::PixelAt32(bitmap, r.Left, y);
        const uint8_t* row = gfx::PixelAt32(source, tile.Left, tile.Top + (y - area.Top) % tile.Height());
        for (int x = r.Left; x < r.Right; ++x, d += 4) {
            const uint8_t* t = row + ((x - area.Left) % tile.Width()) * 4;
            for (int c = 0; c < 4; ++c) d[c] = uint8_t(((t[c] - d[c]) * f + d[c] * 256) >> 8);
        }
    }
}

int Weight255(int percent) { return std::clamp(percent * 255 / 100, 0, 255); }

// Colour, texture and gradient straight into area of bitmap.
void PaintDirect(gfx::TBitmap& bitmap, const gfx::TRect& area, const TBackgroundLook& look) {
    const int ip = look.ImagePercent, gp = look.GradientPercent;
    const skin::TsGradArray* gradient = look.Gradient;
    const bool hasSteps = gradient && !gradient->empty();
    if (ip + gp == 100 && gp >= 1 && gp <= 99 && look.Texture && look.Texture->DrawFlags == 0 && hasSteps &&
        ((*gradient)[0].Mode == gmVertical || (*gradient)[0].Mode == gmHorizontal)) {
        FillGradient(bitmap, area, *gradient, 0);
        MixTexture(bitmap, area, *look.Texture, Weight255(ip));
        return;
    }
    bool textured = false;
    if (ip > 0) {
        gfx::TRect rest = area;
        textured = FillTexture(bitmap, rest, look.Pattern, look.Texture ? look.Texture->DrawFlags : 0, look.Texture);
        if (!textured) rest = area;
        if (rest != AllCovered) FillRect32(bitmap, rest, look.Color);
    }
    if (gp > 0) {
        if (textured) {
            gfx::TBitmap scratch(area.Width(), area.Height());
            if (hasSteps) FillGradient(scratch, {0, 0, area.Width(), area.Height()}, *gradient, 0);
            else FillRect32(scratch, {0, 0, area.Width(), area.Height()}, look.Color);
            BlendBitmapOver(bitmap, {area.Left, area.Top}, scratch, {0, 0, area.Width(), area.Height()}, Weight255(ip));
        } else if (hasSteps) {
            FillGradient(bitmap, area, *gradient, 0);
        } else {
            FillRect32(bitmap, area, look.Color);
        }
    }
    if (ip + gp == 0) {
        FillRect32(bitmap, area, look.Color);
    } else if (ip + gp < 100) {
        // The fade takes its right column and bottom row inclusive: stop at
        // the area's own edges.
        FadeRectToColor(bitmap, {area.Left, area.Top, area.Right - 1, area.Bottom - 1}, ip + gp, look.Color);
    }
}

}  // namespace

void PaintSectionBackground(int sectionIndex, std::string_view sectionName, const ParentBackground& background,
                            TColor customColor, int hotTexture, int texture, const skin::TsSkinTables* manager,
                            gfx::TBitmap& bitmap, gfx::TPoint offset, const gfx::TRect& rect, int state) {
    manager = ManagerOrDefault(manager);
    if (!manager || !manager->IsValidSkinIndex(sectionIndex) || !Is32(bitmap) || rect.IsEmpty()) return;
    const skin::TsGeneralData& section = manager->Sections[size_t(sectionIndex)];
    state = std::clamp(state, 0, std::max(section.States - 1, 0));

    TBackgroundLook look;
    if (customColor == KEY_COLOR) look = SectionLook(*manager, sectionIndex, sectionName, state, texture, hotTexture);
    else look.Color = customColor;
    const int t = look.Transparency;
    const ParentBackground behind = MovedBy(background, offset);
    // offset already says where rect lies, so the parent's pixel behind rect's
    // top-left corner is the one at (X + offset.x, Y + offset.y).
    const ParentBackground behindRect = MovedBy(behind, {-rect.Left, -rect.Top});

    const bool nothingKnown = !background.Ready && background.FillColor == KEY_COLOR;
    if (nothingKnown || t <= 0) {
        PaintDirect(bitmap, rect, look);
    } else if (t >= 100) {
        LayBackground(bitmap, rect, behindRect);
    } else if (background.Ready || look.ImagePercent + look.GradientPercent != 0) {
        gfx::TBitmap scratch(rect.Width(), rect.Height());
        PaintDirect(scratch, {0, 0, rect.Width(), rect.Height()}, look);
        LayBackground(bitmap, rect, behindRect);
        BlendBitmapOver(bitmap, {rect.Left, rect.Top}, scratch, {0, 0, rect.Width(), rect.Height()}, Weight255(t));
    } else {
        FillRect32(bitmap, rect, MixColors(gfx::ColorToRGB(background.FillColor), look.Color, t / 100.0));
    }

    if (state == 0) {
        const skin::TsMaskData* masked = ValidEntry(*manager, texture != -1 ? texture : hotTexture);
        if (masked && HasMask(*masked) && masked->DrawFlags == tfWholeTiles)
            FillMaskedTexture(bitmap, rect, behind, tfWholeTiles, *masked);
    }
}

void PaintControlBackground(const skin::TsCommonData& data, const ParentBackground& background, int state,
                            gfx::TBitmap& bitmap, gfx::TPoint offset, const gfx::TRect& rect) {
    const skin::TsSkinTables* m = data.UsedManager();
    if (!m || !m->IsValidSkinIndex(data.SectionIndex)) return;
    const TColor own = OwnColor(data);
    const TColor custom = data.CustomColor() && own != KEY_COLOR ? gfx::ColorToRGB(own) : KEY_COLOR;
    state = std::min(state, m->Sections[size_t(data.SectionIndex)].States - 1);
    PaintSectionBackground(data.SectionIndex, data.SkinSection(), background, custom, data.HotPatternIndex,
                           data.PatternIndex, m, bitmap, offset, rect, state);
}

}  // namespace skinpaint
