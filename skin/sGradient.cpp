#include "skin/sGradient.h"

#include <algorithm>
#include <vector>

#include "rtl/IntConvert.h"

namespace skin {

TsGradArray ParseGradientData(std::string_view text) {
    std::vector<std::string_view> fields;
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find(';', start), text.size());
        if (end > start) fields.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    TsGradArray steps(fields.size() / 5);
    for (size_t k = 0; k < steps.size(); ++k) {
        int32_t numbers[5];
        for (size_t j = 0; j < 5; ++j) numbers[j] = rtl::StrToInt(fields[5 * k + j]);
        steps[k].Color1 = std::max(0, numbers[0]);
        steps[k].Color2 = std::max(0, numbers[1]);
        steps[k].Percent = static_cast<uint8_t>(std::clamp(numbers[2], 0, 100));
        steps[k].Mode = numbers[3];
    }
    return steps;
}

}  // namespace skin
