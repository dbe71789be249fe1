#include "videoservice/WatchPage.h"

namespace videoservice {

using namespace std::literals;

namespace {

constexpr std::string_view StreamType = "video/x-flv";

struct TStreamEntry {
    std::string_view Itag;
    std::string_view Format;  // as the page's fmt_list gives it
};
// itag 34 first: the program takes the first entry of the map.
constexpr TStreamEntry StreamEntries[] = {{"34", "34%2F640x360%2F9%2F0%2F115"}, {"5", "5%2F320x240%2F7%2F0%2F0"}};

std::string StreamMap(std::string_view base, std::string_view id, std::string_view firstAddress) {
    std::string map;
    for (const auto& entry : StreamEntries) {
        const std::string address = map.empty() && !firstAddress.empty() ? std::string(firstAddress)
                                                                         : PlaybackAddress(base, id, "sig");
        if (!map.empty()) map += ',';
        map += "url=" + PercentEncode(address) + "&type=" + PercentEncode(StreamType) + "&itag=" +
               std::string(entry.Itag);
    }
    return PercentEncode(map);
}

std::string FormatList() {
    std::string list;
    for (const auto& entry : StreamEntries) {
        if (!list.empty()) list += "%2C";
        list += entry.Format;
    }
    return list;
}

// Style rules that stand between the head's first lines and the lines the
// program looks for; they give the "nul" switch room to put its NUL bytes far
// enough ahead.
std::string StyleBlock() {
    std::string style = "<style>\n";
    for (int i = 1; i <= 48; ++i) {
        style += ".watch-panel-" + std::to_string(i) + " { margin: 0 0 " + std::to_string(i % 7) +
                 "px; padding: 2px 4px; border: 0; }\n";
    }
    return style + "</style>\n";
}

}  // namespace

std::string PercentEncode(std::string_view text) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string result;
    result.reserve(text.size() * 3);
    for (unsigned char c : text) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                           c == '-' || c == '.' || c == '_' || c == '~';
        if (plain) {
            result += static_cast<char>(c);
        } else {
            result += '%';
            result += Hex[c >> 4];
            result += Hex[c & 15];
        }
    }
    return result;
}

std::string PlaybackAddress(std::string_view base, std::string_view id, std::string_view signatureField) {
    return std::string(base) + "/videoplayback?id=" + std::string(id) + "&sparams=id&" +
           std::string(signatureField) + "=" + StreamSignature(id);
}

std::string StreamAddress(std::string_view base, std::string_view id) {
    return PlaybackAddress(base, id, "signature") + "&type=" + std::string(StreamType) + "&itag=" +
           std::string(StreamEntries[0].Itag);
}

std::string BuildWatchPage(const TVideoCase& video, std::string_view base, std::string_view clipFile) {
    const std::string firstAddress = video.LocalFile ? "file://" + std::string(clipFile) : std::string();
    const std::string title(video.TitleHtml());
    const std::string seconds = std::to_string(video.Clip->Seconds);
    std::string page =
        "<!DOCTYPE html>\n"
        "<html lang=\"en\" dir=\"ltr\">\n"
        "<head>\n"
        "<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\">\n";
    if (video.Nul) page += "<script>var yt = yt || {}; yt.preload = \"\0\0\0\0\";</script>\n"sv;
    page += StyleBlock();
    page += "<title>" + (title.empty() ? std::string("Kestrune Video") : title + " - Kestrune Video") + "</title>\n";
    if (video.Title != TTitleKind::None) page += "<meta name=\"title\" content=\"" + title + "\">\n";
    page +=
        "<meta name=\"description\" content=\"A test clip of the Kestrune demo video service.\">\n"
        "<meta name=\"keywords\" content=\"test pattern, tone, demo\">\n"
        "<link rel=\"stylesheet\" href=\"/css/watch.css\">\n"
        "</head>\n"
        "<body id=\"watch\" class=\"date-20110614 en_US\">\n"
        "<div id=\"watch-player\" class=\"flash-player\">\n"
        "<embed type=\"application/x-shockwave-flash\" src=\"/swf/watch_as3.swf\" id=\"movie_player\" "
        "width=\"640\" height=\"390\" flashvars=\"video_id=" + video.Id +
        "&amp;fmt_list=" + FormatList() +
        (video.NoMap ? std::string() : "&amp;url_encoded_fmt_stream_map=" + StreamMap(base, video.Id, firstAddress)) +
        "&amp;length_seconds=" + seconds + "&amp;enablejsapi=1\" allowscriptaccess=\"always\" "
        "allowfullscreen=\"true\" bgcolor=\"#000000\">\n"
        "</div>\n"
        "<div id=\"watch-headline\">\n"
        "<h1 id=\"watch-headline-title\">" + title + "</h1>\n"
        "</div>\n"
        "<div id=\"watch-description\">A test pattern with a tone, " + seconds + " seconds long.</div>\n"
        "</body>\n"
        "</html>\n";
    return page;
}

std::string BuildUnavailablePage() {
    return "<!DOCTYPE html>\n"
           "<html lang=\"en\" dir=\"ltr\">\n"
           "<head>\n"
           "<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\">\n"
           "<title>Kestrune Video</title>\n"
           "</head>\n"
           "<body id=\"watch\">\n"
           "<div id=\"unavailable-message\" class=\"yt-alert-error\">This video is unavailable.</div>\n"
           "</body>\n"
           "</html>\n";
}

}  // namespace videoservice
