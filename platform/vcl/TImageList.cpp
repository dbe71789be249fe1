#include "vcl/TImageList.h"

#include <algorithm>

#include "gfx/ImageCodecs.h"
#include "gfx/TCanvas.h"
#include "rtl/Exceptions.h"
#include "vcl/DrawHelpers.h"
#include "vcl/Resources.h"
#include "vcl/TClassBuilder.h"

namespace vcl {

const TClassInfo& TCustomImageList::StaticClass() {
    static const TClassInfo& info = TClassBuilder<TCustomImageList>("TCustomImageList", TComponent::StaticClass())
                                        .Int("Width", &TCustomImageList::SetWidth)
                                        .Int("Height", &TCustomImageList::SetHeight)
                                        .Custom("Resource",
                                                [](TCustomImageList& list, const TLayoutValue& v, TLayoutReader&) {
                                                    list.AddResource(ValueToString(v));
                                                })
                                        .Build();
    return info;
}

const TClassInfo& TImageList::StaticClass() {
    static const TClassInfo& info =
        TClassBuilder<TImageList>("TImageList", TCustomImageList::StaticClass()).Creatable().Build();
    return info;
}

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

void TCustomImageList::SetWidth(int value) {
    if (value == FWidth || value <= 0) return;
    FWidth = value;
    Clear();
}

void TCustomImageList::SetHeight(int value) {
    if (value == FHeight || value <= 0) return;
    FHeight = value;
    Clear();
}

int TCustomImageList::Add(const gfx::TBitmap& picture) {
    const int first = Count();
    if (picture.Empty()) return -1;
    gfx::TBitmap source;
    source.Assign(picture);
    const bool hadAlpha = source.PixelFormat() == gfx::pf32bit;
    const gfx::TColor key = source.Canvas().Pixels(0, source.Height() - 1);
    source.SetPixelFormat(gfx::pf32bit);
    for (int x = 0; x + FWidth <= std::max(source.Width(), FWidth); x += FWidth) {
        gfx::TBitmap image(FWidth, FHeight, gfx::pf32bit);
        image.Canvas().BitBlt(0, 0, FWidth, FHeight, source.Canvas(), x, 0);
        for (int y = 0; y < FHeight; ++y) {
            uint8_t* row = image.ScanLine(y);
            for (int i = 0; i < FWidth; ++i) {
                uint8_t* p = row + 4 * i;
                if (!hadAlpha) p[3] = gfx::RGB(p[2], p[1], p[0]) == (key & 0xFFFFFF) ? 0 : 255;
            }
        }
        FImages.push_back(std::move(image));
        if (source.Width() <= FWidth) break;
    }
    Changed();
    return first;
}

int TCustomImageList::AddResource(const std::string& name) {
    const auto data = FindResource(name);
    if (!data) throw rtl::EFOpenError("Resource " + name + " not found");
    return Add(gfx::ReadImage(*data));
}

void TCustomImageList::Delete(int index) {
    if (index < 0 || index >= Count()) throw rtl::EListError(index);
    FImages.erase(FImages.begin() + index);
    Changed();
}

void TCustomImageList::Clear() {
    FImages.clear();
    Changed();
}

void TCustomImageList::Draw(gfx::TCanvas& canvas, int x, int y, int index, bool enabled) const {
    if (index < 0 || index >= Count()) return;
    if (enabled) {
        DrawAlphaBitmap(canvas, {x, y, x + FWidth, y + FHeight}, FImages[size_t(index)]);
        return;
    }
    gfx::TBitmap faded;
    faded.Assign(FImages[size_t(index)]);
    for (int row = 0; row < FHeight; ++row) {
        uint8_t* p = faded.ScanLine(row);
        for (int i = 0; i < FWidth; ++i) p[4 * i + 3] = uint8_t(p[4 * i + 3] / 2);
    }
    DrawAlphaBitmap(canvas, {x, y, x + FWidth, y + FHeight}, faded);
}

void TCustomImageList::Changed() {
    if (OnChange) OnChange(this);
}

}  // namespace vcl
