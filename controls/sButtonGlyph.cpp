#include "controls/sButtonGlyph.h"

#include <algorithm>

#include "controls/sSpeedButton.h"
#include "skinpaint/sBlendOps.h"
#include "skinpaint/sColorOps.h"

namespace controls {

namespace {

bool HasOpaquePixel(const gfx::TBitmap& glyph) {
    for (int y = 0; y < glyph.Height(); ++y) {
        const uint8_t* p = glyph.ScanLine(y);
        for (int x = 0; x < glyph.Width(); ++x)
            if (p[x * 4 + 3] == 255) return true;
    }
    return false;
}

// Several frames: normal (and disabled), hot, pressed, and held down; a
// glyph with fewer frames falls back to its hot frame. (Our bitmaps have no
// 16-colour format, whose glyphs fall back to their first frame.)
int KeyedFrame(const TsGlyphLook& look) {
    if (look.NumGlyphs <= 1 || !look.Enabled || look.State == 0) return 0;
    const int wanted = look.State == 1 ? 1 : look.Down ? 3 : 2;
    return wanted < look.NumGlyphs ? wanted : 1;
}

}  // namespace

void PaintButtonGlyph(gfx::TBitmap& picture, gfx::TPoint at, gfx::TBitmap& glyph, const TsGlyphLook& look) {
    const int frames = std::max(1, look.NumGlyphs);
    const int gw = glyph.Width() / frames, gh = glyph.Height();
    if (gw <= 0 || gh <= 0) return;
    if (glyph.PixelFormat() == gfx::pf32bit && !look.Enabled && !HasOpaquePixel(glyph))
        glyph.SetPixelFormat(gfx::pf24bit);

    if (glyph.PixelFormat() == gfx::pf32bit) {
        const int frame = std::min(look.State, frames - 1);
        const bool tinted = (look.State == 0 && look.Grayed) || (!look.Enabled && (look.DisabledGlyphKind & dgGrayed));
        skinpaint::DrawAlphaImage(picture, gfx::Bounds(at.X, at.Y, gw, gh), glyph, gfx::Bounds(frame * gw, 0, gw, gh),
                                  look.State == 0 ? look.Blend : 0, tinted ? look.GrayTint : skinpaint::NO_TINT);
        return;
    }
    const int frame = KeyedFrame(look);
    gfx::TBitmap scratch;
    scratch.Assign(glyph);
    scratch.SetPixelFormat(gfx::pf32bit);
    skinpaint::SetRectAlpha(scratch, {0, 0, scratch.Width(), scratch.Height()}, 255, false);
    const uint8_t* corner = scratch.ScanLine(gh - 1) + frame * gw * 4;
    const skinpaint::TColor key = skinpaint::TColor(corner[2] | corner[1] << 8 | corner[0] << 16);
    double weightBehind = 0;
    if (!look.Enabled && frames == 1) {
        if (look.DisabledGlyphKind & dgGrayed) skinpaint::GrayScaleKeyed(scratch, key);
        if (look.DisabledGlyphKind & dgBlended) weightBehind = 0.5;
    } else if (look.Enabled && frames == 1 && look.State == 0 && look.Blend > 0) {
        weightBehind = look.Blend / 100.0;
    }
    // The source rectangle counts its right column and bottom row.
    skinpaint::BlendKeyedImage(picture, at, scratch, {frame * gw, 0, frame * gw + gw - 1, gh - 1}, key, weightBehind);
}

}  // namespace controls
