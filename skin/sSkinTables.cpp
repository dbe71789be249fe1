#include "skin/sSkinTables.h"

#include <charconv>

namespace skin {

int TsSkinTables::FindSection(std::string_view name) const {
    for (size_t i = 0; i < Sections.size(); ++i)
        if (Sections[i].SectionName == name) return static_cast<int>(i);
    return -1;
}

int TsSkinTables::FindMaskExact(std::string_view sectionName, std::string_view key) const {
    for (size_t i = 0; i < Masks.size(); ++i)
        if (Masks[i].SectionName == sectionName && Masks[i].KeyName == key) return static_cast<int>(i);
    return -1;
}

template <typename Match>
int TsSkinTables::FindInherited(int sectionIndex, std::string_view sectionName, Match&& match) const {
    if (sectionIndex < 0 || sectionName.empty()) return -1;
    for (size_t step = 0; step <= Sections.size(); ++step) {
        const int found = match(sectionName);
        if (found >= 0) return found;
        if (!IsValidSkinIndex(sectionIndex)) return -1;
        const std::string& parent = Sections[static_cast<size_t>(sectionIndex)].ParentClass;
        if (parent.empty() || parent == sectionName) return -1;
        sectionIndex = FindSection(parent);
        if (sectionIndex < 0) return -1;
        sectionName = Sections[static_cast<size_t>(sectionIndex)].SectionName;
    }
    return -1;
}

int TsSkinTables::FindMask(int sectionIndex, std::string_view sectionName, std::string_view key) const {
    return FindInherited(sectionIndex, sectionName,
                         [&](std::string_view section) { return FindMaskExact(section, key); });
}

int TsSkinTables::FindTexture(int sectionIndex, std::string_view sectionName, std::string_view key) const {
    return FindInherited(sectionIndex, sectionName, [&](std::string_view section) {
        for (size_t i = 0; i < Masks.size(); ++i) {
            const TsMaskData& entry = Masks[i];
            if (entry.ImageKind == ikTexture && entry.SectionName == section && entry.KeyName == key)
                return static_cast<int>(i);
        }
        return -1;
    });
}

int TsSkinTables::FindPattern(int sectionIndex, std::string_view sectionName, std::string_view key) const {
    return FindInherited(sectionIndex, sectionName, [&](std::string_view section) {
        for (size_t i = 0; i < Patterns.size(); ++i)
            if (Patterns[i].SectionName == section && Patterns[i].KeyName == key) return static_cast<int>(i);
        return -1;
    });
}

const gfx::TBitmap& TsSkinTables::SourceBitmap(const TsMaskData& entry) const {
    return entry.Bitmap ? *entry.Bitmap : MasterImage;
}

void TsSkinTables::ClearImages() {
    Masks.clear();
    Patterns.clear();
    MasterImage = gfx::TBitmap();
}

void TsSkinTables::Clear() {
    ClearImages();
    Sections.clear();
}

int FrameWidth(const TsMaskData& entry) {
    return entry.StateCount <= 0 ? 0 : entry.SourceRect.Width() / entry.StateCount;
}

int FrameHeight(const TsMaskData& entry) {
    return entry.MaskKind < 0 ? 0 : entry.SourceRect.Height() / (entry.MaskKind + 1);
}

std::string FormatSkinVersion(double version) {
    // Fifteen significant digits, trailing zeros dropped, as the runtime's
    // float-to-text conversion gives them.
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, version, std::chars_format::general, 15);
    return std::string(text, result.ptr);
}

}  // namespace skin
