#include "common/IdentifierClaim.h"

#include <cerrno>
#include <utility>

namespace sim {

std::string IdentifierClaim::LockFileName(const std::string& participantId) {
    return "." + participantId + ".lock";
}

std::variant<IdentifierClaim, IdentifierClaim::Refused> IdentifierClaim::Take(
    const std::string& folder, const std::string& participantId) {
    const std::string path = folder + LockFileName(participantId);
    // The lock file is never removed: removing it while another program waits for it would let
    // both hold a lock, each on a different file.
    int error = 0;
    platform::File file = platform::OpenForWriting(path, false, false, error);
    if (!file.IsOpen()) {
        return Refused{false, error};
    }
    bool regular = false;
    std::uint64_t size = 0;
    error = file.Describe(regular, size);
    if (error != 0 || !regular) {
        return Refused{false, error != 0 ? error : EINVAL};
    }
    if (const int lockError = file.Lock(false); lockError != 0) {
        return Refused{lockError == EWOULDBLOCK, lockError};
    }
    return IdentifierClaim(std::move(file));
}

}  // namespace sim
