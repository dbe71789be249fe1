#pragma once
// A program started for the length of a test: given its arguments and the
// whole environment it runs with, waited for with a limit, killed when the
// object goes while it still runs.
#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

class TTestProcess {
public:
    // Standard input comes from /dev/null; standard output and error go to
    // the file `output`. The descriptor `passFd`, when not -1, reaches the
    // child as descriptor 3. Throws std::runtime_error when the program cannot
    // be started.
    TTestProcess(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
                 const std::string& output = "/dev/null", int passFd = -1);
    ~TTestProcess();
    TTestProcess(const TTestProcess&) = delete;
    TTestProcess& operator=(const TTestProcess&) = delete;

    // The exit status once the program has ended within `seconds` (128 plus
    // the signal that ended it), nothing when it still runs.
    std::optional<int> WaitFor(double seconds);
    // Ends the program and what it started: asked to end, then killed.
    void Kill();
    // The process id while the program runs, -1 once it has ended.
    pid_t Id() const { return Pid; }

private:
    pid_t Pid = -1;
};

// The environment of this process, with `changes` ("NAME=value") put in
// place of variables of the same name and variables named in `removed` left out.
std::vector<std::string> EnvironmentWith(const std::vector<std::string>& changes,
                                         const std::vector<std::string>& removed = {});

// Runs a program found in PATH to its end and returns what it printed on its
// standard output; empty when it could not be started.
std::string OutputOf(const std::vector<std::string>& arguments);

// Whether a program of that name stands in one of the folders of PATH.
bool ProgramInPath(const std::string& name);
