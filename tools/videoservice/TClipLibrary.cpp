#include "videoservice/TClipLibrary.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

extern char** environ;

namespace videoservice {

namespace {

// Sorenson video (flv1) and MP3 audio at 44100 Hz stereo: the usual content
// of an FLV stream of the time, small enough to download in an instant.
void Encode(const TClip& clip, const std::string& target) {
    const std::string seconds = std::to_string(clip.Seconds);
    const std::string picture = std::string(clip.Picture) + "=size=320x240:rate=25:duration=" + seconds;
    const std::string tone = "sine=frequency=" + std::to_string(clip.ToneHz) +
                             ":beep_factor=2:sample_rate=44100:duration=" + seconds;
    std::vector<std::string> args = {
        "ffmpeg", "-hide_banner", "-loglevel", "error", "-nostdin", "-y",
        "-f", "lavfi", "-i", picture, "-f", "lavfi", "-i", tone,
        "-map", "0:v", "-map", "1:a",
        "-c:v", "flv", "-b:v", "256k",
        "-c:a", "libmp3lame", "-ac", "2", "-ar", "44100", "-b:a", "96k",
        "-fflags", "+bitexact", "-flags", "+bitexact", "-f", "flv", target};
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    if (posix_spawnp(&pid, "ffmpeg", nullptr, nullptr, argv.data(), environ) != 0) {
        throw std::runtime_error("cannot start ffmpeg (is it on PATH?)");
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) throw std::runtime_error("lost track of ffmpeg");
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error("ffmpeg failed to make " + target);
    }
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) throw std::runtime_error("cannot read " + path.string());
    if (data.empty()) throw std::runtime_error(path.string() + " is empty");
    return data;
}

}  // namespace

const std::vector<TClip>& AllClips() {
    static const std::vector<TClip> clips = {
        {"demo", "Test Pattern Demo (5 seconds)", "testsrc", 5, 440},
        {"long", "Test Pattern Long Play (1 minute)", "testsrc2", 60, 660},
    };
    return clips;
}

const TClip* FindClip(std::string_view name) {
    for (const auto& clip : AllClips()) {
        if (clip.Name == name) return &clip;
    }
    return nullptr;
}

TClipLibrary::TClipLibrary(const std::string& folder) : Folder(std::filesystem::absolute(folder)) {
    std::filesystem::create_directories(Folder);
    for (const auto& clip : AllClips()) {
        const std::filesystem::path path = FileOf(clip.Name);
        if (!std::filesystem::exists(path)) {
            // Several services may share the folder and start together: each
            // encodes into a name of its own and the rename publishes a whole file.
            std::string partName = ".";  // built piece by piece: GCC 12 warns falsely on "." + string
            partName += clip.Name;
            partName += ".flv." + std::to_string(getpid()) + ".part";
            const std::filesystem::path part = Folder / partName;
            try {
                Encode(clip, part.string());
                std::filesystem::rename(part, path);
            } catch (...) {
                std::error_code ignored;
                std::filesystem::remove(part, ignored);
                throw;
            }
        }
        Clips.emplace(std::string(clip.Name), ReadFile(path));
    }
}

std::string TClipLibrary::FileOf(std::string_view name) const {
    return (Folder / (std::string(name) + ".flv")).string();
}

std::string_view TClipLibrary::Data(std::string_view name) const {
    const auto found = Clips.find(name);
    return found == Clips.end() ? std::string_view() : std::string_view(found->second);
}

}  // namespace videoservice
