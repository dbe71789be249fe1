#pragma once
// The two blocking requests the job makes before the download: the whole watch
// page, and the size of the stream. Neither raises: a failure is an empty text
// or 0, which the job turns into its message.
#include <cstdint>
#include <string>

namespace retrieval {

// The user-agent text of every request the program makes.
inline constexpr char AgentString[] =
    "Mozilla/5.0 (Windows; U; Windows NT 5.1; en-US; rv:1.9.2.18) Gecko/20110614 Firefox/3.6.18";

// Pages larger than this are not watch pages; a broken or hostile server must
// not be able to fill our memory, so such a page counts as not fetched.
inline constexpr size_t kMaxPageBytes = 64u << 20;

// The response body, each 1025-byte read cut at its first NUL byte; empty when
// the request cannot be made (an error page among such failures: see
// os::THttpRequest::Open) or the page is too large.
std::string FetchPage(const std::string& address);

// The Content-Length of the response as a signed 32-bit number; 0 when it is
// missing or does not convert.
int32_t GetContentLength(const std::string& address);

}  // namespace retrieval
