#pragma once
// A picture of an image control or an icon: one bitmap read from BMP, PNG
// or JPEG data, a file or a named resource, telling its owner of changes.
#include <functional>
#include <string>
#include <string_view>

#include "gfx/TBitmap.h"
#include "ui/Types.h"
#include "vcl/TPersistent.h"

namespace vcl {

class TPicture : public TPersistent {
public:
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    gfx::TBitmap& Bitmap() { return FBitmap; }
    const gfx::TBitmap& Bitmap() const { return FBitmap; }
    bool Empty() const { return FBitmap.Empty(); }
    int Width() const { return FBitmap.Width(); }
    int Height() const { return FBitmap.Height(); }

    // Each raises gfx::EInvalidGraphic for data that is no picture, and the
    // file and resource forms rtl::EFOpenError for a missing one.
    void LoadFromData(std::string_view data);
    void LoadFromFile(const std::string& fileName);
    void LoadFromResourceName(const std::string& name);
    void Assign(const gfx::TBitmap& bitmap);
    void Clear();
    // For whoever changed the bitmap in place.
    void Changed();

    std::function<void()> OnChange;

protected:
    // A new picture arrived; subclasses may bring it into their format.
    virtual void PictureLoaded() {}

private:
    gfx::TBitmap FBitmap;
};

// An icon: a picture that windows show in their caption, in 32 bits with
// straight alpha as the window system takes icons.
class TIcon : public TPicture {
public:
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }
    // The window system's handle, null when empty.
    ui::HICON Handle() const { return Empty() ? nullptr : &Bitmap(); }

protected:
    // Pictures without alpha become opaque 32-bit pictures.
    void PictureLoaded() override;
};

}  // namespace vcl
