#pragma once
// Writing skin packages (.asz): the program itself only reads them; the pack
// tool, the build of the internal skin and the tests write them.
#include <string>
#include <vector>

namespace skinpack {

struct TPackMember {
    std::string Name;
    std::string Bytes;
};

// "ASzf", the member count, then each member's name length, name, size and
// zlib stream, all integers 32-bit little-endian.
std::string WritePackage(const std::vector<TPackMember>& members);

// The order members are packed in: Options.dat first, then by extension and
// name, ignoring case (the bitmaps before the PNG images).
void SortMembers(std::vector<TPackMember>& members);

// Every file of a skin folder (names starting with '.' left out), sorted.
// Raises std::runtime_error when the folder cannot be read.
std::vector<TPackMember> ReadSkinFolder(const std::string& folder);

}  // namespace skinpack
