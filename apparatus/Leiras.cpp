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

TLeiras::TLeiras(QWidget* parent)
    : TLeiras(parent, tr("Leírás"), UserGuide(QString::fromStdString(LanguageInUse()))) {}

TLeiras::TLeiras(QWidget* parent, const QString& title, const QString& page)
    : QDialog(parent, Qt::Window) {
    setWindowTitle(title);
    resize(kInitialSize);
    Browser = new QTextBrowser(this);
    // Links within the guide only; it names no address outside it.
    Browser->setOpenLinks(true);
    Browser->setOpenExternalLinks(false);
    Browser->setHtml(page);
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
