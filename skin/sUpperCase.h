#pragma once
// Skin file and member names are compared upper-cased, ASCII only, as the
// skin format has always done it.
#include <string>
#include <string_view>

namespace skin {

inline std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

}  // namespace skin
