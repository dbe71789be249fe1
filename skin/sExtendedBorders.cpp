#include "skin/sExtendedBorders.h"

#include <cstddef>
#include <cstring>

#include "gfx/ImageCodecs.h"

// Generated from resources/skin/shadows by the build.
extern const unsigned char ShadowActivePng[];
extern const std::size_t ShadowActivePngSize;
extern const unsigned char ShadowInactivePng[];
extern const std::size_t ShadowInactivePngSize;

namespace skin {

namespace {

constexpr int BuiltInShadowOffset = 9;

// One state frame of the entry, cut from its picture at the frame's place.
gfx::TBitmap CutFrame(const TsSkinTables& tables, const TsMaskData& entry, int frame) {
    const gfx::TBitmap& source = tables.SourceBitmap(entry);
    const int width = FrameWidth(entry), height = FrameHeight(entry);
    const gfx::TRect wanted{entry.SourceRect.Left + frame * width, entry.SourceRect.Top,
                            entry.SourceRect.Left + (frame + 1) * width, entry.SourceRect.Top + height};
    const gfx::TRect cut = gfx::IntersectRect(wanted, {0, 0, source.Width(), source.Height()});
    gfx::TBitmap result(width > 0 && height > 0 ? width : 0, width > 0 && height > 0 ? height : 0);
    if (cut.Width() <= 0 || cut.Height() <= 0 || source.PixelFormat() != gfx::pf32bit) return result;
    for (int y = cut.Top; y < cut.Bottom; ++y)
        std::memcpy(result.ScanLine(y - wanted.Top) + (cut.Left - wanted.Left) * 4, source.ScanLine(y) + cut.Left * 4,
                    size_t(cut.Width()) * 4);
    return result;
}

void ClearWhiteSeeThrough(gfx::TBitmap& picture) {
    for (int y = 0; y < picture.Height(); ++y) {
        uint8_t* p = picture.ScanLine(y);
        for (int x = 0; x < picture.Width(); ++x, p += 4)
            if (p[0] == 255 && p[1] == 255 && p[2] == 255 && p[3] == 0) p[0] = p[1] = p[2] = 0;
    }
}

}  // namespace

gfx::TBitmap BuiltInShadow(bool active) {
    const std::string_view png =
        active ? std::string_view(reinterpret_cast<const char*>(ShadowActivePng), ShadowActivePngSize)
               : std::string_view(reinterpret_cast<const char*>(ShadowInactivePng), ShadowInactivePngSize);
    gfx::TBitmap picture = gfx::ReadPng(png);
    picture.SetPixelFormat(gfx::pf32bit);
    return picture;
}

void PrepareExtendedBorders(const TsSkinTables& tables, TsExtendedBorderImages& images) {
    const int global = tables.FindSection("GLOBALINFO");
    const int index = tables.FindMask(global, "GLOBALINFO", "EXBORDER");
    if (index < 0) {
        images.Active = BuiltInShadow(true);
        images.Inactive = BuiltInShadow(false);
        images.ContentOffsets = {BuiltInShadowOffset, BuiltInShadowOffset, BuiltInShadowOffset, BuiltInShadowOffset};
    } else {
        const TsMaskData& entry = tables.Masks[size_t(index)];
        images.Inactive = CutFrame(tables, entry, 0);
        images.Active = CutFrame(tables, entry, entry.StateCount > 1 ? 1 : 0);
        const int offset = tables.GlobalInfo.FormOffset;
        images.ContentOffsets = tables.GlobalInfo.BorderMode != 0
                                    ? gfx::TRect{offset, offset, offset, offset}
                                    : gfx::TRect{entry.MarginLeft - offset, entry.MarginTop - offset,
                                                 entry.MarginRight - offset, entry.MarginBottom - offset};
    }
    ClearWhiteSeeThrough(images.Active);
    ClearWhiteSeeThrough(images.Inactive);
}

}  // namespace skin
