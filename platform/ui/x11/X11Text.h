#pragma once
// Between our Windows-1252 texts and what X11 speaks: UTF-8 titles and
// clipboard text, Latin-1 strings and key symbols.
#include <X11/Xlib.h>

#include <string>
#include <string_view>

#include "ui/Types.h"

namespace ui {

std::string Cp1252ToUtf8(std::string_view text);
// Characters Windows-1252 cannot hold become '?'; malformed bytes too.
std::string Utf8ToCp1252(std::string_view text);
// Latin-1 and Windows-1252 agree but for 0x80..0x9F, which become '?'.
std::string CommonLatin(std::string_view text);

// The virtual key of a key symbol, 0 for none.
UINT VirtualKeyOf(KeySym sym);
// The Windows-1252 character a key symbol types, 0 for none.
unsigned char CharOf(KeySym sym);

}  // namespace ui
