#pragma once
// One value of a stored layout, as the layout text writes it: a number, a
// quoted text, an identifier (enumeration values, true and false, event
// handler names), a set of identifiers in brackets or a list of texts in
// parentheses.
#include <cstdint>
#include <string>
#include <vector>

namespace vcl {

struct TLayoutValue {
    enum TKind { Integer, Float, String, Ident, Set, List };
    TKind Kind = Integer;
    int64_t Int = 0;
    double Real = 0;
    std::string Text;                // String and Ident
    std::vector<std::string> Items;  // Set (identifiers) and List (texts)
};

}  // namespace vcl
