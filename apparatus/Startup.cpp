#include "apparatus/Startup.h"

#include "common/Translate.h"
#include "widgets/MessageDialog.h"

namespace sim {

std::unique_ptr<TForm1> OpenMainWindow(Clock& clock, const WorkFolder& folder,
                                       const SystemFiles& system) {
    if (folder.Error) {
        ShowMessageDialog(*folder.Error, Tr(kInputErrorCaption), kMsgOkOnly);
        return nullptr;
    }
    auto form = std::make_unique<TForm1>(clock, folder.Path);
    form->Logic().SystemFactorFilePath = system.FactorFile;
    form->SystemDocumentFolder = system.DocumentFolder;
    return form;
}

}  // namespace sim
