#pragma once
// A loopback HTTP/1.1 server with one thread per connection and one request
// per connection. It answers malformed requests itself and hands well-formed
// GET and HEAD requests to the handler.
#include <cstdint>
#include <functional>

#include "videoservice/THttpRequest.h"
#include "videoservice/TResponder.h"

namespace videoservice {

class THttpServer {
public:
    using THandler = std::function<void(const THttpRequest&, TResponder&)>;

    // Listens on 127.0.0.1:port (0 picks a free port); throws std::system_error.
    explicit THttpServer(uint16_t port);
    ~THttpServer();
    THttpServer(const THttpServer&) = delete;
    THttpServer& operator=(const THttpServer&) = delete;

    uint16_t Port() const { return BoundPort; }

    // Accepts connections until the process ends. The handler must be safe to
    // call from several threads at once.
    [[noreturn]] void Serve(THandler handler);

private:
    int Listener = -1;
    uint16_t BoundPort = 0;
};

}  // namespace videoservice
