#include "apparatus/core/WorkFolder.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>

#include "common/ErrorText.h"
#include "common/FileNames.h"
#include "common/Platform.h"
#include "common/Translate.h"

namespace sim {

namespace {

namespace fs = std::filesystem;

// "/" on Windows too, which takes both; a folder named with "\" keeps it.
std::string WithSeparator(std::string folder) {
    if (folder.empty() || (folder.back() != '/' &&
                           folder.back() != static_cast<char>(fs::path::preferred_separator))) {
        folder += '/';
    }
    return folder;
}

WorkFolder Refused(const std::string& folder, const std::string& reason) {
    return {WithSeparator(folder),
            Tr(SIM_TR("Apparatus", "A munkamappa nem használható:\r%1\r(%2)"),
               {ShownText(folder), reason})};
}

WorkFolder Checked(const std::string& folder) {
    int error = 0;
    if (platform::IsWritableFolder(folder, &error)) {
        return {WithSeparator(folder), std::nullopt};
    }
    switch (error) {
        case ENOENT:
            return Refused(folder, Tr(SIM_TR("Apparatus", "nem létezik")));
        case ENOTDIR:
            return Refused(folder, Tr(SIM_TR("Apparatus", "nem mappa")));
        case EACCES:
        case EPERM:
        case EROFS:
            return Refused(folder, Tr(SIM_TR("Apparatus", "nem írható")));
        default:
            return Refused(folder, SystemReason(error));
    }
}

std::string Absolute(const std::string& folder) {
    std::error_code error;
    const fs::path absolute = fs::absolute(platform::PathOf(folder), error);
    return error ? folder : platform::TextOf(absolute.lexically_normal());
}

// Whether folder is inside (or is) the folder under. Windows spells a folder with either
// separator and in any case.
bool Inside(const std::string& folder, const std::string& under) {
    const auto spelt = [](const std::string& path) {
        std::string text = platform::TextOf(platform::PathOf(WithSeparator(path)).make_preferred());
        if (platform::kWindows) {
            std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
                return static_cast<char>(std::tolower(c));
            });
        }
        return text;
    };
    return !under.empty() && spelt(folder).starts_with(spelt(under));
}

}  // namespace

std::string SystemSettingsFolder() {
    if (const auto shared = platform::ProgramDataFolder()) {
        return platform::TextOf(platform::PathOf(*shared) / "trelko" / "");
    }
    return "/etc/trelko/";
}

std::string SystemFactorFile() {
    return SystemSettingsFolder() + "faktor.txt";
}

std::string SystemDocumentFolder() {
    return platform::ProgramDataFolder() ? SystemSettingsFolder() : "/usr/share/doc/trelko/";
}

WorkFolder ChooseWorkFolder(const WorkFolderRequest& request) {
    if (request.Option && !request.Option->empty()) {
        return Checked(Absolute(*request.Option));
    }
    if (request.Environment && !request.Environment->empty()) {
        return Checked(Absolute(*request.Environment));
    }
    const bool installed = Inside(request.ExecutableDir, request.InstalledDir);
    if (!installed && platform::IsWritableFolder(request.ExecutableDir)) {
        return {WithSeparator(request.ExecutableDir), std::nullopt};
    }
    if (!request.Home || request.Home->empty()) {
        return Refused(request.ExecutableDir,
                       installed ? Tr(SIM_TR("Apparatus",
                                             "a telepített program mappája, és a HOME nincs "
                                             "beállítva; adj meg munkamappát a --dir opcióval "
                                             "vagy a TRELKO_DIR változóval"))
                                 : Tr(SIM_TR("Apparatus",
                                             "nem írható, és a HOME nincs beállítva; adj meg "
                                             "munkamappát a --dir opcióval vagy a TRELKO_DIR "
                                             "változóval")));
    }
    const std::string folder = platform::TextOf(platform::PathOf(*request.Home) / kHomeWorkFolderName);
    if (const int error = platform::MakeFolder(folder, true); error != 0 && error != EEXIST) {
        return Refused(folder, SystemReason(error));
    }
    return Checked(folder);
}

}  // namespace sim
