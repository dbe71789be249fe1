// The folder dialog opened on a folder of 2,000 sub-folders until its first
// paint (its tree built, the folder's children read with whether each has
// sub-folders of its own, the skinned window painted on the headless desktop
// under the internal skin), against listing the same folder's sub-folders
// with the file system calls alone. The dialog's time includes freeing it
// again. Prints milliseconds for both and `RATIO folderdialog_vs_listing`.
#include <dirent.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "BenchTiming.h"
#include "InternalSkinManager.h"
#include "controls/sPathDialog.h"
#include "controls/sShellTreeView.h"
#include "skin/sSkinManager.h"
#include "ui/Headless.h"
#include "vcl/TApplication.h"

namespace {

namespace fs = std::filesystem;

int ListFolders(const std::string& path) {
    int folders = 0;
    DIR* dir = ::opendir(path.c_str());
    if (!dir) return 0;
    while (const dirent* entry = ::readdir(dir))
        if (entry->d_type == DT_DIR && entry->d_name[0] != '.') ++folders;
    ::closedir(dir);
    return folders;
}

}  // namespace

int main() {
    std::string pattern = (fs::temp_directory_path() / "kestrune-dialogbench-XXXXXX").string();
    const std::string base = ::mkdtemp(pattern.data());
    const std::string folder = base + "/Clips";
    for (int i = 0; i < 2000; ++i) fs::create_directories(folder + "/Clip " + std::to_string(i));

    ui::headless::Reset(800, 600);
    auto* manager = skinkit::InternalSkinManager();

    int shown = 0;
    const auto [dialog, listing] = bench::BestTimes(
        [&] {
            auto* form = new controls::TPathDialogForm(vcl::Application);
            form->sShellTreeView1->SetRoot(folder);
            form->Show();
            vcl::Application->ProcessMessages();
            shown = form->sShellTreeView1->Items().Count();
            delete form;
            vcl::Application->ProcessMessages();
        },
        [&] { ListFolders(folder); }, 5);
    std::printf("folder dialog on %d folders until its first paint: %.2f ms\n", shown - 1, dialog * 1e3);
    std::printf("listing the folders with readdir: %.3f ms\n", listing * 1e3);
    std::printf("RATIO folderdialog_vs_listing %.1f\n", dialog / listing);
    delete manager;
    std::error_code error;
    fs::remove_all(base, error);
    return 0;
}
