#include "vcl/ShortCuts.h"

#include <cctype>
#include <cstring>
#include <strings.h>

#include "rtl/IntConvert.h"
#include "ui/Keys.h"

namespace vcl {

namespace {

struct TKeyName {
    ui::WORD Key;
    const char* Name;
};

const TKeyName KeyNames[] = {
    {ui::VK_BACK, "BkSp"},   {ui::VK_TAB, "Tab"},     {ui::VK_RETURN, "Enter"}, {ui::VK_ESCAPE, "Esc"},
    {ui::VK_SPACE, "Space"}, {ui::VK_PRIOR, "PgUp"},  {ui::VK_NEXT, "PgDn"},    {ui::VK_END, "End"},
    {ui::VK_HOME, "Home"},   {ui::VK_LEFT, "Left"},   {ui::VK_UP, "Up"},        {ui::VK_RIGHT, "Right"},
    {ui::VK_DOWN, "Down"},   {ui::VK_INSERT, "Ins"},  {ui::VK_DELETE, "Del"},
};

const char* const ShiftNames[] = {"Shift+", "Ctrl+", "Alt+"};

std::string KeyName(ui::WORD key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, char(key));
    if (key >= ui::VK_F1 && key <= ui::VK_F24) return "F" + rtl::IntToStr(key - ui::VK_F1 + 1);
    for (const TKeyName& k : KeyNames)
        if (k.Key == key) return k.Name;
    return "";
}

}  // namespace

TShortCut ShortCut(ui::WORD key, TShiftState shift) {
    if (key & 0xFF00) return scNone;
    TShortCut result = key;
    if (shift & ssShift) result |= scShift;
    if (shift & ssCtrl) result |= scCtrl;
    if (shift & ssAlt) result |= scAlt;
    return result;
}

std::string ShortCutToText(TShortCut shortCut) {
    const std::string name = KeyName(shortCut & 0xFF);
    if (name.empty()) return "";
    std::string text;
    if (shortCut & scShift) text += ShiftNames[0];
    if (shortCut & scCtrl) text += ShiftNames[1];
    if (shortCut & scAlt) text += ShiftNames[2];
    return text + name;
}

TShortCut TextToShortCut(const std::string& text) {
    std::string rest = text;
    TShortCut shift = 0;
    for (bool found = true; found;) {
        found = false;
        const TShortCut bits[] = {scShift, scCtrl, scAlt};
        for (int i = 0; i < 3; ++i) {
            const size_t n = strlen(ShiftNames[i]);
            if (rest.size() > n && strncasecmp(rest.c_str(), ShiftNames[i], n) == 0) {
                shift |= bits[i];
                rest.erase(0, n);
                found = true;
            }
        }
    }
    for (unsigned key = 8; key < 255; ++key) {
        const std::string name = KeyName(ui::WORD(key));
        if (!name.empty() && strcasecmp(name.c_str(), rest.c_str()) == 0) return TShortCut(shift | key);
    }
    return scNone;
}

char GetHotkey(const std::string& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i)
        if (caption[i] == '&') {
            if (caption[i + 1] != '&') return char(std::toupper(static_cast<unsigned char>(caption[i + 1])));
            ++i;
        }
    return 0;
}

std::string StripHotkey(const std::string& caption) {
    std::string text;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        else if (caption[i] == '&') continue;
        text += caption[i];
    }
    return text;
}

}  // namespace vcl
