#pragma once
// Small skins built by the tests: pictures, packages around an options text,
// and loading them into tables the way the manager does.
#include <string>
#include <vector>

#include "gfx/TBitmap.h"
#include "skin/sSkinLoader.h"
#include "skinpack/SkinPackWriter.h"

namespace skintest {

using skinpack::TPackMember;

// A picture of one colour; pf32bit pictures get `alpha`.
gfx::TBitmap Picture(int width, int height, gfx::TColor colour, gfx::TPixelFormat format = gfx::pf24bit,
                     uint8_t alpha = 255);
void SetPixel(gfx::TBitmap& bitmap, int x, int y, gfx::TColor colour, uint8_t alpha = 255);
// The pixel as 0xAARRGGBB.
uint32_t PixelValue(const gfx::TBitmap& bitmap, int x, int y);

// A package holding Options.dat with `options` and then the images.
std::string PackageOf(const std::string& options, const std::vector<TPackMember>& images = {});

// Loads the options text with the images as a package skin.
void LoadSkinText(skin::TsSkinTables& tables, const std::string& options, const std::vector<TPackMember>& images = {},
                  const skin::TsSkinLoadSettings& settings = {});

}  // namespace skintest
