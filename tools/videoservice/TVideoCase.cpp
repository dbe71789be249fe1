#include "videoservice/TVideoCase.h"

#include <cstdio>
#include <vector>

#include "videoservice/THttpRequest.h"

namespace videoservice {

namespace {

std::vector<std::string_view> SplitId(std::string_view id) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t dash = id.find('-'); dash != std::string_view::npos; dash = id.find('-', start)) {
        parts.push_back(id.substr(start, dash - start));
        start = dash + 1;
    }
    parts.push_back(id.substr(start));
    return parts;
}

// "break123" with prefix "break" gives 123.
std::optional<uint64_t> NumberAfter(std::string_view part, std::string_view prefix) {
    if (!part.starts_with(prefix)) return std::nullopt;
    return ParseCount(part.substr(prefix.size()));
}

bool ApplySwitch(TVideoCase& video, std::string_view part) {
    if (part == "chunked") video.Chunked = true;
    else if (part == "huge") video.Huge = true;
    else if (part == "relay") video.Relay = true;
    else if (part == "moved") video.Moved = true;
    else if (part == "nul") video.Nul = true;
    else if (part == "localfile") video.LocalFile = true;
    else if (part == "gone") video.Gone = true;
    else if (part == "silent") video.Silent = true;
    else if (part == "nomap") video.NoMap = true;
    else if (part == "loop") video.Loop = true;
    else if (part == "accents") video.Title = TTitleKind::Accents;
    else if (part == "longtitle") video.Title = TTitleKind::Long;
    else if (part == "notitle") video.Title = TTitleKind::None;
    else if (auto count = NumberAfter(part, "break")) video.BreakAfter = *count;
    else if (auto count = NumberAfter(part, "stall")) video.StallAfter = *count;
    else if (auto ms = NumberAfter(part, "trickle"); ms && *ms <= MaxTrickleMs) video.TrickleMs = *ms;
    else return false;
    return true;
}

}  // namespace

std::string_view TVideoCase::TitleHtml() const {
    switch (Title) {
        case TTitleKind::Accents: return "Caf\xC3\xA9 &amp; Cr\xC3\xA8me \xE2\x80\x93 Part 2";
        case TTitleKind::Long:
            return "A Very Long Title That Goes On And On To Test How File Names Are Shortened (HD)";
        case TTitleKind::None: return {};
        case TTitleKind::Clip: break;
    }
    return Clip->Title;
}

std::optional<TVideoCase> ParseVideoId(std::string_view id) {
    const auto parts = SplitId(id);
    TVideoCase video;
    video.Id = std::string(id);
    video.Clip = FindClip(parts.front());
    if (!video.Clip) return std::nullopt;
    for (size_t i = 1; i < parts.size(); ++i) {
        if (!ApplySwitch(video, parts[i])) return std::nullopt;
    }
    return video;
}

std::string DropSwitch(std::string_view id, std::string_view name) {
    std::string result;
    for (std::string_view part : SplitId(id)) {
        if (part == name) continue;
        if (!result.empty()) result += '-';
        result += part;
    }
    return result;
}

std::string StreamSignature(std::string_view id) {
    // FNV-1a: any stable hash will do; the point is only that the program
    // must hand back the field it found in the page.
    uint64_t hash = 14695981039346656037ULL;
    for (unsigned char c : id) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llX", static_cast<unsigned long long>(hash));
    return text;
}

}  // namespace videoservice
