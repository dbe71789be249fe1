#pragma once
// A fresh folder for one test, removed with everything in it afterwards. Its
// path ends with the delimiter, as the working folder's does.
#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>

class TTempFolder {
public:
    explicit TTempFolder(const std::string& inside = "") {
        std::string pattern = (std::filesystem::temp_directory_path() / "kestrune-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder: " + pattern);
        Root = pattern + "/";
        FPath = Root + inside;
        if (!inside.empty()) std::filesystem::create_directories(FPath);
        if (FPath.back() != '/') FPath += '/';
    }
    ~TTempFolder() {
        std::error_code ignored;
        if (!Root.empty()) std::filesystem::remove_all(Root, ignored);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    const std::string& Path() const { return FPath; }

private:
    std::string Root;
    std::string FPath;
};
