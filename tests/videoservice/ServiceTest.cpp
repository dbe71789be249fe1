// The service binary itself, spoken to over loopback with libcurl and with
// raw sockets for what libcurl would refuse to send or to show.
#include <arpa/inet.h>
#include <curl/curl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "VideoService.h"
#include "retrieval/WatchPageParser.h"

namespace {

struct TFetch {
    CURLcode Code = CURLE_OK;
    long Status = 0;
    curl_off_t Length = -1;  // Content-Length, -1 when absent
    std::string Headers;
    std::string Body;
    int Writes = 0;
};

size_t Collect(char* data, size_t size, size_t count, void* target) {
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

size_t CollectBody(char* data, size_t size, size_t count, void* target) {
    auto& fetch = *static_cast<TFetch*>(target);
    ++fetch.Writes;
    return Collect(data, size, count, &fetch.Body);
}

TFetch Fetch(const std::string& url) {
    TFetch fetch;
    CURL* curl = curl_easy_init();
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, CollectBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &fetch);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, Collect);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &fetch.Headers);
    fetch.Code = curl_easy_perform(curl);
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &fetch.Status);
    curl_easy_getinfo(curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &fetch.Length);
    curl_easy_cleanup(curl);
    return fetch;
}

// Sends `request` as it stands and returns everything the service answers.
std::string Exchange(int port, std::string_view request) {
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::string response;
    if (connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        send(socket, request.data(), request.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(request.size())) {
        shutdown(socket, SHUT_WR);  // nothing more comes, so a cut-off request ends at once
        char buffer[4096];
        for (ssize_t count; (count = recv(socket, buffer, sizeof buffer, 0)) > 0;) response.append(buffer, count);
    }
    close(socket);
    return response;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool IsPattern(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (static_cast<unsigned char>(bytes[i]) != 1 + i * 7 % 251) return false;
    }
    return true;
}

// What the tags of an FLV file say: the first audio and video tag's format
// byte and the time stamp of the last tag.
struct TFlvFacts {
    int AudioFormat = -1;
    int VideoFormat = -1;
    uint32_t LastTimeMs = 0;
};

uint32_t BigEndian(std::string_view bytes, size_t at, int count) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

TFlvFacts InspectFlv(std::string_view flv) {
    TFlvFacts facts;
    if (!flv.starts_with("FLV\x01\x05")) return facts;
    for (size_t at = BigEndian(flv, 5, 4) + 4; at + 11 < flv.size();) {
        const int type = static_cast<unsigned char>(flv[at]);
        const uint32_t size = BigEndian(flv, at + 1, 3);
        if (at + 11 + size > flv.size()) break;
        int& format = type == 8 ? facts.AudioFormat : facts.VideoFormat;
        if ((type == 8 || type == 9) && format < 0 && size > 0) format = static_cast<unsigned char>(flv[at + 11]);
        facts.LastTimeMs = BigEndian(flv, at + 4, 3) | static_cast<uint32_t>(static_cast<unsigned char>(flv[at + 7])) << 24;
        at += 11 + size + 4;
    }
    return facts;
}

class VideoService : public ::testing::Test {
protected:
    TTestVideoService Service;

    std::string Bytes(const std::string& query) const { return Service.BaseUrl() + "/bytes?" + query; }
};

}  // namespace

TEST_F(VideoService, WatchPageLeadsToTheWholeDemoClip) {
    const TFetch page = Fetch(Service.WatchUrl("demo"));
    EXPECT_EQ(page.Status, 200);
    std::string title;
    const std::string address = retrieval::ParseWatchPageText(page.Body, title);
    EXPECT_EQ(address, Service.StreamUrl("demo"));
    EXPECT_EQ(title, "Test_Pattern_Demo__5_seconds_");

    const std::string clip = ReadFile(TTestVideoService::ClipPath("demo"));
    const TFetch stream = Fetch(address);
    EXPECT_EQ(stream.Code, CURLE_OK);
    EXPECT_EQ(stream.Status, 200);
    EXPECT_EQ(stream.Length, static_cast<curl_off_t>(clip.size()));
    EXPECT_TRUE(stream.Body == clip);
}

TEST_F(VideoService, ClipsAreSorensonVideoWithStereoMp3) {
    const TFlvFacts demo = InspectFlv(ReadFile(TTestVideoService::ClipPath("demo")));
    EXPECT_EQ(demo.VideoFormat & 0x0F, 2);  // Sorenson H.263 (flv1)
    EXPECT_EQ(demo.AudioFormat, 0x2F);      // MP3, 44 kHz, 16 bit, stereo
    EXPECT_NEAR(demo.LastTimeMs, 5000, 300);
    const TFlvFacts longClip = InspectFlv(ReadFile(TTestVideoService::ClipPath("long")));
    EXPECT_EQ(longClip.AudioFormat, 0x2F);
    EXPECT_NEAR(longClip.LastTimeMs, 60000, 300);
}

TEST_F(VideoService, StreamSwitchesMisbehaveAsNamed) {
    const size_t size = ReadFile(TTestVideoService::ClipPath("demo")).size();

    const TFetch chunked = Fetch(Service.StreamUrl("demo-chunked"));
    EXPECT_EQ(chunked.Length, -1);
    EXPECT_NE(chunked.Headers.find("Transfer-Encoding: chunked"), std::string::npos);
    EXPECT_EQ(chunked.Body.size(), size);

    const TFetch broken = Fetch(Service.StreamUrl("demo-break10000"));
    EXPECT_EQ(broken.Code, CURLE_PARTIAL_FILE);
    EXPECT_EQ(broken.Length, static_cast<curl_off_t>(size));
    EXPECT_EQ(broken.Body.size(), 10000u);

    const TFetch huge = Fetch(Service.StreamUrl("demo-huge"));
    EXPECT_EQ(huge.Length, 3000000000);
    EXPECT_EQ(huge.Body.size(), size);

    const TFetch trickled = Fetch(Service.StreamUrl("demo-trickle2"));
    EXPECT_EQ(trickled.Body.size(), size);
    EXPECT_GE(trickled.Writes, 10);  // 72 pieces of 4096 bytes; they cannot all arrive at once

    const TFetch relayed = Fetch(Service.StreamUrl("demo-relay"));
    EXPECT_EQ(relayed.Status, 302);
    EXPECT_NE(relayed.Headers.find("Location: " + Service.StreamUrl("demo") + "\r\n"), std::string::npos);

    const TFetch looped = Fetch(Service.StreamUrl("demo-loop"));
    EXPECT_EQ(looped.Status, 302);
    EXPECT_NE(looped.Headers.find("Location: " + Service.StreamUrl("demo-loop") + "\r\n"), std::string::npos);
}

TEST_F(VideoService, PageSwitchesAndUnknownVideos) {
    const TFetch moved = Fetch(Service.WatchUrl("demo-moved-chunked"));
    EXPECT_EQ(moved.Status, 302);
    EXPECT_NE(moved.Headers.find("Location: " + Service.WatchUrl("demo-chunked") + "\r\n"), std::string::npos);

    const TFetch nul = Fetch(Service.WatchUrl("demo-nul"));
    EXPECT_NE(nul.Body.find('\0'), std::string::npos);

    const TFetch unmapped = Fetch(Service.WatchUrl("demo-nomap"));
    EXPECT_EQ(unmapped.Status, 200);
    EXPECT_NE(unmapped.Body.find("<meta name=\"title\" content=\"Test Pattern Demo (5 seconds)\">"), std::string::npos);
    EXPECT_EQ(unmapped.Body.find("url_encoded_fmt_stream_map="), std::string::npos);

    const TFetch unknown = Fetch(Service.WatchUrl("nosuchvideo"));
    EXPECT_EQ(unknown.Status, 404);
    EXPECT_NE(unknown.Body.find("<html"), std::string::npos);
    EXPECT_EQ(unknown.Body.find("url_encoded_fmt_stream_map="), std::string::npos);
}

TEST_F(VideoService, StreamWantsTheSignatureFieldThatThePageNamedSig) {
    std::string address = Service.StreamUrl("demo");
    EXPECT_EQ(Fetch(address.replace(address.find("signature="), 9, "sig")).Status, 403);
    EXPECT_EQ(Fetch(Service.BaseUrl() + "/videoplayback?id=demo&signature=0000000000000000").Status, 403);
    EXPECT_EQ(Fetch(Service.BaseUrl() + "/videoplayback?id=nosuchvideo").Status, 404);
}

TEST_F(VideoService, TestBytesFollowTheirPatternAndOptions) {
    const TFetch plain = Fetch(Bytes("n=100000"));
    EXPECT_EQ(plain.Length, 100000);
    EXPECT_EQ(plain.Body.size(), 100000u);
    EXPECT_TRUE(IsPattern(plain.Body));
    EXPECT_EQ(plain.Body.find('\0'), std::string::npos);

    const TFetch nul = Fetch(Bytes("n=3000&nulat=10"));
    EXPECT_EQ(nul.Body.find('\0'), 10u);
    EXPECT_EQ(nul.Body.find('\0', 11), std::string::npos);
    EXPECT_EQ(nul.Body.size(), 3000u);

    const TFetch chunked = Fetch(Bytes("n=5000&chunked=1"));
    EXPECT_EQ(chunked.Length, -1);
    EXPECT_TRUE(chunked.Body.size() == 5000 && IsPattern(chunked.Body));

    const TFetch broken = Fetch(Bytes("n=5000&break=1234"));
    EXPECT_EQ(broken.Code, CURLE_PARTIAL_FILE);
    EXPECT_EQ(broken.Body.size(), 1234u);

    const TFetch trickled = Fetch(Bytes("n=40960&trickle=20"));
    EXPECT_EQ(trickled.Body.size(), 40960u);
    EXPECT_GE(trickled.Writes, 5);

    const TFetch empty = Fetch(Bytes("n=0"));
    EXPECT_EQ(empty.Length, 0);
    EXPECT_EQ(empty.Body, "");
}

TEST_F(VideoService, LengthTextIsSentVerbatim) {
    const std::string response = Exchange(Service.Port(), "GET /bytes?n=6&length=%2012x%20 HTTP/1.1\r\n\r\n");
    EXPECT_NE(response.find("\r\nContent-Length:  12x \r\n"), std::string::npos);
    EXPECT_TRUE(response.ends_with("\r\n\r\n\x01\x08\x0f\x16\x1d\x24"));
}

TEST_F(VideoService, StatusPagesCarryTheirCodeAndBody) {
    const TFetch page = Fetch(Service.BaseUrl() + "/status?code=503&body=%3Cp%3Edown%3C%2Fp%3E");
    EXPECT_EQ(page.Status, 503);
    EXPECT_EQ(page.Body, "<p>down</p>");
}

TEST_F(VideoService, BadRequestsGetAnAnswerAndTheServiceGoesOn) {
    for (std::string_view request : {"GARBAGE\r\n\r\n", "GET /watch?v=demo HTTP/9.9\r\n\r\n",
                                     "GET / HTTP/1.1\r\nno colon\r\n\r\n", "GET /bytes?n=-1 HTTP/1.1\r\n\r\n",
                                     "GET /bytes?n=5&length=a%0D%0Ab HTTP/1.1\r\n\r\n",
                                     "GET /bytes?n=5&chunked=2 HTTP/1.1\r\n\r\n",
                                     "GET /bytes?n=5&trickle=99999 HTTP/1.1\r\n\r\n",
                                     "GET /status?code=204 HTTP/1.1\r\n\r\n"}) {
        EXPECT_TRUE(Exchange(Service.Port(), request).starts_with("HTTP/1.1 400 ")) << request;
    }
    EXPECT_TRUE(Exchange(Service.Port(), "DELETE / HTTP/1.1\r\n\r\n").starts_with("HTTP/1.1 405 "));
    EXPECT_TRUE(Exchange(Service.Port(), std::string(20000, 'A')).starts_with("HTTP/1.1 400 "));
    EXPECT_EQ(Exchange(Service.Port(), "GET / HT"), "");  // cut off: closed without an answer
    EXPECT_TRUE(Exchange(Service.Port(), "GET /nowhere HTTP/1.1\r\n\r\n").starts_with("HTTP/1.1 404 "));

    const std::string head = Exchange(Service.Port(), "HEAD /bytes?n=1000 HTTP/1.1\r\n\r\n");
    EXPECT_TRUE(head.ends_with("Content-Length: 1000\r\nConnection: close\r\n\r\n"));
    EXPECT_EQ(Fetch(Service.WatchUrl("demo")).Status, 200);
}
