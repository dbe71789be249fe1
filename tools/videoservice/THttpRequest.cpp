#include "videoservice/THttpRequest.h"

namespace videoservice {

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Splits off the next line; a line ends with LF, optionally preceded by CR.
std::string_view NextLine(std::string_view& rest) {
    const size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

bool IsToken(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!letter && std::string_view("!#$%&'*+-.^_`|~").find(c) == std::string_view::npos) return false;
    }
    return true;
}

bool HasControlBytes(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 32 || c == 127) return true;
    }
    return false;
}

// Reduces an absolute-form target ("http://host:port/path?query", as sent
// through a proxy) to the origin form the routes expect.
std::optional<std::string_view> OriginForm(std::string_view target) {
    if (target.starts_with("http://")) {
        const size_t slash = target.find('/', 7);
        if (slash == std::string_view::npos) return std::string_view("/");
        target.remove_prefix(slash);
    }
    if (!target.starts_with("/")) return std::nullopt;
    return target.substr(0, target.find('#'));
}

}  // namespace

std::optional<std::string> THttpRequest::Param(std::string_view name) const {
    for (const auto& [key, value] : Query) {
        if (key == name) return value;
    }
    return std::nullopt;
}

std::string PercentDecode(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            result += ' ';
        } else if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
                   HexValue(text[i + 2]) >= 0) {
            result += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::vector<std::pair<std::string, std::string>> ParseQuery(std::string_view query) {
    std::vector<std::pair<std::string, std::string>> result;
    while (!query.empty()) {
        const size_t end = query.find('&');
        const std::string_view field = query.substr(0, end);
        query = end == std::string_view::npos ? std::string_view() : query.substr(end + 1);
        if (field.empty()) continue;
        const size_t equals = field.find('=');
        if (equals == std::string_view::npos) {
            result.emplace_back(PercentDecode(field), std::string());
        } else {
            result.emplace_back(PercentDecode(field.substr(0, equals)), PercentDecode(field.substr(equals + 1)));
        }
    }
    return result;
}

std::optional<uint64_t> ParseCount(std::string_view text) {
    if (text.empty() || text.size() > 15) return std::nullopt;
    uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    return value;
}

std::optional<THttpRequest> ParseHttpRequest(std::string_view head) {
    std::string_view rest = head;
    const std::string_view requestLine = NextLine(rest);

    const size_t firstSpace = requestLine.find(' ');
    const size_t lastSpace = requestLine.rfind(' ');
    if (firstSpace == std::string_view::npos || firstSpace == lastSpace) return std::nullopt;
    const std::string_view method = requestLine.substr(0, firstSpace);
    const std::string_view target = requestLine.substr(firstSpace + 1, lastSpace - firstSpace - 1);
    const std::string_view version = requestLine.substr(lastSpace + 1);
    if (!IsToken(method) || version.size() != 8 || !version.starts_with("HTTP/1.") ||
        version[7] < '0' || version[7] > '9') {
        return std::nullopt;
    }
    if (target.empty() || target.find(' ') != std::string_view::npos || HasControlBytes(target)) {
        return std::nullopt;
    }
    const auto origin = OriginForm(target);
    if (!origin) return std::nullopt;

    // Header fields are not used, but each must at least have the form "Name: value".
    while (!rest.empty()) {
        const std::string_view line = NextLine(rest);
        if (line.empty()) break;
        const size_t colon = line.find(':');
        if (colon == std::string_view::npos || !IsToken(line.substr(0, colon))) return std::nullopt;
    }

    THttpRequest request;
    request.Method = std::string(method);
    const size_t question = origin->find('?');
    request.Path = std::string(origin->substr(0, question));
    if (question != std::string_view::npos) request.Query = ParseQuery(origin->substr(question + 1));
    return request;
}

}  // namespace videoservice
