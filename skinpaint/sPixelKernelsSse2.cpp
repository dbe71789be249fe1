// The fast run kernels for SSE2, which every x86-64 processor has.
#include <emmintrin.h>

#include "skinpaint/sSimdRuns.h"

namespace skinpaint::kernels {

namespace {

struct TSse2 {
    using Reg = __m128i;
    static constexpr size_t Pixels = 4;
    static Reg Load(const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
    static void Store(uint8_t* p, Reg v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }
    static Reg Set16(short v) { return _mm_set1_epi16(v); }
    static Reg Set32(int v) { return _mm_set1_epi32(v); }
    static Reg WidenLo(Reg v) { return _mm_unpacklo_epi8(v, _mm_setzero_si128()); }
    static Reg WidenHi(Reg v) { return _mm_unpackhi_epi8(v, _mm_setzero_si128()); }
    static Reg Pack(Reg lo, Reg hi) { return _mm_packus_epi16(lo, hi); }
    static Reg Add(Reg a, Reg b) { return _mm_add_epi16(a, b); }
    static Reg Sub(Reg a, Reg b) { return _mm_sub_epi16(a, b); }
    static Reg MulLo(Reg a, Reg b) { return _mm_mullo_epi16(a, b); }
    static Reg MulHi(Reg a, Reg b) { return _mm_mulhi_epi16(a, b); }
    static Reg MulHiU(Reg a, Reg b) { return _mm_mulhi_epu16(a, b); }
    static Reg Shl1(Reg v) { return _mm_slli_epi16(v, 1); }
    static Reg Shl7(Reg v) { return _mm_slli_epi16(v, 7); }
    static Reg Shr7(Reg v) { return _mm_srli_epi16(v, 7); }
    static Reg Shr8(Reg v) { return _mm_srli_epi16(v, 8); }
    static Reg And(Reg a, Reg b) { return _mm_and_si128(a, b); }
    static Reg AndNot(Reg a, Reg b) { return _mm_andnot_si128(a, b); }
    static Reg Or(Reg a, Reg b) { return _mm_or_si128(a, b); }
    static Reg BroadcastAlpha(Reg v) { return _mm_shufflehi_epi16(_mm_shufflelo_epi16(v, 0xFF), 0xFF); }
    static bool AllAlphaZero(Reg v) {
        return _mm_movemask_epi8(_mm_cmpeq_epi32(_mm_srli_epi32(v, 24), _mm_setzero_si128())) == 0xFFFF;
    }
};

}  // namespace

size_t BlendOverSse2(uint8_t* d, const uint8_t* s, size_t n, int a) { return BlendOverRuns<TSse2>(d, s, n, a); }
size_t AlphaOverSse2(uint8_t* d, const uint8_t* s, size_t n) { return AlphaOverRuns<TSse2>(d, s, n); }

}  // namespace skinpaint::kernels
