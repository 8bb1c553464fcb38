#include "geometry/KompDlg.h"

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "common/Conversions.h"
#include "widgets/ClassicLook.h"
#include "widgets/FocusMark.h"
#include "widgets/MessageDialog.h"

namespace sim {

namespace {

constexpr int kFontPixels = 13;

struct Place {
    int left;
    int top;
    int width;
    int height;
};

constexpr Place kBevel1{8, 8, 209, 193};
constexpr Place kEdit3{58, 39, 82, 24};
constexpr Place kEdit1{59, 103, 82, 24};
constexpr Place kEdit2{59, 132, 82, 24};
constexpr Place kOkBtn{236, 8, 75, 25};
constexpr Place kCancelBtn{236, 38, 75, 25};
constexpr Place kButton1{24, 164, 177, 25};

void SetPlace(QWidget* w, const Place& p) {
    w->setGeometry(p.left, p.top, p.width, p.height);
}

}  // namespace

TKompDlg::TKompDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      font_(ArialBold(kFontPixels)) {
    setFont(font_);
    setWindowTitle(tr(kKompCaption));
    setFixedSize(kClientWidth, kClientHeight);

    SetColours(this, kTeal, Qt::white);
    bevel1_ = MakeSunkenBevel(this);
    SetPlace(bevel1_, kBevel1);

    const auto makeLabel = [this](const char* text, int left, int top) {
        auto* label = new QLabel(tr(text), this);
        label->move(left, top);
        label->adjustSize();
        return label;
    };
    label1_ = makeLabel(QT_TR_NOOP("A komponens típusa: "), 24, 19);
    label2_ = makeLabel(QT_TR_NOOP("A komponens helyzete "), 21, 67);
    label5_ = makeLabel(QT_TR_NOOP("(bal felső sarokpont) "), 29, 84);
    label3_ = makeLabel("x = ", 26, 109);
    label4_ = makeLabel("y = ", 28, 136);

    // Text boxes and buttons keep the ordinary look: black text on their usual ground.
    QPalette boxPal = QApplication::palette();
    boxPal.setColor(QPalette::Text, Qt::black);
    boxPal.setColor(QPalette::Base, Qt::white);
    const auto makeEdit = [this, &boxPal](const QString& text, const Place& place) {
        auto* edit = new QLineEdit(text, this);
        edit->setPalette(boxPal);
        SetPlace(edit, place);
        return edit;
    };
    edit3_ = makeEdit(tr("higany"), kEdit3);
    edit3_->setReadOnly(true);
    edit1_ = makeEdit("0", kEdit1);
    edit2_ = makeEdit("0", kEdit2);

    const auto makeButton = [this](const QString& caption, const Place& place, int result) {
        auto* button = new QPushButton(caption, this);
        button->setPalette(QApplication::palette());
        SetPlace(button, place);
        connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        return button;
    };
    okBtn_ = makeButton(tr("OK"), kOkBtn, kKompOk);
    cancelBtn_ = makeButton(tr("Mégsem"), kCancelBtn, kKompCancel);
    button1_ = makeButton(tr("Vissza a helyére"), kButton1, kKompPutBack);
    okBtn_->setDefault(true);

    setTabOrder(edit3_, edit1_);
    setTabOrder(edit1_, edit2_);
    setTabOrder(edit2_, button1_);
    setTabOrder(button1_, okBtn_);
    setTabOrder(okBtn_, cancelBtn_);

    // The boxes are named by the labels before them.
    label1_->setBuddy(edit3_);
    label3_->setBuddy(edit1_);
    label4_->setBuddy(edit2_);
    new TFocusMark(this);
}

TKompDlg::~TKompDlg() = default;

int TKompDlg::Execute() {
    if (EditedShape == nullptr || FieldImage == nullptr) {
        return kKompCancel;
    }
    return exec();
}

void TKompDlg::FormActivate() {
    if (EditedShape == nullptr || FieldImage == nullptr) {
        return;
    }
    const std::int64_t x = std::int64_t{EditedShape->Left} - FieldImage->Left;
    const std::int64_t y = std::int64_t{EditedShape->Top} - FieldImage->Top;
    edit1_->setText(QString::number(x));
    edit2_->setText(QString::number(y));
    if (const auto kind = ComponentKindText(EditedShape->Tag)) {
        edit3_->setText(QString::fromStdString(*kind));
    }
}

bool TKompDlg::FormCloseQuery(int result) {
    if (result == kKompCancel) {
        return true;
    }
    const auto x = ParseWholeNumber(edit1_->text().toStdString());
    if (!x) {
        Refuse(kKompBadX, edit1_);
        return false;
    }
    const auto y = ParseWholeNumber(edit2_->text().toStdString());
    if (!y) {
        Refuse(kKompBadY, edit2_);
        return false;
    }
    if (EditedShape != nullptr && FieldImage != nullptr) {
        if (ComponentCollides(components_, *FieldImage, *x, *y, *EditedShape)) {
            Refuse(kKompCollision, nullptr);
            return false;
        }
        // A position the panel cannot represent would overflow when applied. Only a y near the
        // 32-bit limit gets here: x that far out is refused as lying too far right above.
        if (!PanelPlaceFits(*FieldImage, *x, 0, *EditedShape)) {
            Refuse(kKompBadX, edit1_);
            return false;
        }
        if (!PanelPlaceFits(*FieldImage, *x, *y, *EditedShape)) {
            Refuse(kKompBadY, edit2_);
            return false;
        }
    }
    x_ = *x;
    y_ = *y;
    return true;
}

void TKompDlg::Refuse(const char* text, QLineEdit* field) {
    ShowMessageDialog(tr(text).toStdString(), tr(kKompErrorCaption).toStdString(), kMsgOkOnly);
    if (field != nullptr) {
        field->selectAll();
        field->setFocus();
    }
}

void TKompDlg::done(int result) {
    if (!FormCloseQuery(result)) {
        return;
    }
    QDialog::done(result);
}

void TKompDlg::reject() {
    done(kKompCancel);
}

void TKompDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Only a real showing refills the boxes: regaining activation after one of the dialog's
    // own messages, or being restored, keeps what the person typed.
    if (!event->spontaneous()) {
        CentreOnScreen();
        FormActivate();
        edit1_->selectAll();
        edit1_->setFocus();
    }
}

void TKompDlg::CentreOnScreen() {
    QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (s == nullptr) {
        return;
    }
    const QRect area = s->availableGeometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

}  // namespace sim
