#include "videoservice/TResponder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

namespace videoservice {

namespace {

// Large sends keep a fast client fed with few system calls.
constexpr uint64_t FullPiece = 1 << 20;

std::string_view ReasonPhrase(int status) {
    switch (status) {
        case 200: return "OK";
        case 204: return "No Content";
        case 301: return "Moved Permanently";
        case 302: return "Found";
        case 400: return "Bad Request";
        case 403: return "Forbidden";
        case 404: return "Not Found";
        case 405: return "Method Not Allowed";
        case 500: return "Internal Server Error";
        case 503: return "Service Unavailable";
        default: return "Status";
    }
}

std::string HexSize(uint64_t size) {
    char text[24];
    std::snprintf(text, sizeof text, "%llx\r\n", static_cast<unsigned long long>(size));
    return text;
}

}  // namespace

void TResponder::Send(const TResponse& response, const TBodySource& body) {
    if (SendHead(response, body.Size()) && !HeadOnly) SendBody(response.Delivery, body);
}

void TResponder::Page(int status, std::string_view html) {
    TResponse response;
    response.Status = status;
    Send(response, TMemorySource(html));
}

void TResponder::Redirect(const std::string& location) {
    TResponse response;
    response.Status = 302;
    response.Headers.push_back({"Location", location});
    Send(response, TMemorySource("<html><body>The document has moved <a href=\"" + location + "\">here</a>.</body></html>\n"));
}

void TResponder::Silence() { std::this_thread::sleep_for(std::chrono::seconds(SilenceSeconds)); }

bool TResponder::SendHead(const TResponse& response, uint64_t size) {
    std::string head = "HTTP/1.1 " + std::to_string(response.Status) + " " + std::string(ReasonPhrase(response.Status)) +
                       "\r\nContent-Type: " + response.ContentType + "\r\n";
    const TDelivery& delivery = response.Delivery;
    if (delivery.Chunked) {
        head += "Transfer-Encoding: chunked\r\n";
    } else {
        head += "Content-Length: " + delivery.LengthText.value_or(std::to_string(size)) + "\r\n";
    }
    for (const auto& header : response.Headers) head += header.Name + ": " + header.Value + "\r\n";
    head += "Connection: close\r\n\r\n";
    // A head that nothing follows at once must not wait in the kernel for more.
    const bool bodyFollows = !HeadOnly && size > 0 && delivery.StallAfter != uint64_t{0};
    return Connection.Send(head, bodyFollows);
}

void TResponder::SendBody(const TDelivery& delivery, const TBodySource& body) {
    const bool stalls = delivery.StallAfter && *delivery.StallAfter < std::min(body.Size(), delivery.StopAfter);
    const uint64_t limit = stalls ? *delivery.StallAfter : std::min(body.Size(), delivery.StopAfter);
    const uint64_t piece = delivery.PauseMs > 0 ? TricklePiece : FullPiece;
    for (uint64_t offset = 0; offset < limit;) {
        if (offset > 0 && delivery.PauseMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(delivery.PauseMs));
        const uint64_t end = offset + std::min(piece, limit - offset);
        if (delivery.Chunked && !Connection.Send(HexSize(end - offset), true)) return;
        while (offset < end) {
            const std::string_view slice = body.Slice(offset, end - offset);
            if (!Connection.Send(slice, delivery.Chunked || offset + slice.size() < end)) return;
            offset += slice.size();
        }
        if (delivery.Chunked && !Connection.Send("\r\n")) return;
    }
    if (stalls) Silence();
    // A body cut short ends without the closing chunk, so the client can tell.
    if (delivery.Chunked && limit == body.Size()) Connection.Send("0\r\n\r\n");
}

}  // namespace videoservice
