#include "videoservice/TBodySource.h"

#include <algorithm>
#include <string>

namespace videoservice {

namespace {

constexpr uint64_t Period = 251;

// About 1 MiB of the pattern, starting at index 0. Since the pattern repeats
// every 251 bytes, any stretch of it is a view into this one buffer.
const std::string& PatternBuffer() {
    static const std::string buffer = [] {
        std::string bytes(Period * 4178, '\0');
        for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = TPatternSource::ByteAt(i);
        return bytes;
    }();
    return buffer;
}

}  // namespace

std::string_view TMemorySource::Slice(uint64_t offset, uint64_t most) const {
    return Data.substr(offset, most);
}

std::string_view TPatternSource::Slice(uint64_t offset, uint64_t most) const {
    static constexpr char Nul[1] = {'\0'};
    if (NulAt == offset) return std::string_view(Nul, 1);
    const std::string& buffer = PatternBuffer();
    const uint64_t start = offset % Period;
    uint64_t count = std::min({most, Length - offset, buffer.size() - start});
    if (NulAt && *NulAt > offset) count = std::min(count, *NulAt - offset);
    return std::string_view(buffer).substr(start, count);
}

}  // namespace videoservice
