#pragma once
// Skin packages (.asz): the options file and the images of a skin, each member
// one zlib stream. All integers are 32-bit little-endian:
//   "ASzf", member count N, then N times: name length L, L bytes of name,
//   unpacked size S, a zlib stream that inflates to exactly S bytes.
// No compressed sizes are stored: each member starts right after the end of
// the previous member's zlib stream.
//
// Packages come from outside. Every way a package can be wrong ends in an
// exception with a message saying so, never in a crash or a partly read member:
// - a wrong magic, a header field pointing past the end of the data (a size
//   more than the rest of the data could ever inflate to counts as that), or
//   no Options.dat member: ESkinPackError;
// - compressed data that does not inflate, or inflates to more than S bytes:
//   rtl::EDecompressionError;
// - a member that inflates to fewer than S bytes: rtl::EReadError.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "rtl/Exceptions.h"
#include "rtl/TStream.h"

namespace skin {

class ESkinPackError : public rtl::Exception { using Exception::Exception; };

// Reads the members of a package one after the other.
class TacPackageReader {
public:
    // Checks the magic and reads the member count, from the stream's start.
    explicit TacPackageReader(rtl::TStream& source);

    int Count() const { return FCount; }
    // The next member's name and inflated bytes (`data` is replaced); false
    // after the last member.
    bool Next(std::string& name, rtl::TMemoryStream& data);

private:
    int32_t ReadHeaderInteger(const char* what);
    void Inflate(const std::string& name, long long size, rtl::TMemoryStream& data);

    rtl::TStream& FSource;
    long long FSize;
    int FCount = 0;
    int FIndex = 0;
};

struct TacImageItem {
    std::string Name;  // as stored, e.g. "GlowBtn.PNG"
    bool IsBitmap = false;  // the upper-cased extension is ".BMP"
    std::unique_ptr<rtl::TMemoryStream> Data;
};
using TacImageItems = std::vector<TacImageItem>;

// An unpacked package: created per skin load and dropped right after.
class TacSkinConvertor {
public:
    TacSkinConvertor() = default;
    ~TacSkinConvertor() { FreeMembers(); }
    TacSkinConvertor(const TacSkinConvertor&) = delete;
    TacSkinConvertor& operator=(const TacSkinConvertor&) = delete;

    // The member count minus one: the number of images when the package holds
    // one options member.
    int ImageMemberCount = 0;
    TacImageItems ImageList;
    std::unique_ptr<rtl::TMemoryStream> OptionsData;

    rtl::TStream* SourceData() const { return FSourceData; }
    // A stream that stays its owner's (an internal skin's package); null lets
    // go of the current source, freeing it when it is owned.
    void SetSourceData(rtl::TStream* stream);
    void SetOwnedSourceData(std::unique_ptr<rtl::TStream> stream);

    // Reads SourceData from its start into ImageList and OptionsData. On any
    // error the members are freed before the exception leaves.
    void Unpack();
    // Frees the images (last first), the options and an owned source.
    void FreeMembers();

    // Does nothing when the file does not exist. Otherwise (re)fills
    // `convertor` from the whole file, and frees the file's bytes afterwards
    // when `freeSource` is set. When unpacking fails `convertor` becomes null.
    static void LoadPackageFile(const std::string& fileName, std::unique_ptr<TacSkinConvertor>& convertor,
                                bool freeSource);

    // The first of the first ImageMemberCount images whose upper-cased name
    // equals `reference` as written; null when there is none.
    const TacImageItem* FindImage(std::string_view reference) const;

private:
    rtl::TStream* FSourceData = nullptr;
    std::unique_ptr<rtl::TStream> FOwnedSource;
};

// The member name of the options file is compared upper-cased with this.
bool IsOptionsMemberName(std::string_view name);

}  // namespace skin
