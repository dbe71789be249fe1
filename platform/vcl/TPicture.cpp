#include "vcl/TPicture.h"

#include <fstream>
#include <sstream>

#include "gfx/ImageCodecs.h"
#include "rtl/Exceptions.h"
#include "vcl/Resources.h"
#include "vcl/TClassBuilder.h"

namespace vcl {

namespace {

template <class T>
TClassBuilder<T> PictureProperties(const char* name) {
    return std::move(
        TClassBuilder<T>(name, TPersistent::StaticClass())
            // A picture in a layout names a resource of the program.
            .Custom("Resource", [](T& p, const TLayoutValue& v, TLayoutReader&) {
                p.LoadFromResourceName(ValueToString(v));
            }));
}

}  // namespace

const TClassInfo& TPicture::StaticClass() {
    static const TClassInfo& info = PictureProperties<TPicture>("TPicture").Build();
    return info;
}

const TClassInfo& TIcon::StaticClass() {
    static const TClassInfo& info = PictureProperties<TIcon>("TIcon").Build();
    return info;
}

void TPicture::LoadFromData(std::string_view data) {
    FBitmap = gfx::ReadImage(data);
    PictureLoaded();
    Changed();
}

void TPicture::LoadFromFile(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) throw rtl::EFOpenError("Cannot open file \"" + fileName + "\"");
    std::ostringstream bytes;
    bytes << in.rdbuf();
    LoadFromData(bytes.str());
}

void TPicture::LoadFromResourceName(const std::string& name) {
    const auto data = FindResource(name);
    if (!data) throw rtl::EFOpenError("Resource " + name + " not found");
    LoadFromData(*data);
}

void TPicture::Assign(const gfx::TBitmap& bitmap) {
    FBitmap.Assign(bitmap);
    PictureLoaded();
    Changed();
}

void TPicture::Clear() {
    FBitmap = gfx::TBitmap();
    Changed();
}

void TPicture::Changed() {
    if (OnChange) OnChange();
}

}  // namespace vcl

namespace vcl {

void TIcon::PictureLoaded() {
    gfx::TBitmap& b = Bitmap();
    if (b.Empty() || b.PixelFormat() == gfx::pf32bit) return;
    b.SetPixelFormat(gfx::pf32bit);
    for (int y = 0; y < b.Height(); ++y) {
        uint8_t* row = b.ScanLine(y);
        for (int x = 0; x < b.Width(); ++x) row[4 * x + 3] = 255;
    }
}

}  // namespace vcl
