#pragma once
// Clipboard text (CF_TEXT): Windows-1252 bytes. On X11 the CLIPBOARD
// selection, offered and read as UTF-8 and Latin-1 text.
#include <string>

namespace ui {

bool SetClipboardText(const std::string& text);
std::string GetClipboardText();
bool IsClipboardTextAvailable();

}  // namespace ui
