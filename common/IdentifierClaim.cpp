#include "common/IdentifierClaim.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK,
                          0644);
    if (fd < 0) {
        return Refused{false, errno};
    }
    struct stat info {};
    const int error = ::fstat(fd, &info) != 0 ? errno : S_ISREG(info.st_mode) ? 0 : EINVAL;
    if (error != 0) {
        ::close(fd);
        return Refused{false, error};
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int lockError = errno;
        ::close(fd);
        return Refused{lockError == EWOULDBLOCK, lockError};
    }
    return IdentifierClaim(fd);
}

IdentifierClaim::IdentifierClaim(IdentifierClaim&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)) {}

IdentifierClaim& IdentifierClaim::operator=(IdentifierClaim&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

IdentifierClaim::~IdentifierClaim() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

}  // namespace sim
