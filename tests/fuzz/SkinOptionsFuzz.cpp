// Arbitrary text as a skin's options, with the internal skin's pictures to
// refer to: loading either fails with an exception or fills tables whose
// entries and indexes are all usable, and recolouring them works.
//
// Two things keep it fast enough to mean something: each picture is decoded
// once for the whole run, and only inputs that ask for it (by their last
// bytes) recolour, since recolouring walks every pixel of the master picture.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <string_view>
#include <utility>

#include "resources/InternalSkin.h"
#include "rtl/Exceptions.h"
#include "rtl/TMemIniFile.h"
#include "rtl/TStringList.h"
#include "skin/acSkinPack.h"
#include "skin/sHueSaturation.h"
#include "skin/sSkinLoader.h"

namespace {

const skin::TacSkinConvertor& InternalPictures() {
    static rtl::TMemoryStream source;
    static std::unique_ptr<skin::TacSkinConvertor> convertor = [] {
        const std::string_view package = resources::InternalSkinPackage();
        source.WriteBuffer(package.data(), static_cast<long long>(package.size()));
        auto c = std::make_unique<skin::TacSkinConvertor>();
        c->SetSourceData(&source);
        c->Unpack();
        c->SetSourceData(nullptr);
        return c;
    }();
    return *convertor;
}

class TDecodedOnce final : public skin::TsSkinImageSource {
public:
    explicit TDecodedOnce(const skin::TsSkinImageSource& source) : FSource(source) {}
    std::string_view ImageBytes(std::string_view reference, std::string& buffer) const override {
        return FSource.ImageBytes(reference, buffer);
    }
    std::optional<gfx::TBitmap> SkinImage(std::string_view reference, double version) const override {
        auto key = std::make_pair(std::string(reference), version);
        auto found = FDecoded.find(key);
        if (found == FDecoded.end()) found = FDecoded.emplace(std::move(key), FSource.SkinImage(reference, version)).first;
        if (!found->second) return std::nullopt;
        gfx::TBitmap copy;
        copy.Assign(*found->second);
        return copy;
    }

private:
    const skin::TsSkinImageSource& FSource;
    mutable std::map<std::pair<std::string, double>, std::optional<gfx::TBitmap>> FDecoded;
};

bool Valid(const skin::TsSkinTables& tables, int index) { return index == -1 || tables.IsValidImgIndex(index); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const skin::TsPackageImages package(InternalPictures());
    static const TDecodedOnce images(package);
    FuzzedDataProvider input(data, size);
    const bool recolour = input.ConsumeIntegralInRange(0, 7) == 0;
    const int hue = input.ConsumeIntegralInRange(-360, 360), saturation = input.ConsumeIntegralInRange(-200, 200);
    const std::string text = input.ConsumeRemainingBytesAsString();
    rtl::TStringList lines;
    lines.SetCaseSensitive(true);
    lines.SetText(text);
    rtl::TMemIniFile options(true);
    options.SetStrings(lines);
    skin::TsSkinTables tables;
    try {
        skin::LoadSkinTables(tables, options, &images, {});
    } catch (const rtl::Exception&) {
        return 0;
    }
    for (const skin::TsMaskData& entry : tables.Masks)
        if (entry.Owner != &tables || (entry.Bitmap && entry.Bitmap->PixelFormat() != gfx::pf32bit)) abort();
    for (size_t i = 0; i < tables.Sections.size(); ++i) {
        const skin::TsGeneralData& d = tables.Sections[i];
        if (!Valid(tables, d.BordersMaskIndex) || !Valid(tables, d.PatternIndex) || !Valid(tables, d.ImgTopLeftIndex))
            abort();
        if (tables.FindSection(d.SectionName) > static_cast<int>(i)) abort();
        const int found = tables.FindPattern(static_cast<int>(i), d.SectionName, "PATTERN");
        if (found < -1 || found >= static_cast<int>(tables.Patterns.size())) abort();
    }
    if (recolour) skin::ApplySkinHueAndSaturation(tables, hue, saturation);
    return 0;
}
