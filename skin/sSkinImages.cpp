#include "skin/sSkinImages.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "gfx/ImageCodecs.h"
#include "gfx/PixelAccess.h"
#include "skin/sUpperCase.h"

namespace skin {

namespace {

constexpr std::string_view PngSignature = "\x89PNG\r\n\x1a\n";

// A see-through pixel of a skin image: the key colour with alpha 0.
bool IsKeyPixel(const uint8_t* p) { return gfx::LoadPixel32(p) == 0x00FF00FFu; }

bool ReadWholeFile(const std::filesystem::path& path, std::string& buffer) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    buffer.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

// The file in `folder` whose name equals `name` ignoring case, or empty.
std::filesystem::path FindIgnoringCase(const std::filesystem::path& folder, const std::string& name) {
    std::error_code error;
    const std::string wanted = UpperCase(name);
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (UpperCase(entry.path().filename().string()) == wanted) return entry.path();
    return {};
}

void ApplyPngAlphaRule(gfx::TBitmap& bitmap, double version) {
    const bool premultiply = version > 7.45;
    for (int y = 0; y < bitmap.Height(); ++y) {
        uint8_t* p = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x, p += 4) {
            if (premultiply) {
                for (int c = 0; c < 3; ++c) p[c] = static_cast<uint8_t>(p[c] * p[3] / 255);
            } else if (p[3] == 0 && p[0] == 0xFF && p[1] == 0xFF && p[2] == 0xFF) {
                p[0] = p[1] = p[2] = 0;
            }
        }
    }
}

// True when a pixel in columns x0..x1-1 and rows y0..y1-1 is the key.
bool HasKeyPixel(const gfx::TBitmap& bitmap, int x0, int x1, int y0, int y1) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    for (int y = y0; y < y1; ++y) {
        const uint8_t* row = bitmap.ScanLine(y);
        for (int x = x0; x < x1; ++x)
            if (IsKeyPixel(row + 4 * x)) return true;
    }
    return false;
}

}  // namespace

std::string_view TsPackageImages::ImageBytes(std::string_view reference, std::string&) const {
    const TacImageItem* item = FConvertor.FindImage(reference);
    if (item == nullptr) return {};
    const long long size = item->Data->Size();
    return {reinterpret_cast<const char*>(item->Data->Memory()), static_cast<size_t>(size)};
}

std::string_view TsFolderImages::ImageBytes(std::string_view reference, std::string& buffer) const {
    if (reference.empty()) return {};
    std::filesystem::path path = reference[0] == '/' ? std::filesystem::path(reference)
                                                     : std::filesystem::path(FSkinFolder + std::string(reference));
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        path = FindIgnoringCase(path.parent_path(), path.filename().string());
        if (path.empty() || !std::filesystem::is_regular_file(path, error)) return {};
    }
    return ReadWholeFile(path, buffer) ? std::string_view(buffer) : std::string_view();
}

void MakeSkinBitmap(gfx::TBitmap& bitmap) {
    if (bitmap.PixelFormat() == gfx::pf24bit) {
        // One pass from three bytes to four, the alpha decided on the way.
        gfx::TBitmap keyed(bitmap.Width(), bitmap.Height(), gfx::pf32bit);
        for (int y = 0; y < bitmap.Height(); ++y) {
            const uint8_t* from = bitmap.ScanLine(y);
            uint8_t* to = keyed.ScanLine(y);
            for (int x = 0; x < bitmap.Width(); ++x, from += 3, to += 4) {
                to[0] = from[0], to[1] = from[1], to[2] = from[2];
                to[3] = from[0] == 0xFF && from[1] == 0 && from[2] == 0xFF ? 0 : 255;
            }
        }
        bitmap = std::move(keyed);
    } else if (bitmap.PixelFormat() != gfx::pf32bit) {
        // Grey pictures hold no key colour.
        bitmap.SetPixelFormat(gfx::pf32bit);
        for (int y = 0; y < bitmap.Height(); ++y) {
            uint8_t* p = bitmap.ScanLine(y);
            for (int x = 0; x < bitmap.Width(); ++x) p[4 * x + 3] = 255;
        }
    }
    bitmap.SetTransparent(true);
    bitmap.SetTransparentColor(gfx::clFuchsia);
}

std::optional<gfx::TBitmap> TsSkinImageSource::SkinImage(std::string_view reference, double version) const {
    std::string buffer;
    const std::string_view bytes = ImageBytes(reference, buffer);
    if (bytes.empty()) return std::nullopt;
    return DecodeSkinImage(bytes, version);
}

gfx::TBitmap DecodeSkinImage(std::string_view bytes, double version) {
    if (!bytes.starts_with(PngSignature)) {
        gfx::TBitmap bitmap = gfx::ReadImage(bytes);
        MakeSkinBitmap(bitmap);
        return bitmap;
    }
    // A PNG with alpha of its own keeps it; one without is keyed like any
    // other picture, so that its magenta stays see-through.
    gfx::TBitmap bitmap = gfx::ReadPng(bytes);
    if (bitmap.PixelFormat() == gfx::pf32bit) ApplyPngAlphaRule(bitmap, version);
    MakeSkinBitmap(bitmap);
    return bitmap;
}

int16_t CornerTransparencyOf(const TsMaskData& entry, const gfx::TBitmap& source) {
    if (entry.SectionName == "BUTTON_HUGE" && entry.KeyName == "BORDERSMASK") return 2;
    const int W = source.Width(), H = source.Height();
    if (W < 1 || H < 2 || source.PixelFormat() != gfx::pf32bit || entry.StateCount <= 0 || entry.MaskKind < 0)
        return 0;
    const int w = entry.SourceRect.Width() / entry.StateCount;
    const int h = entry.SourceRect.Height() / (entry.MaskKind + 1);
    const int L = entry.SourceRect.Left, T = entry.SourceRect.Top;
    const int leftEnd = std::min(L + entry.MarginLeft, W - 1);
    const int rightStart = L + w - entry.MarginRight, rightEnd = std::min(L + w, W - 1);
    const int topEnd = std::min(T + entry.MarginTop, H - 1);
    const int bottomStart = T + h - entry.MarginBottom, bottomEnd = std::min(T + h, H - 1);
    const bool found = HasKeyPixel(source, L, leftEnd, T, topEnd) || HasKeyPixel(source, rightStart, rightEnd, T, topEnd) ||
                       HasKeyPixel(source, L, leftEnd, bottomStart, bottomEnd) ||
                       HasKeyPixel(source, rightStart, rightEnd, bottomStart, bottomEnd);
    return found ? 1 : 0;
}

}  // namespace skin
