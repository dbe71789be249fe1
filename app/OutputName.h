#pragma once
#include <functional>
#include <string>

namespace app {

// The title under which a finished video goes into the output folder: the
// title itself when folder + title + ".AVI" is free, otherwise "[n]" + title
// for the first n = 1, 2, 3 ... whose name is free. Gaps are filled.
std::string UniqueVideoTitle(const std::string& outputFolder, const std::string& title,
                             const std::function<bool(const std::string&)>& fileExists);

}  // namespace app
