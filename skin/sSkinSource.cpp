#include "skin/sSkinSource.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "skin/sUpperCase.h"

namespace skin {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view PackageExtension = ".asz";
constexpr std::string_view OptionsFileName = "Options.dat";

bool IsFile(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool IsFolder(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

}  // namespace

std::string AddTrailingSeparator(std::string_view path) {
    std::string result(path);
    if (!result.empty() && result.back() != PathDelim) result += PathDelim;
    return result;
}

std::string NormalizeSkinDirectory(std::string_view skinDirectory, std::string_view applicationFolder) {
    const std::string app = AddTrailingSeparator(applicationFolder);
    if (skinDirectory.starts_with("..")) {
        std::string parent = app.substr(0, app.size() - std::min<size_t>(app.size(), 1));
        while (!parent.empty() && parent.back() != PathDelim) parent.pop_back();
        return parent + std::string(skinDirectory.substr(std::min<size_t>(3, skinDirectory.size())));
    }
    if (skinDirectory.starts_with("./")) return app + std::string(skinDirectory.substr(2));
    if (!skinDirectory.starts_with(PathDelim)) return app + std::string(skinDirectory);
    return std::string(skinDirectory);
}

std::string StripPackageExtension(std::string_view skinName) {
    if (skinName.size() > PackageExtension.size() &&
        UpperCase(skinName.substr(skinName.size() - PackageExtension.size())) == UpperCase(PackageExtension))
        skinName.remove_suffix(PackageExtension.size());
    return std::string(skinName);
}

TsSkinSource ResolveSkinSource(std::string_view skinName, std::string_view skinDirectory,
                               std::string_view applicationFolder, const TsStoredSkins& internalSkins,
                               bool preferFolders) {
    TsSkinSource source;
    source.SkinName = StripPackageExtension(skinName);
    const std::string directory = NormalizeSkinDirectory(skinDirectory, applicationFolder);
    const std::string base = AddTrailingSeparator(directory);

    // The package is looked for in the same folder as skin folders are, so a
    // relative SkinDirectory means the same place for both.
    const std::string package = base + source.SkinName + std::string(PackageExtension);
    const bool fromPackage = IsFile(package) && !(preferFolders && IsFolder(base + source.SkinName));
    if (fromPackage) {
        source.Kind = sskPackageFile;
        source.PackageFile = package;
        source.SkinFolder = directory + PathDelim;
        return source;
    }
    source.SkinFolder = directory + PathDelim + source.SkinName + PathDelim;
    if (IsFile(source.SkinFolder + std::string(OptionsFileName))) {
        source.Kind = sskFolder;
        return source;
    }
    source.SkinFolder.clear();
    if (internalSkins.Count() == 0) return source;
    source.Kind = sskInternal;
    source.InternalIndex = internalSkins.IndexOf(source.SkinName);
    if (source.InternalIndex < 0) {
        source.InternalIndex = 0;
        source.SkinName = internalSkins.Items(0).Name();
    }
    return source;
}

void ListSkins(rtl::TStringList& list, TsSkinListKind kind, std::string& firstName, const TsStoredSkins& internalSkins,
               std::string_view skinDirectory, std::string_view applicationFolder) {
    firstName.clear();
    list.Clear();
    rtl::TStringList found;
    auto add = [&](std::string name) {
        if (firstName.empty()) firstName = name;
        found.Add(std::move(name));
    };
    for (int i = 0; i < internalSkins.Count(); ++i) add(internalSkins.Items(i).Name());

    const std::string directory = NormalizeSkinDirectory(skinDirectory, applicationFolder);
    std::vector<fs::directory_entry> entries;
    std::error_code error;
    if (IsFolder(directory))
        for (const fs::directory_entry& entry : fs::directory_iterator(directory, error)) entries.push_back(entry);
    // The folder's own order differs between file systems; the first skin
    // found should not.
    std::sort(entries.begin(), entries.end(),
              [](const fs::directory_entry& a, const fs::directory_entry& b) { return a.path() < b.path(); });
    for (const fs::directory_entry& entry : entries) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with('.')) continue;
        if (entry.is_directory(error)) {
            if (kind != slPackages && IsFile((entry.path() / OptionsFileName).string())) add(name);
        } else if (kind != slFolders && entry.is_regular_file(error) && entry.path().extension() == PackageExtension) {
            add(name.substr(0, name.find('.')));
        }
    }
    found.Sort();
    for (int i = 0; i < found.Count(); ++i) list.Add(found[i]);
}

}  // namespace skin
