// Arbitrary page text through the watch-page parser: never crashes, and the
// title always keeps its promises (not empty, at most 53 characters, only
// letters, digits, "_" and a final "...").
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "retrieval/WatchPageParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string title;
    retrieval::ParseWatchPageText(std::string_view(reinterpret_cast<const char*>(data), size), title);
    if (title.empty() || title.size() > 53) abort();
    const std::string body = title.size() == 53 && title.ends_with("...") ? title.substr(0, 50) : title;
    for (char c : body)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) abort();
    return 0;
}
