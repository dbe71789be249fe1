#include "encoder/WriteErrors.h"

namespace encoder {

bool ReportsWriteError(std::string_view line) {
    for (std::string_view mark : {"No space left on device", "Error writing trailer"})
        if (line.find(mark) != std::string_view::npos) return true;
    return false;
}

}  // namespace encoder
