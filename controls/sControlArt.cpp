#include "controls/sControlArt.h"

#include <cstddef>
#include <string_view>

#include "vcl/Resources.h"

extern const unsigned char ControlGaugeLight[];
extern const std::size_t ControlGaugeLightSize;

namespace controls {

void RegisterControlArt() {
    vcl::RegisterResource("ACGL", {reinterpret_cast<const char*>(ControlGaugeLight), ControlGaugeLightSize});
}

}  // namespace controls
