#pragma once

// What the operating system does its own way, behind one interface: PlatformPosix.cpp on Linux,
// PlatformWindows.cpp on Windows, chosen by CMake. Paths are UTF-8 text on both; errors are
// errno numbers on both, so the messages that name them are the same code.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace sim::platform {

// A path from UTF-8 text and back. std::filesystem's narrow strings are the ANSI code page on
// Windows, so every path goes through these.
std::filesystem::path PathOf(std::string_view utf8);
std::string TextOf(const std::filesystem::path& path);

// An open file, closed with its owner.
class File {
  public:
    File() = default;
    explicit File(std::intptr_t handle) : handle_(handle) {}
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File();

    bool IsOpen() const { return handle_ != kNone; }
    // Bytes read (0 at the end), or -1 with the error in error.
    std::int64_t Read(void* buffer, std::size_t size, int& error) const;
    // Each returns 0 or the error number.
    int WriteAll(std::string_view data) const;
    int Sync() const;
    int Truncate(std::uint64_t size) const;
    int Close();
    // 0 with regular and size, or the error number.
    int Describe(bool& regular, std::uint64_t& size) const;
    // An exclusive lock that ends with the file's handle, and with the process in any way. 0,
    // EWOULDBLOCK when another handle holds it (unless wait), or the error number.
    int Lock(bool wait) const;
    // The permissions of the regular file at like, if there is one (POSIX permission bits;
    // Windows files take their folder's access rules).
    void TakePermissionsOf(const std::string& like) const;

  private:
    static constexpr std::intptr_t kNone = -1;
    std::intptr_t handle_ = kNone;
};

// For reading, without waiting: a pipe or a device does not hold the program.
File OpenForReading(const std::string& path, int& error);

// For writing, never through a link (nor any reparse point on Windows): one at path is refused
// (ELOOP). mustBeNew refuses an existing file (EEXIST); else an existing file is opened as it
// is. A private file is the user's alone (POSIX permission bits; Windows inherits its folder's).
File OpenForWriting(const std::string& path, bool mustBeNew, bool privateFile, int& error);

enum class Kind { Missing, Regular, Directory, Link, Device, Pipe, Socket, Other };
// What is at path, a link taken as itself; Other with error set when it cannot be found out.
Kind KindOf(const std::string& path, int* error = nullptr);
// What is at path, a link followed.
Kind KindBehind(const std::string& path, int* error = nullptr);

// Each returns 0 or the error number.
int RemoveFile(const std::string& path);
// Puts the complete file from in the place of to in one step, through to the disk. A folder at
// to is refused (EISDIR).
int ReplaceWith(const std::string& from, const std::string& to);
// Moves from to to only where nothing stands at to yet: 0, EEXIST when to is taken, or the
// error number.
int MoveNoReplace(const std::string& from, const std::string& to);
// The folder's entries on the disk, best effort.
void SyncFolder(const std::string& folder);

// A folder the user may create files in.
bool IsWritableFolder(const std::string& path, int* error = nullptr);
// 0, EEXIST, or the error number. A private folder is the user's alone.
int MakeFolder(const std::string& path, bool privateFolder);
// A new folder parent/prefixXXXXXX of the user's alone, or the error number.
std::string MakeUniqueFolder(const std::string& parent, const std::string& prefix, int& error);

int ProcessId();

// Sets a variable of this process's environment, for the toolkit to read.
void SetEnvironment(const char* name, const std::string& value);

// While it lives, this thread formats numbers with "." whatever locale the process took (the
// toolkit may adopt the user's).
class CNumbers {
  public:
    CNumbers();
    ~CNumbers();
    CNumbers(const CNumbers&) = delete;
    CNumbers& operator=(const CNumbers&) = delete;

  private:
    // What the thread had before: its locale (POSIX); the runtime's per-thread setting and the
    // locale's name (Windows).
    void* previous_ = nullptr;
    std::string previousName_;
};

// The request to stop a console program (Ctrl+C, and SIGTERM on Linux; Ctrl+Break and closing
// the console on Windows) calls note with a number the shell would report as 128 + number,
// once: a second request ends the program at once, as the first would have.
void CatchStopRequests(void (*note)(int));

// The user's documents folder and the machine's shared program-data folder (Windows), or
// nothing where the system has none.
std::optional<std::string> DocumentsFolder();
std::optional<std::string> ProgramDataFolder();
std::optional<std::string> ProgramFilesFolder();

// The program's arguments as UTF-8 text: on Windows they are taken again from the wide command
// line (the narrow argv holds the ANSI code page, which cannot spell every name); argv then
// points to storage that lasts as long as the program. Nothing changes on Linux.
void Utf8Arguments(int& argc, char**& argv);

// The folder of the running program's file, with a separator at its end, whatever the current
// folder or the name it was started by; from started (argv[0]) where the system cannot tell.
std::string ExecutableFolder(const char* started);

// The window program's side of the system.
// Whether a window can be opened at all: a display named on Linux (X, Wayland, or a platform
// the toolkit is told); always on Windows.
bool HasDisplay();
// Linux: a UTF-8 character type for the C library, through the environment, where the locale has
// none (no locale, C, Latin-2): the X library converts the old window title (WM_NAME) through
// it and garbles the toolkit's UTF-8 otherwise. Windows: nothing, the toolkit's titles are wide.
void UseUtf8CharacterType();
// Output of a window program reaches the console it was started from, where it has none of its
// own (Windows' window programs) and it was not redirected; and a console shows the UTF-8 text
// as such, its code page restored at exit.
void UseParentConsole();
// Opens a document with the application the system associates with it, through the shell's
// "open" verb, in a normal window, with no parameters and no working folder, not waiting for the
// result: true where the system's shell does so (Windows), false where the toolkit's desktop
// services do it instead (Linux).
bool OpenWithShell(const std::string& path);
// The system's exclamation sound (Windows' message beep of that type): false where the system
// has none and the toolkit's beep serves.
bool ExclamationBeep();
// The language (a code such as "hu") in which the system's own dialogs and texts should speak
// to this process, where the system lets a program choose it (Windows' preferred user interface
// languages, which its own file dialogs follow as far as the language is installed).
void UseSystemLanguage(const std::string& code);

// Whether the program runs on Windows, for the few choices (a test's skip, a folder's name)
// that are data rather than code.
extern const bool kWindows;

}  // namespace sim::platform
