#include "skin/sHueSaturation.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace skin {

namespace {

constexpr gfx::TColor KeyColor = 0xFF00FF;

struct TRgb {
    int R, G, B;
};

uint8_t Channel(double value) { return static_cast<uint8_t>(std::clamp(std::lround(value), 0L, 255L)); }

TRgb TurnHue(TRgb c, int degrees) {
    const double r = c.R, g = c.G, b = c.B;
    const double maxValue = std::max({r, g, b}), minValue = std::min({r, g, b});
    const double delta = maxValue - minValue;
    if (delta == 0) return c;
    const double s = delta / maxValue, v = maxValue;
    double h = maxValue == r ? (g - b) / delta : maxValue == g ? 2 + (b - r) / delta : 4 + (r - g) / delta;
    h = std::fmod(h * 60 + degrees, 360.0);
    if (h < 0) h += 360;
    const double sector = h / 60;
    const int i = static_cast<int>(sector) % 6;
    const double f = sector - std::floor(sector);
    const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    double rgb[6][3] = {{v, t, p}, {q, v, p}, {p, v, t}, {p, q, v}, {t, p, v}, {v, p, q}};
    return {Channel(rgb[i][0]), Channel(rgb[i][1]), Channel(rgb[i][2])};
}

TRgb Saturate(TRgb c, int percent) {
    const double m = (c.R + c.G + c.B) / 3.0;
    auto move = [&](int channel) { return Channel(channel - (m - channel) * percent / 100.0); };
    return {move(c.R), move(c.G), move(c.B)};
}

template <typename Change>
void ChangeBitmap(gfx::TBitmap& bitmap, Change&& change) {
    if (bitmap.PixelFormat() != gfx::pf32bit) return;
    for (int y = 0; y < bitmap.Height(); ++y) {
        uint8_t* p = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x, p += 4) {
            const bool key = p[0] == 0xFF && p[1] == 0 && p[2] == 0xFF && p[3] == 0;
            if (key || (p[0] == p[1] && p[1] == p[2])) continue;
            const TRgb c = change(TRgb{p[2], p[1], p[0]});
            p[0] = static_cast<uint8_t>(c.B);
            p[1] = static_cast<uint8_t>(c.G);
            p[2] = static_cast<uint8_t>(c.R);
        }
    }
}

template <typename Change>
gfx::TColor ChangeColor(gfx::TColor color, Change&& change) {
    if (color < 0 || color == KeyColor) return color;
    const TRgb c{gfx::GetRValue(color), gfx::GetGValue(color), gfx::GetBValue(color)};
    if (c.R == c.G && c.G == c.B) return color;
    const TRgb changed = change(c);
    return (color & ~0xFFFFFF) | gfx::RGB(changed.R, changed.G, changed.B);
}

void ChangeGradient(TsGradArray& steps, const auto& change) {
    for (TsGradientStep& step : steps) {
        step.Color1 = change(step.Color1);
        step.Color2 = change(step.Color2);
    }
}

// Every colour of the sections and the two recoloured colours of GlobalInfo.
template <typename Change>
void ChangeSkinColors(TsSkinTables& tables, Change&& change) {
    auto unlessNone = [&](gfx::TColor color) { return color == -1 ? color : change(color); };
    for (TsGeneralData& d : tables.Sections) {
        d.Color = change(d.Color);
        d.HotColor = change(d.HotColor);
        d.GlowColor = change(d.GlowColor);
        d.HotGlowColor = change(d.HotGlowColor);
        for (gfx::TColor& color : d.FontColor) color = unlessNone(color);
        for (gfx::TColor& color : d.HotFontColor) color = unlessNone(color);
        ChangeGradient(d.GradientArray, change);
        ChangeGradient(d.HotGradientArray, change);
        for (TsGenState& look : d.StateLook) {
            look.Color = change(look.Color);
            look.GlowColor = change(look.GlowColor);
            for (gfx::TColor* color : {&look.FontColor, &look.TCLeft, &look.TCTop, &look.TCRight, &look.TCBottom})
                *color = unlessNone(*color);
            ChangeGradient(look.GradientArray, change);
        }
    }
    tables.GlobalInfo.Shadow1Color = change(tables.GlobalInfo.Shadow1Color);
    tables.GlobalInfo.BorderColor = change(tables.GlobalInfo.BorderColor);
}

// A piece of the master bitmap kept out of the hue shift.
struct TKeptPiece {
    gfx::TRect Rect;
    std::vector<uint8_t> Pixels;
};

// The title buttons BiKeepHue names: 1 all of them, any other value but 0
// only the close buttons.
std::vector<std::string> TitleButtonsKeepingHue(int biKeepHue) {
    if (biKeepHue == 0) return {};
    if (biKeepHue != 1) return {"BICONCLOSE", "SICONCLOSE"};
    return {"BICONCLOSE", "SICONCLOSE", "BICONMAX", "BICONMIN", "BICONNORM",
            "BICONHELP",  "SICONMAX",   "SICONMIN", "SICONNORM"};
}

void CopyPiece(gfx::TBitmap& master, TKeptPiece& piece, bool back) {
    const size_t rowBytes = static_cast<size_t>(piece.Rect.Width()) * 4;
    for (int y = piece.Rect.Top; y < piece.Rect.Bottom; ++y) {
        uint8_t* row = master.ScanLine(y) + piece.Rect.Left * 4;
        uint8_t* kept = piece.Pixels.data() + static_cast<size_t>(y - piece.Rect.Top) * rowBytes;
        back ? std::copy(kept, kept + rowBytes, row) : std::copy(row, row + rowBytes, kept);
    }
}

void ShiftHue(TsSkinTables& tables, int degrees) {
    std::vector<TKeptPiece> kept;
    std::vector<int> keptGlows;
    const gfx::TRect masterRect{0, 0, tables.MasterImage.Width(), tables.MasterImage.Height()};
    for (const std::string& key : TitleButtonsKeepingHue(tables.GlobalInfo.BiKeepHue)) {
        const int index = tables.FindMaskExact("GLOBALINFO", key);
        if (index >= 0 && !tables.Masks[static_cast<size_t>(index)].Bitmap &&
            tables.MasterImage.PixelFormat() == gfx::pf32bit) {
            TKeptPiece piece{gfx::IntersectRect(tables.Masks[static_cast<size_t>(index)].SourceRect, masterRect), {}};
            piece.Pixels.resize(static_cast<size_t>(piece.Rect.Width()) * piece.Rect.Height() * 4);
            CopyPiece(tables.MasterImage, piece, false);
            kept.push_back(std::move(piece));
        }
        keptGlows.push_back(tables.FindMaskExact("GLOBALINFO", key + "GLOW0"));
    }
    ChangeBitmapHue(tables.MasterImage, degrees);
    for (TKeptPiece& piece : kept) CopyPiece(tables.MasterImage, piece, true);
    for (size_t i = 0; i < tables.Masks.size(); ++i)
        if (tables.Masks[i].Bitmap && std::find(keptGlows.begin(), keptGlows.end(), static_cast<int>(i)) == keptGlows.end())
            ChangeBitmapHue(*tables.Masks[i].Bitmap, degrees);
    ChangeSkinColors(tables, [degrees](gfx::TColor color) { return ChangeColorHue(color, degrees); });
}

void ChangeSaturation(TsSkinTables& tables, int percent) {
    ChangeBitmapSaturation(tables.MasterImage, percent);
    for (TsMaskData& entry : tables.Masks)
        if (entry.Bitmap) ChangeBitmapSaturation(*entry.Bitmap, percent);
    ChangeSkinColors(tables, [percent](gfx::TColor color) { return ChangeColorSaturation(color, percent); });
}

}  // namespace

void ChangeBitmapHue(gfx::TBitmap& bitmap, int degrees) {
    ChangeBitmap(bitmap, [degrees](TRgb c) { return TurnHue(c, degrees); });
}

void ChangeBitmapSaturation(gfx::TBitmap& bitmap, int percent) {
    ChangeBitmap(bitmap, [percent](TRgb c) { return Saturate(c, percent); });
}

gfx::TColor ChangeColorHue(gfx::TColor color, int degrees) {
    return ChangeColor(color, [degrees](TRgb c) { return TurnHue(c, degrees); });
}

gfx::TColor ChangeColorSaturation(gfx::TColor color, int percent) {
    return ChangeColor(color, [percent](TRgb c) { return Saturate(c, percent); });
}

void ApplySkinHueAndSaturation(TsSkinTables& tables, int hueOffset, int saturation) {
    if (hueOffset != 0) ShiftHue(tables, hueOffset);
    if (saturation % 101 != 0) ChangeSaturation(tables, saturation % 101);
}

}  // namespace skin
