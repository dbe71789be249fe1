#pragma once
// The per-run kernels under the blend operations: each works on one run of
// 32-bit pixels (blue, green, red, alpha) with a uniform signature. The general
// kernel states the arithmetic; a fast kernel, where there is one, gives the
// same bytes for every input (the tests compare the two bit for bit), and the
// Run functions pick the fast one when the processor has it.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "skinpaint/sPixelMath.h"

namespace skinpaint::kernels {

// Every byte of n pixels, alpha included: (d * a + s * (255 - a) + 127) >> 8,
// so a is the weight of what d held. a is 0..255.
void BlendOverGeneral(uint8_t* d, const uint8_t* s, size_t n, int a);
void BlendOverRun(uint8_t* d, const uint8_t* s, size_t n, int a);

// Per-pixel alpha: with x = source alpha * weight / 100 (weight 0..100), each
// colour channel becomes ((s - d) * x + d * 256) >> 8 and the alpha grows by
// x * (255 - alpha) / 255.
void AlphaOverGeneral(uint8_t* d, const uint8_t* s, size_t n, int weight);
void AlphaOverRun(uint8_t* d, const uint8_t* s, size_t n, int weight);

// The fast kernels of one instruction set: each does as many whole vectors
// of pixels as fit into n and returns how many pixels that was. AlphaOver
// takes the source alpha as it is (weight 100).
struct TFastKernels {
    const char* Name;
    size_t (*BlendOver)(uint8_t* d, const uint8_t* s, size_t n, int a);
    size_t (*AlphaOver)(uint8_t* d, const uint8_t* s, size_t n);
};
// The sets this processor can run, the widest first; the Run functions use
// the first.
const std::vector<TFastKernels>& FastKernelSets();

// One pixel through a mask pixel m: each colour channel becomes
// ((d - p) * k + p * 256) >> 8 with k = min(m's matching channel + lift, 255)
// (0 takes the picture, 255 keeps d exactly; a lift weakens the picture), and
// the alpha grows by (255 - m's red) * (255 - alpha) / 255, as much as the
// picture covers.
inline void MaskBlendPixel(uint8_t* d, const uint8_t* p, const uint8_t* m, int lift = 0) {
    for (int c = 0; c < 3; ++c) {
        const int k = m[c] + lift;
        if (k < 255) d[c] = ClampByte(((d[c] - p[c]) * k + p[c] * 256) >> 8);
    }
    d[3] = uint8_t(d[3] + Div255((255 - m[2]) * (255 - d[3])));
}

}  // namespace skinpaint::kernels
