#pragma once
// The sample clips the service streams. Each is made once by ffmpeg into the
// media folder and then read into memory, so a clip that another service
// process rewrites later never changes what this one serves.
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace videoservice {

struct TClip {
    std::string_view Name;     // the clip part of a video id, and the file name without ".flv"
    std::string_view Title;    // as it stands in the page's HTML
    std::string_view Picture;  // ffmpeg's lavfi test source
    int Seconds;
    int ToneHz;
};

const std::vector<TClip>& AllClips();
const TClip* FindClip(std::string_view name);

class TClipLibrary {
public:
    // Makes every missing clip in `folder` and loads them all; throws
    // std::runtime_error when ffmpeg fails or a file cannot be read.
    explicit TClipLibrary(const std::string& folder);

    std::string_view Data(std::string_view name) const;
    // The absolute path of the clip's file in the media folder.
    std::string FileOf(std::string_view name) const;

private:
    std::filesystem::path Folder;
    std::map<std::string, std::string, std::less<>> Clips;
};

}  // namespace videoservice
