// Arbitrary bytes as a live skin feed block: the decoder either refuses them
// or gives fields that fit their places and survive encoding again unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "skin/sSkinFeed.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    skin::TacSkinFeed feed;
    if (!skin::DecodeSkinFeed(std::string_view(reinterpret_cast<const char*>(data), size), feed)) return 0;
    if (feed.SkinName.size() > skin::SkinFeedNameSize || feed.SkinDirectory.size() > skin::SkinFeedDirectorySize ||
        feed.Options.size() > skin::SkinFeedOptionsSize)
        abort();
    // A field that filled its whole place loses its last byte to the
    // terminator when written again; every other field comes back as it was.
    skin::TacSkinFeed again;
    if (!skin::DecodeSkinFeed(skin::EncodeSkinFeed(feed), again)) abort();
    auto same = [](const std::string& before, const std::string& after, size_t place) {
        return before.size() == place ? after == before.substr(0, place - 1) : after == before;
    };
    if (!same(feed.SkinName, again.SkinName, skin::SkinFeedNameSize) ||
        !same(feed.SkinDirectory, again.SkinDirectory, skin::SkinFeedDirectorySize) ||
        !same(feed.Options, again.Options, skin::SkinFeedOptionsSize))
        abort();
    return 0;
}
