#include "apparatus/Bejel.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "common/FileNames.h"
#include "widgets/ClassicLook.h"
#include "widgets/FocusMark.h"
#include "widgets/MessageDialog.h"

namespace sim {

namespace {
constexpr QSize kClientSize(233, 93);
constexpr QPoint kLabel1(8, 6);
constexpr int kLabelPixels = 13;
constexpr QRect kPassword(8, 28, 217, 24);
constexpr QRect kOKBtn(34, 62, 75, 25);
constexpr QRect kCancelBtn(124, 62, 75, 25);

}  // namespace

TBejelentkez::TBejelentkez(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setFixedSize(kClientSize);
    SetColours(this, kTeal, Qt::white);
    Label1 = MakeLabel(this, kLabel1, {}, ArialBold(kLabelPixels), Qt::white);
    Password = new QLineEdit(this);
    Password->setGeometry(kPassword);
    Label1->setBuddy(Password);
    OKBtn = new QPushButton(this);
    OKBtn->setGeometry(kOKBtn);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(this);
    CancelBtn->setGeometry(kCancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    new TFocusMark(this);
}

void TBejelentkez::FormActivate() {
    setWindowTitle(tr(" Bejelentkezés"));
    Label1->setText(tr("Add meg az azonosító kódodat"));
    Label1->adjustSize();
    OKBtn->setText(tr("OK"));
    CancelBtn->setText(tr("Mégsem"));
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
            tr("Az azonosító nem tartalmazhat / \\ : * ? \" < > | jelet,\r"
               "két egymás utáni pontot (..) és vezérlőkaraktert.\rAdj meg másik azonosítót!")
                .toStdString(),
            Tr(kInputErrorCaption), 0);
        Password->selectAll();
        Password->setFocus();
        return false;
    }
    if (typed.size() > kMaxIdentifierLength) {
        ShowMessageDialog(tr("Az azonosító legfeljebb %1 bájt hosszú lehet (egy ékezetes betű 2 "
                             "bájt).\rAdj meg rövidebb azonosítót!")
                              .arg(kMaxIdentifierLength)
                              .toStdString(),
                          Tr(kInputErrorCaption), kMsgOkOnly);
        Password->selectAll();
        Password->setFocus();
        return false;
    }
    if (const std::optional<std::string> problem = WindowsNameProblem(typed)) {
        ShowMessageDialog(tr("Ez az azonosító nem használható: %1.\rAdj meg másik azonosítót!")
                              .arg(QString::fromStdString(*problem))
                              .toStdString(),
                          Tr(kInputErrorCaption), kMsgOkOnly);
        Password->selectAll();
        Password->setFocus();
        return false;
    }
    if (Claim) {
        if (const std::optional<std::string> refused = Claim(typed)) {
            ShowMessageDialog(*refused, Tr(kInputErrorCaption), kMsgOkOnly);
            Password->selectAll();
            Password->setFocus();
            return false;
        }
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
