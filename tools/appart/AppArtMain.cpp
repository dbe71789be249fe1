// appart OUTPUT-FOLDER: draws the application's own pictures (the banner of the
// main window, the Help and Start glyphs, the window icon and the codec
// prompt's logo). Its output is committed in resources/app; run it again after
// changing a picture here.
#include <cstdio>
#include <jpeglib.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

#include "gfx/Colors.h"
#include "gfx/ImageCodecs.h"
#include "gfx/TBitmap.h"
#include "gfx/TCanvas.h"

using namespace gfx;

namespace {

using TShape = std::function<bool(double x, double y)>;

struct TRgba {
    uint8_t R, G, B, A = 255;
};

// Paints a shape with 4 x 4 samples per pixel over a 32-bit picture with
// straight alpha. `crisp` keeps every pixel either fully in or out, for
// pictures whose see-through parts are a key colour.
void Paint(TBitmap& picture, const TShape& inside, TRgba colour, bool crisp = false) {
    for (int y = 0; y < picture.Height(); ++y) {
        uint8_t* row = picture.ScanLine(y);
        for (int x = 0; x < picture.Width(); ++x) {
            int hits = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) hits += inside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4) ? 1 : 0;
            double cover = hits / 16.0;
            if (crisp) cover = cover >= 0.5 ? 1 : 0;
            const double a = cover * colour.A / 255.0;
            if (a <= 0) continue;
            uint8_t* p = row + 4 * x;
            const double under = p[3] / 255.0 * (1 - a);
            const double out = a + under;
            const auto mix = [&](uint8_t top, uint8_t bottom) {
                return static_cast<uint8_t>(std::lround((top * a + bottom * under) / out));
            };
            p[0] = mix(colour.B, p[0]);
            p[1] = mix(colour.G, p[1]);
            p[2] = mix(colour.R, p[2]);
            p[3] = static_cast<uint8_t>(std::lround(out * 255));
        }
    }
}

TShape Circle(double cx, double cy, double r) {
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

TShape Box(double left, double top, double right, double bottom, double radius = 0) {
    return [=](double x, double y) {
        if (x < left || x > right || y < top || y > bottom) return false;
        const double dx = std::max({left + radius - x, 0.0, x - (right - radius)});
        const double dy = std::max({top + radius - y, 0.0, y - (bottom - radius)});
        return dx * dx + dy * dy <= radius * radius;
    };
}

// A triangle given clockwise or anticlockwise.
TShape Triangle(double x1, double y1, double x2, double y2, double x3, double y3) {
    return [=](double x, double y) {
        const auto side = [&](double ax, double ay, double bx, double by) {
            return (bx - ax) * (y - ay) - (by - ay) * (x - ax);
        };
        const double a = side(x1, y1, x2, y2), b = side(x2, y2, x3, y3), c = side(x3, y3, x1, y1);
        return (a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0);
    };
}

void Text(TBitmap& picture, int x, int y, const std::string& text, TColor colour, int height, bool bold,
          const std::string& face = "Arial") {
    TCanvas canvas(picture);
    canvas.Brush.Style = bsClear;
    canvas.Font.Name = face;
    canvas.Font.Height = -height;
    canvas.Font.Style = bold ? TFontStyles{fsBold} : TFontStyles{0};
    canvas.Font.Color = colour;
    canvas.TextOut(x, y, text);
}

void Save(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
    std::printf("wrote %s (%zu bytes)\n", path.c_str(), bytes.size());
}

// The main window's banner: a play badge of the video service, an arrow and a
// media player, on pure green that the window leaves out.
void Banner(const std::string& folder) {
    TBitmap picture(232, 61, pf32bit);
    Paint(picture, Box(0, 0, 232, 61), {0, 255, 0}, true);
    Paint(picture, Box(4, 8, 78, 54, 12), {204, 24, 30}, true);
    Paint(picture, Triangle(31, 18, 31, 44, 55, 31), {255, 255, 255}, true);
    Paint(picture, Box(92, 26, 124, 36), {40, 72, 140}, true);
    Paint(picture, Triangle(122, 16, 122, 46, 142, 31), {40, 72, 140}, true);
    Paint(picture, Box(154, 8, 226, 50, 4), {30, 34, 44}, true);
    Paint(picture, Box(158, 12, 222, 42), {64, 128, 210}, true);
    Paint(picture, Triangle(183, 18, 183, 36, 199, 27), {255, 255, 255}, true);
    Paint(picture, Box(176, 50, 204, 54), {30, 34, 44}, true);
    Paint(picture, Box(166, 54, 214, 57), {30, 34, 44}, true);
    picture.SetPixelFormat(pf24bit);
    Save(folder + "banner.bmp", WriteBmp(picture));
}

// The Help button's glyph: a white question mark in a blue circle.
void HelpGlyph(const std::string& folder) {
    TBitmap picture(24, 24, pf32bit);
    Paint(picture, Circle(12, 12, 11.5), {24, 70, 160});
    Paint(picture, Circle(12, 12, 10), {52, 120, 220});
    TBitmap mark(24, 24, pf32bit);
    Text(mark, 7, 2, "?", clWhite, 19, true);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            const uint8_t* m = mark.ScanLine(y) + 4 * x;
            if (m[3] > 0) Paint(picture, Box(x, y, x + 1, y + 1), {255, 255, 255, m[3]});
        }
    Save(folder + "help.png", WritePng(picture));
}

// The Start button's glyph: a floppy disk, with soft edges in its alpha.
void StartGlyph(const std::string& folder) {
    TBitmap picture(32, 32, pf32bit);
    Paint(picture, Box(2, 2, 30, 30, 3), {36, 58, 110});
    Paint(picture, Triangle(30, 2, 30, 8, 24, 2), {0, 0, 0, 0});
    Paint(picture, Box(8, 3, 23, 12, 1), {214, 220, 230});
    Paint(picture, Box(18, 4, 21, 11), {36, 58, 110});
    Paint(picture, Box(6, 17, 26, 30, 1), {250, 250, 250});
    Paint(picture, Box(9, 21, 23, 22), {180, 188, 204});
    Paint(picture, Box(9, 25, 23, 26), {180, 188, 204});
    Save(folder + "start.png", WritePng(picture));
}

// The window icon: a play badge on a film frame, in few flat colours.
void WindowIcon(const std::string& folder) {
    TBitmap picture(48, 48, pf32bit);
    Paint(picture, Box(2, 6, 46, 42, 5), {0, 0, 128}, true);
    for (int i = 0; i < 5; ++i) {
        Paint(picture, Box(6 + 8 * i, 9, 10 + 8 * i, 12), {255, 255, 255}, true);
        Paint(picture, Box(6 + 8 * i, 36, 10 + 8 * i, 39), {255, 255, 255}, true);
    }
    Paint(picture, Box(6, 15, 42, 33), {0, 128, 255}, true);
    Paint(picture, Triangle(19, 17, 19, 31, 31, 24), {255, 255, 0}, true);
    Save(folder + "icon.png", WritePng(picture));
}

std::string WriteJpeg(const TBitmap& picture) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(picture.Width());
    info.image_height = static_cast<JDIMENSION>(picture.Height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::string row(static_cast<size_t>(picture.Width()) * 3, '\0');
    for (int y = 0; y < picture.Height(); ++y) {
        const uint8_t* p = picture.ScanLine(y);
        for (int x = 0; x < picture.Width(); ++x) {
            row[3 * x] = static_cast<char>(p[4 * x + 2]);
            row[3 * x + 1] = static_cast<char>(p[4 * x + 1]);
            row[3 * x + 2] = static_cast<char>(p[4 * x]);
        }
        JSAMPROW rows[1] = {reinterpret_cast<JSAMPROW>(row.data())};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<char*>(buffer), size);
    free(buffer);
    return bytes;
}

// The codec prompt's logo: the codec's name as a word mark.
void CodecLogo(const std::string& folder) {
    TBitmap picture(158, 44, pf32bit);
    Paint(picture, Box(0, 0, 158, 44), {255, 255, 255});
    Paint(picture, Box(2, 4, 40, 40, 6), {0, 84, 166});
    Paint(picture, Triangle(14, 12, 14, 32, 31, 22), {255, 255, 255});
    Text(picture, 46, 2, "DivX", RGB(0, 84, 166), 28, true);
    Text(picture, 48, 30, "video codec", RGB(90, 90, 90), 11, false);
    Save(folder + "divx.jpg", WriteJpeg(picture));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: appart OUTPUT-FOLDER\n");
        return 2;
    }
    std::string folder = argv[1];
    if (folder.back() != '/') folder += '/';
    Banner(folder);
    HelpGlyph(folder);
    StartGlyph(folder);
    WindowIcon(folder);
    CodecLogo(folder);
    return 0;
}
