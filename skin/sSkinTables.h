#pragma once
// The tables of one loaded skin and the lookups on them. The skin manager owns
// one of these; every image entry points back to it as its Owner, so painters
// find the master bitmap through the entry.
//
// Lookups compare exactly and case-sensitively, scan in table order, take the
// first match and answer -1 when nothing matches. FindMask, FindTexture and
// FindPattern fall back to the section's PARENTCLASS chain; a chain that loops
// back on itself is followed no further than there are sections.
#include <string>
#include <string_view>

#include "skin/sSkinRecords.h"

namespace skin {

class TsSkinTables {
public:
    TsSkinTables() = default;
    // Entries point at their tables, so the tables stay where they are.
    TsSkinTables(const TsSkinTables&) = delete;
    TsSkinTables& operator=(const TsSkinTables&) = delete;

    TsSkinData GlobalInfo;
    // 32-bit; empty when the skin names no master bitmap or it is missing.
    gfx::TBitmap MasterImage;
    TsMaskArray Masks;
    TsPatternArray Patterns;
    TsGeneralDataArray Sections;

    int FindSection(std::string_view name) const;
    int FindMaskExact(std::string_view sectionName, std::string_view key) const;
    int FindMask(int sectionIndex, std::string_view sectionName, std::string_view key) const;
    int FindTexture(int sectionIndex, std::string_view sectionName, std::string_view key) const;
    int FindPattern(int sectionIndex, std::string_view sectionName, std::string_view key) const;

    bool IsValidSkinIndex(int index) const { return index >= 0 && index < static_cast<int>(Sections.size()); }
    bool IsValidImgIndex(int index) const { return index >= 0 && index < static_cast<int>(Masks.size()); }

    // The picture an entry cuts from: its own bitmap or the master bitmap.
    const gfx::TBitmap& SourceBitmap(const TsMaskData& entry) const;

    // Frees the image entries, the patterns and the master bitmap.
    void ClearImages();
    void Clear();

private:
    template <typename Match>
    int FindInherited(int sectionIndex, std::string_view sectionName, Match&& match) const;
};

// Width of one state frame: 0 without frames, else the width divided by StateCount.
int FrameWidth(const TsMaskData& entry);
// Height of one frame: 0 for MaskKind -1, else the height divided by MaskKind + 1.
int FrameHeight(const TsMaskData& entry);

// The version as the manager's SkinInfo shows it: the shortest decimal form
// with '.' as separator, "7.1" for 7.10.
std::string FormatSkinVersion(double version);

}  // namespace skin
