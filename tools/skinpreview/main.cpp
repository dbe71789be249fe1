// skinpreview: paints a skin's sections at a few sizes in every state, and its
// glyphs, alpha frames and textures, into one PNG contact sheet.
//
//   skinpreview [--program] [SKIN] OUTPUT.png
//
// SKIN is a package (.asz) or a skin folder holding Options.dat; without it the
// program's internal skin is shown. --program shows only the sections the
// program's windows use, at the sizes of their controls.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "gfx/ImageCodecs.h"
#include "skinpreview/ContactSheet.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    bool program = false;
    if (!args.empty() && args[0] == "--program") program = true, args.erase(args.begin());
    if (args.empty() || args.size() > 2) {
        std::fprintf(stderr, "usage: skinpreview [--program] [SKIN.asz | SKINFOLDER] OUTPUT.png\n");
        return 2;
    }
    try {
        skin::TsSkinTables tables;
        skinpreview::LoadPreviewSkin(tables, args.size() == 2 ? args[0] : std::string());
        const auto items = program ? skinpreview::ProgramSections() : skinpreview::AllSections(tables);
        const gfx::TBitmap sheet = skinpreview::PaintContactSheet(tables, items, {true, !program});
        std::ofstream out(args.back(), std::ios::binary);
        out << gfx::WritePng(sheet);
        if (!out) {
            std::fprintf(stderr, "skinpreview: cannot write %s\n", args.back().c_str());
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skinpreview: %s\n", e.what());
        return 1;
    }
    return 0;
}
