#include "skin/sSkinLoader.h"

#include "gfx/ImageCodecs.h"
#include "rtl/Exceptions.h"
#include "skin/sImageReference.h"
#include "skin/sSkinSections.h"
#include "skin/sUpperCase.h"

namespace skin {

const char* const SkinVersionWarning =
    "This version of the skin have not complete support by used Tessaly package release.\r\n"
    "Components must be updated up to latest version for using this skin.";

namespace {

constexpr std::string_view GlobalSection = "GLOBALINFO";
constexpr std::string_view MasterKey = "MASTERBITMAP";
// JPEG pictures up to this many pixels become texture entries; larger ones
// stay patterns.
constexpr long long MaxTexturePixels = 899999;

// Calls visit(section, key, value) for every key of every section in file
// order, leaving out the master bitmap's key and, when asked, GLOBALINFO.
template <typename Visit>
void ForEachKey(const rtl::TMemIniFile& ini, bool withGlobal, Visit&& visit) {
    rtl::TStringList sections, keys;
    ini.ReadSections(sections);
    for (int s = 0; s < sections.Count(); ++s) {
        const std::string& section = sections[s];
        if (!withGlobal && section == GlobalSection) continue;
        ini.ReadSection(section, keys);
        for (int k = 0; k < keys.Count(); ++k) {
            if (section == GlobalSection && keys[k] == MasterKey) continue;
            visit(section, keys[k], ini.ReadString(section, keys[k], ""));
        }
    }
}

class TImageEntryLoader {
public:
    TImageEntryLoader(TsSkinTables& tables, const TsSkinImageSource* images, double version)
        : FTables(tables), FImages(images), FVersion(version) {}

    void LoadMaster(const std::string& name) {
        if (auto image = Image(name)) FTables.MasterImage = std::move(*image);
    }

    void Add(TsImageReference reference, const std::string& section, const std::string& key) {
        TsMaskData& entry = reference.Entry;
        switch (reference.Form) {
            case rfGlyph:
            case rfTexture: AddMasterEntry(std::move(entry), section, key, false); break;
            case rfBorder: AddMasterEntry(std::move(entry), section, key, true); break;
            case rfRectangle: AddMasterEntry(std::move(entry), UpperCase(section), UpperCase(key), true); break;
            case rfExternal: AddOwnEntry(reference, section, key); break;
            case rfPlainBitmap: AddOwnEntry(reference, UpperCase(section), UpperCase(key)); break;
            case rfNone: break;
        }
    }

    void AddJpeg(const std::string& value, const std::string& section, const std::string& key) {
        const std::string_view bytes = Bytes(value);
        if (bytes.empty()) return;
        auto image = std::make_unique<gfx::TBitmap>(gfx::ReadImage(bytes));
        if (image->Width() == 0) return;
        if (static_cast<long long>(image->Width()) * image->Height() > MaxTexturePixels) {
            FTables.Patterns.push_back({std::move(image), UpperCase(section), UpperCase(key)});
            return;
        }
        MakeSkinBitmap(*image);
        TsMaskData entry;
        entry.SourceRect = {0, 0, image->Width(), image->Height()};
        entry.Bitmap = std::move(image);
        entry.StateCount = 1;
        entry.ImageKind = ikTexture;
        entry.SectionName = UpperCase(section);
        entry.KeyName = UpperCase(key);
        Append(std::move(entry));
    }

private:
    std::string_view Bytes(std::string_view reference) {
        return FImages ? FImages->ImageBytes(reference, FBuffer) : std::string_view();
    }

    std::optional<gfx::TBitmap> Image(std::string_view reference) const {
        return FImages ? FImages->SkinImage(reference, FVersion) : std::nullopt;
    }

    void Append(TsMaskData entry) {
        entry.Owner = &FTables;
        FTables.Masks.push_back(std::move(entry));
    }

    void AddMasterEntry(TsMaskData entry, std::string section, std::string key, bool frame) {
        entry.SectionName = std::move(section);
        entry.KeyName = std::move(key);
        if (frame) entry.CornerTransparency = CornerTransparencyOf(entry, FTables.MasterImage);
        Append(std::move(entry));
    }

    // A missing picture, or one without width, gives no entry.
    void AddOwnEntry(TsImageReference& reference, std::string section, std::string key) {
        auto decoded = Image(reference.FileName);
        if (!decoded || decoded->Width() == 0) return;
        auto image = std::make_unique<gfx::TBitmap>(std::move(*decoded));
        TsMaskData entry = std::move(reference.Entry);
        entry.SourceRect = {0, 0, image->Width(), image->Height()};
        if (reference.DefaultMargins && !SetDefaultMargins(entry)) return;
        entry.SectionName = std::move(section);
        entry.KeyName = std::move(key);
        if (entry.ImageKind == ikBorderFrame) entry.CornerTransparency = CornerTransparencyOf(entry, *image);
        entry.Bitmap = std::move(image);
        Append(std::move(entry));
    }

    TsSkinTables& FTables;
    const TsSkinImageSource* FImages;
    double FVersion;
    std::string FBuffer;
};

void LoadImageEntries(TsSkinTables& tables, const rtl::TMemIniFile& options, const TsSkinImageSource* images,
                      const TsSkinLoadSettings& settings) {
    tables.ClearImages();
    const TsSkinOptions skinOptions(options);
    const double version = skinOptions.ReadReal(GlobalSection, "VERSION");
    TImageEntryLoader loader(tables, images, version);
    loader.LoadMaster(skinOptions.ReadString(GlobalSection, MasterKey, ""));
    ForEachKey(options, true, [&](const std::string& section, const std::string& key, const std::string& value) {
        loader.Add(ParseImageReference(value, version), section, key);
    });
    if (settings.CommonSections) {
        // Only the older forms are taken from the common sections.
        ForEachKey(*settings.CommonSections, false,
                   [&](const std::string& section, const std::string& key, const std::string& value) {
                       if (!value.empty() && std::string_view("!@^~").find(value[0]) != std::string_view::npos)
                           return;
                       loader.Add(ParseImageReference(value, version), section, key);
                   });
    }
    ForEachKey(options, true, [&](const std::string& section, const std::string& key, const std::string& value) {
        if (IsJpegReference(value)) loader.AddJpeg(value, section, key);
    });
}

void LoadSections(TsSkinTables& tables, const rtl::TMemIniFile& options, const TsSkinLoadSettings& settings) {
    tables.Sections.clear();
    const TsSkinOptions skinOnly(options);
    ReadGlobalInfo(tables.GlobalInfo, skinOnly, settings.SystemFrameWidth);
    if (tables.GlobalInfo.Version > 7.99 && settings.OnVersionWarning) settings.OnVersionWarning(SkinVersionWarning);

    const TsSkinOptions withCommon(options, settings.CommonSections);
    rtl::TStringList names;
    options.ReadSections(names);
    for (int i = 0; i < names.Count(); ++i)
        tables.Sections.push_back(ReadSectionRecord(names[i] == GlobalSection ? skinOnly : withCommon, names[i]));
    if (settings.CommonSections) {
        settings.CommonSections->ReadSections(names);
        for (int i = 0; i < names.Count(); ++i)
            if (names[i] != GlobalSection && !options.SectionExists(names[i]))
                tables.Sections.push_back(ReadSectionRecord(withCommon, names[i]));
    }
}

}  // namespace

void LoadSkinTables(TsSkinTables& tables, const rtl::TMemIniFile& options, const TsSkinImageSource* images,
                    const TsSkinLoadSettings& settings) {
    LoadImageEntries(tables, options, images, settings);
    LoadSections(tables, options, settings);
    UpdateSectionIndexes(tables);
}

void ReadPackageOptions(const TacSkinConvertor& convertor, rtl::TMemIniFile& options) {
    rtl::TStringList lines;
    lines.SetCaseSensitive(true);
    if (convertor.OptionsData) {
        convertor.OptionsData->SetPosition(0);
        lines.LoadFromStream(*convertor.OptionsData);
    }
    options.SetStrings(lines);
}

bool LoadSkin(TsSkinTables& tables, const TsSkinSource& source, TsStoredSkins& internalSkins,
              const TsSkinLoadSettings& settings) {
    tables.GlobalInfo.SkinFolder = source.SkinFolder;
    rtl::TMemIniFile options(true);
    std::unique_ptr<TacSkinConvertor> convertor;
    std::unique_ptr<TsSkinImageSource> images;
    switch (source.Kind) {
        case sskPackageFile:
            TacSkinConvertor::LoadPackageFile(source.PackageFile, convertor, true);
            if (!convertor) throw rtl::EFOpenError("Cannot open file \"" + source.PackageFile + "\"");
            break;
        case sskFolder: {
            rtl::TStringList lines;
            lines.SetCaseSensitive(true);
            lines.LoadFromFile(source.SkinFolder + "Options.dat");
            options.SetStrings(lines);
            images = std::make_unique<TsFolderImages>(source.SkinFolder);
            break;
        }
        case sskInternal: {
            TsStoredSkin& item = internalSkins.Items(source.InternalIndex);
            if (item.DataBytes().empty()) break;
            convertor = std::make_unique<TacSkinConvertor>();
            convertor->SetSourceData(&item.Data());
            convertor->Unpack();
            // The package bytes stay the item's.
            convertor->SetSourceData(nullptr);
            break;
        }
        case sskNone: break;
    }
    if (convertor) {
        ReadPackageOptions(*convertor, options);
        images = std::make_unique<TsPackageImages>(*convertor);
    }
    if (settings.LiveOptions) options.SetStrings(*settings.LiveOptions);
    LoadSkinTables(tables, options, images.get(), settings);
    return convertor != nullptr;
}

}  // namespace skin
