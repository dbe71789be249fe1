#include "ui/Clipboard.h"

#include "ui/Tree.h"

namespace ui {

bool SetClipboardText(const std::string& text) {
    if (!OnMainThread()) return false;
    Sys().Backend().SetClipboardText(text);
    return true;
}

std::string GetClipboardText() { return OnMainThread() ? Sys().Backend().GetClipboardText() : std::string(); }

bool IsClipboardTextAvailable() { return OnMainThread() && Sys().Backend().HasClipboardText(); }

}  // namespace ui
