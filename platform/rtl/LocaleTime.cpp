#include "rtl/LocaleTime.h"

#include <langinfo.h>
#include <locale.h>

namespace rtl {

std::string LongTimeText(std::time_t when) {
    // The user's locale without touching the process-wide one; a locale that
    // is not installed falls back to the C locale's "%H:%M:%S".
    locale_t locale = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr)) locale = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(nullptr));
    const char* format = nl_langinfo_l(T_FMT, locale);
    if (format == nullptr || *format == '\0') format = "%H:%M:%S";
    std::tm local{};
    localtime_r(&when, &local);
    char buffer[128];
    const size_t length = strftime_l(buffer, sizeof buffer, format, &local, locale);
    freelocale(locale);
    return std::string(buffer, length);
}

std::string LongTimeText() { return LongTimeText(std::time(nullptr)); }

}  // namespace rtl
