// Arbitrary encoder output, arriving in arbitrary pieces: reading the duration
// and the position never crashes, fails only with a conversion error, and
// gives what a plain reading of the whole text gives, although the collected
// output remembers its marks piece by piece.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "conversion/TEncoderOutput.h"
#include "rtl/Exceptions.h"
#include "rtl/TextOps.h"

namespace {

void Check(bool holds) {
    if (!holds) abort();
}

std::string PlainDurationText(const std::string& text) {
    const int at = rtl::Pos("Duration: ", text);
    return at == 0 ? "00:00:00" : rtl::Trim(rtl::Copy(text, at + 10, 8));
}

std::optional<std::string> PlainTimeText(const std::string& text) {
    const long length = static_cast<long>(text.size());
    const std::string window = rtl::Copy(text, length - 50, 51);
    const int at = rtl::Pos("time=", window);
    if (at == 0) return std::nullopt;
    const std::string rest = rtl::Copy(window, at + 5, length);
    return rtl::Copy(rest, 1, rtl::Pos(".", rest) - 1);
}

// Seconds of a time text, or nothing when it does not convert.
std::optional<int32_t> SecondsOf(const std::string& text) {
    try {
        const int32_t seconds = conversion::TimeToSeconds(text);
        // Two characters per piece: at most 99 (or -9) of each.
        Check(seconds >= -9 * 3661 && seconds <= 99 * 3661);
        return seconds;
    } catch (const rtl::EConvertError&) {
        return std::nullopt;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider provider(data, size);
    conversion::TEncoderOutput output;
    std::string whole;
    while (provider.remaining_bytes() > 0) {
        const std::string piece = provider.ConsumeBytesAsString(provider.ConsumeIntegralInRange<size_t>(0, 96));
        output.Append(piece);
        whole += piece;
    }
    std::replace(whole.begin(), whole.end(), '\0', ' ');

    Check(output.Text() == whole);
    Check(output.SummarySeen() == (rtl::Pos("Duration: ", whole) > 0 || rtl::Pos("Unknown format", whole) > 0));
    const conversion::TProgressTexts texts = output.ReadProgress(true, true);
    Check(texts.DurationText == PlainDurationText(whole));
    Check(texts.TimeText == PlainTimeText(whole));

    SecondsOf(texts.DurationText);
    std::optional<int32_t> position;
    try {
        position = output.GetPosition();
    } catch (const rtl::EConvertError&) {
    }
    Check(position == (texts.TimeText ? SecondsOf(*texts.TimeText) : std::optional<int32_t>(0)));
    return 0;
}
