#include "skin/sSkinOptions.h"

#include <charconv>

#include "gfx/Colors.h"
#include "rtl/IntConvert.h"
#include "rtl/TStringList.h"
#include "skin/sUpperCase.h"

namespace skin {

namespace {

constexpr std::string_view MissingText = "?";
constexpr int32_t MissingInteger = -1;

int SectionCount(const rtl::TMemIniFile& ini) {
    rtl::TStringList names;
    ini.ReadSections(names);
    return names.Count();
}

}  // namespace

TsSkinOptions::TsSkinOptions(const rtl::TMemIniFile& skin, const rtl::TMemIniFile* common)
    : FSkin(skin), FCommon(common), FChainLimit(SectionCount(skin) + (common ? SectionCount(*common) : 0)) {}

bool TsSkinOptions::CommonHas(std::string_view section, std::string_view key) const {
    return FCommon != nullptr && FCommon->ValueExists(section, key);
}

std::string TsSkinOptions::ReadString(std::string_view section, std::string_view key,
                                      std::string_view defaultValue) const {
    return CommonHas(section, key) ? FCommon->ReadString(section, key, defaultValue)
                                   : FSkin.ReadString(section, key, defaultValue);
}

int32_t TsSkinOptions::ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const {
    return CommonHas(section, key) ? FCommon->ReadInteger(section, key, defaultValue)
                                   : FSkin.ReadInteger(section, key, defaultValue);
}

int32_t TsSkinOptions::ReadStrictInteger(std::string_view section, std::string_view key,
                                         std::string_view defaultText) const {
    return rtl::StrToInt(ReadString(section, key, defaultText));
}

double TsSkinOptions::ReadReal(std::string_view section, std::string_view key) const {
    const std::string text = ReadString(section, key, "");
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

std::string TsSkinOptions::ParentOf(std::string_view section) const {
    const std::string parent = ReadString(section, "PARENTCLASS", MissingText);
    return parent == MissingText || parent == section ? std::string() : parent;
}

std::string TsSkinOptions::ReadInheritedString(std::string_view section, std::string_view key,
                                               std::string_view defaultValue) const {
    std::string current(section);
    for (int step = 0; step <= FChainLimit; ++step) {
        std::string value = ReadString(current, key, MissingText);
        if (value != MissingText) return value;
        current = ParentOf(current);
        if (current.empty()) break;
    }
    return std::string(defaultValue);
}

int32_t TsSkinOptions::ReadInheritedInteger(std::string_view section, std::string_view key,
                                            int32_t defaultValue) const {
    const int32_t own = ReadInteger(section, key, MissingInteger);
    if (own != MissingInteger) return own;
    std::string current = ParentOf(section);
    for (int step = 0; step < FChainLimit && !current.empty(); ++step) {
        const int32_t inherited = ReadInteger(current, key, MissingInteger);
        if (inherited != MissingInteger) return gfx::ColorToRGB(inherited);
        current = ParentOf(current);
    }
    return defaultValue;
}

bool TsSkinOptions::ReadInheritedBool(std::string_view section, std::string_view key) const {
    const std::string value = UpperCase(ReadInheritedString(section, key, ""));
    return value == "1" || value == "TRUE";
}

}  // namespace skin
