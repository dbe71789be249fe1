#include "app/JobGauges.h"

#include <cmath>
#include <algorithm>

namespace app {

int GaugeShare(int64_t done, int64_t whole, int share) {
    const double value = static_cast<double>(done) / static_cast<double>(whole) * share;
    // A gauge shows 0..100 only; what lies far beyond is cut short so that
    // the conversion to int and the offsets added to it cannot overflow (a
    // zero whole gives infinity or NaN, which callers avoid).
    constexpr double kFar = 1e6;
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::trunc(std::clamp(value, -kFar, kFar)));
}

}  // namespace app
