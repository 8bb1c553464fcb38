#pragma once

#include <string>

namespace sim {

// printf-style formatting into a string, always with "." as the decimal separator whatever
// the process locale says.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace sim
