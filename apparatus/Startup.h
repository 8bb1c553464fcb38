#pragma once

#include <memory>
#include <string>

#include "apparatus/Main.h"
#include "apparatus/core/WorkFolder.h"

namespace sim {

// What an installed machine keeps for every user, beside each user's work folder.
struct SystemFiles {
    std::string FactorFile;      // read when the work folder has no faktor.txt
    std::string DocumentFolder;  // looked in for the help document after the work folder
};

// The main window working in the chosen folder. For a folder that cannot be used, the message
// dialog says why, and there is no window: the program must not reach its first series point
// only to fail at the first write.
std::unique_ptr<TForm1> OpenMainWindow(Clock& clock, const WorkFolder& folder,
                                       const SystemFiles& system);

}  // namespace sim
