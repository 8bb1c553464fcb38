#pragma once

#include <QMainWindow>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "apparatus/core/Form1Logic.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QFrame;
class QTimer;
class QFileDialog;
class QGraphicsProxyWidget;
class QGraphicsView;
class QKeyEvent;

namespace sim {

class DragGhost;
class PanelDrag;
class TAboutBox;
class TAnnouncer;
class TBejelentkez;
class TFocusMark;
class TForm2;
class TKompDlg;
class TLeiras;
class TNaplo;
class SpeedClock;
class TMuszer;
class TShape;
class TUpDown;

// The main window. It builds its widgets and dialogs, then runs the creation handler of the
// apparatus logic it owns, so the logic's hooks only ever reach a complete window. After every
// handler it runs and every tick, the widgets are brought in line with the logic's records.
class TForm1 : public QMainWindow {
    Q_OBJECT

  public:
    TForm1(Clock& clock, std::string programDir, QWidget* parent = nullptr);
    ~TForm1() override;

    // The apparatus shown: its handlers, model and control records.
    TForm1Logic& Logic();
    const TForm1Logic& Logic() const;

    // Shows the control records on the widgets.
    void SyncControls();

    // --- the shell: login, title, menu, close ---
    void FormActivate();
    bool FormCloseQuery();
    void Vge1Click();
    void Nvjegy1Click() const;
    void Lers1Click();
    // True once a cancelled login has ended the program.
    bool LoginCancelled() const { return loginCancelled_; }

    // --- the class edition: its menu, the measurement log, the physics page, faster time
    // (through the clock the window runs on) and zoom. None of it exists in the competition.
    void EnableClassMode(SpeedClock& speed);
    bool ClassMode() const { return Naplo != nullptr; }
    void SetSpeed(int factor);
    TNaplo* Naplo = nullptr;
    TLeiras* Fizika = nullptr;
    QAction* Naplo1 = nullptr;
    QAction* Fizika1 = nullptr;
    std::vector<QAction*> SpeedActions;  // x1, x5, x20
    QAction* ZoomIn1 = nullptr;
    QAction* ZoomOut1 = nullptr;
    QAction* ZoomReset1 = nullptr;

    // --- a window that fits the screen (both editions): where the screen's available area is
    // smaller than the window, the whole window is shown uniformly smaller, inside the area;
    // elsewhere it keeps its place and size. The panels' coordinates never change.
    void FitToScreen();
    // The class edition's zoom, within what the screen allows.
    void SetZoom(double zoom);
    double Zoom() const { return zoom_; }
    // The scale the window is shown at (1 unless it had to shrink or is zoomed).
    double Scale() const { return scale_; }
    // The view that shows the client area scaled, once one was needed.
    QGraphicsView* ScaledView() const { return view_; }

    // The dialogs, made hidden after the message dialog, in the order of start-up.
    TForm2* Form2 = nullptr;
    TKompDlg* KompDlg = nullptr;
    TBejelentkez* Bejelentkez = nullptr;
    TAboutBox* AboutBox = nullptr;
    // The user guide, for "Leírás" when the task document is missing.
    TLeiras* Leiras = nullptr;
    QFileDialog* SaveDialog1 = nullptr;
    QFileDialog* OpenDialog1 = nullptr;
    // Ends the program at once (a cancelled login); tests replace it.
    std::function<void()> EndApplication;
    // Where "Leírás" looks for the document after the work folder (nowhere when empty).
    std::string SystemDocumentFolder;
    // Opens a document with the desktop's application for it; tests replace it.
    std::function<void(const std::string& path)> OpenDocument;
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
    // The keyboard's focus ring, and what the window says to a screen reader beside the focus.
    TFocusMark* FocusMark = nullptr;
    TAnnouncer* Announcer = nullptr;

    // The controls in the order Tab visits them: the panels in reading order, then the sources
    // and components in their stacking order. Disabled ones are passed over by Tab.
    std::vector<QWidget*> TabChain() const;

    // The widget that shows a panel item.
    QWidget* WidgetOf(const FieldItem& item) const;
    DragGhost* Ghost() const;

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // The logic wired to this window: its hooks reach the window, and it answers the panel
    // drag's questions.
    class ShownLogic;

    void CreateDialogs();
    void BuildPanel2(QWidget* client);
    void BuildPanel1(QWidget* client);
    void BuildPanel3(QWidget* client);
    void BuildMenu();
    // Names and descriptions for assistive technology, from the captions and labels shown.
    void DescribeControls();
    void ApplyTabOrder();
    // The keys of a focused source or component; true when the key was theirs.
    bool ItemKeyPress(FieldItem& item, const QKeyEvent& key);
    void StepComponent(FieldItem& component, int dx, int dy);
    void PlaceSource(FieldItem& source, FieldItem& marker);
    // Names the sources and components by kind and field position.
    void NameItems();
    // Says what a person must notice now that the records changed (a count or a series ended).
    void AnnounceChanges();
    QPushButton* MakeButton(QWidget* parent, const ButtonControl& control, QRect place,
                            void (TForm1Logic::*handler)());
    // Runs a handler the user triggered, then shows its effect.
    void Perform(void (TForm1Logic::*handler)());
    void ApplyStacking();

    // What the logic's hooks do on this window.
    int ShowMessage(const std::string& text, const std::string& caption, int flags);
    void ShowMeters();
    void SelectAllAndFocus(EditControl& edit);
    std::optional<std::string> ExecuteSaveDialog();
    std::optional<std::string> ExecuteOpenDialog(const std::string& filter);
    int ExecuteKompDlg(FieldItem& component, std::int32_t& x, std::int32_t& y);

    std::unique_ptr<ShownLogic> logic_;
    std::unique_ptr<PanelDrag> drag_;
    std::map<const FieldItem*, QWidget*> itemWidgets_;
    std::map<const QWidget*, FieldItem*> widgetItems_;
    // In the order of creation: synchronised by address, the focus of a disabled button went
    // wherever the heap had put the buttons.
    std::vector<std::pair<QPushButton*, const ButtonControl*>> buttons_;
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
    bool shownMeasuring_ = false;
    bool shownSeries_ = false;
    std::map<const QWidget*, QString> itemNames_;
    // The label of the box each control stands in, which tells the three Start buttons apart.
    std::map<QWidget*, QLabel*> groups_;
    bool loginShown_ = false;
    bool loginCancelled_ = false;

    void LogCount(const FinishedCount& count);
    void KeepFocusInBox(QWidget* leaving);
    void ShowScaled(double scale);
    QWidget* client_ = nullptr;
    QGraphicsView* view_ = nullptr;
    QGraphicsProxyWidget* proxy_ = nullptr;
    SpeedClock* speed_ = nullptr;
    double zoom_ = 1;
    double scale_ = 1;
    bool fitsScreen_ = false;
};

}  // namespace sim
