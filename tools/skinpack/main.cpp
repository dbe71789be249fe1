// skinpack: packs a skin folder into a skin package, lists a package's
// members, or takes one member out of it.
//   skinpack pack FOLDER PACKAGE
//   skinpack list PACKAGE              one member a line: name and unpacked size
//   skinpack unpack PACKAGE MEMBER [FILE]   the member's bytes (to stdout without FILE)
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <string>

#include "rtl/TStream.h"
#include "skin/acSkinPack.h"
#include "skinpack/SkinPackWriter.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: skinpack pack FOLDER PACKAGE\n"
                 "       skinpack list PACKAGE\n"
                 "       skinpack unpack PACKAGE MEMBER [FILE]\n");
    return 2;
}

void WriteFile(const std::string& fileName, const std::string& bytes) {
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) throw std::runtime_error("cannot write " + fileName);
}

std::string Bytes(rtl::TMemoryStream& stream) {
    return std::string(reinterpret_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

// Calls visit(name, bytes) for every member in package order.
template <typename Visit>
void ForEachMember(const std::string& fileName, Visit&& visit) {
    rtl::TMemoryStream package;
    package.LoadFromFile(fileName);
    skin::TacPackageReader reader(package);
    std::string name;
    for (;;) {
        rtl::TMemoryStream data;
        if (!reader.Next(name, data)) break;
        visit(name, data);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    const std::string command = argv[1];
    try {
        if (command == "pack" && argc == 4) {
            WriteFile(argv[3], skinpack::WritePackage(skinpack::ReadSkinFolder(argv[2])));
        } else if (command == "list" && argc == 3) {
            ForEachMember(argv[2], [](const std::string& name, rtl::TMemoryStream& data) {
                std::printf("%s %lld\n", name.c_str(), data.Size());
            });
        } else if (command == "unpack" && (argc == 4 || argc == 5)) {
            bool found = false;
            ForEachMember(argv[2], [&](const std::string& name, rtl::TMemoryStream& data) {
                if (found || name != argv[3]) return;
                found = true;
                if (argc == 5)
                    WriteFile(argv[4], Bytes(data));
                else
                    std::cout << Bytes(data) << std::flush;
            });
            if (!found) {
                std::fprintf(stderr, "skinpack: %s has no member %s\n", argv[2], argv[3]);
                return 1;
            }
        } else {
            return Usage();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skinpack: %s\n", e.what());
        return 1;
    }
    return 0;
}
