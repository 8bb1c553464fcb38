#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sim {

// Where replacing a file failed, with the system's error number.
struct ReplaceFileFailure {
    enum class Stage { Create, Write, Rename };
    Stage At;
    int Error;
};

// Writes content to a new file beside path and renames it over path only once it is complete
// and on disk, so a failure leaves whatever was there before, and no temporary behind. A
// regular file replaced keeps its permission bits.
std::optional<ReplaceFileFailure> ReplaceFile(const std::string& path, std::string_view content);

}  // namespace sim
