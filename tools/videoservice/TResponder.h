#pragma once
// Writes the one response of a connection. Besides plain answers it can
// misbehave on purpose, the way the program's tests need a server to: leave
// out Content-Length (chunked), announce a length that is not the body's
// size, stop early, or dribble the body out slowly.
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "videoservice/TBodySource.h"
#include "videoservice/TConnection.h"

namespace videoservice {

struct THeader {
    std::string Name;
    std::string Value;
};

struct TDelivery {
    bool Chunked = false;                    // chunked transfer encoding, no Content-Length
    std::optional<std::string> LengthText;   // Content-Length value to send instead of the body's size
    uint64_t StopAfter = std::numeric_limits<uint64_t>::max();  // close after this many body bytes
    uint64_t PauseMs = 0;                    // pause between pieces of TricklePiece bytes
    std::optional<uint64_t> StallAfter;      // fall silent after this many body bytes
};

struct TResponse {
    int Status = 200;
    std::string ContentType = "text/html; charset=utf-8";
    std::vector<THeader> Headers;  // besides Content-Type, the length and Connection; sent after the length
    TDelivery Delivery;
};

class TResponder {
public:
    static constexpr uint64_t TricklePiece = 4096;
    // How long a silent answer keeps the connection open before it closes:
    // long past any client's patience, yet no connection is held forever.
    static constexpr int SilenceSeconds = 120;

    // A HEAD request gets the head of the response without its body.
    TResponder(TConnection& connection, bool headOnly) : Connection(connection), HeadOnly(headOnly) {}

    void Send(const TResponse& response, const TBodySource& body);
    void Page(int status, std::string_view html);
    void Redirect(const std::string& location);
    // Sends nothing and keeps the connection open for SilenceSeconds.
    void Silence();

private:
    bool SendHead(const TResponse& response, uint64_t size);
    void SendBody(const TDelivery& delivery, const TBodySource& body);

    TConnection& Connection;
    bool HeadOnly;
};

}  // namespace videoservice
