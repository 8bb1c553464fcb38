#pragma once

#include <QMainWindow>

#include <deque>
#include <functional>
#include <map>
#include <optional>

#include "apparatus/core/Form1Logic.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QFrame;
class QTimer;
class QFileDialog;

namespace sim {

class DragGhost;
class TAboutBox;
class TBejelentkez;
class TForm2;
class TKompDlg;
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

    // Creates the window's dialogs, hidden, in the order of start-up (after the message
    // dialog): Form2, KompDlg, Bejelentkez, AboutBox.
    void CreateDialogs();

    // Shows the control records on the widgets.
    void SyncControls();

    // --- the shell: login, title, menu, close ---
    void FormActivate();
    bool FormCloseQuery();
    void Vge1Click();
    void Nvjegy1Click();
    void Lers1Click();
    // True once a cancelled login has ended the program.
    bool LoginCancelled() const { return loginCancelled_; }

    TForm2* Form2 = nullptr;
    TKompDlg* KompDlg = nullptr;
    TBejelentkez* Bejelentkez = nullptr;
    TAboutBox* AboutBox = nullptr;
    QFileDialog* SaveDialog1 = nullptr;
    QFileDialog* OpenDialog1 = nullptr;
    // Ends the program at once (a cancelled login); tests replace it.
    std::function<void()> EndApplication;
    // Answers for the two file dialogs, taken in order instead of showing them (for tests).
    std::deque<std::optional<std::string>> FileDialogAnswers;

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
    void HideForm2() override;
    std::optional<std::string> ExecuteSaveDialog() override;
    std::optional<std::string> ExecuteOpenDialog(const std::string& filter) override;
    int ExecuteKompDlg(FieldItem& component, std::int32_t& x, std::int32_t& y) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

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
    std::optional<std::string> RunFileDialog(QFileDialog& dialog);
    void SyncButton(QPushButton* button, const ButtonControl& control);
    // What the widgets show, so that a tick touches only what changed.
    std::map<const QPushButton*, std::string> shownCaptions_;
    void ShowMeterFrame();
    QTimer* meterFrame_ = nullptr;
    std::optional<double> shownPressure_;
    std::optional<double> shownSpeed_;
    bool inEdit5Exit_ = false;
    bool loginShown_ = false;
    bool loginCancelled_ = false;
};

}  // namespace sim
