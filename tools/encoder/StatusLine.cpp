#include "encoder/StatusLine.h"

namespace encoder {

std::string MoveTimeToEnd(std::string_view line) {
    const size_t at = line.find("time=");
    if (at == std::string_view::npos) return std::string(line);
    size_t ending = line.size();
    while (ending > 0 && (line[ending - 1] == '\r' || line[ending - 1] == '\n')) --ending;
    if (at >= ending) return std::string(line);
    size_t fieldEnd = line.find(' ', at);
    if (fieldEnd == std::string_view::npos || fieldEnd > ending) fieldEnd = ending;
    const std::string_view field = line.substr(at, fieldEnd - at);

    std::string rest(line.substr(0, at));
    std::string_view after = line.substr(fieldEnd, ending - fieldEnd);
    // The blank that separated the field from what follows goes with it.
    if ((rest.empty() || rest.back() == ' ') && !after.empty() && after.front() == ' ') after.remove_prefix(1);
    rest += after;
    while (!rest.empty() && rest.back() == ' ') rest.pop_back();
    if (!rest.empty()) rest += ' ';
    rest += field;
    rest += line.substr(ending);
    return rest;
}

}  // namespace encoder
