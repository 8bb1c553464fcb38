#pragma once

// Komp: the component position dialog. A right-click on a component opens it; it shows the
// component's kind and the field position of its top-left corner, lets the person type a new
// position or ask for the put-back, and refuses to close on text that is no whole number or on
// a position where the component would collide. It moves nothing itself.

#include <QDialog>
#include <QFont>

#include <cstdint>
#include <string>

#include "geometry/core/Placement.h"
#include "common/DialogCodes.h"
#include "physics/ApparatusModel.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

namespace sim {

// The dialog's texts, shown through tr().
inline constexpr const char* kKompCaption = QT_TRANSLATE_NOOP("sim::TKompDlg", "Komponens ");
inline constexpr const char* kKompErrorCaption = QT_TRANSLATE_NOOP("sim::TKompDlg", "*** Hiba ***");
inline constexpr const char* kKompBadX = QT_TRANSLATE_NOOP("sim::TKompDlg", "Érvénytelen adat");
inline constexpr const char* kKompBadY =
    QT_TRANSLATE_NOOP("sim::TKompDlg", "  Érvénytelen adat!!  ");
inline constexpr const char* kKompCollision =
    QT_TRANSLATE_NOOP("sim::TKompDlg", "  Ütközés más komponenssel!!  ");

class TKompDlg : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kClientWidth = 321;
    static constexpr int kClientHeight = 222;

    // Created once and reused for every component.
    explicit TKompDlg(QWidget* parent = nullptr);
    ~TKompDlg() override;

    // Set by the caller before every showing; not owned. EditedShape is the component,
    // FieldImage the field image whose Left/Top is the origin of the shown coordinates.
    const PanelItem* EditedShape = nullptr;
    const PanelItem* FieldImage = nullptr;
    // The six components the overlap test looks at; not owned.
    void SetComponents(const ComponentTable& components) { components_ = components; }

    // Shows the dialog modally and returns kKompOk, kKompCancel or kKompPutBack. Without
    // EditedShape and FieldImage it returns kKompCancel at once.
    int Execute();
    // The coordinates validated by the last close with OK or put-back, in field pixels.
    std::int32_t X() const { return x_; }
    std::int32_t Y() const { return y_; }

    // Fills the three text boxes from EditedShape; runs on every showing.
    void FormActivate();
    // Whether the dialog may close with result; shows the reason when it may not.
    bool FormCloseQuery(int result);

    QFrame* Bevel1() const { return bevel1_; }
    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    QLabel* Label3() const { return label3_; }
    QLabel* Label4() const { return label4_; }
    QLabel* Label5() const { return label5_; }
    QLineEdit* Edit1() const { return edit1_; }
    QLineEdit* Edit2() const { return edit2_; }
    QLineEdit* Edit3() const { return edit3_; }
    QPushButton* OKBtn() const { return okBtn_; }
    QPushButton* CancelBtn() const { return cancelBtn_; }
    QPushButton* Button1() const { return button1_; }

  public slots:
    // Every way of closing comes here, and is refused unless FormCloseQuery allows it.
    void done(int result) override;
    // Esc and the close box: Cancel.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Refuse(const char* text, QLineEdit* field);
    void CentreOnScreen();

    QFont font_;
    ComponentTable components_{};
    std::int32_t x_ = 0;
    std::int32_t y_ = 0;

    QFrame* bevel1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label4_ = nullptr;
    QLabel* label5_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QLineEdit* edit3_ = nullptr;
    QPushButton* okBtn_ = nullptr;
    QPushButton* cancelBtn_ = nullptr;
    QPushButton* button1_ = nullptr;
};

}  // namespace sim
