#include "apparatus/About.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "BuildInfo.h"
#include "widgets/ClassicLook.h"
#include "widgets/FocusMark.h"

namespace sim {

namespace {
constexpr int kMinClientWidth = 378;
constexpr int kMaxClientWidth = 1000;
constexpr int kClientHeight = 205;
constexpr QPoint kPanelAt(8, 8);
constexpr int kPanelHeight = 154;
constexpr int kPanelMargin = 16;  // left and right of the folder's line inside the panel
constexpr QRect kProgramIcon(16, 16, 65, 57);
constexpr QPoint kProductName(96, 24);
constexpr QPoint kVersion(96, 56);
constexpr QPoint kProgramVersionLabel(96, 84);
constexpr QPoint kWorkFolderCaption(16, 110);
constexpr QPoint kWorkFolderPath(16, 128);
constexpr QSize kOKButton(75, 25);
constexpr int kOKButtonTop = 171;
constexpr int kDetailPixels = 13;
constexpr int kModeGap = 12;  // between the version and the mode

}  // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(tr("Névjegy"));
    panel_ = new QFrame(this);
    panel_->move(kPanelAt);
    panel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SetColours(panel_, kTeal, Qt::white);

    ProgramIcon = new QLabel(panel_);
    ProgramIcon->setGeometry(kProgramIcon);
    ProgramIcon->setScaledContents(true);
    ProductName = MakeLabel(panel_, kProductName, tr("Országos Brenn Fizikaverseny  "),
                            ArialBold(16), Qt::white);
    Version =
        MakeLabel(panel_, kVersion, tr("Számítógépes feladat 2017"), ArialBold(14), Qt::white);
    ProgramVersion = MakeLabel(panel_, kProgramVersionLabel, tr("Verzió: ") + kProgramVersion,
                               ArialBold(kDetailPixels), Qt::white);
    ProgramMode = MakeLabel(panel_, kProgramVersionLabel, {}, ArialBold(kDetailPixels), Qt::white);
    WorkFolderCaption =
        MakeLabel(panel_, kWorkFolderCaption, tr("Munkamappa:"), ArialBold(kDetailPixels), Qt::white);
    WorkFolderPath = MakeLabel(panel_, kWorkFolderPath, {}, ArialBold(kDetailPixels), Qt::white);
    // A supervisor may want to copy it.
    WorkFolderPath->setTextInteractionFlags(Qt::TextSelectableByMouse);

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->resize(kOKButton);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    SetWorkFolder({});
    new TFocusMark(this);
}

void TAboutBox::SetWorkFolder(const std::string& folder) {
    const QString path = QString::fromStdString(folder);
    const QFontMetrics metrics(WorkFolderPath->font());
    const int widest = kMaxClientWidth - 2 * (kPanelAt.x() + kPanelMargin);
    WorkFolderPath->setText(metrics.elidedText(path, Qt::ElideMiddle, widest));
    WorkFolderPath->setToolTip(path);
    WorkFolderPath->adjustSize();
    Layout();
}

void TAboutBox::SetMode(const QString& text) {
    ProgramMode->setText(text);
    ProgramMode->adjustSize();
    ProgramMode->move(ProgramVersion->x() + ProgramVersion->width() + kModeGap,
                      ProgramVersion->y());
    Layout();
}

void TAboutBox::Layout() {
    // Wide enough for the folder and for every line right of the icon: a translated title is
    // longer than the Hungarian one, which fits the smallest box.
    int needed = WorkFolderPath->width() + 2 * kPanelMargin;
    for (const QLabel* line : {ProductName, Version, ProgramVersion, ProgramMode}) {
        needed = std::max(needed, line->x() + line->sizeHint().width() + kPanelMargin);
    }
    const int width =
        std::clamp(needed + 2 * kPanelAt.x(), kMinClientWidth, kMaxClientWidth);
    setFixedSize(width, kClientHeight);
    panel_->resize(width - 2 * kPanelAt.x(), kPanelHeight);
    OKButton->move((width - kOKButton.width()) / 2, kOKButtonTop);
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
