#include "ui/Backend.h"

#include <cstdlib>

#include "rtl/Exceptions.h"
#include "ui/headless/HeadlessBackend.h"
#include "ui/x11/X11Backend.h"

namespace ui {

std::string DefaultBackendName() {
    if (const char* chosen = std::getenv("KESTRUNE_BACKEND"); chosen && *chosen) return chosen;
    const char* display = std::getenv("DISPLAY");
    return display && *display ? "x11" : "headless";
}

std::unique_ptr<TBackend> MakeBackend(const std::string& name) {
    if (name == "headless") return std::make_unique<THeadlessBackend>(TSize{1024, 768});
    if (name == "x11") return std::make_unique<TX11Backend>();
    throw rtl::Exception("Unknown window backend '" + name + "' (KESTRUNE_BACKEND is headless or x11)");
}

}  // namespace ui
