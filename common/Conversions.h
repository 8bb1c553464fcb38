#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace sim {

// The whole-number conversion used for typed coordinates, the time field and the factor file:
// optional leading blanks, then either an optional sign and decimal digits, or an unsigned
// hexadecimal number after "$", "x" or "0x" (either case). Nothing may follow the number and
// it must fit in 32 bits (hexadecimal up to FFFFFFFF, read as two's complement).
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

// A real number with "." as decimal separator and an optional exponent; blanks around it are
// allowed. Values that do not fit in a double are refused.
std::optional<double> ParseReal(std::string_view text);

// Clamps to the 32-bit range; NaN gives 0. Counters saturate rather than overflow.
std::int32_t SaturateToInt32(double value);
std::int32_t SaturatingAdd(std::int32_t a, std::int32_t b);

}  // namespace sim
