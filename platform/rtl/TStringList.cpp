#include "rtl/TStringList.h"

#include <algorithm>

#include "rtl/Exceptions.h"
#include "rtl/TStream.h"

namespace rtl {

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

int TStringList::CompareStrings(std::string_view a, std::string_view b) const {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const unsigned char x = FCaseSensitive ? a[i] : LowerAscii(a[i]);
        const unsigned char y = FCaseSensitive ? b[i] : LowerAscii(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void TStringList::CheckIndex(int index, bool allowEnd) const {
    if (index < 0 || index > Count() || (index == Count() && !allowEnd)) throw EListError(index);
}

const std::string& TStringList::Strings(int index) const {
    CheckIndex(index);
    return FItems[static_cast<size_t>(index)];
}

void TStringList::SetStrings(int index, std::string value) {
    CheckIndex(index);
    FItems[static_cast<size_t>(index)] = std::move(value);
}

int TStringList::Add(std::string value) {
    int index = Count();
    if (FSorted) {
        const auto at = std::upper_bound(FItems.begin(), FItems.end(), value,
            [this](const std::string& a, const std::string& b) { return CompareStrings(a, b) < 0; });
        index = static_cast<int>(at - FItems.begin());
    }
    FItems.insert(FItems.begin() + index, std::move(value));
    return index;
}

void TStringList::Insert(int index, std::string value) {
    CheckIndex(index, true);
    FItems.insert(FItems.begin() + index, std::move(value));
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    FItems.erase(FItems.begin() + index);
}

int TStringList::IndexOf(std::string_view value) const {
    for (int i = 0; i < Count(); ++i)
        if (CompareStrings(FItems[static_cast<size_t>(i)], value) == 0) return i;
    return -1;
}

int TStringList::IndexOfName(std::string_view name) const {
    for (int i = 0; i < Count(); ++i) {
        const std::string& line = FItems[static_cast<size_t>(i)];
        const size_t eq = line.find('=');
        if (eq != std::string::npos && CompareStrings(std::string_view(line).substr(0, eq), name) == 0) return i;
    }
    return -1;
}

std::string TStringList::Names(int index) const {
    const std::string& line = Strings(index);
    const size_t eq = line.find('=');
    return eq == std::string::npos ? std::string() : line.substr(0, eq);
}

std::string TStringList::ValueFromIndex(int index) const {
    const std::string& line = Strings(index);
    const size_t eq = line.find('=');
    return eq == std::string::npos ? std::string() : line.substr(eq + 1);
}

std::string TStringList::Values(std::string_view name) const {
    const int index = IndexOfName(name);
    return index < 0 ? std::string() : ValueFromIndex(index);
}

void TStringList::SetCaseSensitive(bool value) {
    if (value == FCaseSensitive) return;
    FCaseSensitive = value;
    if (FSorted) Sort();
}

void TStringList::SetSorted(bool value) {
    if (value && !FSorted) Sort();
    FSorted = value;
}

void TStringList::Sort() {
    std::stable_sort(FItems.begin(), FItems.end(),
        [this](const std::string& a, const std::string& b) { return CompareStrings(a, b) < 0; });
}

std::string TStringList::Text() const {
    std::string text;
    for (const std::string& line : FItems) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void TStringList::SetText(std::string_view text) {
    Clear();
    const size_t end = std::min(text.find('\0'), text.size());
    size_t i = 0;
    while (i < end) {
        const size_t start = i;
        while (i < end && text[i] != '\r' && text[i] != '\n') ++i;
        Add(std::string(text.substr(start, i - start)));
        if (i < end && text[i] == '\r') ++i;
        if (i < end && text[i] == '\n') ++i;
    }
}

void TStringList::LoadFromStream(TStream& stream) {
    std::string text(static_cast<size_t>(stream.Size() - stream.Position()), '\0');
    stream.ReadBuffer(text.data(), static_cast<long long>(text.size()));
    SetText(text);
}

void TStringList::SaveToStream(TStream& stream) const {
    const std::string text = Text();
    stream.WriteBuffer(text.data(), static_cast<long long>(text.size()));
}

void TStringList::LoadFromFile(const std::string& fileName) {
    TFileStream file(fileName, fmOpenRead);
    LoadFromStream(file);
}

void TStringList::SaveToFile(const std::string& fileName) const {
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

}  // namespace rtl
