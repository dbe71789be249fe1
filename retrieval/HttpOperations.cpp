#include "retrieval/HttpOperations.h"

#include <cstring>

#include "os/THttpClient.h"
#include "rtl/IntConvert.h"

namespace retrieval {

std::string FetchPage(const std::string& address) {
    std::string page;
    const os::THttpSession session(AgentString);
    const auto request = os::THttpRequest::Open(session, address, "", os::INTERNET_FLAG_RELOAD);
    if (!request) return page;
    char buffer[1025];
    size_t delivered = 0;
    do {
        if (!request->Read(buffer, sizeof buffer, delivered)) delivered = 0;
        const void* nul = std::memchr(buffer, 0, delivered);
        page.append(buffer, nul ? static_cast<const char*>(nul) - buffer : delivered);
        if (page.size() > kMaxPageBytes) return {};
    } while (delivered != 0);
    return page;
}

int32_t GetContentLength(const std::string& address) {
    const os::THttpSession session(AgentString);
    const auto request = os::THttpRequest::Open(session, address, "", 0);
    if (!request) return 0;
    // The header buffer of the original call held 1024 bytes; a longer value
    // could not have been a number in range anyway.
    const auto value = request->QueryContentLength();
    if (!value || value->size() >= 1024) return 0;
    return rtl::TryStrToInt(*value).value_or(0);
}

}  // namespace retrieval
