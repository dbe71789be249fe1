// Arbitrary gradient text, as a skin's GRADIENTDATA gives it: parsing either
// fails with the conversion error or gives steps whose colours are not
// negative and whose percents lie in 0..100; painting those steps into a
// small picture (its size and the vertical offset taken from the first
// bytes) stays inside the picture and leaves every pixel it paints opaque.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "gfx/TBitmap.h"
#include "rtl/Exceptions.h"
#include "skin/sGradient.h"
#include "skinpaint/sGradientFill.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const int width = data[0] % 40 + 1, height = data[1] % 40 + 1, offset = int(int8_t(data[2]));
    const std::string_view text(reinterpret_cast<const char*>(data + 3), size - 3);
    skin::TsGradArray steps;
    try {
        steps = skin::ParseGradientData(text);
    } catch (const rtl::EConvertError&) {
        return 0;
    }
    for (const skin::TsGradientStep& step : steps)
        if (step.Color1 < 0 || step.Color2 < 0 || step.Percent > 100) std::abort();
    gfx::TBitmap picture(width, height);
    skinpaint::FillGradient(picture, {-2, -1, width + 3, height + 2}, steps, offset);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint8_t alpha = picture.ScanLine(y)[x * 4 + 3];
            if (alpha != 0 && alpha != 255) std::abort();
        }
    return 0;
}
