#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/Platform.h"

namespace sim {

// Where replacing a file failed, with the system's error number; NotRegular: something other
// than a regular file or a link stands at the path (what, in Found).
struct ReplaceFileFailure {
    enum class Stage { NotRegular, Create, Write, Rename };
    Stage At;
    int Error = 0;
    platform::Kind Found = platform::Kind::Regular;

    // The reason to show in parentheses, in the program's language.
    std::string Reason() const;
};

// Writes content to a new file beside path and renames it over path only once it is complete
// and on disk, so a failure leaves whatever was there before, and no temporary behind. Only a
// regular file (or a link, which is replaced, never written through) is replaced: a folder, a
// device, a pipe or a socket at the path is refused and left as it is. A regular file
// replaced keeps its permission bits.
std::optional<ReplaceFileFailure> ReplaceFile(const std::string& path, std::string_view content);

}  // namespace sim
