#include "common/ErrorText.h"

#include <cerrno>
#include <climits>
#include <cstring>

#include "common/Translate.h"

namespace sim {

namespace {

// The limits the message names; where the system does not say, the common ones.
#ifdef NAME_MAX
constexpr long kNameMax = NAME_MAX;
#else
constexpr long kNameMax = 255;
#endif
#ifdef PATH_MAX
constexpr long kPathMax = PATH_MAX - 1;  // PATH_MAX counts the closing NUL
#else
constexpr long kPathMax = 4095;
#endif

}  // namespace

std::string SystemReason(int error) {
    switch (error) {
        case ENOENT:
            return Tr(SIM_TR("System", "nem létezik"));
        case EACCES:
        case EPERM:
            return Tr(SIM_TR("System", "nincs hozzá jogosultság"));
        case ENAMETOOLONG:
            return Tr(SIM_TR("System",
                             "túl hosszú név: egy név legfeljebb %1 bájt, egy útvonal legfeljebb "
                             "%2 bájt lehet"),
                      {std::to_string(kNameMax), std::to_string(kPathMax)});
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return Tr(SIM_TR("System", "nincs elég hely a lemezen"));
        case EFBIG:
            return Tr(SIM_TR("System", "a fájl elérte a megengedett legnagyobb méretet"));
        case EROFS:
            return Tr(SIM_TR("System", "csak olvasható fájlrendszer"));
        case EEXIST:
            return Tr(SIM_TR("System", "már létezik"));
        case ENOTDIR:
            return Tr(SIM_TR("System", "az útvonal egy része nem mappa"));
        case EISDIR:
            return Tr(SIM_TR("System", "ez egy mappa"));
        case ELOOP:
            return Tr(SIM_TR("System", "túl sok szimbolikus link (talán önmagára mutat)"));
        default:
            return Tr(SIM_TR("System", "rendszerhiba %1: %2"),
                      {std::to_string(error), std::strerror(error)});
    }
}

std::string FileKindReason(platform::Kind kind) {
    switch (kind) {
        case platform::Kind::Directory:
            return Tr(SIM_TR("System", "ez egy mappa, nem közönséges fájl"));
        case platform::Kind::Device:
            return Tr(SIM_TR("System", "ez egy eszköz, nem közönséges fájl"));
        case platform::Kind::Pipe:
            return Tr(SIM_TR("System", "ez egy csővezeték (FIFO), nem közönséges fájl"));
        case platform::Kind::Socket:
            return Tr(SIM_TR("System", "ez egy socket, nem közönséges fájl"));
        default:
            return Tr(SIM_TR("System", "nem közönséges fájl"));
    }
}

}  // namespace sim
