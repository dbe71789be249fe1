#pragma once
// A small HTTP client in the shape of the Windows internet client the program
// was written against: a session that carries the agent text, and requests that
// are opened for one address (their response headers have arrived when Open
// returns), read in pieces of at most n body bytes, asked for their
// Content-Length, and closed (closing early abandons the body).
//
// Built on libcurl. Proxies come from the usual proxy environment variables;
// redirects are followed (up to 10), as the original platform's client does.
// Three things the original client left open are closed here: only HTTP and
// HTTPS are spoken, for the first request and every redirect (an address like
// "file:///...?http://" must not read a local file); a server that connects
// slowly or falls silent ends the request (see THttpLimits); and a final
// status outside 2xx fails the open, so an error page is never taken for a
// page or a stream.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace os {

// Never serve the response from a local cache. We keep no cache, so every
// request already goes to the server; the flag is accepted for fidelity.
constexpr uint32_t INTERNET_FLAG_RELOAD = 0x80000000;

// When a request to a server that does not answer gives up: connecting may
// take ConnectSeconds, and a transfer that moves fewer than LowSpeedBytes per
// second for LowSpeedSeconds (waiting for the response head included) fails.
// libcurl measures the speed over its last five seconds, so a stream that
// stalls after a burst fails up to five seconds later than a silent one.
struct THttpLimits {
    long ConnectSeconds;
    long LowSpeedBytes;
    long LowSpeedSeconds;
};
inline constexpr THttpLimits DefaultHttpLimits{20, 1, 30};

// The limits of the requests opened from now on (DefaultHttpLimits until
// changed); tests lower them to see a silent server fail in a moment.
void SetHttpLimits(const THttpLimits& limits);
THttpLimits HttpLimits();

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
    // the request cannot be made (bad address, a scheme other than HTTP or
    // HTTPS, no connection, no response in time, a final status outside 2xx).
    static std::unique_ptr<THttpRequest> Open(const THttpSession& session, const std::string& address,
                                              const std::string& extraHeaders, uint32_t flags);
    ~THttpRequest();
    THttpRequest(const THttpRequest&) = delete;
    THttpRequest& operator=(const THttpRequest&) = delete;

    // Blocks until `wanted` body bytes have arrived or the body has ended, and
    // copies them to `buffer`. `delivered` is 0 at the end of the body. Returns
    // false when the transfer failed and nothing more is to come.
    bool Read(void* buffer, size_t wanted, size_t& delivered);
    // A flag that another thread may raise to end a Read that waits for a
    // server fallen silent: it then fails within a second.
    void SetAbortFlag(const std::atomic<bool>* abort);

    // The first Content-Length header of the final response as sent, blanks
    // trimmed; nothing when the response has none.
    std::optional<std::string> QueryContentLength() const;

    struct TTransfer;

private:
    explicit THttpRequest(std::unique_ptr<TTransfer> transfer);
    std::unique_ptr<TTransfer> FTransfer;
};

}  // namespace os
