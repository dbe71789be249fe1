#pragma once
// What a video id asks of the service. An id is a clip name followed by
// switches, all joined by "-", e.g. "demo", "long-trickle20",
// "demo-chunked-break65536". Each switch makes the page or the stream behave
// the way some real service or network once did:
//
//   chunked     stream without Content-Length (chunked transfer encoding)
//   break<N>    stream closes after N bytes while Content-Length gives the full size
//   trickle<MS> stream comes in 4096-byte pieces with MS milliseconds between them
//   huge        stream announces Content-Length 3000000000, sends the clip and closes
//   relay       stream address answers 302 to the address of the same id without "relay"
//   moved       watch page answers 302 to the page of the same id without "moved"
//   nul         watch page carries NUL bytes, each more than 1025 bytes before the
//               lines that hold the stream map and the title
//   accents     title "Café &amp; Crème – Part 2" (UTF-8 letters and an HTML entity)
//   longtitle   a title far longer than the 53 characters a file name keeps
//   notitle     no title line at all
//   localfile   the stream map names the clip's own file as a file:// address
//   gone        stream address answers 404 with an HTML body
//   silent      watch page request is accepted and never answered
//   stall<N>    stream sends its headers and N bytes, then falls silent with the
//               connection open
//   nomap       watch page (200, with its title) carries no stream map, as a
//               page of a video that cannot be played there
//   loop        stream address answers 302 to itself, for ever
//
// An unknown clip name or switch makes the id unknown: its page is a 404 page
// without a stream map. No switch contains "sig", which the program's decoding
// of the stream map would rewrite.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "videoservice/TClipLibrary.h"

namespace videoservice {

enum class TTitleKind { Clip, Accents, Long, None };

struct TVideoCase {
    std::string Id;
    const TClip* Clip = nullptr;
    bool Chunked = false;
    bool Huge = false;
    bool Relay = false;
    bool Moved = false;
    bool Nul = false;
    bool LocalFile = false;
    bool Gone = false;
    bool Silent = false;
    bool NoMap = false;
    bool Loop = false;
    std::optional<uint64_t> StallAfter;
    std::optional<uint64_t> BreakAfter;
    uint64_t TrickleMs = 0;
    TTitleKind Title = TTitleKind::Clip;

    // The title as it stands in the page's HTML; empty for TTitleKind::None.
    std::string_view TitleHtml() const;
};

// Longest pause between trickled pieces, so that no id can hold a connection forever.
constexpr uint64_t MaxTrickleMs = 10000;

std::optional<TVideoCase> ParseVideoId(std::string_view id);

// The id with every occurrence of the switch `name` taken out.
std::string DropSwitch(std::string_view id, std::string_view name);

// The signature that the stream address of `id` carries and that the stream
// request must bring back: 16 hexadecimal digits.
std::string StreamSignature(std::string_view id);

}  // namespace videoservice
