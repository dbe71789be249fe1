// Plays the skin editor for a running program:
//
//   skinfeed NAME DIRECTORY OPTIONS-FILE [SECONDS]
//
// waits up to SECONDS (default 30) for the program to announce the window that
// takes live skins, sends it the options text of OPTIONS-FILE as the skin NAME
// in DIRECTORY, and prints whether the program took it. Exit codes: 0 taken,
// 1 refused or no program announced itself, 2 bad arguments.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "rtl/IntConvert.h"
#include "skinfeed/TSkinFeedEditor.h"
#include "ui/MessageLoop.h"

int main(int argc, char** argv) {
    const int seconds = argc == 5 ? rtl::TryStrToInt(argv[4]).value_or(0) : 30;
    if ((argc != 4 && argc != 5) || seconds <= 0) {
        std::fprintf(stderr, "usage: skinfeed NAME DIRECTORY OPTIONS-FILE [SECONDS]\n");
        return 2;
    }
    std::ifstream file(argv[3], std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "skinfeed: cannot read %s\n", argv[3]);
        return 2;
    }
    std::ostringstream options;
    options << file.rdbuf();

    skinfeed::TSkinFeedEditor editor;
    if (!editor.Handle()) {
        std::fprintf(stderr, "skinfeed: cannot make the editor's window\n");
        return 1;
    }
    ui::SetTimer(nullptr, 0, unsigned(std::min(seconds, 86400)) * 1000,
                 [](ui::HWND, ui::UINT, ui::UINT_PTR, ui::DWORD) { ui::PostQuitMessage(0); });
    ui::ModalLoop([&editor] { return editor.Target() != nullptr; });
    if (!editor.Target()) {
        std::fprintf(stderr, "skinfeed: no program announced itself within %d s\n", seconds);
        return 1;
    }
    const bool taken = editor.Send({argv[1], argv[2], options.str()}) == 1;
    std::printf("%s\n", taken ? "taken" : "refused");
    return taken ? 0 : 1;
}
