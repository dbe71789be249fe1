#include "TBenchHome.h"

#include <fstream>

#include "TTestProcess.h"

namespace fs = std::filesystem;

TBenchHome::TBenchHome(const std::string& name, const std::string& program, const std::string& display)
    : FFolder(fs::temp_directory_path() / name) {
    fs::remove_all(FFolder);
    fs::create_directories(FFolder / "run");
    fs::permissions(FFolder / "run", fs::perms::owner_all);
    FProgram = (FFolder / fs::path(program).filename()).string();
    fs::copy_file(program, FProgram);
    std::ofstream(FFolder / "done.txt") << "Done\n";
    FEnvironment = EnvironmentWith({"DISPLAY=" + display, "HOME=" + FFolder.string(),
                                    "XDG_RUNTIME_DIR=" + (FFolder / "run").string(),
                                    "XDG_CACHE_HOME=" + (FFolder / "cache").string(),
                                    "XDG_CONFIG_HOME=" + (FFolder / "config").string()},
                                   {"KESTRUNE_BACKEND"});
}

TBenchHome::~TBenchHome() {
    std::error_code ignored;
    fs::remove_all(FFolder, ignored);
}
