#include "apparatus/Leiras.h"

#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "assets/Pictures.h"
#include "translations/Language.h"

namespace sim {

namespace {
constexpr QSize kInitialSize(780, 680);
}  // namespace

TLeiras::TLeiras(QWidget* parent) : QDialog(parent, Qt::Window) {
    setWindowTitle(tr("Leírás"));
    resize(kInitialSize);
    Browser = new QTextBrowser(this);
    // Links within the guide only; it names no address outside it.
    Browser->setOpenLinks(true);
    Browser->setOpenExternalLinks(false);
    Browser->setHtml(UserGuide(QString::fromStdString(LanguageInUse())));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Browser);
}

void TLeiras::ShowGuide() {
    if (!isVisible()) {
        Browser->verticalScrollBar()->setValue(0);
    }
    show();
    raise();
    activateWindow();
}

}  // namespace sim
