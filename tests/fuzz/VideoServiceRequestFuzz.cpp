// Request heads as the demo video service reads them from its sockets: the
// parser must refuse or accept any bytes without crashing, and whatever it
// accepts must hold together as far as the service's routes rely on it.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "videoservice/THttpRequest.h"
#include "videoservice/TVideoCase.h"
#include "videoservice/WatchPage.h"

using namespace videoservice;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view head(reinterpret_cast<const char*>(data), size);
    const auto request = ParseHttpRequest(head);
    if (!request) return 0;
    if (!request->Path.starts_with("/") || request->Path.find_first_of("?# ") != std::string::npos) abort();
    for (const auto& [name, value] : request->Query) {
        ParseCount(value);
        const auto video = ParseVideoId(value);
        if (!video) continue;
        // A video that redirects leads to a video that exists.
        if (!ParseVideoId(DropSwitch(video->Id, "moved")) || !ParseVideoId(DropSwitch(video->Id, "relay"))) abort();
        // Its page carries a stream map unless it is the video without one.
        const bool hasMap =
            BuildWatchPage(*video, "http://127.0.0.1:1").find("url_encoded_fmt_stream_map=url%3D") != std::string::npos;
        if (hasMap == video->NoMap) abort();
    }
    return 0;
}
