#include "conversion/Tmpegconverter.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace conversion {

namespace {

constexpr auto WaitStep = std::chrono::milliseconds(100);

}  // namespace

Tmpegconverter::Tmpegconverter()
    : FatalHandler([](const std::string& message) {
          std::fprintf(stderr, "%s\n", message.c_str());
          std::exit(0);
      }) {}

void Tmpegconverter::Start(const std::string& commandLine) {
    // A child that ended by itself was released by the poll that noticed it;
    // this catches one that was never polled to its end.
    Process.Close();
    FFinished = false;
    FOutput.Clear();
    if (!Process.CreatePipe()) return Fail("Can not create a pipe for STDOUT!");
    FCommandLine = commandLine;
    StartedAt = std::chrono::steady_clock::now();
    if (!Process.Spawn(FCommandLine)) return Fail("CreateProcess error!");
}

void Tmpegconverter::Fail(const std::string& message) {
    // Leave nothing half started behind, in case the handler returns or throws.
    Process.Close();
    FFinished = true;
    FatalHandler(message);
}

void Tmpegconverter::Poll() {
    for (;;) {
        FChildExitCode = Process.ExitCode();
        if (FChildExitCode != os::STILL_ACTIVE) {
            // The child can write no more, so what waits now is the last of
            // its output, at most one pipe's worth.
            BytesAvailable = Process.BytesWaiting();
            if (BytesAvailable > 0) TakeChunk();
            Process.Close();
            FFinished = true;
            return;
        }
        TakeWaitingOutput();
        if (FOutput.SummarySeen() || std::chrono::steady_clock::now() - StartedAt >= SummaryWait) return;
        std::this_thread::sleep_for(WaitStep);
    }
}

void Tmpegconverter::TakeWaitingOutput() {
    BytesAvailable = Process.BytesWaiting();
    while (BytesAvailable > 0 && TakeChunk()) BytesAvailable = Process.BytesWaiting();
}

// Reads the BytesAvailable bytes that wait; false when none could be read.
bool Tmpegconverter::TakeChunk() {
    Chunk.resize(BytesAvailable);
    Chunk.resize(Process.Read(Chunk.data(), Chunk.size()));
    FOutput.Append(Chunk);
    return !Chunk.empty();
}

void Tmpegconverter::Stop() {
    // Closing kills a child that still runs; for one that has ended already it
    // only releases what is left, and after that nothing is left to release.
    Process.Close();
    FFinished = true;
}

}  // namespace conversion
