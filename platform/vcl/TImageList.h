#pragma once
// A list of pictures of one size for menus, buttons and tree views: each
// kept in 32 bits with alpha (pictures without alpha lose the colour of
// their lower-left pixel), drawn blended.
#include <vector>

#include "gfx/TBitmap.h"
#include "vcl/TComponent.h"

namespace gfx {
class TCanvas;
}

namespace vcl {

class TCustomImageList : public TComponent {
public:
    explicit TCustomImageList(TComponent* owner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    int Width() const { return FWidth; }
    void SetWidth(int value);
    int Height() const { return FHeight; }
    void SetHeight(int value);
    int Count() const { return int(FImages.size()); }
    // Adds a picture, or a strip of pictures side by side; returns the index
    // of the first.
    int Add(const gfx::TBitmap& picture);
    // Raises rtl::EFOpenError for a missing resource.
    int AddResource(const std::string& name);
    void Delete(int index);
    void Clear();
    const gfx::TBitmap& Image(int index) const { return FImages.at(size_t(index)); }
    // Draws the picture blended with its alpha; disabled at half strength.
    void Draw(gfx::TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

    TNotifyEvent OnChange;

private:
    void Changed();

    int FWidth = 16;
    int FHeight = 16;
    std::vector<gfx::TBitmap> FImages;
};

class TImageList : public TCustomImageList {
public:
    using TCustomImageList::TCustomImageList;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }
};

}  // namespace vcl
