#pragma once

#include <string>

namespace sim {

// printf-style formatting into a string, always with "." as the decimal separator whatever
// the process locale says.
// The Windows build names the C99 printf it uses (SIM_PRINTF_ARCHETYPE, from CMake).
#ifndef SIM_PRINTF_ARCHETYPE
#define SIM_PRINTF_ARCHETYPE printf
#endif
std::string Format(const char* format, ...) __attribute__((format(SIM_PRINTF_ARCHETYPE, 1, 2)));

}  // namespace sim
