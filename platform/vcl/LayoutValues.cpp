#include "vcl/LayoutValues.h"

#include <strings.h>

#include "rtl/Exceptions.h"
#include "rtl/IntConvert.h"

namespace vcl {

namespace {

[[noreturn]] void Invalid() { throw rtl::EReadError("Invalid property value"); }

const std::pair<const char*, gfx::TColor> ColorNames[] = {
    {"clBlack", gfx::clBlack},
    {"clMaroon", gfx::clMaroon},
    {"clGreen", gfx::clGreen},
    {"clOlive", gfx::clOlive},
    {"clNavy", gfx::clNavy},
    {"clPurple", gfx::clPurple},
    {"clTeal", gfx::clTeal},
    {"clGray", gfx::clGray},
    {"clSilver", gfx::clSilver},
    {"clRed", gfx::clRed},
    {"clLime", gfx::clLime},
    {"clYellow", gfx::clYellow},
    {"clBlue", gfx::clBlue},
    {"clFuchsia", gfx::clFuchsia},
    {"clAqua", gfx::clAqua},
    {"clWhite", gfx::clWhite},
    {"clNone", gfx::clNone},
    {"clDefault", gfx::clDefault},
    {"clScrollBar", gfx::clScrollBar},
    {"clBackground", gfx::clBackground},
    {"clActiveCaption", gfx::clActiveCaption},
    {"clInactiveCaption", gfx::clInactiveCaption},
    {"clMenu", gfx::clMenu},
    {"clWindow", gfx::clWindow},
    {"clWindowFrame", gfx::clWindowFrame},
    {"clMenuText", gfx::clMenuText},
    {"clWindowText", gfx::clWindowText},
    {"clCaptionText", gfx::clCaptionText},
    {"clActiveBorder", gfx::clActiveBorder},
    {"clInactiveBorder", gfx::clInactiveBorder},
    {"clAppWorkSpace", gfx::clAppWorkSpace},
    {"clHighlight", gfx::clHighlight},
    {"clHighlightText", gfx::clHighlightText},
    {"clBtnFace", gfx::clBtnFace},
    {"clBtnShadow", gfx::clBtnShadow},
    {"clGrayText", gfx::clGrayText},
    {"clBtnText", gfx::clBtnText},
    {"clInactiveCaptionText", gfx::clInactiveCaptionText},
    {"clBtnHighlight", gfx::clBtnHighlight},
    {"cl3DDkShadow", gfx::cl3DDkShadow},
    {"cl3DLight", gfx::cl3DLight},
    {"clInfoText", gfx::clInfoText},
    {"clInfoBk", gfx::clInfoBk},
    {"clHotLight", gfx::clHotLight},
    {"clMenuHighlight", gfx::clMenuHighlight},
    {"clMenuBar", gfx::clMenuBar},
};

}  // namespace

int ValueToInt(const TLayoutValue& value) {
    if (value.Kind != TLayoutValue::Integer || value.Int < INT32_MIN || value.Int > INT32_MAX) Invalid();
    return int(value.Int);
}

bool ValueToBool(const TLayoutValue& value) {
    if (value.Kind == TLayoutValue::Ident) {
        if (strcasecmp(value.Text.c_str(), "True") == 0) return true;
        if (strcasecmp(value.Text.c_str(), "False") == 0) return false;
    }
    Invalid();
}

std::string ValueToString(const TLayoutValue& value) {
    if (value.Kind != TLayoutValue::String) Invalid();
    return value.Text;
}

bool IdentToColor(const std::string& name, gfx::TColor& color) {
    for (const auto& [n, c] : ColorNames)
        if (strcasecmp(n, name.c_str()) == 0) {
            color = c;
            return true;
        }
    return false;
}

std::string ColorToString(gfx::TColor color) {
    for (const auto& [n, c] : ColorNames)
        if (c == color) return n;
    return rtl::IntToStr(color);
}

gfx::TColor ValueToColor(const TLayoutValue& value) {
    gfx::TColor color = 0;
    if (value.Kind == TLayoutValue::Ident && IdentToColor(value.Text, color)) return color;
    if (value.Kind == TLayoutValue::Integer && value.Int >= INT32_MIN && value.Int <= UINT32_MAX)
        return gfx::TColor(uint32_t(value.Int));
    Invalid();
}

unsigned ValueToEnum(const TLayoutValue& value, const TIdentTable& names) {
    if (value.Kind == TLayoutValue::Ident)
        for (const auto& [n, v] : names)
            if (strcasecmp(n, value.Text.c_str()) == 0) return v;
    Invalid();
}

unsigned ValueToSet(const TLayoutValue& value, const TIdentTable& names) {
    if (value.Kind != TLayoutValue::Set) Invalid();
    unsigned bits = 0;
    for (const std::string& item : value.Items) {
        TLayoutValue member;
        member.Kind = TLayoutValue::Ident;
        member.Text = item;
        bits |= ValueToEnum(member, names);
    }
    return bits;
}

}  // namespace vcl
