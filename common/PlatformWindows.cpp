// The wide (UTF-16) API throughout: the narrow one reads names in the ANSI code page, which
// cannot spell every identifier.
#include <windows.h>
// After windows.h, which they need.
#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>

#include <atomic>
#include <clocale>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "common/Platform.h"

namespace sim::platform {

const bool kWindows = true;

namespace {

std::wstring Wide(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int size = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                           nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                          size);
    return wide;
}

std::string Narrow(std::wstring_view wide) {
    if (wide.empty()) {
        return {};
    }
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(),
                          size, nullptr, nullptr);
    return utf8;
}

// The system's error as the errno number the messages name.
int ErrnoOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_CANNOT_MAKE:
            return EACCES;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return EEXIST;
        case ERROR_LOCK_VIOLATION:
        case ERROR_SHARING_VIOLATION:
            return EWOULDBLOCK;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_WRITE_PROTECT:
            return EROFS;
        case ERROR_DIRECTORY:
            return ENOTDIR;
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_FILENAME_EXCED_RANGE:
            return error == ERROR_FILENAME_EXCED_RANGE ? ENAMETOOLONG : EINVAL;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return ENOMEM;
        case ERROR_TOO_MANY_OPEN_FILES:
            return EMFILE;
        case ERROR_CANT_RESOLVE_FILENAME:
            return ELOOP;
        default:
            return EIO;
    }
}

int LastErrno() {
    return ErrnoOf(::GetLastError());
}

HANDLE Handle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

// Sharing everything, as POSIX does: another program may read, replace or remove the file
// while it is open.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

File Opened(HANDLE handle, int& error) {
    error = handle == INVALID_HANDLE_VALUE ? LastErrno() : 0;
    return File(handle == INVALID_HANDLE_VALUE ? -1 : reinterpret_cast<std::intptr_t>(handle));
}

// What a handle is: a file on a disk (a pipe or a console is not), a folder, a reparse point.
struct HandleKind {
    bool Disk = false;
    DWORD Attributes = 0;
    std::uint64_t Size = 0;
};

int KindOfHandle(HANDLE handle, HandleKind& kind) {
    kind.Disk = ::GetFileType(handle) == FILE_TYPE_DISK;
    if (!kind.Disk) {
        return 0;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(handle, &info)) {
        return LastErrno();
    }
    kind.Attributes = info.dwFileAttributes;
    kind.Size = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
    return 0;
}

// A lock on one byte far past any content, so that the file stays readable to others (a
// Windows lock keeps other handles from the bytes it covers).
constexpr DWORD kLockOffsetHigh = 0x7FFFFFFF;

}  // namespace

std::filesystem::path PathOf(std::string_view utf8) {
    return std::filesystem::path(Wide(utf8));
}

std::string TextOf(const std::filesystem::path& path) {
    return Narrow(path.native());
}

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
    DWORD got = 0;
    const DWORD wanted = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    if (!::ReadFile(Handle(handle_), buffer, wanted, &got, nullptr)) {
        const DWORD code = ::GetLastError();
        if (code == ERROR_BROKEN_PIPE || code == ERROR_HANDLE_EOF) {
            error = 0;
            return 0;
        }
        error = ErrnoOf(code);
        return -1;
    }
    error = 0;
    return got;
}

int File::WriteAll(std::string_view data) const {
    while (!data.empty()) {
        DWORD written = 0;
        const DWORD chunk =
            data.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(data.size());
        if (!::WriteFile(Handle(handle_), data.data(), chunk, &written, nullptr)) {
            return LastErrno();
        }
        data.remove_prefix(written);
    }
    return 0;
}

int File::Sync() const {
    return ::FlushFileBuffers(Handle(handle_)) ? 0 : LastErrno();
}

int File::Truncate(std::uint64_t size) const {
    LARGE_INTEGER position{};
    position.QuadPart = static_cast<LONGLONG>(size);
    if (!::SetFilePointerEx(Handle(handle_), position, nullptr, FILE_BEGIN) ||
        !::SetEndOfFile(Handle(handle_))) {
        return LastErrno();
    }
    return 0;
}

int File::Close() {
    if (handle_ == kNone) {
        return 0;
    }
    return ::CloseHandle(Handle(std::exchange(handle_, kNone))) ? 0 : LastErrno();
}

int File::Describe(bool& regular, std::uint64_t& size) const {
    HandleKind kind;
    if (const int error = KindOfHandle(Handle(handle_), kind); error != 0) {
        return error;
    }
    regular = kind.Disk &&
              (kind.Attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
    size = kind.Size;
    return 0;
}

int File::Lock(bool wait) const {
    OVERLAPPED where{};
    where.OffsetHigh = kLockOffsetHigh;
    const DWORD flags = LOCKFILE_EXCLUSIVE_LOCK | (wait ? 0 : LOCKFILE_FAIL_IMMEDIATELY);
    return ::LockFileEx(Handle(handle_), flags, 0, 1, 0, &where) ? 0 : LastErrno();
}

void File::TakePermissionsOf(const std::string&) const {
    // A new file takes its folder's access rules, as the file it replaces did.
}

File OpenForReading(const std::string& path, int& error) {
    return Opened(::CreateFileW(Wide(path).c_str(), GENERIC_READ, kShareAll, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
                  error);
}

File OpenForWriting(const std::string& path, bool mustBeNew, bool, int& error) {
    // The reparse point itself is opened, never what it points to, and then refused.
    HANDLE handle = ::CreateFileW(Wide(path).c_str(), GENERIC_WRITE | GENERIC_READ, kShareAll,
                                  nullptr, mustBeNew ? CREATE_NEW : OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    File file = Opened(handle, error);
    if (!file.IsOpen()) {
        return file;
    }
    HandleKind kind;
    error = KindOfHandle(handle, kind);
    if (error == 0 && (kind.Attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        error = ELOOP;
    }
    return error == 0 ? std::move(file) : File();
}

Kind KindOf(const std::string& path, int* error) {
    if (error != nullptr) {
        *error = 0;
    }
    const DWORD attributes = ::GetFileAttributesW(Wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const int code = LastErrno();
        if (code == ENOENT) {
            return Kind::Missing;
        }
        if (error != nullptr) {
            *error = code;
        }
        return Kind::Other;
    }
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        return Kind::Link;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return Kind::Directory;
    }
    // A device name (NUL, COM1) has attributes too, but is no file on a disk.
    int ignored = 0;
    File file = OpenForReading(path, ignored);
    bool regular = false;
    std::uint64_t size = 0;
    return file.IsOpen() && file.Describe(regular, size) == 0 && !regular ? Kind::Device
                                                                          : Kind::Regular;
}

Kind KindBehind(const std::string& path, int* error) {
    const Kind kind = KindOf(path, error);
    if (kind != Kind::Link) {
        return kind;
    }
    int ignored = 0;
    File file = OpenForReading(path, ignored);
    if (!file.IsOpen()) {
        return Kind::Missing;
    }
    bool regular = false;
    std::uint64_t size = 0;
    return file.Describe(regular, size) == 0 && regular ? Kind::Regular : Kind::Other;
}

int RemoveFile(const std::string& path) {
    return ::DeleteFileW(Wide(path).c_str()) ? 0 : LastErrno();
}

int ReplaceWith(const std::string& from, const std::string& to) {
    const std::wstring target = Wide(to);
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return EISDIR;
    }
    // A move within the folder, on the disk before it returns. The new file has its folder's
    // access rules, as the replaced one had unless someone changed them by hand.
    return ::MoveFileExW(Wide(from).c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : LastErrno();
}

int MoveNoReplace(const std::string& from, const std::string& to) {
    return ::MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), MOVEFILE_WRITE_THROUGH)
               ? 0
               : LastErrno();
}

void SyncFolder(const std::string&) {
    // MOVEFILE_WRITE_THROUGH and NTFS's journal already put the new entry on the disk.
}

bool IsWritableFolder(const std::string& path, int* error) {
    // Access rules are not attributes: the one sure way is to create a file there.
    const DWORD attributes = ::GetFileAttributesW(Wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        if (error != nullptr) {
            *error = attributes == INVALID_FILE_ATTRIBUTES ? LastErrno() : ENOTDIR;
        }
        return false;
    }
    static std::atomic<unsigned> counter{0};
    const std::string probe = TextOf(PathOf(path) / (".trelko-probe-" +
                                                     std::to_string(::GetCurrentProcessId()) +
                                                     "-" + std::to_string(counter++)));
    HANDLE handle = ::CreateFileW(Wide(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        if (error != nullptr) {
            *error = LastErrno();
        }
        return false;
    }
    ::CloseHandle(handle);
    if (error != nullptr) {
        *error = 0;
    }
    return true;
}

int MakeFolder(const std::string& path, bool) {
    return ::CreateDirectoryW(Wide(path).c_str(), nullptr) ? 0 : LastErrno();
}

std::string MakeUniqueFolder(const std::string& parent, const std::string& prefix, int& error) {
    static std::atomic<unsigned> counter{0};
    const unsigned seed = ::GetCurrentProcessId() * 2654435761u ^ ::GetTickCount();
    std::string path;
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned value = seed + 7919u * counter++;
        std::string suffix;
        for (int i = 0; i < 6; ++i) {
            suffix += "abcdefghijklmnopqrstuvwxyz0123456789"[value % 36];
            value /= 36;
        }
        path = TextOf(PathOf(parent) / (prefix + suffix));
        error = MakeFolder(path, true);
        if (error != EEXIST) {
            return path;
        }
    }
    return path;
}

void SetEnvironment(const char* name, const std::string& value) {
    ::_wputenv_s(Wide(name).c_str(), Wide(value).c_str());
}

int ProcessId() {
    return static_cast<int>(::GetCurrentProcessId());
}

CNumbers::CNumbers() {
    // The C runtime's locale for this thread alone, then "C" for numbers in it.
    previous_ = reinterpret_cast<void*>(
        static_cast<std::intptr_t>(::_configthreadlocale(_ENABLE_PER_THREAD_LOCALE)));
    const char* name = std::setlocale(LC_NUMERIC, nullptr);
    previousName_ = name != nullptr ? name : "C";
    std::setlocale(LC_NUMERIC, "C");
}

CNumbers::~CNumbers() {
    std::setlocale(LC_NUMERIC, previousName_.c_str());
    ::_configthreadlocale(static_cast<int>(reinterpret_cast<std::intptr_t>(previous_)));
}

namespace {

void (*stopNote)(int) = nullptr;
std::atomic<bool> stopRequested{false};

BOOL WINAPI OnConsoleEvent(DWORD event) {
    // As the shell reports them: Ctrl+C as SIGINT (2), the rest as SIGTERM (15).
    const int number = event == CTRL_C_EVENT ? 2 : 15;
    if (stopRequested.exchange(true) || stopNote == nullptr) {
        return FALSE;  // the second request ends the program at once
    }
    stopNote(number);
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT ||
        event == CTRL_SHUTDOWN_EVENT) {
        // Windows ends the process when this returns: give the run its time to tidy up.
        ::Sleep(4000);
    }
    return TRUE;
}

}  // namespace

void CatchStopRequests(void (*note)(int)) {
    stopNote = note;
    ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

namespace {

std::optional<std::string> KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::optional<std::string> folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path))) {
        folder = Narrow(path);
    }
    ::CoTaskMemFree(path);
    return folder;
}

}  // namespace

std::optional<std::string> DocumentsFolder() {
    return KnownFolder(FOLDERID_Documents);
}

std::optional<std::string> ProgramDataFolder() {
    return KnownFolder(FOLDERID_ProgramData);
}

std::optional<std::string> ProgramFilesFolder() {
    return KnownFolder(FOLDERID_ProgramFiles);
}

void Utf8Arguments(int& argc, char**& argv) {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr) {
        return;
    }
    static std::vector<std::string> texts;
    static std::vector<char*> pointers;
    texts.assign(static_cast<std::size_t>(count), {});
    for (int i = 0; i < count; ++i) {
        texts[static_cast<std::size_t>(i)] = Narrow(wide[i]);
    }
    ::LocalFree(wide);
    pointers.clear();
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    argc = count;
    argv = pointers.data();
}

std::string ExecutableFolder(const char* started) {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size = ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (size == 0) {
            std::error_code error;
            return TextOf(std::filesystem::absolute(PathOf(started), error).parent_path() / "");
        }
        if (size < name.size()) {
            name.resize(size);
            return TextOf(std::filesystem::path(name).parent_path() / "");
        }
        name.resize(name.size() * 2);
    }
}

bool HasDisplay() {
    return true;
}

void UseUtf8CharacterType() {}

namespace {

UINT consoleCodePage = 0;

void RestoreConsoleCodePage() {
    ::SetConsoleOutputCP(consoleCodePage);
}

bool Given(DWORD stream) {
    const HANDLE handle = ::GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

bool IsConsole(DWORD stream) {
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(stream), &mode) != 0;
}

}  // namespace

void UseParentConsole() {
    const bool output = Given(STD_OUTPUT_HANDLE);
    const bool errors = Given(STD_ERROR_HANDLE);
    if ((!output || !errors) && ::AttachConsole(ATTACH_PARENT_PROCESS)) {
        if (!output) {
            std::freopen("CONOUT$", "w", stdout);
        }
        if (!errors) {
            std::freopen("CONOUT$", "w", stderr);
        }
    }
    // The console's own code page would show every accented letter as two others.
    if ((IsConsole(STD_OUTPUT_HANDLE) || IsConsole(STD_ERROR_HANDLE)) && consoleCodePage == 0) {
        consoleCodePage = ::GetConsoleOutputCP();
        if (consoleCodePage != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8)) {
            std::atexit(RestoreConsoleCodePage);
        }
    }
}

bool OpenWithShell(const std::string& path) {
    // Its result is not looked at: a document without an application is the system's to say.
    ::ShellExecuteW(nullptr, L"open", Wide(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return true;
}

bool ExclamationBeep() {
    ::MessageBeep(MB_ICONEXCLAMATION);
    return true;
}

void UseSystemLanguage(const std::string& code) {
    // A list of names ending in an empty one.
    std::wstring names = Wide(code);
    names.push_back(L'\0');
    ::SetProcessPreferredUILanguages(MUI_LANGUAGE_NAME, names.c_str(), nullptr);
    ::SetThreadPreferredUILanguages(MUI_LANGUAGE_NAME, names.c_str(), nullptr);
    if (const LCID locale = ::LocaleNameToLCID(Wide(code).c_str(), 0); locale != 0) {
        ::SetThreadUILanguage(LANGIDFROMLCID(locale));
    }
}

}  // namespace sim::platform
