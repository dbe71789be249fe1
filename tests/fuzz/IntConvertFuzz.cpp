// Integer conversion of arbitrary text: never crashes, and whatever converts
// prints back to a text that converts to the same value.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "rtl/IntConvert.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (auto value = rtl::TryStrToInt(text)) {
        if (rtl::TryStrToInt(rtl::IntToStr(*value)) != value) abort();
    }
    return 0;
}
