// Arbitrary text as a skin's options, with the internal skin's pictures to
// refer to: loading either fails with an exception or fills tables whose
// entries and indexes are all usable, and recolouring them works.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

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

bool Valid(const skin::TsSkinTables& tables, int index) { return index == -1 || tables.IsValidImgIndex(index); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const skin::TsPackageImages images(InternalPictures());
    rtl::TStringList lines;
    lines.SetCaseSensitive(true);
    lines.SetText(std::string_view(reinterpret_cast<const char*>(data), size));
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
    skin::ApplySkinHueAndSaturation(tables, 30, -60);
    return 0;
}
