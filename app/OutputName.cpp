#include "app/OutputName.h"

namespace app {

std::string UniqueVideoTitle(const std::string& outputFolder, const std::string& title,
                             const std::function<bool(const std::string&)>& fileExists) {
    if (!fileExists(outputFolder + title + ".AVI")) return title;
    for (unsigned long n = 1;; ++n) {
        std::string candidate = "[";  // appended piece by piece: GCC 12 warns falsely on "[" + string
        candidate += std::to_string(n);
        candidate += "]";
        candidate += title;
        if (!fileExists(outputFolder + candidate + ".AVI")) return candidate;
    }
}

}  // namespace app
