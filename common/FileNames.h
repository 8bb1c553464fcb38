#pragma once

#include <string>
#include <string_view>

namespace sim {

// Whether a typed identifier may become part of a file name in the program's folder: no path
// separator, no "..", no control character and none of the characters that file systems
// refuse. The empty identifier is allowed.
bool IsSafeFileNamePart(std::string_view text);

}  // namespace sim
