#pragma once
// Response bodies handed out in slices, so that the writer can send large
// stretches at once without the body ever being copied or held in full.
#include <cstdint>
#include <optional>
#include <string_view>

namespace videoservice {

class TBodySource {
public:
    virtual ~TBodySource() = default;
    virtual uint64_t Size() const = 0;
    // Between 1 and `most` bytes from `offset` on (offset below Size(), most
    // above 0); the view stays valid as long as the source does.
    virtual std::string_view Slice(uint64_t offset, uint64_t most) const = 0;
};

class TMemorySource final : public TBodySource {
public:
    explicit TMemorySource(std::string_view data) : Data(data) {}
    uint64_t Size() const override { return Data.size(); }
    std::string_view Slice(uint64_t offset, uint64_t most) const override;

private:
    std::string_view Data;
};

// The test bytes of /bytes: byte i is 1 + (i * 7) mod 251, so never 0 and
// easy to check anywhere in the stream; only byte `nulAt`, when given, is 0.
class TPatternSource final : public TBodySource {
public:
    TPatternSource(uint64_t size, std::optional<uint64_t> nulAt) : Length(size), NulAt(nulAt) {}
    uint64_t Size() const override { return Length; }
    std::string_view Slice(uint64_t offset, uint64_t most) const override;

    static char ByteAt(uint64_t index) { return static_cast<char>(1 + index * 7 % 251); }

private:
    uint64_t Length;
    std::optional<uint64_t> NulAt;
};

}  // namespace videoservice
