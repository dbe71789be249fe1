#include "skinpack/SkinPackWriter.h"

#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace skinpack {

namespace {

void PutInteger(std::string& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string Compressed(const std::string& bytes) {
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    std::string out(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(bytes.data()),
                  static_cast<uLong>(bytes.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("zlib cannot compress the data");
    out.resize(size);
    return out;
}

}  // namespace

std::string WritePackage(const std::vector<TPackMember>& members) {
    std::string out = "ASzf";
    PutInteger(out, static_cast<uint32_t>(members.size()));
    for (const TPackMember& member : members) {
        PutInteger(out, static_cast<uint32_t>(member.Name.size()));
        out += member.Name;
        PutInteger(out, static_cast<uint32_t>(member.Bytes.size()));
        out += Compressed(member.Bytes);
    }
    return out;
}

void SortMembers(std::vector<TPackMember>& members) {
    auto key = [](const TPackMember& m) {
        const std::string upper = Upper(m.Name);
        const size_t dot = upper.rfind('.');
        return std::make_tuple(upper != "OPTIONS.DAT", dot == std::string::npos ? std::string() : upper.substr(dot),
                               upper);
    };
    std::stable_sort(members.begin(), members.end(),
                     [&](const TPackMember& a, const TPackMember& b) { return key(a) < key(b); });
}

std::vector<TPackMember> ReadSkinFolder(const std::string& folder) {
    std::vector<TPackMember> members;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with('.') || !entry.is_regular_file()) continue;
        std::ifstream file(entry.path(), std::ios::binary);
        if (!file) throw std::runtime_error("cannot read " + entry.path().string());
        members.push_back({name, std::string(std::istreambuf_iterator<char>(file), {})});
    }
    SortMembers(members);
    return members;
}

}  // namespace skinpack
