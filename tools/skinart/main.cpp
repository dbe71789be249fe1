// skinart: draws the Sapphire skin into a skin folder (its options text and
// image files). The output is committed; run this after changing the artwork:
//   skinart resources/skin/Sapphire
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>

#include "SapphireSkin.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: skinart FOLDER\n");
        return 2;
    }
    try {
        std::filesystem::create_directories(argv[1]);
        for (const skinart::TSkinFile& file : skinart::BuildSapphireSkin()) {
            std::ofstream out(std::filesystem::path(argv[1]) / file.Name, std::ios::binary | std::ios::trunc);
            out.write(file.Bytes.data(), static_cast<std::streamsize>(file.Bytes.size()));
            if (!out.flush()) throw std::runtime_error("cannot write " + file.Name);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skinart: %s\n", e.what());
        return 1;
    }
    return 0;
}
