#pragma once
// Pictures from and to bytes. Every reader takes data from outside as it comes:
// malformed, truncated, unsupported or oversized data raises EInvalidGraphic
// with a message saying what is wrong, and no reader allocates more than the
// bitmap size limits allow.
//
// What readers give: BMP files of 1, 4, 8 and 24 bits as pf24bit, of 32 bits as
// pf32bit with the fourth byte as alpha; PNG files with alpha (or a transparent
// palette entry) as pf32bit, without as pf24bit; JPEG files as pf24bit.
#include <string>
#include <string_view>

#include "gfx/TBitmap.h"

namespace gfx {

TBitmap ReadBmp(std::string_view data);
// A bottom-up BMP of the bitmap's format (pf8bit with a grey palette). Writers
// refuse an empty bitmap with EInvalidGraphic.
std::string WriteBmp(const TBitmap& bitmap);

TBitmap ReadPng(std::string_view data);
// pf32bit with its alpha, pf24bit as colour, pf8bit as grey.
std::string WritePng(const TBitmap& bitmap);

TBitmap ReadJpeg(std::string_view data);

// Any of the three, told apart by their first bytes.
TBitmap ReadImage(std::string_view data);

}  // namespace gfx
