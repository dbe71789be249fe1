#pragma once
// Runs the encoder as a hidden child process and collects everything it prints
// (standard output and error share one pipe) for the job to read its progress
// from. Everything happens on the main thread: the pipe is polled, never read
// blocking, except that the first poll after a start waits until the encoder
// has summarised its input, so that the duration can be read right after it.
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "conversion/TEncoderOutput.h"
#include "os/TChildProcess.h"

namespace conversion {

class Tmpegconverter {
public:
    using TFatalHandler = std::function<void(const std::string& message)>;

    Tmpegconverter();
    Tmpegconverter(const Tmpegconverter&) = delete;
    Tmpegconverter& operator=(const Tmpegconverter&) = delete;

    // Called when the encoder cannot be run at all ("Can not create a pipe for
    // STDOUT!", "CreateProcess error!"); it is meant to end the program. The
    // default writes the message to standard error and exits with code 0; the
    // application shows a message box first. Should the handler return, Start
    // returns too, with no child and Finished set.
    TFatalHandler FatalHandler;

    // Starts the command line's program. The previous child is released first
    // (and ended, should it still run).
    void Start(const std::string& commandLine);
    // Takes what waits in the pipe into Output. Once the child has ended, takes
    // what it left in the pipe, releases it and sets Finished. Until Output
    // holds "Duration: " or "Unknown format", waits in steps of 100 ms for more
    // (or for the end of the child), until SummaryWait has passed since the start.
    void Poll();
    // An encoder that says nothing and runs on would otherwise hold the main
    // thread, and with it the Cancel button, for ever. The real one summarises
    // its input within a second.
    std::chrono::milliseconds SummaryWait{10000};
    // Kills the child and releases it; sets Finished. A second call does nothing more.
    void Stop();

    bool Finished() const { return FFinished; }
    const std::string& Output() const { return FOutput.Text(); }
    const std::string& CommandLine() const { return FCommandLine; }
    uint32_t ChildExitCode() const { return FChildExitCode; }

    TProgressTexts ReadProgress(bool durationWanted, bool timeWanted) const {
        return FOutput.ReadProgress(durationWanted, timeWanted);
    }
    std::string GetDurationText() const { return FOutput.GetDurationText(); }
    int32_t GetPosition() const { return FOutput.GetPosition(); }
    // How far the encoder got by its own status lines, wherever they stand.
    int32_t FurthestPosition() const { return FOutput.FurthestPosition(); }

private:
    void Fail(const std::string& message);
    void TakeWaitingOutput();
    bool TakeChunk();

    bool FFinished = false;
    os::TChildProcess Process;
    std::string Chunk;
    uint32_t FChildExitCode = 0;
    uint32_t BytesAvailable = 0;
    std::string FCommandLine;
    TEncoderOutput FOutput;
    std::chrono::steady_clock::time_point StartedAt;
};

}  // namespace conversion
