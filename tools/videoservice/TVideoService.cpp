#include "videoservice/TVideoService.h"

#include "videoservice/TVideoCase.h"
#include "videoservice/WatchPage.h"

namespace videoservice {

namespace {

// What Content-Length says under the "huge" switch: more than a signed 32-bit
// count can hold.
constexpr std::string_view HugeLength = "3000000000";

TDelivery VideoDelivery(const TVideoCase& video) {
    TDelivery delivery;
    delivery.Chunked = video.Chunked;
    if (video.Huge) delivery.LengthText = std::string(HugeLength);
    if (video.BreakAfter) delivery.StopAfter = *video.BreakAfter;
    delivery.StallAfter = video.StallAfter;
    delivery.PauseMs = video.TrickleMs;
    return delivery;
}

bool IsHeaderSafe(std::string_view text) {
    for (char c : text) {
        if (c == '\r' || c == '\n' || c == '\0') return false;
    }
    return true;
}

// A count option of /bytes: absent gives `fallback`, present but not a count gives nothing.
std::optional<uint64_t> CountOption(const THttpRequest& request, std::string_view name, uint64_t fallback) {
    const auto text = request.Param(name);
    return text ? ParseCount(*text) : fallback;
}

}  // namespace

void TVideoService::Handle(const THttpRequest& request, TResponder& responder) const {
    if (request.Path == "/") Index(responder);
    else if (request.Path == "/watch") Watch(request, responder);
    else if (request.Path == "/videoplayback") Playback(request, responder);
    else if (request.Path == "/bytes") Bytes(request, responder);
    else if (request.Path == "/status") Status(request, responder);
    else if (request.Path == "/redirect") Forward(request, responder);
    else responder.Page(404, "Not found.\n");
}

void TVideoService::Index(TResponder& responder) const {
    std::string page = "<!DOCTYPE html>\n<html>\n<head><title>Kestrune demo video service</title></head>\n<body>\n<ul>\n";
    for (const auto& clip : AllClips()) {
        const std::string address = Base + "/watch?v=" + std::string(clip.Name);
        page += "<li><a href=\"" + address + "\">" + std::string(clip.Title) + "</a> " + address + "</li>\n";
    }
    responder.Page(200, page + "</ul>\n</body>\n</html>\n");
}

void TVideoService::Watch(const THttpRequest& request, TResponder& responder) const {
    const auto video = ParseVideoId(request.Param("v").value_or(""));
    if (!video) {
        responder.Page(404, BuildUnavailablePage());
    } else if (video->Silent) {
        responder.Silence();
    } else if (video->Moved) {
        responder.Redirect(Base + "/watch?v=" + DropSwitch(video->Id, "moved"));
    } else {
        responder.Page(200, BuildWatchPage(*video, Base, Clips.FileOf(video->Clip->Name)));
    }
}

void TVideoService::Playback(const THttpRequest& request, TResponder& responder) const {
    const auto video = ParseVideoId(request.Param("id").value_or(""));
    if (!video) {
        responder.Page(404, "No such stream.\n");
    } else if (request.Param("signature") != StreamSignature(video->Id)) {
        responder.Page(403, "Missing or wrong signature.\n");
    } else if (video->Gone) {
        responder.Page(404, "<html><body>This stream is gone.</body></html>\n");
    } else if (video->Relay) {
        responder.Redirect(StreamAddress(Base, DropSwitch(video->Id, "relay")));
    } else if (video->Loop) {
        responder.Redirect(StreamAddress(Base, video->Id));
    } else {
        TResponse response;
        response.ContentType = "video/x-flv";
        response.Delivery = VideoDelivery(*video);
        responder.Send(response, TMemorySource(Clips.Data(video->Clip->Name)));
    }
}

void TVideoService::Bytes(const THttpRequest& request, TResponder& responder) const {
    const auto size = ParseCount(request.Param("n").value_or(""));
    const auto chunked = request.Param("chunked").value_or("0");
    const auto stopAfter = CountOption(request, "break", size.value_or(0));
    const auto nulAt = CountOption(request, "nulat", size.value_or(0));
    const auto pauseMs = CountOption(request, "trickle", 0);
    const auto stallAfter = CountOption(request, "stall", size.value_or(0));
    const auto length = request.Param("length");
    const auto extraLength = request.Param("extralength");
    const auto lengthUnsafe = [&](const std::optional<std::string>& text) {
        return text && (chunked == "1" || !IsHeaderSafe(*text));
    };
    if (!size || (chunked != "0" && chunked != "1") || !stopAfter || !nulAt || !pauseMs || *pauseMs > MaxTrickleMs ||
        !stallAfter || lengthUnsafe(length) || lengthUnsafe(extraLength)) {
        responder.Page(400, "Bad options for /bytes.\n");
        return;
    }
    TResponse response;
    response.ContentType = "application/octet-stream";
    response.Delivery.Chunked = chunked == "1";
    response.Delivery.LengthText = length;
    response.Delivery.StopAfter = *stopAfter;
    response.Delivery.PauseMs = *pauseMs;
    response.Delivery.StallAfter = stallAfter;
    if (extraLength) response.Headers.push_back({"Content-Length", *extraLength});
    // nulat=n or beyond lies outside the body and so puts no NUL in it.
    responder.Send(response, TPatternSource(*size, *nulAt < *size ? std::optional(*nulAt) : std::nullopt));
}

void TVideoService::Forward(const THttpRequest& request, TResponder& responder) const {
    const auto target = request.Param("to");
    if (!target || target->empty() || !IsHeaderSafe(*target)) {
        responder.Page(400, "Bad options for /redirect.\n");
        return;
    }
    responder.Redirect(*target);
}

void TVideoService::Status(const THttpRequest& request, TResponder& responder) const {
    const auto code = ParseCount(request.Param("code").value_or(""));
    // 204, 205 and 304 may carry no body, which this route always sends.
    if (!code || *code < 200 || *code > 599 || *code == 204 || *code == 205 || *code == 304) {
        responder.Page(400, "Bad options for /status.\n");
        return;
    }
    responder.Page(static_cast<int>(*code), request.Param("body").value_or(""));
}

}  // namespace videoservice
