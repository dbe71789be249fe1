#pragma once
// The fast run kernels, written once over a vector type V that holds
// V::Pixels pixels and offers 16-bit lane arithmetic; each instruction set's
// file instantiates them with its own V. Each returns how many pixels it did
// (a multiple of V::Pixels); the caller finishes the rest with the general
// kernel, whose results these match bit for bit.
//
// This header includes nothing that has inline functions of its own, so that
// a file built for a wider instruction set shares no code with the others.
#include <cstddef>
#include <cstdint>

namespace skinpaint::kernels {

// The instantiations, one pair per instruction set.
size_t BlendOverSse2(uint8_t* d, const uint8_t* s, size_t n, int a);
size_t AlphaOverSse2(uint8_t* d, const uint8_t* s, size_t n);
size_t BlendOverAvx2(uint8_t* d, const uint8_t* s, size_t n, int a);
size_t AlphaOverAvx2(uint8_t* d, const uint8_t* s, size_t n);

template <typename V>
size_t BlendOverRuns(uint8_t* d, const uint8_t* s, size_t n, int a) {
    using R = typename V::Reg;
    const R va = V::Set16(short(a)), vra = V::Set16(short(255 - a)), half = V::Set16(127);
    auto blend = [&](R dd, R ss) { return V::Shr8(V::Add(V::Add(V::MulLo(dd, va), V::MulLo(ss, vra)), half)); };
    size_t i = 0;
    for (; i + V::Pixels <= n; i += V::Pixels) {
        const R dv = V::Load(d + i * 4), sv = V::Load(s + i * 4);
        V::Store(d + i * 4, V::Pack(blend(V::WidenLo(dv), V::WidenLo(sv)), blend(V::WidenHi(dv), V::WidenHi(sv))));
    }
    return i;
}

// The colour and alpha rules of AlphaOverGeneral (weight 100), rewritten for
// high products:
//   ((s - d) * x + d * 256) >> 8 = d + floor(2 (s - d) * 128 x / 65536)
//   x * (255 - d) / 255 = (x * (255 - d) * 0x8081) >> 23   (exact below 65535)
template <typename V>
size_t AlphaOverRuns(uint8_t* d, const uint8_t* s, size_t n) {
    using R = typename V::Reg;
    const R k255 = V::Set16(255), magic = V::Set16(short(0x8081)), alphaBytes = V::Set32(int(0xFF000000u));
    auto colour = [](R dd, R ss, R x) { return V::Add(dd, V::MulHi(V::Shl1(V::Sub(ss, dd)), V::Shl7(x))); };
    auto alpha = [&](R dd, R x) { return V::Add(dd, V::Shr7(V::MulHiU(V::MulLo(x, V::Sub(k255, dd)), magic))); };
    size_t i = 0;
    for (; i + V::Pixels <= n; i += V::Pixels) {
        const R sv = V::Load(s + i * 4);
        // See-through source pixels leave the destination as it is.
        if (V::AllAlphaZero(sv)) continue;
        const R dv = V::Load(d + i * 4);
        const R dl = V::WidenLo(dv), dh = V::WidenHi(dv), sl = V::WidenLo(sv), sh = V::WidenHi(sv);
        const R xl = V::BroadcastAlpha(sl), xh = V::BroadcastAlpha(sh);
        const R colours = V::Pack(colour(dl, sl, xl), colour(dh, sh, xh));
        const R alphas = V::Pack(alpha(dl, xl), alpha(dh, xh));
        V::Store(d + i * 4, V::Or(V::And(alphaBytes, alphas), V::AndNot(alphaBytes, colours)));
    }
    return i;
}

}  // namespace skinpaint::kernels
