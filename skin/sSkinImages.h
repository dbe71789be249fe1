#pragma once
// Where the pictures of a skin come from, and how a picture becomes a 32-bit
// skin image: pixels of the key colour 0xFF00FF get alpha 0 and every other
// pixel alpha 255, except in PNG images that bring an alpha of their own.
#include <optional>
#include <string>
#include <string_view>

#include "gfx/TBitmap.h"
#include "skin/acSkinPack.h"
#include "skin/sSkinRecords.h"

namespace skin {

class TsSkinImageSource {
public:
    virtual ~TsSkinImageSource() = default;
    // The bytes of the picture `reference` names (a file name as the options
    // text writes it); empty when there is none. The bytes may live in
    // `buffer`, which the caller keeps while it uses them.
    virtual std::string_view ImageBytes(std::string_view reference, std::string& buffer) const = 0;
    // The picture as a skin image (DecodeSkinImage of its bytes), or nothing
    // when there is no such picture. A source that serves many loads of the
    // same pictures may keep what it decoded.
    virtual std::optional<gfx::TBitmap> SkinImage(std::string_view reference, double version) const;
};

// The image members of an unpacked package, found by their upper-cased names.
class TsPackageImages final : public TsSkinImageSource {
public:
    explicit TsPackageImages(const TacSkinConvertor& convertor) : FConvertor(convertor) {}
    std::string_view ImageBytes(std::string_view reference, std::string& buffer) const override;

private:
    const TacSkinConvertor& FConvertor;
};

// The files of a skin folder: a reference is taken relative to the folder
// unless it starts with '/'. Options texts write names in upper case while
// the files keep theirs, so a name that does not match exactly is matched
// case-insensitively within its folder.
class TsFolderImages final : public TsSkinImageSource {
public:
    // `skinFolder` ends with '/'.
    explicit TsFolderImages(std::string skinFolder) : FSkinFolder(std::move(skinFolder)) {}
    std::string_view ImageBytes(std::string_view reference, std::string& buffer) const override;

private:
    std::string FSkinFolder;
};

// A BMP, PNG or JPEG picture as a 32-bit skin image marked transparent with
// the key colour. The alpha of a PNG that has one is kept: for skins up to
// version 7.45 white pixels of alpha 0 become all zero, later skins get
// premultiplied colours. A PNG without alpha is keyed like a BMP.
// Raises gfx::EInvalidGraphic for data that is no such picture.
gfx::TBitmap DecodeSkinImage(std::string_view bytes, double version);

// Converts a picture without alpha to 32 bits, alpha 255 except on key-colour
// pixels, and marks it transparent with the key colour. A 32-bit picture only
// gets the mark.
void MakeSkinBitmap(gfx::TBitmap& bitmap);

// 1 when a corner area of the entry's first frame holds a pixel that is
// exactly 0x00FF00FF (the key colour with alpha 0), else 0; 2 for the huge
// button frame, whose corners are always merged.
int16_t CornerTransparencyOf(const TsMaskData& entry, const gfx::TBitmap& source);

}  // namespace skin
