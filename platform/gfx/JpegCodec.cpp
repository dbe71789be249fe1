// JPEG through libjpeg-turbo's IJG interface. libjpeg reports errors by calling
// back, and the only way out of that callback is a long jump back into the
// decoding function; nothing with a destructor lives in the frames it skips.
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

#include "gfx/ImageCodecs.h"
#include "rtl/TScopeExit.h"

namespace gfx {

namespace {

// Hostile progressive files can hold thousands of scans that each take a pass
// over the image; real ones have about ten.
constexpr int MaxScans = 500;
constexpr long MaxDecoderMemory = 512L << 20;

struct TJpegError {
    jpeg_error_mgr Manager;
    jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
    auto* error = reinterpret_cast<TJpegError*>(cinfo->err);
    cinfo->err->format_message(cinfo, error->Message);
    std::longjmp(error->Jump, 1);
}

// Warnings are tolerated, except running out of data: a cut-off file is an error
// rather than a picture with a grey remainder.
void EmitMessage(j_common_ptr cinfo, int level) {
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) ErrorExit(cinfo);
}

void Progress(j_common_ptr cinfo) {
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number > MaxScans) {
        auto* error = reinterpret_cast<TJpegError*>(cinfo->err);
        std::snprintf(error->Message, sizeof error->Message, "more than %d scans", MaxScans);
        std::longjmp(error->Jump, 1);
    }
}

// CMYK as Adobe writes it (inverted) or plain, to blue, green, red.
void CmykToBgr(const uint8_t* cmyk, uint8_t* bgr, int width, bool inverted) {
    for (int x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
        int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        bgr[0] = uint8_t(y * k / 255);
        bgr[1] = uint8_t(m * k / 255);
        bgr[2] = uint8_t(c * k / 255);
    }
}

// False with the error's text in error.Message.
bool Decode(jpeg_decompress_struct& cinfo, TJpegError& error, std::string_view data, TBitmap& bitmap,
            std::vector<uint8_t>& cmykRow) {
    if (setjmp(error.Jump)) return false;
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.data()), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);
    if (cinfo.image_width > unsigned(TBitmap::MaxBitmapSide) || cinfo.image_height > unsigned(TBitmap::MaxBitmapSide) ||
        int64_t(cinfo.image_width) * cinfo.image_height > TBitmap::MaxBitmapPixels) {
        std::strcpy(error.Message, "too large");
        return false;
    }
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
    cinfo.mem->max_memory_to_use = MaxDecoderMemory;
    jpeg_start_decompress(&cinfo);
    bitmap.SetSize(int(cinfo.output_width), int(cinfo.output_height));
    if (cmyk) cmykRow.resize(size_t(cinfo.output_width) * 4);
    while (cinfo.output_scanline < cinfo.output_height) {
        uint8_t* line = bitmap.ScanLine(int(cinfo.output_scanline));
        JSAMPROW row = cmyk ? cmykRow.data() : line;
        jpeg_read_scanlines(&cinfo, &row, 1);
        if (cmyk) CmykToBgr(cmykRow.data(), line, bitmap.Width(), cinfo.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

}  // namespace

TBitmap ReadJpeg(std::string_view data) {
    jpeg_decompress_struct cinfo{};
    TJpegError error{};
    cinfo.err = jpeg_std_error(&error.Manager);
    error.Manager.error_exit = ErrorExit;
    error.Manager.emit_message = EmitMessage;
    jpeg_progress_mgr progress{};
    progress.progress_monitor = Progress;
    jpeg_create_decompress(&cinfo);
    cinfo.progress = &progress;
    const rtl::TScopeExit destroy([&cinfo] { jpeg_destroy_decompress(&cinfo); });
    TBitmap bitmap(0, 0, pf24bit);
    std::vector<uint8_t> cmykRow;
    if (!Decode(cinfo, error, data, bitmap, cmykRow))
        throw EInvalidGraphic(std::string("JPEG image is not valid: ") + error.Message);
    return bitmap;
}

}  // namespace gfx
