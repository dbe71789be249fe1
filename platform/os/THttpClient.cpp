#include "os/THttpClient.h"

#include "os/CurlLibrary.h"

#include <strings.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

namespace os {

namespace {

// Body bytes that libcurl may deliver ahead of the reader before the transfer
// is paused; keeps memory flat however slowly the caller reads.
constexpr size_t kHighWater = 1 << 20;

// The only schemes a request or any of its redirects may use.
constexpr char kAllowedSchemes[] = "http,https";

std::mutex LimitsLock;
THttpLimits CurrentLimits = DefaultHttpLimits;

std::string TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && strncasecmp(text.data(), prefix.data(), prefix.size()) == 0;
}

}  // namespace

struct THttpRequest::TTransfer {
    const TCurlApi& Curl;
    CURL* Easy = nullptr;
    CURLM* Multi = nullptr;
    curl_slist* Headers = nullptr;

    std::vector<char> Pending;  // body bytes not yet read, from PendingStart on
    size_t PendingStart = 0;
    size_t Received = 0;  // header and body bytes seen, to tell a productive round
    size_t Wanted = 0;  // what the reader waits for; never pause below it
    bool Paused = false;
    const std::atomic<bool>* Abort = nullptr;
    bool Done = false;
    CURLcode Result = CURLE_OK;

    bool HeadersDone = false;
    bool RedirectBlock = false;
    std::optional<std::string> ContentLength;

    size_t PendingSize() const { return Pending.size() - PendingStart; }

    explicit TTransfer(const TCurlApi& curl) : Curl(curl) {}
    ~TTransfer() {
        if (Multi && Easy) Curl.multi_remove_handle(Multi, Easy);
        if (Easy) Curl.easy_cleanup(Easy);
        if (Multi) Curl.multi_cleanup(Multi);
        Curl.slist_free_all(Headers);
    }

    static size_t OnBody(char* data, size_t size, size_t count, void* self) {
        auto* transfer = static_cast<TTransfer*>(self);
        const size_t length = size * count;
        if (transfer->PendingSize() >= std::max(kHighWater, transfer->Wanted)) {
            transfer->Paused = true;
            return CURL_WRITEFUNC_PAUSE;  // libcurl hands the same bytes again after the resume
        }
        // libcurl runs only when the reader has taken nearly everything, so
        // moving the rest to the front costs a few bytes.
        if (transfer->PendingStart > 0) {
            transfer->Pending.erase(transfer->Pending.begin(),
                                    transfer->Pending.begin() + static_cast<long>(transfer->PendingStart));
            transfer->PendingStart = 0;
        }
        transfer->Pending.insert(transfer->Pending.end(), data, data + length);
        transfer->Received += length;
        transfer->HeadersDone = true;
        return length;
    }

    static size_t OnHeader(char* data, size_t size, size_t count, void* self) {
        auto* transfer = static_cast<TTransfer*>(self);
        const std::string_view line(data, size * count);
        transfer->Received += line.size();
        if (StartsWithNoCase(line, "HTTP/")) {
            transfer->ContentLength.reset();
            transfer->RedirectBlock = false;
        } else if (StartsWithNoCase(line, "Content-Length:") && !transfer->ContentLength) {
            // With several headers of that name the first one counts.
            transfer->ContentLength = TrimBlanks(line.substr(15));
        } else if (StartsWithNoCase(line, "Location:")) {
            transfer->RedirectBlock = true;
        } else if (TrimBlanks(line).empty()) {
            long code = 0;
            transfer->Curl.easy_getinfo(transfer->Easy, CURLINFO_RESPONSE_CODE, &code);
            // Interim answers and redirects that libcurl follows are not the response.
            const bool followed = code >= 300 && code < 400 && transfer->RedirectBlock;
            if (code >= 200 && !followed) transfer->HeadersDone = true;
        }
        return line.size();
    }

    // One round of the transfer: lets libcurl work, and waits for the socket
    // only when that brought nothing. libcurl stops reading after a few
    // buffers and asks to be called again at once (a timeout of 0); waiting on
    // the socket then would sleep until the poll timeout.
    void Pump() {
        const size_t before = Received;
        int running = 0;
        Curl.multi_perform(Multi, &running);
        int left = 0;
        while (CURLMsg* message = Curl.multi_info_read(Multi, &left)) {
            if (message->msg == CURLMSG_DONE) {
                Done = true;
                Result = message->data.result;
            }
        }
        if (Done || running == 0 || Received != before) return;
        long timeout = -1;
        Curl.multi_timeout(Multi, &timeout);
        if (timeout < 0 || timeout > 1000) timeout = 1000;
        if (timeout > 0) Curl.multi_poll(Multi, nullptr, 0, static_cast<int>(timeout), nullptr);
    }
};

void SetHttpLimits(const THttpLimits& limits) {
    const std::lock_guard lock(LimitsLock);
    CurrentLimits = limits;
}

THttpLimits HttpLimits() {
    const std::lock_guard lock(LimitsLock);
    return CurrentLimits;
}

THttpSession::THttpSession(std::string agent) : FAgent(std::move(agent)) {}

THttpRequest::THttpRequest(std::unique_ptr<TTransfer> transfer) : FTransfer(std::move(transfer)) {}

THttpRequest::~THttpRequest() = default;

std::unique_ptr<THttpRequest> THttpRequest::Open(const THttpSession& session, const std::string& address,
                                                 const std::string& extraHeaders, uint32_t /*flags*/) {
    const TCurlApi* curl = CurlApi();
    if (!curl) return nullptr;
    auto transfer = std::make_unique<TTransfer>(*curl);
    transfer->Easy = curl->easy_init();
    transfer->Multi = curl->multi_init();
    if (!transfer->Easy || !transfer->Multi) return nullptr;
    CURL* easy = transfer->Easy;
    for (size_t start = 0; start < extraHeaders.size();) {
        size_t end = extraHeaders.find("\r\n", start);
        if (end == std::string::npos) end = extraHeaders.size();
        if (end > start) transfer->Headers = curl->slist_append(transfer->Headers, extraHeaders.substr(start, end - start).c_str());
        start = end + 2;
    }
    // Without the scheme restriction no request may go out at all.
    if (curl->easy_setopt(easy, CURLOPT_URL, address.c_str()) != CURLE_OK ||
        curl->easy_setopt(easy, CURLOPT_PROTOCOLS_STR, kAllowedSchemes) != CURLE_OK ||
        curl->easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, kAllowedSchemes) != CURLE_OK) {
        return nullptr;
    }
    const THttpLimits limits = HttpLimits();
    curl->easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, limits.ConnectSeconds);
    curl->easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, limits.LowSpeedBytes);
    curl->easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, limits.LowSpeedSeconds);
    curl->easy_setopt(easy, CURLOPT_USERAGENT, session.Agent().c_str());
    curl->easy_setopt(easy, CURLOPT_HTTPHEADER, transfer->Headers);
    curl->easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl->easy_setopt(easy, CURLOPT_MAXREDIRS, 10L);
    curl->easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    // Larger receive pieces mean fewer rounds through libcurl per megabyte.
    curl->easy_setopt(easy, CURLOPT_BUFFERSIZE, 256L * 1024);
    curl->easy_setopt(easy, CURLOPT_WRITEFUNCTION, &TTransfer::OnBody);
    curl->easy_setopt(easy, CURLOPT_WRITEDATA, transfer.get());
    curl->easy_setopt(easy, CURLOPT_HEADERFUNCTION, &TTransfer::OnHeader);
    curl->easy_setopt(easy, CURLOPT_HEADERDATA, transfer.get());
    if (curl->multi_add_handle(transfer->Multi, easy) != CURLM_OK) return nullptr;

    while (!transfer->HeadersDone && !transfer->Done) transfer->Pump();
    if (!transfer->HeadersDone && transfer->Result != CURLE_OK) return nullptr;
    long status = 0;
    curl->easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    if (status < 200 || status > 299) return nullptr;
    return std::unique_ptr<THttpRequest>(new THttpRequest(std::move(transfer)));
}

bool THttpRequest::Read(void* buffer, size_t wanted, size_t& delivered) {
    TTransfer& t = *FTransfer;
    t.Wanted = wanted;
    while (t.PendingSize() < wanted && !t.Done) {
        if (t.Abort && t.Abort->load()) return false;
        if (t.Paused) {
            t.Paused = false;
            t.Curl.easy_pause(t.Easy, CURLPAUSE_CONT);
            if (t.Paused) continue;  // paused again at once: what is wanted is there
        }
        t.Pump();
    }
    delivered = std::min(wanted, t.PendingSize());
    if (delivered > 0) {
        std::memcpy(buffer, t.Pending.data() + t.PendingStart, delivered);
        t.PendingStart += delivered;
        return true;
    }
    return t.Result == CURLE_OK;
}

void THttpRequest::SetAbortFlag(const std::atomic<bool>* abort) { FTransfer->Abort = abort; }

std::optional<std::string> THttpRequest::QueryContentLength() const { return FTransfer->ContentLength; }

}  // namespace os
