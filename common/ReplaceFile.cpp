#include "common/ReplaceFile.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>

#include "common/ErrorText.h"

namespace sim {

namespace {

// Creates a new, empty temporary file in folder; never opens an existing file or a link.
int CreateTemporary(const std::filesystem::path& folder, std::string& name) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = (folder / (".replacing-" + std::to_string(::getpid()) + "-" +
                          std::to_string(counter.fetch_add(1)) + ".tmp"))
                   .string();
        const int fd =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Writes everything, then syncs; returns 0 or the error number.
int WriteAndSync(int fd, std::string_view content) {
    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);  // best effort: the new file is complete either way
        ::close(fd);
    }
}

}  // namespace

std::string ReplaceFileFailure::Reason() const {
    return At == Stage::NotRegular ? FileKindReason(Mode) : SystemReason(Error);
}

std::optional<ReplaceFileFailure> ReplaceFile(const std::string& path, std::string_view content) {
    using Stage = ReplaceFileFailure::Stage;
    // A rename would put a file in place of a device (/dev/null made a regular file) or fail
    // over a folder only after the writing: refuse both before anything is made.
    struct stat old {};
    const bool exists = ::lstat(path.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode) && !S_ISLNK(old.st_mode)) {
        return ReplaceFileFailure{Stage::NotRegular, 0, static_cast<unsigned>(old.st_mode)};
    }
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    std::string temporary;
    const int fd = CreateTemporary(folder, temporary);
    if (fd < 0) {
        return ReplaceFileFailure{Stage::Create, errno};
    }
    // A replaced file keeps its permissions (a private file stays private); a link is replaced
    // like a new file.
    if (exists && S_ISREG(old.st_mode)) {
        ::fchmod(fd, old.st_mode & 07777);
    }
    int error = WriteAndSync(fd, content);
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return ReplaceFileFailure{Stage::Write, error};
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        error = errno;
        ::unlink(temporary.c_str());
        return ReplaceFileFailure{Stage::Rename, error};
    }
    SyncFolder(folder);
    return std::nullopt;
}

int RenameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return errno;
    }
    // A file system without the flag (some network and FAT mounts): look first. The
    // participant's claim keeps the other programs away meanwhile.
    struct stat taken {};
    if (::lstat(to.c_str(), &taken) == 0) {
        return EEXIST;
    }
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

}  // namespace sim
