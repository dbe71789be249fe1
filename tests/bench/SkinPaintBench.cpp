// The skin painters' two hot pixel operations against pixman's OVER of the
// same 372 x 250 pictures (the main window's client size), and the time of
// whole paints of the internal skin: the FORM frame at the main window's size
// and each program section as an item at its control's size.
//
// Prints our throughput over pixman's as `RATIO blend_vs_pixman` and
// `RATIO alphacopy_vs_pixman` (target at least 1.0), and microseconds per
// paint for the rest.
#include <pixman.h>

#include <cstdio>

#include "BenchTiming.h"
#include "skinpaint/sBlendOps.h"
#include "skinpaint/sPixelKernels.h"
#include "skinpaint/sSectionItem.h"
#include "skinpaint/sSkinFrame.h"
#include "skinpreview/ContactSheet.h"

using namespace skinpaint;

namespace {

pixman_image_t* Wrap(gfx::TBitmap& b) {
    return pixman_image_create_bits(PIXMAN_a8r8g8b8, b.Width(), b.Height(), reinterpret_cast<uint32_t*>(b.ScanLine(0)),
                                    b.Stride());
}

// A picture whose alpha changes from pixel to pixel (premultiplied colours,
// as pixman expects), so that neither side can pass over opaque or empty runs.
gfx::TBitmap Picture(int width, int height, int seed, bool opaque) {
    gfx::TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = b.ScanLine(y) + x * 4;
            const int a = opaque ? 255 : (x * 3 + y * 5 + seed) % 256;
            p[0] = uint8_t((x * 7 + seed) % 256 * a / 255), p[1] = uint8_t((y * 5) % 256 * a / 255);
            p[2] = uint8_t((x ^ y) % 256 * a / 255), p[3] = uint8_t(a);
        }
    return b;
}

double PixmanOver(gfx::TBitmap& src, gfx::TBitmap& dst) {
    pixman_image_t* s = Wrap(src);
    pixman_image_t* d = Wrap(dst);
    const double t = bench::BestTime(
        [&] { pixman_image_composite32(PIXMAN_OP_OVER, s, nullptr, d, 0, 0, 0, 0, 0, 0, src.Width(), src.Height()); });
    pixman_image_unref(s);
    pixman_image_unref(d);
    return t;
}

void PixelOperations() {
    const int w = 372, h = 250;
    gfx::TBitmap src = Picture(w, h, 17, false), ours = Picture(w, h, 91, true), theirs = Picture(w, h, 91, true);
    pixman_image_t* s = Wrap(src);
    pixman_image_t* d = Wrap(theirs);
    auto pixman = [&] { pixman_image_composite32(PIXMAN_OP_OVER, s, nullptr, d, 0, 0, 0, 0, 0, 0, w, h); };
    const auto [blend, over1] =
        bench::BestTimes([&] { BlendBitmapOver(ours, {0, 0}, src, {0, 0, w, h}, 102); }, pixman);
    const auto [alpha, over2] =
        bench::BestTimes([&] { CopyAlphaImage(ours, {0, 0, w, h}, src, {0, 0, w, h}, false, EmptyBackground); }, pixman);
    pixman_image_unref(s);
    pixman_image_unref(d);
    gfx::TBitmap opaque = Picture(w, h, 17, true), target = Picture(w, h, 91, true);
    const double overOpaque = PixmanOver(opaque, target);
    const auto& sets = kernels::FastKernelSets();
    std::printf("fast kernels: %s\n", sets.empty() ? "none" : sets.front().Name);
    std::printf("372x250, source alpha varying: BlendBitmapOver %.1f us, CopyAlphaImage %.1f us, pixman OVER %.1f us\n",
                blend * 1e6, alpha * 1e6, std::min(over1, over2) * 1e6);
    std::printf("(pixman OVER of an opaque source, which it copies: %.1f us)\n", overOpaque * 1e6);
    std::printf("RATIO blend_vs_pixman %.3f\n", over1 / blend);
    std::printf("RATIO alphacopy_vs_pixman %.3f\n", over2 / alpha);
}

void SkinPaints() {
    skin::TsSkinTables tables;
    skinpreview::LoadPreviewSkin(tables, "");
    const int form = tables.FindSection("FORM");
    if (form < 0) return;
    // The main window: its client area inside a dialog frame and caption.
    gfx::TBitmap window(378, 275);
    const skin::TsMaskData& frame = tables.Masks[size_t(tables.Sections[size_t(form)].BordersMaskIndex)];
    const double frameTime = bench::BestTime([&] {
        PaintSkinFrame(window, {0, 0, 378, 275}, EmptyBackground, frame, 1, true);
    });
    std::printf("PaintSkinFrame FORM 378x275: %.1f us\n", frameTime * 1e6);

    // Each program section over the main window's picture, as its controls paint.
    PaintSectionItem(form, "FORM", EmptyBackground, -1, -1, &tables, window, {0, 0}, {0, 0, 378, 275}, 1);
    for (const skinpreview::TSheetItem& item : skinpreview::ProgramSections()) {
        const int index = tables.FindSection(item.Section);
        if (index < 0) continue;
        for (const gfx::TSize size : item.Sizes) {
            gfx::TBitmap picture(size.cx, size.cy);
            const ParentBackground parent = BackgroundFromBitmap(window, 3, 22);
            const double t = bench::BestTime([&] {
                PaintSectionItem(index, item.Section, parent, -1, -1, &tables, picture, {0, 0}, {0, 0, size.cx, size.cy},
                                 0);
            });
            std::printf("PaintSectionItem %s %dx%d: %.1f us\n", item.Section.c_str(), size.cx, size.cy, t * 1e6);
        }
    }
}

}  // namespace

int main() {
    PixelOperations();
    SkinPaints();
}
