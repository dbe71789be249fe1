#include "skin/acSkinPack.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "rtl/IntConvert.h"
#include "rtl/TScopeExit.h"
#include "skin/sUpperCase.h"

namespace skin {

namespace {

constexpr char Magic[4] = {'A', 'S', 'z', 'f'};
constexpr long long ChunkSize = 65536;
// Deflate cannot make more than about 1032 bytes of one byte of its data.
constexpr long long MaxInflateRatio = 1032;

[[noreturn]] void Damaged(const std::string& why) { throw ESkinPackError("The skin package is damaged: " + why); }

// The extension is the part from the last '.'.
bool IsBitmapName(std::string_view name) {
    const size_t dot = name.rfind('.');
    return dot != std::string_view::npos && UpperCase(name.substr(dot)) == ".BMP";
}

}  // namespace

bool IsOptionsMemberName(std::string_view name) { return UpperCase(name) == "OPTIONS.DAT"; }

TacPackageReader::TacPackageReader(rtl::TStream& source) : FSource(source), FSize(source.Size()) {
    FSource.SetPosition(0);
    char magic[4];
    if (FSource.Read(magic, 4) != 4 || std::memcmp(magic, Magic, 4) != 0)
        throw ESkinPackError("Loaded data is not a packed Quillmark file");
    FCount = ReadHeaderInteger("the member count");
}

int32_t TacPackageReader::ReadHeaderInteger(const char* what) {
    uint8_t bytes[4];
    if (FSource.Read(bytes, 4) != 4) Damaged(std::string(what) + " lies past the end of the data");
    return static_cast<int32_t>(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
                                uint32_t(bytes[3]) << 24);
}

bool TacPackageReader::Next(std::string& name, rtl::TMemoryStream& data) {
    if (FIndex >= FCount) return false;
    const std::string member = "member " + rtl::IntToStr(FIndex + 1);
    const int32_t length = ReadHeaderInteger(("the name length of " + member).c_str());
    if (length < 0 || length > FSize - FSource.Position()) Damaged("the name of " + member + " runs past the end");
    name.assign(static_cast<size_t>(length), '\0');
    FSource.ReadBuffer(name.data(), length);
    const int32_t size = ReadHeaderInteger(("the size of " + member).c_str());
    if (size < 0) Damaged("the size of " + member + " is negative");
    if (size > (FSize - FSource.Position()) * MaxInflateRatio)
        Damaged("the size of " + member + " is more than the rest of the data holds");
    Inflate(name, size, data);
    ++FIndex;
    return true;
}

// Inflates exactly `size` bytes and leaves the source on the first byte after
// the zlib stream, whose end must follow right after those bytes.
void TacPackageReader::Inflate(const std::string& name, long long size, rtl::TMemoryStream& data) {
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) throw rtl::EDecompressionError("The inflater cannot start");
    const rtl::TScopeExit end([&zs] { inflateEnd(&zs); });

    std::vector<uint8_t> input(static_cast<size_t>(ChunkSize));
    std::vector<uint8_t> output(static_cast<size_t>(std::min(size, ChunkSize)) + 1);
    // Sized once, so that the member's bytes are not moved as they grow.
    data.SetSize(size);
    data.SetPosition(0);
    long long left = size;
    for (;;) {
        if (zs.avail_in == 0) {
            const long long got = FSource.Read(input.data(), ChunkSize);
            if (got == 0) throw rtl::EReadError("Stream read error");
            zs.next_in = input.data();
            zs.avail_in = static_cast<uInt>(got);
        }
        // Past the stated size one spare byte is offered: the stream must end
        // without filling it.
        const long long room = left > 0 ? std::min<long long>(left, static_cast<long long>(output.size()) - 1) : 1;
        zs.next_out = output.data();
        zs.avail_out = static_cast<uInt>(room);
        const int status = inflate(&zs, Z_NO_FLUSH);
        const long long produced = room - zs.avail_out;
        if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR)
            throw rtl::EDecompressionError("The skin package member \"" + name + "\" does not inflate (" +
                                           (zs.msg ? zs.msg : "zlib error " + rtl::IntToStr(status)) + ")");
        if (left == 0 && produced > 0)
            throw rtl::EDecompressionError("The skin package member \"" + name + "\" is larger than its stated size");
        data.WriteBuffer(output.data(), produced);
        left -= produced;
        if (status == Z_STREAM_END) {
            if (left > 0) throw rtl::EReadError("Stream read error");
            FSource.Seek(-static_cast<long long>(zs.avail_in), rtl::soCurrent);
            return;
        }
    }
}

void TacSkinConvertor::SetSourceData(rtl::TStream* stream) {
    FOwnedSource.reset();
    FSourceData = stream;
}

void TacSkinConvertor::SetOwnedSourceData(std::unique_ptr<rtl::TStream> stream) {
    FOwnedSource = std::move(stream);
    FSourceData = FOwnedSource.get();
}

void TacSkinConvertor::FreeMembers() {
    while (!ImageList.empty()) ImageList.pop_back();
    ImageMemberCount = 0;
    OptionsData.reset();
    FOwnedSource.reset();
    FSourceData = nullptr;
}

void TacSkinConvertor::Unpack() {
    try {
        if (FSourceData == nullptr) throw ESkinPackError("Loaded data is not a packed Quillmark file");
        TacPackageReader reader(*FSourceData);
        ImageMemberCount = reader.Count() - 1;
        std::string name;
        auto data = std::make_unique<rtl::TMemoryStream>();
        while (reader.Next(name, *data)) {
            if (IsOptionsMemberName(name)) {
                OptionsData = std::move(data);
            } else {
                const bool isBitmap = IsBitmapName(name);
                ImageList.push_back({std::move(name), isBitmap, std::move(data)});
            }
            data = std::make_unique<rtl::TMemoryStream>();
        }
        if (!OptionsData) Damaged("it holds no Options.dat");
    } catch (...) {
        FreeMembers();
        throw;
    }
}

void TacSkinConvertor::LoadPackageFile(const std::string& fileName, std::unique_ptr<TacSkinConvertor>& convertor,
                                       bool freeSource) {
    std::error_code error;
    if (!std::filesystem::exists(fileName, error)) return;
    auto bytes = std::make_unique<rtl::TMemoryStream>();
    bytes->LoadFromFile(fileName);
    if (convertor)
        convertor->FreeMembers();
    else
        convertor = std::make_unique<TacSkinConvertor>();
    convertor->SetOwnedSourceData(std::move(bytes));
    try {
        convertor->Unpack();
    } catch (...) {
        convertor.reset();
        throw;
    }
    if (freeSource) convertor->SetSourceData(nullptr);
}

const TacImageItem* TacSkinConvertor::FindImage(std::string_view reference) const {
    const size_t count = std::min(ImageList.size(), static_cast<size_t>(std::max(ImageMemberCount, 0)));
    for (size_t i = 0; i < count; ++i)
        if (UpperCase(ImageList[i].Name) == reference) return &ImageList[i];
    return nullptr;
}

}  // namespace skin
