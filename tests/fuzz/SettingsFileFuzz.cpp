// Arbitrary bytes as "set.txt": reading either stops with the framework's
// exception for the line it could not use, or hands over exactly four values,
// and a file written from what was read reads back to the same values.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/SettingsFile.h"
#include "rtl/Exceptions.h"

namespace {

struct TReadSettings : app::TSettingsTarget {
    std::string Folder;
    int Top = 0, Left = 0, Values = 0;
    bool OpenFile = false;
    void SetOutputFolder(const std::string& folder) override { Folder = folder, ++Values; }
    void SetWindowTop(int top) override { Top = top, ++Values; }
    void SetWindowLeft(int left) override { Left = left, ++Values; }
    void SetOpenFile(bool open) override { OpenFile = open, ++Values; }
};

const std::string& ScratchPath() {
    static const std::string path = "/tmp/fuzz-settings-" + std::to_string(::getpid()) + ".txt";
    return path;
}

bool Read(TReadSettings& read) {
    try {
        app::ReadSettingsFile(ScratchPath(), read);
        return true;
    } catch (const rtl::Exception&) {
        return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::ofstream(ScratchPath(), std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                           static_cast<std::streamsize>(size));
    TReadSettings first;
    if (!Read(first)) return 0;
    if (first.Values != 4) abort();
    // A folder with a line break in it cannot survive a line-based file.
    if (first.Folder.find_first_of("\r\n") != std::string::npos) abort();
    app::WriteSettingsFile(ScratchPath(), first.Folder, first.Top, first.Left, first.OpenFile);
    TReadSettings again;
    if (!Read(again) || again.Folder != first.Folder || again.Top != first.Top || again.Left != first.Left ||
        again.OpenFile != first.OpenFile)
        abort();
    return 0;
}
