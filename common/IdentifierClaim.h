#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "common/Platform.h"

namespace sim {

// One participant's claim on a folder: while a program holds it, no other program can use the
// same identifier's files in that folder. An advisory lock on a hidden lock file beside the
// results; the kernel releases it when the holder ends in any way, a crash included.
class IdentifierClaim {
  public:
    struct Refused {
        bool InUse = false;  // another program holds it; else the lock file failed (Error)
        int Error = 0;
    };

    // folder ends with a separator or is empty (the current folder).
    static std::variant<IdentifierClaim, Refused> Take(const std::string& folder,
                                                       const std::string& participantId);
    static std::string LockFileName(const std::string& participantId);

  private:
    explicit IdentifierClaim(platform::File file) : file_(std::move(file)) {}
    platform::File file_;
};

}  // namespace sim
