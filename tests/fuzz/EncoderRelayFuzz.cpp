// Arbitrary ffmpeg output through f.exe's status relay, cut into pieces at
// arbitrary places: never crashes, never holds more than its limit, and each
// line comes out no more than one blank longer than it went in.
#include <cstdint>
#include <cstdlib>
#include <algorithm>
#include <string>

#include "encoder/StatusLine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const size_t cut = data[0] % (size + 1);
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    encoder::TStatusRelay relay;
    size_t out = 0, lines = 0;
    const auto sink = [&](const std::string& line) {
        if (line.size() > encoder::TStatusRelay::kHoldLimit + 1) abort();
        out += line.size();
        ++lines;
    };
    relay.Feed(std::string_view(text).substr(0, std::min(cut, text.size())), sink);
    relay.Feed(std::string_view(text).substr(std::min(cut, text.size())), sink);
    relay.Finish(sink);
    if (out > text.size() + lines) abort();
    return 0;
}
