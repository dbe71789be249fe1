#pragma once
// A small HTTP client in the shape of the Windows internet client the program
// was written against: a session that carries the agent text, and requests that
// are opened for one address (their response headers have arrived when Open
// returns), read in pieces of at most n body bytes, asked for their
// Content-Length, and closed (closing early abandons the body).
//
// Built on libcurl. Proxies come from the usual proxy environment variables;
// redirects are followed (up to 10), as the original platform's client does.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace os {

// Never serve the response from a local cache. We keep no cache, so every
// request already goes to the server; the flag is accepted for fidelity.
constexpr uint32_t INTERNET_FLAG_RELOAD = 0x80000000;

class THttpSession {
public:
    explicit THttpSession(std::string agent);
    const std::string& Agent() const { return FAgent; }

private:
    std::string FAgent;
};

class THttpRequest {
public:
    // Sends a GET for `address` and waits for the response headers. `extraHeaders`
    // holds header lines separated by CR LF (may be empty). Returns null when
    // the request cannot be made (bad address, no connection, no response).
    static std::unique_ptr<THttpRequest> Open(const THttpSession& session, const std::string& address,
                                              const std::string& extraHeaders, uint32_t flags);
    ~THttpRequest();
    THttpRequest(const THttpRequest&) = delete;
    THttpRequest& operator=(const THttpRequest&) = delete;

    // Blocks until `wanted` body bytes have arrived or the body has ended, and
    // copies them to `buffer`. `delivered` is 0 at the end of the body. Returns
    // false when the transfer failed and nothing more is to come.
    bool Read(void* buffer, size_t wanted, size_t& delivered);

    // The Content-Length header of the final response as sent, blanks trimmed;
    // nothing when the response has none.
    std::optional<std::string> QueryContentLength() const;

    struct TTransfer;

private:
    explicit THttpRequest(std::unique_ptr<TTransfer> transfer);
    std::unique_ptr<TTransfer> FTransfer;
};

}  // namespace os
