#pragma once
// Pictures and skin tables built by the painting tests, and pixel reading.
#include <cstdint>
#include <memory>
#include <string>

#include "gfx/TBitmap.h"
#include "skin/sSkinTables.h"

namespace painttest {

// Pixels as 0xAARRGGBB words.
constexpr uint32_t Opaque(uint32_t rgb) { return 0xFF000000u | rgb; }
constexpr uint32_t Key = 0x00FF00FF;

gfx::TBitmap Filled(int width, int height, uint32_t pixel);
uint32_t Px(const gfx::TBitmap& bitmap, int x, int y);
void SetPx(gfx::TBitmap& bitmap, int x, int y, uint32_t pixel);
// Pseudo-random pixels, the same for the same seed.
gfx::TBitmap Noise(int width, int height, uint32_t seed);
// Whether every pixel of rect holds pixel.
bool AllEqual(const gfx::TBitmap& bitmap, const gfx::TRect& rect, uint32_t pixel);

// Compares picture with the golden PNG `name` in the test data folder, pixel
// by pixel in the picture's own format; KESTRUNE_UPDATE_GOLDEN=1 records it
// anew. On a difference the picture is written as name-actual.png into the
// working folder. Returns the number of differing pixels (-1: sizes differ).
int DifferenceFromGolden(const gfx::TBitmap& picture, const std::string& name);

// A plain opaque section of one colour added to tables; returns its index.
int AddSection(skin::TsSkinTables& tables, const std::string& name, gfx::TColor color, int states = 1);

// Tables with a master image, to which tests add entries and sections: tables
// of its own, or those given (a skin manager's, for painters that take a
// control's binding).
class TTestSkin {
private:
    std::unique_ptr<skin::TsSkinTables> FOwnTables;

public:
    explicit TTestSkin(gfx::TBitmap master);
    TTestSkin(gfx::TBitmap master, skin::TsSkinTables& tables);
    skin::TsSkinTables& Tables;

    // An entry cutting `source` from the master image; returns its index.
    int AddEntry(const gfx::TRect& source, int stateCount, int maskKind, int margins, int drawFlags,
                 skin::TacImageKind kind = skin::ikBorderFrame);
    skin::TsMaskData& Entry(int index) { return Tables.Masks[size_t(index)]; }
    // A plain opaque section of one colour; returns its index.
    int AddSection(const std::string& name, gfx::TColor color, int states = 1);
    skin::TsGeneralData& Section(int index) { return Tables.Sections[size_t(index)]; }
};

}  // namespace painttest
