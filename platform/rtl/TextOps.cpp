#include "rtl/TextOps.h"

namespace rtl {

int Pos(std::string_view sub, std::string_view text) {
    if (sub.empty()) return 0;
    const auto at = text.find(sub);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

std::string Copy(std::string_view text, long index, long count) {
    if (index < 1) index = 1;
    const long length = static_cast<long>(text.size());
    if (index > length || count <= 0) return {};
    const long available = length - index + 1;
    return std::string(text.substr(static_cast<size_t>(index - 1),
                                   static_cast<size_t>(count < available ? count : available)));
}

void DeleteFirst(std::string& text, long count) {
    if (count <= 0) return;
    text.erase(0, static_cast<size_t>(count) < text.size() ? static_cast<size_t>(count) : text.size());
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(text);
    std::string result;
    result.reserve(text.size());
    size_t scan = 0;
    for (size_t at = text.find(from); at != std::string_view::npos; at = text.find(from, scan)) {
        result.append(text, scan, at - scan);
        result.append(to);
        scan = at + from.size();
    }
    result.append(text, scan);
    return result;
}

std::string Trim(std::string_view text) {
    size_t first = 0, last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= 32) ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32) --last;
    return std::string(text.substr(first, last - first));
}

}  // namespace rtl
