#include "widgets/FileDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>

#include "common/Platform.h"

namespace sim {

namespace {

// A word of the toolkit's own dialog, from the toolkit's translations; no text of the program's
// (so the program's translation files do not list it).
QString ToolkitWord(const char* source) {
    constexpr const char* kContext = "QFileDialog";
    return QCoreApplication::translate(kContext, source);
}

}  // namespace

void PrepareFileDialog(QFileDialog& dialog) {
    const bool native = platform::kWindows;
    dialog.setOption(QFileDialog::DontUseNativeDialog, !native);
    if (native) {
        const bool save = dialog.acceptMode() == QFileDialog::AcceptSave;
        // The toolkit's own dialog has a title of its own; Windows' is told one.
        if (dialog.windowTitle().isEmpty()) {
            dialog.setWindowTitle(ToolkitWord(save ? "Save As" : "Open"));
        }
        dialog.setLabelText(QFileDialog::Accept, ToolkitWord(save ? "&Save" : "&Open"));
        dialog.setLabelText(QFileDialog::FileName, ToolkitWord("File &name:"));
        dialog.setLabelText(QFileDialog::FileType, ToolkitWord("Files of type:"));
    }
}

}  // namespace sim
