#pragma once
// Text to integer the way settings files, headers and encoder output are read:
// optional leading spaces, an optional sign, decimal digits or a hexadecimal
// number after "$", "x", "X", "0x" or "0X", nothing behind them, and a value in
// the signed 32-bit range.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rtl {

std::optional<int32_t> TryStrToInt(std::string_view text);

// Raises EConvertError "'<text>' is not a valid integer value".
int32_t StrToInt(std::string_view text);

std::string IntToStr(long long value);

}  // namespace rtl
