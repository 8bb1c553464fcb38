#pragma once

#include <QMainWindow>

#include <map>

#include "apparatus/core/Form1Logic.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QFrame;

namespace sim {

class DragGhost;
class TMuszer;
class TShape;
class TUpDown;

// The main window: the apparatus logic shown on real widgets. After every handler it runs and
// every tick, the widgets are brought in line with the logic's control records.
class TForm1 : public QMainWindow, public TForm1Logic {
    Q_OBJECT

  public:
    TForm1(Clock& clock, std::string programDir, QWidget* parent = nullptr);
    ~TForm1() override;

    // Shows the control records on the widgets.
    void SyncControls();

    // Widgets, by their form names.
    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QFrame* Panel3 = nullptr;
    QFrame* Panel4 = nullptr;
    QLabel* Image1 = nullptr;
    TMuszer* Muszer1 = nullptr;
    TMuszer* Muszer2 = nullptr;
    QPushButton* BitBtn1Widget = nullptr;
    QPushButton* BitBtn2Widget = nullptr;
    QPushButton* BitBtn3Widget = nullptr;
    QPushButton* BitBtn4Widget = nullptr;
    QPushButton* BitBtn5Widget = nullptr;
    QPushButton* BitBtn6Widget = nullptr;
    QPushButton* BitBtn7Widget = nullptr;
    QPushButton* BitBtn8Widget = nullptr;
    QPushButton* Button1Widget = nullptr;
    QPushButton* Button2Widget = nullptr;
    QLineEdit* MaskEdit1Widget = nullptr;
    TUpDown* UpDown1Widget = nullptr;
    QCheckBox* CheckBox1Widget = nullptr;
    QLineEdit* Edit5Widget = nullptr;
    QLineEdit* Edit6Widget = nullptr;
    QLineEdit* Edit7Widget = nullptr;
    QLabel* Label8Widget = nullptr;
    QAction* Vge1 = nullptr;
    QAction* Nvjegy1 = nullptr;
    QAction* Lers1 = nullptr;

    // The widget that shows a panel item, and the topmost item under a point of the panel.
    QWidget* WidgetOf(const FieldItem& item) const;
    FieldItem* ItemAt(QPoint panelPos) const;
    const FieldItem* Dragged() const { return dragged_; }
    DragGhost* Ghost() const { return ghost_; }

  protected:
    int ShowMessageDialog(const std::string& text, const std::string& caption, int flags) override;
    void UpdateMeters() override;
    void SelectAllAndFocus(EditControl& edit) override;
    void ControlsChanged() override { SyncControls(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildPanel2(QWidget* client);
    void BuildPanel1(QWidget* client);
    void BuildPanel3(QWidget* client);
    void BuildMenu();
    QPushButton* MakeButton(QWidget* parent, const ButtonControl& control, QRect place,
                            void (TForm1Logic::*handler)());
    // Runs a handler the user triggered, then shows its effect.
    void Perform(void (TForm1Logic::*handler)());
    void ApplyStacking();
    bool ItemMouseEvent(FieldItem& item, QWidget* widget, QEvent* event);
    // Asks the item under the pointer whether it takes the dragged item; shows the answer.
    bool UpdateDrag(QPoint panelPos, FieldItem** target);
    void FinishDrag(QPoint panelPos);

    std::map<const FieldItem*, QWidget*> itemWidgets_;
    std::map<const QWidget*, FieldItem*> widgetItems_;
    FieldItem* dragged_ = nullptr;
    DragGhost* ghost_ = nullptr;
    std::map<QPushButton*, const ButtonControl*> buttons_;
    QList<QWidget*> captionBoxes_;
    std::uint64_t appliedStacking_ = ~std::uint64_t{0};
    bool inEdit5Exit_ = false;
};

}  // namespace sim
