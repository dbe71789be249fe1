#pragma once
// The time of day in the user's long time format (LC_TIME): hours, minutes and
// seconds with the locale's separator, and the AM/PM mark on a 12-hour clock.
#include <ctime>
#include <string>

namespace rtl {

std::string LongTimeText(std::time_t when);
std::string LongTimeText();  // now

}  // namespace rtl
