#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <strings.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <utility>

#include "common/Platform.h"

namespace sim::platform {

const bool kWindows = false;

std::filesystem::path PathOf(std::string_view utf8) {
    return std::filesystem::path(utf8);
}

std::string TextOf(const std::filesystem::path& path) {
    return path.string();
}

namespace {

int Fd(std::intptr_t handle) {
    return static_cast<int>(handle);
}

File Opened(int fd, int& error) {
    error = fd < 0 ? errno : 0;
    return File(fd);
}

}  // namespace

File::File(File&& other) noexcept : handle_(std::exchange(other.handle_, kNone)) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, kNone);
    }
    return *this;
}

File::~File() {
    Close();
}

std::int64_t File::Read(void* buffer, std::size_t size, int& error) const {
    for (;;) {
        const ssize_t n = ::read(Fd(handle_), buffer, size);
        if (n >= 0 || errno != EINTR) {
            error = n < 0 ? errno : 0;
            return n;
        }
    }
}

int File::WriteAll(std::string_view data) const {
    while (!data.empty()) {
        const ssize_t n = ::write(Fd(handle_), data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

int File::Sync() const {
    return ::fsync(Fd(handle_)) == 0 ? 0 : errno;
}

int File::Truncate(std::uint64_t size) const {
    return ::ftruncate(Fd(handle_), static_cast<off_t>(size)) == 0 ? 0 : errno;
}

int File::Close() {
    if (handle_ == kNone) {
        return 0;
    }
    const int fd = Fd(std::exchange(handle_, kNone));
    return ::close(fd) == 0 ? 0 : errno;
}

int File::Describe(bool& regular, std::uint64_t& size) const {
    struct stat info {};
    if (::fstat(Fd(handle_), &info) != 0) {
        return errno;
    }
    regular = S_ISREG(info.st_mode);
    size = static_cast<std::uint64_t>(info.st_size);
    return 0;
}

void File::TakePermissionsOf(const std::string& like) const {
    struct stat old {};
    if (::lstat(like.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(Fd(handle_), old.st_mode & 07777);
    }
}

int File::Lock(bool wait) const {
    return ::flock(Fd(handle_), LOCK_EX | (wait ? 0 : LOCK_NB)) == 0 ? 0 : errno;
}

File OpenForReading(const std::string& path, int& error) {
    return Opened(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK), error);
}

File OpenForWriting(const std::string& path, bool mustBeNew, bool privateFile, int& error) {
    // Non-blocking only so that opening a pipe cannot wait; writes must not be partial.
    const int flags = O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;
    const int fd = ::open(path.c_str(), flags | (mustBeNew ? O_EXCL : 0), privateFile ? 0600 : 0666);
    if (fd >= 0) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    }
    return Opened(fd, error);
}

namespace {

Kind KindOfMode(mode_t mode) {
    return S_ISREG(mode)                    ? Kind::Regular
           : S_ISDIR(mode)                  ? Kind::Directory
           : S_ISLNK(mode)                  ? Kind::Link
           : S_ISCHR(mode) || S_ISBLK(mode) ? Kind::Device
           : S_ISFIFO(mode)                 ? Kind::Pipe
           : S_ISSOCK(mode)                 ? Kind::Socket
                                            : Kind::Other;
}

Kind Described(int status, const struct stat& info, int* error) {
    const int code = status == 0 ? 0 : errno;
    if (code == ENOENT || code == ENOTDIR) {
        return Kind::Missing;
    }
    if (error != nullptr) {
        *error = code;
    }
    return code != 0 ? Kind::Other : KindOfMode(info.st_mode);
}

}  // namespace

Kind KindOf(const std::string& path, int* error) {
    struct stat info {};
    return Described(::lstat(path.c_str(), &info), info, error);
}

Kind KindBehind(const std::string& path, int* error) {
    struct stat info {};
    return Described(::stat(path.c_str(), &info), info, error);
}

int RemoveFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

int MoveNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return errno;
    }
    // A file system without the flag (some network and FAT mounts): look first. The
    // participant's claim keeps the other programs away meanwhile.
    if (KindOf(to) != Kind::Missing) {
        return EEXIST;
    }
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int ReplaceWith(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);  // best effort: the new file is complete either way
        ::close(fd);
    }
}

bool IsWritableFolder(const std::string& path, int* error) {
    struct stat info {};
    int code = ::stat(path.c_str(), &info) == 0 ? 0 : errno;
    if (code == 0 && !S_ISDIR(info.st_mode)) {
        code = ENOTDIR;
    }
    if (code == 0 && ::access(path.c_str(), W_OK | X_OK) != 0) {
        code = errno;
    }
    if (error != nullptr) {
        *error = code;
    }
    return code == 0;
}

int MakeFolder(const std::string& path, bool privateFolder) {
    return ::mkdir(path.c_str(), privateFolder ? 0700 : 0777) == 0 ? 0 : errno;
}

std::string MakeUniqueFolder(const std::string& parent, const std::string& prefix, int& error) {
    std::string pattern = TextOf(PathOf(parent) / (prefix + "XXXXXX"));
    error = ::mkdtemp(pattern.data()) == nullptr ? errno : 0;
    return pattern;
}

void SetEnvironment(const char* name, const std::string& value) {
    ::setenv(name, value.c_str(), 1);
}

int ProcessId() {
    return static_cast<int>(::getpid());
}

CNumbers::CNumbers() {
    static const locale_t cLocale = ::newlocale(LC_NUMERIC_MASK, "C", nullptr);
    previous_ = ::uselocale(cLocale);
}

CNumbers::~CNumbers() {
    ::uselocale(static_cast<locale_t>(previous_));
}

void CatchStopRequests(void (*note)(int)) {
    struct sigaction action {};
    action.sa_handler = note;
    sigemptyset(&action.sa_mask);
    // Restarted calls: a file write under way is never cut short by the signal.
    action.sa_flags = static_cast<int>(SA_RESTART | SA_RESETHAND);
    for (const int signal : {SIGINT, SIGTERM}) {
        ::sigaction(signal, &action, nullptr);
    }
}

std::optional<std::string> DocumentsFolder() {
    return std::nullopt;
}

std::optional<std::string> ProgramDataFolder() {
    return std::nullopt;
}

std::optional<std::string> ProgramFilesFolder() {
    return std::nullopt;
}

void Utf8Arguments(int&, char**&) {}

std::string ExecutableFolder(const char* started) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error) {
        self = fs::absolute(started, error);
    }
    return self.parent_path().string() + "/";
}

bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

// The toolkit treats all 8-bit text as UTF-8; newer toolkit versions switch the character type
// by themselves, this one does not. Only the character type changes, and through the
// environment, since the application object applies the environment's locale anew.
void UseUtf8CharacterType() {
    if (std::setlocale(LC_ALL, "") != nullptr && ::strcasecmp(::nl_langinfo(CODESET), "UTF-8") == 0) {
        return;
    }
    std::string language = std::setlocale(LC_CTYPE, nullptr);
    language = language.substr(0, language.find_first_of(".@"));
    std::string chosen = language + ".UTF-8";
    if (language == "C" || language == "POSIX" ||
        std::setlocale(LC_CTYPE, chosen.c_str()) == nullptr) {
        chosen = "C.UTF-8";
        if (std::setlocale(LC_CTYPE, chosen.c_str()) == nullptr) {
            return;
        }
    }
    // LC_ALL outranks LC_CTYPE: hand its value to each of the other categories instead.
    if (const char* all = std::getenv("LC_ALL"); all != nullptr && *all != '\0') {
        const std::string value = all;
        for (const char* category :
             {"LC_COLLATE", "LC_MESSAGES", "LC_MONETARY", "LC_NUMERIC", "LC_TIME", "LC_ADDRESS",
              "LC_IDENTIFICATION", "LC_MEASUREMENT", "LC_NAME", "LC_PAPER", "LC_TELEPHONE"}) {
            ::setenv(category, value.c_str(), 1);
        }
        ::unsetenv("LC_ALL");
    }
    ::setenv("LC_CTYPE", chosen.c_str(), 1);
}

void UseParentConsole() {}

bool OpenWithShell(const std::string&) {
    return false;
}

bool ExclamationBeep() {
    return false;
}

void UseSystemLanguage(const std::string&) {}

}  // namespace sim::platform
