#pragma once
// The 1-based text operations of the program. Texts are byte strings; nothing
// is converted between character sets, and every comparison is byte for byte.
#include <string>
#include <string_view>

namespace rtl {

// Position of the first occurrence of `sub` in `text`, counting from 1; 0 when
// absent (also for an empty `sub`).
int Pos(std::string_view sub, std::string_view text);

// Up to `count` characters from position `index`: an index below 1 counts as 1,
// an index past the end or a negative count gives an empty text, a count that
// reaches past the end stops there.
std::string Copy(std::string_view text, long index, long count);

// Deletes characters 1..count; nothing for a count of 0 or less.
void DeleteFirst(std::string& text, long count);

// Replaces every occurrence of `from` by `to`, left to right, never looking
// again at what it inserted. An empty `from` changes nothing.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// Removes every byte up to 32 (blanks and control characters) from both ends.
std::string Trim(std::string_view text);

}  // namespace rtl
