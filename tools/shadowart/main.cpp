// Draws the two soft window shadows the skin manager uses for the outer frame
// of skins that bring none: 33 x 33 pixels, black, with an alpha that rises
// from nothing at the edge to a flat value ten pixels in (128 for the active
// window, 77 for an inactive one). The corners multiply the two edge ramps,
// so they fade round.
//
//   shadowart FOLDER   writes FOLDER/acSHDA.png and FOLDER/acSHDI.png
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>

#include "gfx/ImageCodecs.h"

namespace {

constexpr int Size = 33;
constexpr int RampWidth = 10;

// How far up the ramp a pixel `d` pixels in from the edge is, 0..1.
double Ramp(int d) {
    if (d >= RampWidth) return 1;
    const double t = double(d + 1) / (RampWidth + 1);
    return t * t * (3 - 2 * t);
}

gfx::TBitmap Shadow(int flatAlpha) {
    gfx::TBitmap picture(Size, Size, gfx::pf32bit);
    for (int y = 0; y < Size; ++y) {
        uint8_t* p = picture.ScanLine(y);
        const int dy = std::min(y, Size - 1 - y);
        for (int x = 0; x < Size; ++x, p += 4) {
            const int dx = std::min(x, Size - 1 - x);
            p[3] = uint8_t(flatAlpha * Ramp(dx) * Ramp(dy) + 0.5);
        }
    }
    return picture;
}

bool Write(const std::string& path, const gfx::TBitmap& picture) {
    std::ofstream out(path, std::ios::binary);
    const std::string png = gfx::WritePng(picture);
    out.write(png.data(), std::streamsize(png.size()));
    return bool(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: shadowart FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    if (!Write(folder + "acSHDA.png", Shadow(128)) || !Write(folder + "acSHDI.png", Shadow(77))) {
        std::fprintf(stderr, "shadowart: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
