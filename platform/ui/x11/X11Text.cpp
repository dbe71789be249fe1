#include "ui/x11/X11Text.h"

#include <X11/keysym.h>

#include <array>

#include "ui/Keys.h"

namespace ui {

namespace {

// Unicode of Windows-1252's 0x80..0x9F (0 where the code page has none).
constexpr std::array<unsigned, 32> High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

unsigned CodePointOf(unsigned char c) { return c >= 0x80 && c < 0xA0 ? High[c - 0x80] : c; }

char ByteOf(unsigned cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return char(cp);
    for (size_t i = 0; i < High.size(); ++i)
        if (High[i] == cp && cp) return char(0x80 + i);
    return '?';
}

void AppendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view text) {
    std::string out;
    for (unsigned char c : text)
        if (const unsigned cp = CodePointOf(c)) AppendUtf8(out, cp);
    return out;
}

std::string Utf8ToCp1252(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const int length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (length == 0 || i + size_t(length) > text.size()) {
            out += '?';
            ++i;
            continue;
        }
        unsigned cp = length == 1 ? c : c & (0x7F >> length);
        bool valid = true;
        for (int k = 1; k < length; ++k) {
            const unsigned char cc = static_cast<unsigned char>(text[i + size_t(k)]);
            valid = valid && (cc >> 6) == 2;
            cp = cp << 6 | (cc & 0x3F);
        }
        out += valid ? ByteOf(cp) : '?';
        i += valid ? size_t(length) : 1;
    }
    return out;
}

std::string CommonLatin(std::string_view text) {
    std::string out;
    for (unsigned char c : text) out += c >= 0x80 && c < 0xA0 ? '?' : char(c);
    return out;
}

UINT VirtualKeyOf(KeySym sym) {
    if (sym >= XK_a && sym <= XK_z) return UINT('A' + (sym - XK_a));
    if (sym >= XK_A && sym <= XK_Z) return UINT('A' + (sym - XK_A));
    if (sym >= XK_0 && sym <= XK_9) return UINT('0' + (sym - XK_0));
    if (sym >= XK_F1 && sym <= XK_F24) return UINT(VK_F1 + (sym - XK_F1));
    if (sym >= XK_KP_0 && sym <= XK_KP_9) return UINT(VK_NUMPAD0 + (sym - XK_KP_0));
    switch (sym) {
        case XK_Return:
        case XK_KP_Enter: return VK_RETURN;
        case XK_Escape: return VK_ESCAPE;
        case XK_Tab:
        case XK_ISO_Left_Tab: return VK_TAB;
        case XK_BackSpace: return VK_BACK;
        case XK_Delete:
        case XK_KP_Delete: return VK_DELETE;
        case XK_Insert:
        case XK_KP_Insert: return VK_INSERT;
        case XK_Home:
        case XK_KP_Home: return VK_HOME;
        case XK_End:
        case XK_KP_End: return VK_END;
        case XK_Prior:
        case XK_KP_Prior: return VK_PRIOR;
        case XK_Next:
        case XK_KP_Next: return VK_NEXT;
        case XK_Left:
        case XK_KP_Left: return VK_LEFT;
        case XK_Right:
        case XK_KP_Right: return VK_RIGHT;
        case XK_Up:
        case XK_KP_Up: return VK_UP;
        case XK_Down:
        case XK_KP_Down: return VK_DOWN;
        case XK_space: return VK_SPACE;
        case XK_Shift_L: return 0xA0;
        case XK_Shift_R: return 0xA1;
        case XK_Control_L: return 0xA2;
        case XK_Control_R: return 0xA3;
        case XK_Alt_L:
        case XK_Meta_L: return 0xA4;
        case XK_Alt_R:
        case XK_Meta_R:
        case XK_ISO_Level3_Shift: return 0xA5;
        case XK_Super_L: return VK_LWIN;
        case XK_Super_R: return VK_RWIN;
        case XK_Menu: return VK_APPS;
        case XK_Caps_Lock: return VK_CAPITAL;
        case XK_Num_Lock: return VK_NUMLOCK;
        case XK_Scroll_Lock: return VK_SCROLL;
        case XK_Pause: return VK_PAUSE;
        case XK_Print: return VK_SNAPSHOT;
        case XK_KP_Multiply: return VK_MULTIPLY;
        case XK_KP_Add: return VK_ADD;
        case XK_KP_Subtract: return VK_SUBTRACT;
        case XK_KP_Decimal: return VK_DECIMAL;
        case XK_KP_Divide: return VK_DIVIDE;
        case XK_semicolon:
        case XK_colon: return VK_OEM_1;
        case XK_equal:
        case XK_plus: return VK_OEM_PLUS;
        case XK_comma:
        case XK_less: return VK_OEM_COMMA;
        case XK_minus:
        case XK_underscore: return VK_OEM_MINUS;
        case XK_period:
        case XK_greater: return VK_OEM_PERIOD;
        case XK_slash:
        case XK_question: return VK_OEM_2;
        case XK_grave:
        case XK_asciitilde: return VK_OEM_3;
        case XK_bracketleft:
        case XK_braceleft: return VK_OEM_4;
        case XK_backslash:
        case XK_bar: return VK_OEM_5;
        case XK_bracketright:
        case XK_braceright: return VK_OEM_6;
        case XK_apostrophe:
        case XK_quotedbl: return VK_OEM_7;
        default: return 0;
    }
}

unsigned char CharOf(KeySym sym) {
    if ((sym >= 0x20 && sym <= 0x7E) || (sym >= 0xA0 && sym <= 0xFF)) return static_cast<unsigned char>(sym);
    if (sym == XK_EuroSign) return 0x80;
    return 0;
}

}  // namespace ui
