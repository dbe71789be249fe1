#include "gfx/ImageCodecs.h"

namespace gfx {

TBitmap ReadImage(std::string_view data) {
    if (data.starts_with("BM")) return ReadBmp(data);
    if (data.starts_with("\x89PNG")) return ReadPng(data);
    if (data.starts_with("\xFF\xD8")) return ReadJpeg(data);
    throw EInvalidGraphic("Unknown picture format");
}

}  // namespace gfx
