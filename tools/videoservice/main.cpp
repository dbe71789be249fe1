// videoservice: the demo video service on 127.0.0.1 that the converter's
// tests, benchmarks and demo run against.
#include <csignal>
#include <cstring>
#include <exception>
#include <iostream>
#include <optional>
#include <string>

#include "videoservice/TClipLibrary.h"
#include "videoservice/THttpRequest.h"
#include "videoservice/THttpServer.h"
#include "videoservice/TVideoService.h"

namespace {

constexpr const char* Usage = R"(usage: videoservice --port N --media DIR

Serves a loopback imitation of a video site on http://127.0.0.1:N (N 0 picks
a free port) until killed. The sample clips are made by ffmpeg into DIR when
missing (demo.flv, 5 s; long.flv, 1 min; 320x240 Sorenson video, MP3 44100 Hz
stereo), then the first line on standard output is
  listening on http://127.0.0.1:PORT

Addresses:
  /watch?v=ID          watch page with a stream map and a title line
  /videoplayback?...   the stream address the page leads to
  /bytes?n=N           N test bytes, byte i = 1 + (i * 7) mod 251 (never 0),
                       with options chunked=1 (no Content-Length), break=M
                       (close after M bytes), nulat=K (byte K is 0),
                       length=TEXT (TEXT as the Content-Length value),
                       extralength=TEXT (a second Content-Length header
                       with TEXT, after the first), trickle=MS (4096-byte
                       pieces, MS ms apart), stall=M (fall silent after M
                       bytes, the connection kept open)
  /redirect?to=ADDRESS a 302 answer to ADDRESS, whatever its scheme
  /status?code=C&body=TEXT
                       an HTML answer with status C and body TEXT

Video ids: a clip name (demo, long) followed by switches, joined by "-",
e.g. demo, long-trickle20, demo-chunked-break65536:
  chunked      stream without Content-Length (chunked transfer encoding)
  break<N>     stream closes after N bytes; Content-Length gives the full size
  trickle<MS>  stream in 4096-byte pieces, MS ms apart (at most 10000)
  huge         stream says Content-Length 3000000000, sends the clip, closes
  relay        stream address answers 302 to the one without this switch
  moved        watch page answers 302 to the one without this switch
  nul          watch page holds NUL bytes (each more than 1025 bytes before
               the stream map and title lines)
  accents      title "Café &amp; Crème – Part 2" in UTF-8
  longtitle    a title far longer than 53 characters
  notitle      no title line
  localfile    stream map names the clip's own file as a file:// address
  gone         stream address answers 404 with an HTML body
  silent       watch page request is accepted and never answered
  stall<N>     stream sends its headers and N bytes, then falls silent
  nomap        watch page (200, with its title) without a stream map
  loop         stream address answers 302 to itself, for ever
Any other id gets a 404 page without a stream map.
)";

struct TOptions {
    uint16_t Port = 0;
    std::string Media;
};

std::optional<TOptions> ParseOptions(int argc, char** argv) {
    TOptions options;
    bool havePort = false;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string value = argv[i + 1];
        if (std::strcmp(argv[i], "--port") == 0) {
            const auto port = videoservice::ParseCount(value);
            if (!port || *port > 65535) return std::nullopt;
            options.Port = static_cast<uint16_t>(*port);
            havePort = true;
        } else if (std::strcmp(argv[i], "--media") == 0 && !value.empty()) {
            options.Media = value;
        } else {
            return std::nullopt;
        }
    }
    if (argc % 2 == 0 || !havePort || options.Media.empty()) return std::nullopt;
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::cout << Usage;
        return 0;
    }
    const auto options = ParseOptions(argc, argv);
    if (!options) {
        std::cerr << Usage;
        return 2;
    }
    // Clients hang up in mid-response all the time (the converter's size
    // request reads no body); that must end one send, not the service.
    std::signal(SIGPIPE, SIG_IGN);
    try {
        const videoservice::TClipLibrary clips(options->Media);
        videoservice::THttpServer server(options->Port);
        const std::string base = "http://127.0.0.1:" + std::to_string(server.Port());
        const videoservice::TVideoService service(clips, base);
        std::cout << "listening on " << base << std::endl;
        server.Serve([&service](const videoservice::THttpRequest& request, videoservice::TResponder& responder) {
            service.Handle(request, responder);
        });
    } catch (const std::exception& error) {
        std::cerr << "videoservice: " << error.what() << std::endl;
        return 1;
    }
}
