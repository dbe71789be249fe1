#pragma once
// A home of its own for the program while a benchmark runs it on an X
// display: home, runtime, cache and config folders in a temporary folder, and
// a copy of the program in a program folder of its own, past the first
// start's installation question, so that the main window is what shows.
// Removed with the object.
#include <filesystem>
#include <string>
#include <vector>

class TBenchHome {
public:
    TBenchHome(const std::string& name, const std::string& program, const std::string& display);
    ~TBenchHome();
    TBenchHome(const TBenchHome&) = delete;
    TBenchHome& operator=(const TBenchHome&) = delete;

    const std::string& Program() const { return FProgram; }
    const std::vector<std::string>& Environment() const { return FEnvironment; }

private:
    std::filesystem::path FFolder;
    std::string FProgram;
    std::vector<std::string> FEnvironment;
};
