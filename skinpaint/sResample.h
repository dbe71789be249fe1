#pragma once
// Filtered resizing of 24- and 32-bit pictures, first along the rows, then
// along the columns, with weights in 16.16 fixed point.
#include "gfx/TBitmap.h"
#include "rtl/Exceptions.h"

namespace skinpaint {

enum TResampleFilter {
    rfBox,       // support 0.51
    rfTriangle,  // 1
    rfHermite,   // 1
    rfBell,      // 1.5
    rfBSpline,   // 2
    rfLanczos3,  // 3, windowed sinc of three lobes
    rfMitchell,  // 2, B = C = 1/3
};

// destination becomes width x height (none below 0) and holds source resized:
// a 32-bit source gives 32 bits, any other 24. Equal sizes copy the source.
// Raises rtl::Exception "Source bitmap is too small" for a source narrower or
// lower than 2 pixels.
void ResampleBitmap(const gfx::TBitmap& source, gfx::TBitmap& destination, int width, TResampleFilter filter,
                    int height);

// The filter's value at distance x (signed for the box), and its support.
double ResampleFilterValue(TResampleFilter filter, double x);
double ResampleFilterSupport(TResampleFilter filter);

}  // namespace skinpaint
