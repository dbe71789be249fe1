#include "PaintTestKit.h"

#include "GoldenPicture.h"
#include "gfx/PixelAccess.h"

namespace painttest {

gfx::TBitmap Filled(int width, int height, uint32_t pixel) {
    gfx::TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) SetPx(b, x, y, pixel);
    return b;
}

int DifferenceFromGolden(const gfx::TBitmap& picture, const std::string& name) {
    return golden::DifferenceFromGolden(picture, SKINPAINT_TEST_DATA, name);
}

uint32_t Px(const gfx::TBitmap& bitmap, int x, int y) { return gfx::LoadPixel32(gfx::PixelAt32(bitmap, x, y)); }

void SetPx(gfx::TBitmap& bitmap, int x, int y, uint32_t pixel) {
    gfx::StorePixel32(gfx::PixelAt32(bitmap, x, y), pixel);
}

gfx::TBitmap Noise(int width, int height, uint32_t seed) {
    gfx::TBitmap b(width, height);
    uint32_t state = seed * 2654435761u + 1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            state ^= state << 13, state ^= state >> 17, state ^= state << 5;
            SetPx(b, x, y, state);
        }
    return b;
}

bool AllEqual(const gfx::TBitmap& bitmap, const gfx::TRect& rect, uint32_t pixel) {
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x)
            if (Px(bitmap, x, y) != pixel) return false;
    return true;
}

TTestSkin::TTestSkin(gfx::TBitmap master)
    : FOwnTables(std::make_unique<skin::TsSkinTables>()), Tables(*FOwnTables) {
    Tables.MasterImage = std::move(master);
}

TTestSkin::TTestSkin(gfx::TBitmap master, skin::TsSkinTables& tables) : Tables(tables) {
    Tables.MasterImage = std::move(master);
}

int TTestSkin::AddEntry(const gfx::TRect& source, int stateCount, int maskKind, int margins, int drawFlags,
                        skin::TacImageKind kind) {
    skin::TsMaskData e;
    e.SourceRect = source;
    e.StateCount = int16_t(stateCount);
    e.MaskKind = int16_t(maskKind);
    e.MarginLeft = e.MarginTop = e.MarginRight = e.MarginBottom = int16_t(margins);
    e.DrawFlags = int16_t(drawFlags);
    e.ImageKind = kind;
    e.Owner = &Tables;
    Tables.Masks.push_back(std::move(e));
    return int(Tables.Masks.size()) - 1;
}

int TTestSkin::AddSection(const std::string& name, gfx::TColor color, int states) {
    return painttest::AddSection(Tables, name, color, states);
}

int AddSection(skin::TsSkinTables& tables, const std::string& name, gfx::TColor color, int states) {
    skin::TsGeneralData s;
    s.SectionName = name;
    s.States = states;
    s.Color = s.HotColor = color;
    s.StateLook[0].Color = s.StateLook[1].Color = color;
    s.FontColor = s.HotFontColor = {0, -1, -1, -1, -1};
    for (auto& look : s.StateLook) look.TCLeft = look.TCTop = look.TCRight = look.TCBottom = -1;
    tables.Sections.push_back(std::move(s));
    return int(tables.Sections.size()) - 1;
}

}  // namespace painttest
