#pragma once

#include <optional>
#include <string>
#include <variant>

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

    IdentifierClaim(IdentifierClaim&& other) noexcept;
    IdentifierClaim& operator=(IdentifierClaim&& other) noexcept;
    IdentifierClaim(const IdentifierClaim&) = delete;
    IdentifierClaim& operator=(const IdentifierClaim&) = delete;
    ~IdentifierClaim();

  private:
    explicit IdentifierClaim(int fd) : fd_(fd) {}
    int fd_ = -1;
};

}  // namespace sim
