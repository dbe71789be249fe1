// The fast run kernels for AVX2, built with AVX2 enabled for this file alone
// and called only where the processor has it.
#include <immintrin.h>

#include "skinpaint/sSimdRuns.h"

namespace skinpaint::kernels {

namespace {

// Lane-wise like TSse2: unpacking and packing stay within each 128-bit half,
// so widening and packing again keep the pixels in their places.
struct TAvx2 {
    using Reg = __m256i;
    static constexpr size_t Pixels = 8;
    static Reg Load(const uint8_t* p) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)); }
    static void Store(uint8_t* p, Reg v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v); }
    static Reg Set16(short v) { return _mm256_set1_epi16(v); }
    static Reg Set32(int v) { return _mm256_set1_epi32(v); }
    static Reg WidenLo(Reg v) { return _mm256_unpacklo_epi8(v, _mm256_setzero_si256()); }
    static Reg WidenHi(Reg v) { return _mm256_unpackhi_epi8(v, _mm256_setzero_si256()); }
    static Reg Pack(Reg lo, Reg hi) { return _mm256_packus_epi16(lo, hi); }
    static Reg Add(Reg a, Reg b) { return _mm256_add_epi16(a, b); }
    static Reg Sub(Reg a, Reg b) { return _mm256_sub_epi16(a, b); }
    static Reg MulLo(Reg a, Reg b) { return _mm256_mullo_epi16(a, b); }
    static Reg MulHi(Reg a, Reg b) { return _mm256_mulhi_epi16(a, b); }
    static Reg MulHiU(Reg a, Reg b) { return _mm256_mulhi_epu16(a, b); }
    static Reg Shl1(Reg v) { return _mm256_slli_epi16(v, 1); }
    static Reg Shl7(Reg v) { return _mm256_slli_epi16(v, 7); }
    static Reg Shr7(Reg v) { return _mm256_srli_epi16(v, 7); }
    static Reg Shr8(Reg v) { return _mm256_srli_epi16(v, 8); }
    static Reg And(Reg a, Reg b) { return _mm256_and_si256(a, b); }
    static Reg AndNot(Reg a, Reg b) { return _mm256_andnot_si256(a, b); }
    static Reg Or(Reg a, Reg b) { return _mm256_or_si256(a, b); }
    static Reg BroadcastAlpha(Reg v) { return _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(v, 0xFF), 0xFF); }
    static bool AllAlphaZero(Reg v) { return _mm256_testz_si256(v, _mm256_set1_epi32(int(0xFF000000u))); }
};

}  // namespace

size_t BlendOverAvx2(uint8_t* d, const uint8_t* s, size_t n, int a) { return BlendOverRuns<TAvx2>(d, s, n, a); }
size_t AlphaOverAvx2(uint8_t* d, const uint8_t* s, size_t n) { return AlphaOverRuns<TAvx2>(d, s, n); }

}  // namespace skinpaint::kernels
