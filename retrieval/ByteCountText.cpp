#include "retrieval/ByteCountText.h"

namespace retrieval {

std::string BytesToKBText(int64_t bytes) {
    const std::string digits = std::to_string(bytes / 1024);
    std::string text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += ' ';
        text += digits[i];
    }
    return text + " KB";
}

}  // namespace retrieval
