#pragma once
// Reading values of an options text. A second text (the manager's common
// sections) may lie over the skin's: a key it gives wins, every other key keeps
// the skin's value.
//
// The inherited lookups follow PARENTCLASS: a key a section does not give is
// looked up in its parent, and so on up the chain, which is followed no further
// than there are sections, so a chain that loops back on itself ends. -1 is
// the "not given" marker of integers, "?" that of texts.
#include <cstdint>
#include <string>
#include <string_view>

#include "rtl/TMemIniFile.h"

namespace skin {

class TsSkinOptions {
public:
    explicit TsSkinOptions(const rtl::TMemIniFile& skin, const rtl::TMemIniFile* common = nullptr);

    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // The value as an integer, the default when missing or not an integer.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;
    // Raises EConvertError when the value (or the default text for a missing
    // key) is not an integer.
    int32_t ReadStrictInteger(std::string_view section, std::string_view key, std::string_view defaultText) const;
    // '.' as separator whatever the locale; 0 when malformed.
    double ReadReal(std::string_view section, std::string_view key) const;

    std::string ReadInheritedString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const;
    // An inherited value (not the section's own) comes back as a plain colour.
    int32_t ReadInheritedInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;
    // "1" or "TRUE" in any case is true; anything else or nothing is false.
    bool ReadInheritedBool(std::string_view section, std::string_view key) const;

private:
    bool CommonHas(std::string_view section, std::string_view key) const;
    // The parent to look in after `section`, or empty when there is none.
    std::string ParentOf(std::string_view section) const;

    const rtl::TMemIniFile& FSkin;
    const rtl::TMemIniFile* FCommon;
    int FChainLimit;
};

}  // namespace skin
