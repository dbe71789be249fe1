#pragma once
// An INI text held in memory, as skin options are read:
// - every line is trimmed; empty lines and lines starting with ';' are skipped;
// - "[name]" opens a section (the name trimmed); lines before the first section
//   are skipped;
// - any other line is a key, '=' and a value, each trimmed (the value is all
//   after the first '='); a line without '=' is a key with an empty value.
// When a section or a key occurs twice, lookups find the first occurrence; the
// keys of a repeated section header are unreachable, as its header is.
// Names compare case-insensitively (ASCII) unless CaseSensitive is set.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace rtl {

class TStringList;

class TMemIniFile {
public:
    explicit TMemIniFile(bool caseSensitive = false) : FCaseSensitive(caseSensitive) {}

    bool CaseSensitive() const { return FCaseSensitive; }
    // Replaces the whole content.
    void SetStrings(const TStringList& lines);

    // Section names in order of first appearance.
    void ReadSections(TStringList& names) const;
    // Key names of a section in file order (empty for an unknown section).
    void ReadSection(std::string_view section, TStringList& keys) const;
    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;

    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // The value as an integer (decimal, or hexadecimal after "$" or "0x");
    // `defaultValue` when the key is missing or its value is not an integer.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;

private:
    struct TSection {
        std::string Name;
        std::vector<std::pair<std::string, std::string>> Values;
    };

    std::string Folded(std::string_view name) const;
    bool SameName(std::string_view a, std::string_view b) const;
    const TSection* FindSection(std::string_view section) const;
    const std::string* FindValue(std::string_view section, std::string_view key) const;

    struct TNameHash {
        using is_transparent = void;
        size_t operator()(std::string_view name) const { return std::hash<std::string_view>()(name); }
    };

    bool FCaseSensitive;
    std::vector<TSection> FSections;
    // Folded name -> first section of that name.
    std::unordered_map<std::string, size_t, TNameHash, std::equal_to<>> FIndex;
};

}  // namespace rtl
