#pragma once
// Gradient texts of the options file: numbers separated by ';' (runs of ';'
// count as one), five to a step: start colour, end colour, percent of the
// length, mode, and one unused number. An incomplete last step is ignored.
#include <string_view>

#include "skin/sSkinRecords.h"

namespace skin {

// Colours below 0 become 0, percents are held to 0..100. Raises EConvertError
// when a number of a complete step is not an integer.
TsGradArray ParseGradientData(std::string_view text);

}  // namespace skin
