#pragma once
// Where a skin of a given name comes from, tried in this order:
//   1. a package file <SkinDirectory>/<name>.asz,
//   2. a skin folder <SkinDirectory>/<name>/ holding Options.dat,
//   3. an internal skin of that name, else the first internal skin.
// SkinDirectory is relative to the program folder unless it starts with '/':
// "../x" is beside the program folder, "./x" and "x" inside it.
#include <string>
#include <string_view>

#include "rtl/TStringList.h"
#include "skin/sStoredSkins.h"

namespace skin {

constexpr char PathDelim = '/';

// Leaves an empty text or a trailing '/' alone, else appends '/'.
std::string AddTrailingSeparator(std::string_view path);

// The absolute folder SkinDirectory names, without a trailing separator.
// `applicationFolder` is the program's folder with a trailing '/'.
std::string NormalizeSkinDirectory(std::string_view skinDirectory, std::string_view applicationFolder);

// "Blue.asz" (any case of the extension) is the skin "Blue".
std::string StripPackageExtension(std::string_view skinName);

enum TsSkinSourceKind { sskNone, sskPackageFile, sskFolder, sskInternal };

struct TsSkinSource {
    TsSkinSourceKind Kind = sskNone;
    // The name the manager keeps: without ".asz", or the first internal skin's
    // when no internal skin has the asked-for name.
    std::string SkinName;
    // For GlobalInfo.SkinFolder; ends with '/', empty for internal skins.
    std::string SkinFolder;
    std::string PackageFile;
    int InternalIndex = -1;
};

// sskNone when the name has no package or folder and there are no internal
// skins at all. Once a live skin feed has been received, `preferFolders`
// makes an existing skin folder win over a package file of the same name.
TsSkinSource ResolveSkinSource(std::string_view skinName, std::string_view skinDirectory,
                               std::string_view applicationFolder, const TsStoredSkins& internalSkins,
                               bool preferFolders);

enum TsSkinListKind { slFolders = 0, slPackages = 1, slBoth = 2 };

// The internal skins and, from SkinDirectory, the folders holding Options.dat
// and the files ending in ".asz" (by the part of the name before its first
// '.'), sorted ignoring case. `firstName` gets the first internal skin, else
// the first skin found.
void ListSkins(rtl::TStringList& list, TsSkinListKind kind, std::string& firstName, const TsStoredSkins& internalSkins,
               std::string_view skinDirectory, std::string_view applicationFolder);

}  // namespace skin
