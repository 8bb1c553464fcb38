#include "apparatus/Bejel.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "common/FileNames.h"
#include "widgets/MessageDialog.h"

namespace sim {

namespace {
const QColor kTeal(0, 128, 128);
constexpr QSize kClientSize(233, 93);
constexpr QPoint kLabel1(8, 6);
constexpr QRect kPassword(8, 28, 217, 24);
constexpr QRect kOKBtn(34, 62, 75, 25);
constexpr QRect kCancelBtn(124, 62, 75, 25);

QFont BoldFont(int pixels) {
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(pixels);
    return font;
}
}  // namespace

TBejelentkez::TBejelentkez(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setFixedSize(kClientSize);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kTeal);
    setPalette(palette);

    Label1 = new QLabel(this);
    Label1->setFont(BoldFont(13));
    QPalette labelPalette = Label1->palette();
    labelPalette.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(labelPalette);
    Label1->move(kLabel1);
    Password = new QLineEdit(this);
    Password->setGeometry(kPassword);
    OKBtn = new QPushButton(this);
    OKBtn->setGeometry(kOKBtn);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(this);
    CancelBtn->setGeometry(kCancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TBejelentkez::FormActivate() {
    setWindowTitle(" Bejelentkezés");
    Label1->setText("Add meg az azonosító kódodat");
    Label1->adjustSize();
    OKBtn->setText("OK");
    CancelBtn->setText("Mégsem");
    Password->setFocus();
}

void TBejelentkez::showEvent(QShowEvent* event) {
    FormActivate();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

bool TBejelentkez::FormCloseQuery(int result) {
    if (result != QDialog::Accepted) {
        return true;
    }
    const std::string typed = Password->text().toStdString();
    // The identifier names the result file and the geometry files' extension.
    if (!IsSafeFileNamePart(typed)) {
        ShowMessageDialog(
            "Az azonosító nem tartalmazhat / \\ : * ? \" < > | jelet,\r"
            "két egymás utáni pontot (..) és vezérlőkaraktert.\rAdj meg másik azonosítót!",
            "*** HIBA ***", 0);
        Password->selectAll();
        Password->setFocus();
        return false;
    }
    participantId_ = kParticipantPrefix + typed;
    return true;
}

void TBejelentkez::done(int result) {
    if (FormCloseQuery(result)) {
        QDialog::done(result);
    }
}

}  // namespace sim
