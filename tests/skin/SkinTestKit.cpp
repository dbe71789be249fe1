#include "SkinTestKit.h"

#include "gfx/PixelAccess.h"
#include "rtl/TStream.h"

namespace skintest {

gfx::TBitmap Picture(int width, int height, gfx::TColor colour, gfx::TPixelFormat format, uint8_t alpha) {
    gfx::TBitmap bitmap(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) SetPixel(bitmap, x, y, colour, alpha);
    return bitmap;
}

void SetPixel(gfx::TBitmap& bitmap, int x, int y, gfx::TColor colour, uint8_t alpha) {
    gfx::StorePixel(bitmap, x, y, gfx::ColorToBgra(colour, alpha));
}

uint32_t PixelValue(const gfx::TBitmap& bitmap, int x, int y) {
    return gfx::PackBgra(gfx::LoadPixel(bitmap, x, y));
}

std::string PackageOf(const std::string& options, const std::vector<TPackMember>& images) {
    std::vector<TPackMember> members{{"Options.dat", options}};
    members.insert(members.end(), images.begin(), images.end());
    return skinpack::WritePackage(members);
}

void LoadSkinText(skin::TsSkinTables& tables, const std::string& options, const std::vector<TPackMember>& images,
                  const skin::TsSkinLoadSettings& settings) {
    skin::TsStoredSkins internal;
    internal.Add().SetData(PackageOf(options, images));
    skin::TsSkinSource source;
    source.Kind = skin::sskInternal;
    source.InternalIndex = 0;
    skin::LoadSkin(tables, source, internal, settings);
}

}  // namespace skintest
