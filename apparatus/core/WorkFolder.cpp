#include "apparatus/core/WorkFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "common/ErrorText.h"
#include "common/FileNames.h"
#include "common/Translate.h"

namespace sim {

namespace {

namespace fs = std::filesystem;

bool Writable(const std::string& folder) {
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string WithSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
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
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        return Refused(
            folder, errno == ENOENT ? Tr(SIM_TR("Apparatus", "nem létezik")) : SystemReason(errno));
    }
    if (!S_ISDIR(info.st_mode)) {
        return Refused(folder, Tr(SIM_TR("Apparatus", "nem mappa")));
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        return Refused(folder, Tr(SIM_TR("Apparatus", "nem írható")));
    }
    return {WithSeparator(folder), std::nullopt};
}

std::string Absolute(const std::string& folder) {
    std::error_code error;
    const fs::path absolute = fs::absolute(folder, error);
    return error ? folder : absolute.lexically_normal().string();
}

}  // namespace

WorkFolder ChooseWorkFolder(const WorkFolderRequest& request) {
    if (request.Option && !request.Option->empty()) {
        return Checked(Absolute(*request.Option));
    }
    if (request.Environment && !request.Environment->empty()) {
        return Checked(Absolute(*request.Environment));
    }
    const bool installed = !request.InstalledDir.empty() && WithSeparator(request.ExecutableDir) ==
                                                                WithSeparator(request.InstalledDir);
    if (!installed && Writable(request.ExecutableDir)) {
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
    const std::string folder = (fs::path(*request.Home) / kHomeWorkFolderName).string();
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return Refused(folder, SystemReason(errno));
    }
    return Checked(folder);
}

}  // namespace sim
