#include "retrieval/WatchPageParser.h"

#include <array>
#include <utility>

#include "retrieval/HttpOperations.h"
#include "rtl/LocaleTime.h"
#include "rtl/TStringList.h"
#include "rtl/TextOps.h"

namespace retrieval {

namespace {

constexpr char kStreamMapMarker[] = "url_encoded_fmt_stream_map=";
constexpr char kTitleMarker[] = "<meta name=\"title\"";
constexpr size_t kTitleLimit = 53;

// The order matters: later steps see what earlier ones produced (the "%" made
// from "%2525" can join into "%26" or "%3D"), and "sig" becomes "signature".
constexpr std::array<std::pair<const char*, const char*>, 13> kStreamMapReplacements{{
    {"%253A", ":"}, {"%252F", "/"}, {"%253F", "?"}, {"%253D", "="}, {"%2526", "&"},
    {"%2525", "%"}, {"sig", "signature"}, {"%252C", ","}, {"%2B", "%20"}, {"%253B", ";"},
    {"%26", "&"}, {"%2522", "\""}, {"%3D", "="},
}};

// Cuts the first entry of the stream map out of a line holding the marker.
std::string StreamStep(std::string line) {
    rtl::DeleteFirst(line, rtl::Pos(kStreamMapMarker, line));
    rtl::DeleteFirst(line, rtl::Pos("url%3D", line) + 5);
    return DecodeStreamEntry(rtl::Copy(line, 1, rtl::Pos("%2C", line) - 1));
}

// The double-quoted value behind "content=", or empty when it does not close
// within 255 characters.
std::string TitleStep(const std::string& line) {
    const std::string value = rtl::Copy(line, rtl::Pos("content=", line) + 9, 255);
    return rtl::Copy(value, 1, rtl::Pos("\"", value) - 1);
}

}  // namespace

std::string DecodeStreamEntry(std::string_view entry) {
    std::string text(entry);
    for (const auto& [from, to] : kStreamMapReplacements) text = rtl::ReplaceAll(text, from, to);
    return text;
}

std::string MakeSafeTitle(std::string_view text) {
    std::string safe(text);
    for (char& c : safe) {
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!allowed) c = '_';
    }
    return safe;
}

std::string ParseWatchPageText(std::string_view page, std::string& videoTitle) {
    rtl::TStringList lines;
    lines.SetText(page);
    std::string streamAddress;
    std::string title;
    for (int i = 0; i < lines.Count(); ++i) {
        std::string line = lines[i];
        // The title step looks at the line as the stream step left it.
        if (streamAddress.empty() && rtl::Pos(kStreamMapMarker, line) > 0) {
            line = StreamStep(std::move(line));
            streamAddress = line;
        }
        if (title.empty() && rtl::Pos(kTitleMarker, line) > 0) title = TitleStep(line);
    }
    if (title.empty()) title = "video" + rtl::LongTimeText();
    videoTitle = MakeSafeTitle(title);
    if (videoTitle.size() > kTitleLimit) videoTitle = videoTitle.substr(0, 50) + "...";
    return streamAddress;
}

std::string ParseWatchPage(const std::string& address, std::string& videoTitle) {
    return ParseWatchPageText(FetchPage(address), videoTitle);
}

}  // namespace retrieval
