#pragma once
// Loading a skin into the tables: the image entries (master bitmap first),
// then the JPEG patterns, then GlobalInfo and the sections, then each
// section's image indexes. Hue and saturation are a separate step
// (sHueSaturation.h).
//
// Errors leave the tables with whatever was loaded before them: a strict
// number that is not an integer raises EConvertError, a damaged package or
// picture its own error. Missing pictures are passed over.
#include <functional>
#include <string>

#include "rtl/TMemIniFile.h"
#include "rtl/TStringList.h"
#include "skin/sSkinImages.h"
#include "skin/sSkinSource.h"
#include "skin/sSkinTables.h"
#include "skin/sStoredSkins.h"

namespace skin {

struct TsSkinLoadSettings {
    // The manager's common sections: they add image entries (plain bitmaps and
    // rectangles only) and add or override sections key by key. GLOBALINFO in
    // them is not used.
    const rtl::TMemIniFile* CommonSections = nullptr;
    // The system's sizing-frame width, FORMOFFSET's default.
    int SystemFrameWidth = 4;
    // Told the warning text when the skin is newer than this program knows.
    std::function<void(const std::string&)> OnVersionWarning;
    // An options text pushed by a skin editor, used instead of the skin's own.
    const rtl::TStringList* LiveOptions = nullptr;
};

// The warning for skins of a version above 7.99.
extern const char* const SkinVersionWarning;

// `images` may be null: a skin without pictures.
void LoadSkinTables(TsSkinTables& tables, const rtl::TMemIniFile& options, const TsSkinImageSource* images,
                    const TsSkinLoadSettings& settings);

// The options text of a package, as a case-sensitive INI text.
void ReadPackageOptions(const TacSkinConvertor& convertor, rtl::TMemIniFile& options);

// Loads the skin a resolved source names and sets GlobalInfo.SkinFolder. An
// internal skin is unpacked from its item's Data, which stays the item's.
// Answers whether the images came from a package (FromPackage); an internal
// skin with an empty package gives a skin without sections or images.
bool LoadSkin(TsSkinTables& tables, const TsSkinSource& source, TsStoredSkins& internalSkins,
              const TsSkinLoadSettings& settings);

}  // namespace skin
