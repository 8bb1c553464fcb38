#include "apparatus/About.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace sim {

namespace {
const QColor kTeal(0, 128, 128);
constexpr QSize kClientSize(378, 164);
constexpr QRect kPanel(8, 8, 362, 113);
constexpr QRect kProgramIcon(16, 16, 65, 57);
constexpr QPoint kProductName(96, 24);
constexpr QPoint kVersion(96, 56);
constexpr QRect kOKButton(151, 130, 75, 25);

QLabel* WhiteLabel(QWidget* parent, const QString& text, QPoint at, int pixels) {
    auto* label = new QLabel(text, parent);
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(pixels);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->move(at);
    label->adjustSize();
    return label;
}
}  // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle("Névjegy");
    setFixedSize(kClientSize);
    auto* panel = new QFrame(this);
    panel->setGeometry(kPanel);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, kTeal);
    panel->setPalette(palette);

    ProgramIcon = new QLabel(panel);
    ProgramIcon->setGeometry(kProgramIcon);
    ProgramIcon->setScaledContents(true);
    ProductName = WhiteLabel(panel, "Országos Brenn Fizikaverseny  ", kProductName, 16);
    Version = WhiteLabel(panel, "Számítógépes feladat 2017", kVersion, 14);
    OKButton = new QPushButton("OK", this);
    OKButton->setGeometry(kOKButton);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::FormActivate() {
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
