#pragma once
// Recolouring skins: turning the hue and changing the saturation of pictures
// and colours. Pixels that are exactly the key (0xFF00FF with alpha 0) and grey
// pixels (red = green = blue) keep their value, so see-through areas and
// neutral shades stay as they are. Alpha is never changed.
#include "gfx/TBitmap.h"
#include "skin/sSkinTables.h"

namespace skin {

// Turns the hue of every pixel of a 32-bit bitmap by `degrees`, keeping its
// saturation and value.
void ChangeBitmapHue(gfx::TBitmap& bitmap, int degrees);
// Moves every pixel away from its grey (positive `percent`) or toward it
// (negative; -100 makes it grey): each channel c becomes c - (m - c) * percent
// / 100 with m the pixel's mean, rounded and held to 0..255.
void ChangeBitmapSaturation(gfx::TBitmap& bitmap, int percent);

// The same for one colour value 0x00BBGGRR. System colours and -1 (negative
// values), grey colours and the key colour 0xFF00FF come back unchanged.
gfx::TColor ChangeColorHue(gfx::TColor color, int degrees);
gfx::TColor ChangeColorSaturation(gfx::TColor color, int percent);

// What the skin manager does right after loading when its HueOffset or
// Saturation is not 0: the master bitmap, every entry's own bitmap, every
// section colour, and GlobalInfo's Shadow1Color and BorderColor change.
// The hue leaves the title buttons BiKeepHue names (and their glows) alone.
// The saturation is taken modulo 101.
void ApplySkinHueAndSaturation(TsSkinTables& tables, int hueOffset, int saturation);

}  // namespace skin
