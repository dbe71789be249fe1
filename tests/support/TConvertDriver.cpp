#include "TConvertDriver.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace {

namespace fs = std::filesystem;

double Now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string MakeRoot(const std::string& name) {
    const std::string root =
        (fs::temp_directory_path() / ("kestrune-" + name + "-" + std::to_string(::getpid()))).string() + "/";
    fs::remove_all(root);
    for (const char* folder : {"program", "home", "cache", "runtime", "output"}) fs::create_directories(root + folder);
    return root;
}

}  // namespace

TConvertDriver::TConvertDriver(const std::string& name, const std::string& driver, const std::string& encoder)
    : Root(MakeRoot(name)),
      ProgramFolder(Root + "program/"),
      Program(ProgramFolder + fs::path(driver).filename().string()),
      OutputFolder(Root + "output/"),
      WorkingFolder(Root + "cache/kestrune_temp_folder/"),
      RuntimeFolder(Root + "runtime/") {
    fs::copy_file(driver, Program);
    fs::create_symlink(fs::canonical(encoder), ProgramFolder + "f.exe");
    std::ofstream(ProgramFolder + "done.txt") << "Done\r\n";
}

TConvertDriver::~TConvertDriver() {
    if (Pid > 0) {
        ::kill(Pid, SIGKILL);
        ::waitpid(Pid, nullptr, 0);
    }
    for (pid_t pid : Leftovers()) ::kill(pid, SIGKILL);
    // Mounts a test made inside go first; what cannot be removed stays.
    std::error_code ignored;
    fs::remove_all(Root, ignored);
}

pid_t TConvertDriver::Spawn(const std::vector<std::string>& arguments, const std::string& log) const {
    std::vector<std::string> environment = {"HOME=" + Root + "home", "XDG_CACHE_HOME=" + Root + "cache",
                                            "XDG_RUNTIME_DIR=" + Root + "runtime", "KESTRUNE_BACKEND=headless"};
    for (const char* keep : {"PATH", "LANG", "LC_ALL"})
        if (const char* value = std::getenv(keep)) environment.push_back(std::string(keep) + "=" + value);
    std::vector<std::string> argv = {Program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char*> argp, envp;
    for (auto& a : argv) argp.push_back(a.data());
    argp.push_back(nullptr);
    for (auto& e : environment) envp.push_back(e.data());
    envp.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int in = ::open("/dev/null", O_RDONLY);
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(out, 2);
        ::execve(argp[0], argp.data(), envp.data());
        ::_exit(127);
    }
    return pid;
}

// Waits for the driver's end; one still running `limitSeconds` from now is
// killed and the run counts as timed out.
TDriverRun TConvertDriver::Reap(pid_t pid, const std::string& log, double limitSeconds) const {
    const double deadline = Now() + limitSeconds;
    TDriverRun run;
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (done < 0) return run;
        if (Now() > deadline && !run.TimedOut) {
            run.TimedOut = true;
            ::kill(pid, SIGKILL);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    run.Seconds = Now() - StartedAt;
    if (WIFEXITED(status)) run.ExitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) run.Signal = WTERMSIG(status);
    run.Output = ReadAll(log);
    return run;
}

void TConvertDriver::Start(const std::vector<std::string>& arguments) {
    // Emptied here, so that no wait reads the last run's words before the child is there.
    std::ofstream(Root + "run.log", std::ios::trunc);
    StartedAt = Now();
    Pid = Spawn(arguments, Root + "run.log");
}

std::string TConvertDriver::OutputSoFar() const { return ReadAll(Root + "run.log"); }

bool TConvertDriver::WaitForOutput(const std::string& text, double seconds) {
    for (const double end = Now() + seconds; Now() < end;) {
        if (OutputSoFar().find(text) != std::string::npos) return true;
        siginfo_t ended{};  // the driver ended, still to be reaped by Finish
        if (::waitid(P_PID, static_cast<id_t>(Pid), &ended, WEXITED | WNOHANG | WNOWAIT) != 0 || ended.si_pid != 0)
            return OutputSoFar().find(text) != std::string::npos;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

void TConvertDriver::SendSignal(int signal) const { ::kill(Pid, signal); }

TDriverRun TConvertDriver::Finish(double limitSeconds) {
    const TDriverRun run = Reap(Pid, Root + "run.log", limitSeconds);
    Pid = -1;
    return run;
}

TDriverRun TConvertDriver::Run(const std::vector<std::string>& arguments, double limitSeconds) {
    Start(arguments);
    return Finish(limitSeconds);
}

TDriverRun TConvertDriver::RunJob(const std::string& address, double limitSeconds) {
    return Run({address, OutputFolder}, limitSeconds);
}

std::vector<TDriverRun> TConvertDriver::RunAtOnce(int count, const std::vector<std::string>& arguments,
                                                  double limitSeconds) {
    StartedAt = Now();
    std::vector<pid_t> pids;
    for (int i = 0; i < count; ++i) pids.push_back(Spawn(arguments, Root + "run-" + std::to_string(i) + ".log"));
    std::vector<TDriverRun> runs;
    for (int i = 0; i < count; ++i) {
        const double left = std::max(0.0, limitSeconds - (Now() - StartedAt));
        runs.push_back(Reap(pids[i], Root + "run-" + std::to_string(i) + ".log", left));
    }
    return runs;
}

std::vector<pid_t> TConvertDriver::Leftovers() const {
    std::vector<pid_t> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        const pid_t pid = std::stoi(name);
        if (pid == Pid || pid == ::getpid()) continue;
        std::string command = ReadAll(entry.path() / "cmdline");
        if (command.find(Root) != std::string::npos) found.push_back(pid);
    }
    return found;
}

std::vector<pid_t> TConvertDriver::LeftoversAfter(double seconds) const {
    for (const double end = Now() + seconds;; std::this_thread::sleep_for(std::chrono::milliseconds(20)))
        if (auto found = Leftovers(); found.empty() || Now() > end) return found;
}

bool TConvertDriver::LockIsFree() const {
    const std::string path = RuntimeFolder + "kestrune_youtube_converter.lock";
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return free;
}

std::vector<std::string> TConvertDriver::WorkingFiles() const {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(WorkingFolder, error)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}
