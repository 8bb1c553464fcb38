#pragma once

#include <optional>
#include <string>

namespace sim {

// The folder the program reads faktor.txt from and writes its files into. A copy in a folder
// the user may write (the portable copy of the competition) works there; an installed copy,
// whose folder belongs to the system, works in a folder of the user's home.
inline constexpr const char* kHomeWorkFolderName = "Brk2017";
inline constexpr const char* kWorkFolderVariable = "TRELKO_DIR";

struct WorkFolderRequest {
    std::string ExecutableDir;               // the program's own folder
    std::optional<std::string> Option;       // --dir
    std::optional<std::string> Environment;  // TRELKO_DIR
    // HOME; on Windows the user's Documents folder
    std::optional<std::string> Home;
    // Where the build installs the program (none when empty); on Windows, Program Files. A copy
    // running from there or below is the system's: it works in the home even for a user who may
    // write there (root, an administrator).
    std::string InstalledDir;
};

struct WorkFolder {
    std::string Path;                  // absolute, with a trailing separator
    std::optional<std::string> Error;  // why it cannot be used, for the message at start-up
};

// The organisers' folder of settings for a whole machine, read where the work folder has none:
// /etc/trelko/, on Windows %ProgramData%\trelko\ (the known folder); with its separator.
std::string SystemSettingsFolder();
// The organisers' faktor.txt in it.
std::string SystemFactorFile();
// Where an installed copy finds the task document when the work folder has none: the package's
// /usr/share/doc/trelko/; on Windows the organisers' folder above, beside faktor.txt.
std::string SystemDocumentFolder();

// --dir, else TRELKO_DIR, else the program's folder when the user may write into it and it is
// not in the installed folder, else ~/Brk2017 (on Windows Documents\Brk2017; made, private to
// the user, when missing). The folder chosen must be a folder the user may write into; an
// explicitly named one is never made.
WorkFolder ChooseWorkFolder(const WorkFolderRequest& request);

}  // namespace sim
