#pragma once
// One accepted socket: reading a request head and sending bytes. The peer may
// vanish at any time, so sending reports failure instead of raising SIGPIPE.
#include <string>
#include <string_view>

namespace videoservice {

class TConnection {
public:
    explicit TConnection(int socket);
    ~TConnection();
    TConnection(const TConnection&) = delete;
    TConnection& operator=(const TConnection&) = delete;

    enum class THeadResult { Complete, Incomplete, TooLarge };
    static constexpr size_t MaxHeadBytes = 16384;

    // Reads up to the blank line that ends a request head; `head` gets
    // everything before it. Incomplete: the peer closed or went quiet first.
    THeadResult ReadHead(std::string& head);

    // Sends all of `data`; false once the peer is gone. `more` tells the
    // kernel that further data follows at once, so small pieces such as a
    // head share a packet with what comes next.
    bool Send(std::string_view data, bool more = false);

private:
    int Socket;
};

}  // namespace videoservice
