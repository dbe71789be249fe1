#pragma once
// kestrune-convert as a script runs it: a program folder of its own (a copy of
// the driver, the encoder beside it as f.exe, the first-run marker), a home,
// cache and runtime folder of its own, an output folder, and a limit on how
// long it may take. The run can be watched while it goes and signalled.
#include <sys/types.h>

#include <string>
#include <vector>

struct TDriverRun {
    int ExitCode = -1;    // -1 when it did not exit by itself (a signal, or killed at the limit)
    int Signal = 0;       // the signal that ended it, if one did
    bool TimedOut = false;
    double Seconds = 0;
    std::string Output;   // standard output and error together
};

class TConvertDriver {
public:
    // Makes the folders under the test's temp folder, named after `name`.
    // `driver` is kestrune-convert, or kestrune, which runs on the headless
    // desktop here as well.
    TConvertDriver(const std::string& name, const std::string& driver, const std::string& encoder);
    ~TConvertDriver();  // ends what still runs of ours and removes the folders
    TConvertDriver(const TConvertDriver&) = delete;
    TConvertDriver& operator=(const TConvertDriver&) = delete;

    // Runs the driver with these arguments to its end, or until `limitSeconds`
    // have passed (then it is killed and the run counts as timed out). Seconds
    // counts from the start of the run.
    TDriverRun Run(const std::vector<std::string>& arguments, double limitSeconds = 90);
    // A whole job: the address and the output folder.
    TDriverRun RunJob(const std::string& address, double limitSeconds = 90);

    // `count` drivers started at once with the same arguments and folders,
    // each run to its end.
    std::vector<TDriverRun> RunAtOnce(int count, const std::vector<std::string>& arguments, double limitSeconds = 90);

    // The same in steps: start, wait for a text in the output, signal, end
    // (within `limitSeconds` of the call to Finish).
    void Start(const std::vector<std::string>& arguments);
    bool WaitForOutput(const std::string& text, double seconds);
    void SendSignal(int signal) const;
    TDriverRun Finish(double limitSeconds);

    // Processes other than the driver whose command line names one of our
    // folders: the encoder and what it started.
    std::vector<pid_t> Leftovers() const;
    // The same after giving killed processes up to `seconds` to go: a kill
    // is delivered when the killed process next runs, which on a loaded
    // machine is not at once.
    std::vector<pid_t> LeftoversAfter(double seconds) const;
    // Whether another instance could start now.
    bool LockIsFree() const;
    // What the working folder holds, by name.
    std::vector<std::string> WorkingFiles() const;
    std::string OutputSoFar() const;

    const std::string Root;
    const std::string ProgramFolder;  // with a trailing '/'
    const std::string Program;        // the copy of the driver in it
    const std::string OutputFolder;   // with a trailing '/'
    const std::string WorkingFolder;  // with a trailing '/'
    const std::string RuntimeFolder;  // with a trailing '/'

private:
    pid_t Spawn(const std::vector<std::string>& arguments, const std::string& log) const;
    TDriverRun Reap(pid_t pid, const std::string& log, double limitSeconds) const;

    pid_t Pid = -1;
    double StartedAt = 0;
};
