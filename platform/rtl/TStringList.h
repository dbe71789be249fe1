#pragma once
// An ordered list of byte strings, as settings files and skin options are read:
// lines split at CR LF, lone LF or lone CR, a NUL byte ending the text; lines
// joined with CR LF. Comparisons are case-insensitive (ASCII) unless
// CaseSensitive is set.
#include <string>
#include <string_view>
#include <vector>

namespace rtl {

class TStream;

class TStringList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EListError "List index out of bounds (%d)".
    const std::string& Strings(int index) const;
    void SetStrings(int index, std::string value);
    const std::string& operator[](int index) const { return Strings(index); }

    // Adds at the end, or at the sorted place when Sorted is on; returns the index.
    int Add(std::string value);
    void Insert(int index, std::string value);
    void Delete(int index);
    void Clear() { FItems.clear(); }

    int IndexOf(std::string_view value) const;
    // "Name=Value" lines: the index of the first line whose name matches.
    int IndexOfName(std::string_view name) const;
    std::string Names(int index) const;
    std::string ValueFromIndex(int index) const;
    std::string Values(std::string_view name) const;

    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);
    void Sort();

    std::string Text() const;
    void SetText(std::string_view text);
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

    int CompareStrings(std::string_view a, std::string_view b) const;

private:
    void CheckIndex(int index, bool allowEnd = false) const;

    std::vector<std::string> FItems;
    bool FCaseSensitive = false;
    bool FSorted = false;
};

}  // namespace rtl
