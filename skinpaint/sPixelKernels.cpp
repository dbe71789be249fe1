#include "skinpaint/sPixelKernels.h"

#include "skinpaint/sSimdRuns.h"

namespace skinpaint::kernels {

void BlendOverGeneral(uint8_t* d, const uint8_t* s, size_t n, int a) {
    for (size_t i = 0; i < n * 4; ++i) d[i] = uint8_t((d[i] * a + s[i] * (255 - a) + 127) >> 8);
}

void AlphaOverGeneral(uint8_t* d, const uint8_t* s, size_t n, int weight) {
    for (size_t i = 0; i < n; ++i, d += 4, s += 4) {
        const int x = s[3] * weight / 100;
        for (int c = 0; c < 3; ++c) d[c] = uint8_t(((s[c] - d[c]) * x + d[c] * 256) >> 8);
        d[3] = uint8_t(d[3] + Div255(x * (255 - d[3])));
    }
}

const std::vector<TFastKernels>& FastKernelSets() {
    static const std::vector<TFastKernels> sets = [] {
        std::vector<TFastKernels> available;
#if defined(SKINPAINT_X86_KERNELS)
        if (__builtin_cpu_supports("avx2")) available.push_back({"AVX2", BlendOverAvx2, AlphaOverAvx2});
        available.push_back({"SSE2", BlendOverSse2, AlphaOverSse2});
#endif
        return available;
    }();
    return sets;
}

void BlendOverRun(uint8_t* d, const uint8_t* s, size_t n, int a) {
    const std::vector<TFastKernels>& fast = FastKernelSets();
    const size_t done = fast.empty() ? 0 : fast.front().BlendOver(d, s, n, a);
    BlendOverGeneral(d + done * 4, s + done * 4, n - done, a);
}

void AlphaOverRun(uint8_t* d, const uint8_t* s, size_t n, int weight) {
    const std::vector<TFastKernels>& fast = FastKernelSets();
    const size_t done = weight == 100 && !fast.empty() ? fast.front().AlphaOver(d, s, n) : 0;
    AlphaOverGeneral(d + done * 4, s + done * 4, n - done, weight);
}

}  // namespace skinpaint::kernels
