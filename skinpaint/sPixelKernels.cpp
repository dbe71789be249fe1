#include "skinpaint/sPixelKernels.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

#if defined(__SSE2__)

namespace {

// Four pixels as two registers of 16-bit lanes.
struct TWide {
    __m128i Lo, Hi;
};
inline TWide Widen(__m128i v) {
    const __m128i zero = _mm_setzero_si128();
    return {_mm_unpacklo_epi8(v, zero), _mm_unpackhi_epi8(v, zero)};
}

inline __m128i BlendOver16(__m128i d, __m128i s, __m128i a, __m128i ra, __m128i half) {
    return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(d, a), _mm_mullo_epi16(s, ra)), half), 8);
}

// Two pixels in 16-bit lanes; the alpha lanes take the alpha rule, the others
// the colour rule. Every product and sum stays below 65536.
inline __m128i AlphaOver16(__m128i d, __m128i s, __m128i alphaLanes) {
    const __m128i x = _mm_shufflehi_epi16(_mm_shufflelo_epi16(s, 0xFF), 0xFF);
    const __m128i k256 = _mm_set1_epi16(256), k255 = _mm_set1_epi16(255), one = _mm_set1_epi16(1);
    const __m128i colour = _mm_srli_epi16(
        _mm_add_epi16(_mm_mullo_epi16(s, x), _mm_mullo_epi16(d, _mm_sub_epi16(k256, x))), 8);
    const __m128i grow = _mm_mullo_epi16(x, _mm_sub_epi16(k255, d));
    const __m128i div = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(grow, one), _mm_srli_epi16(grow, 8)), 8);
    const __m128i alpha = _mm_add_epi16(d, div);
    return _mm_or_si128(_mm_and_si128(alphaLanes, alpha), _mm_andnot_si128(alphaLanes, colour));
}

}  // namespace

void BlendOverFast(uint8_t* d, const uint8_t* s, size_t n, int a) {
    const __m128i va = _mm_set1_epi16(short(a)), vra = _mm_set1_epi16(short(255 - a)), half = _mm_set1_epi16(127);
    size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        auto* dp = reinterpret_cast<__m128i*>(d + i * 4);
        const TWide dw = Widen(_mm_loadu_si128(dp));
        const TWide sw = Widen(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i * 4)));
        _mm_storeu_si128(dp, _mm_packus_epi16(BlendOver16(dw.Lo, sw.Lo, va, vra, half),
                                              BlendOver16(dw.Hi, sw.Hi, va, vra, half)));
    }
    BlendOverGeneral(d + i * 4, s + i * 4, n - i, a);
}

void AlphaOverFast(uint8_t* d, const uint8_t* s, size_t n) {
    const __m128i alphaLanes = _mm_set_epi16(-1, 0, 0, 0, -1, 0, 0, 0);
    size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        const __m128i sv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i * 4));
        // Four see-through source pixels leave the destination as it is.
        if ((_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_srli_epi32(sv, 24), _mm_setzero_si128())) & 0xFFFF) == 0xFFFF)
            continue;
        auto* dp = reinterpret_cast<__m128i*>(d + i * 4);
        const TWide dw = Widen(_mm_loadu_si128(dp));
        const TWide sw = Widen(sv);
        _mm_storeu_si128(dp, _mm_packus_epi16(AlphaOver16(dw.Lo, sw.Lo, alphaLanes),
                                              AlphaOver16(dw.Hi, sw.Hi, alphaLanes)));
    }
    AlphaOverGeneral(d + i * 4, s + i * 4, n - i, 100);
}

#else

void BlendOverFast(uint8_t* d, const uint8_t* s, size_t n, int a) { BlendOverGeneral(d, s, n, a); }
void AlphaOverFast(uint8_t* d, const uint8_t* s, size_t n) { AlphaOverGeneral(d, s, n, 100); }

#endif

}  // namespace skinpaint::kernels
