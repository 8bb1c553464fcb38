#pragma once

#include <string>

#include "common/Platform.h"

namespace sim {

// Why a file operation failed, in the language the program speaks: the common reasons have
// wordings of their own (the system's would be English inside a Hungarian message); any
// other keeps the system's text with its number.
std::string SystemReason(int error);

// The reason for something at a path that is not a regular file, by its kind.
std::string FileKindReason(platform::Kind kind);

}  // namespace sim
