#include "apparatus/About.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "widgets/ClassicLook.h"

namespace sim {

namespace {
constexpr QSize kClientSize(378, 164);
constexpr QRect kPanel(8, 8, 362, 113);
constexpr QRect kProgramIcon(16, 16, 65, 57);
constexpr QPoint kProductName(96, 24);
constexpr QPoint kVersion(96, 56);
constexpr QRect kOKButton(151, 130, 75, 25);

}  // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(tr("Névjegy"));
    setFixedSize(kClientSize);
    auto* panel = new QFrame(this);
    panel->setGeometry(kPanel);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SetColours(panel, kTeal, Qt::white);

    ProgramIcon = new QLabel(panel);
    ProgramIcon->setGeometry(kProgramIcon);
    ProgramIcon->setScaledContents(true);
    ProductName = MakeLabel(panel, kProductName, tr("Országos Brenn Fizikaverseny  "),
                            ArialBold(16), Qt::white);
    Version = MakeLabel(panel, kVersion, tr("Számítógépes feladat 2017"), ArialBold(14), Qt::white);
    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setGeometry(kOKButton);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::FormActivate() const {
    ProgramIcon->setPixmap(QApplication::windowIcon().pixmap(kProgramIcon.size()));
}

void TAboutBox::showEvent(QShowEvent* event) {
    FormActivate();
    if (parentWidget() != nullptr) {
        move(parentWidget()->geometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

}  // namespace sim
