#pragma once
// Keyboard shortcuts as menus and edits keep them: a virtual key in the low
// byte with Shift, Ctrl and Alt bits above it, and their text ("Ctrl+X",
// "Alt+Down").
#include <string>

#include "vcl/ControlTypes.h"

namespace vcl {

using TShortCut = ui::WORD;
enum : TShortCut { scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0 };

TShortCut ShortCut(ui::WORD key, TShiftState shift);
std::string ShortCutToText(TShortCut shortCut);
// 0 for a text that names no shortcut.
TShortCut TextToShortCut(const std::string& text);

// The character a caption marks with '&' (upper case), 0 for none; "&&"
// stands for a plain ampersand.
char GetHotkey(const std::string& caption);
std::string StripHotkey(const std::string& caption);

}  // namespace vcl
