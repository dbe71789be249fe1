#include "app/AppResources.h"

#include <cstddef>
#include <string>
#include <string_view>

#include "resources/InternalSkin.h"
#include "vcl/Resources.h"

extern const unsigned char AppBanner[];
extern const std::size_t AppBannerSize;
extern const unsigned char AppHelpGlyph[];
extern const std::size_t AppHelpGlyphSize;
extern const unsigned char AppStartGlyph[];
extern const std::size_t AppStartGlyphSize;
extern const unsigned char AppIcon[];
extern const std::size_t AppIconSize;
extern const unsigned char AppCodecLogo[];
extern const std::size_t AppCodecLogoSize;

namespace app {

namespace {

std::string_view Bytes(const unsigned char* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace

void RegisterAppResources() {
    vcl::RegisterResource("banner.bmp", Bytes(AppBanner, AppBannerSize));
    vcl::RegisterResource("help.png", Bytes(AppHelpGlyph, AppHelpGlyphSize));
    vcl::RegisterResource("start.png", Bytes(AppStartGlyph, AppStartGlyphSize));
    vcl::RegisterResource("icon.png", Bytes(AppIcon, AppIconSize));
    vcl::RegisterResource("divx.jpg", Bytes(AppCodecLogo, AppCodecLogoSize));
    // The main window's skin manager keeps the internal skin under its name.
    vcl::RegisterResource(std::string(resources::InternalSkinName), resources::InternalSkinPackage());
}

}  // namespace app
