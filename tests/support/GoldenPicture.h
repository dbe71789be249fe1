#pragma once
// Comparing a picture with the one recorded in a test folder's data, pixel
// for pixel. KESTRUNE_UPDATE_GOLDEN=1 records the picture anew after a
// deliberate change of a painter or of the skin's artwork; a picture that
// differs is written beside the test program as <name>-actual.png.
#include <string>
#include <vector>

#include "gfx/TBitmap.h"

namespace golden {

// The number of differing pixels, -1 when the sizes or formats differ.
int DifferenceFromGolden(const gfx::TBitmap& picture, const std::string& folder, const std::string& name);

// The colours of a picture against the recorded one, as a test failure that
// names the picture written beside the test program. What a window shows is
// opaque, so its alpha does not count.
void ExpectGoldenColours(const gfx::TBitmap& picture, const std::string& folder, const std::string& name);

// Pictures side by side, top-aligned, `gap` pixels apart, on white.
gfx::TBitmap SideBySide(const std::vector<gfx::TBitmap>& pictures, int gap = 8);

}  // namespace golden
