#pragma once
#include <cstdint>
#include <string>

namespace retrieval {

// Whole kilobytes of 1024 bytes, digits grouped in threes with spaces, and
// " KB": 1234567 bytes give "1 205 KB".
std::string BytesToKBText(int64_t bytes);

}  // namespace retrieval
