#include "rtl/TMemIniFile.h"

#include "rtl/IntConvert.h"
#include "rtl/TStringList.h"
#include "rtl/TextOps.h"

namespace rtl {

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string TMemIniFile::Folded(std::string_view name) const {
    std::string folded(name);
    if (!FCaseSensitive)
        for (char& c : folded) c = LowerAscii(c);
    return folded;
}

void TMemIniFile::SetStrings(const TStringList& lines) {
    FSections.clear();
    FIndex.clear();
    // Keys under a repeated header land here and are never looked at.
    TSection shadowed;
    TSection* current = nullptr;
    for (int i = 0; i < lines.Count(); ++i) {
        const std::string line = Trim(lines[i]);
        if (line.empty() || line[0] == ';') continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            std::string name = Trim(std::string_view(line).substr(1, line.size() - 2));
            const auto [at, added] = FIndex.emplace(Folded(name), FSections.size());
            if (added) {
                FSections.push_back({std::move(name), {}});
                current = &FSections.back();
            } else {
                shadowed.Values.clear();
                current = &shadowed;
            }
            continue;
        }
        if (current == nullptr) continue;
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            current->Values.emplace_back(line, std::string());
        else
            current->Values.emplace_back(Trim(std::string_view(line).substr(0, eq)),
                                         Trim(std::string_view(line).substr(eq + 1)));
    }
}

const TMemIniFile::TSection* TMemIniFile::FindSection(std::string_view section) const {
    const auto it = FCaseSensitive ? FIndex.find(section) : FIndex.find(Folded(section));
    return it == FIndex.end() ? nullptr : &FSections[it->second];
}

bool TMemIniFile::SameName(std::string_view a, std::string_view b) const {
    if (FCaseSensitive || a.size() != b.size()) return a == b;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

const std::string* TMemIniFile::FindValue(std::string_view section, std::string_view key) const {
    const TSection* found = FindSection(section);
    if (found == nullptr) return nullptr;
    for (const auto& [name, value] : found->Values)
        if (SameName(name, key)) return &value;
    return nullptr;
}

void TMemIniFile::ReadSections(TStringList& names) const {
    names.Clear();
    for (const TSection& section : FSections) names.Add(section.Name);
}

void TMemIniFile::ReadSection(std::string_view section, TStringList& keys) const {
    keys.Clear();
    if (const TSection* found = FindSection(section))
        for (const auto& entry : found->Values) keys.Add(entry.first);
}

bool TMemIniFile::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

bool TMemIniFile::ValueExists(std::string_view section, std::string_view key) const {
    return FindValue(section, key) != nullptr;
}

std::string TMemIniFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    const std::string* value = FindValue(section, key);
    return value ? *value : std::string(defaultValue);
}

int32_t TMemIniFile::ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const {
    const std::string* value = FindValue(section, key);
    if (value == nullptr) return defaultValue;
    return TryStrToInt(*value).value_or(defaultValue);
}

}  // namespace rtl
