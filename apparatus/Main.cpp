#include "apparatus/Main.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "apparatus/About.h"
#include "apparatus/Bejel.h"
#include "apparatus/Eredmeny.h"
#include "apparatus/Leiras.h"
#include "apparatus/Naplo.h"
#include "assets/Pictures.h"
#include "common/Platform.h"
#include "common/SpeedClock.h"
#include "geometry/FieldDrawing.h"
#include "geometry/KompDlg.h"
#include "geometry/PanelDrag.h"
#include "geometry/core/PanelLayout.h"
#include "geometry/core/Placement.h"
#include "translations/Language.h"
#include "widgets/Accessibility.h"
#include "widgets/ClassicLook.h"
#include "widgets/FileDialogs.h"
#include "widgets/FocusMark.h"
#include "widgets/MessageDialog.h"
#include "widgets/Meter.h"
#include "widgets/Shapes.h"

namespace sim {

namespace {

// The meters follow every refresh (a hundred a second while the pump runs), but the screen
// shows them at most this often: although they draw only when painted, a hundred repaints a
// second would take more than 5% of a core while pumping.
constexpr int kMeterFrameMs = 40;

// The task's document, which the competition hands out beside the program.
constexpr const char* kHelpDocument = "Brenn2017.docx";

// Colours of the window.
const QColor kMoneyGreen(192, 220, 192);
const QColor kLightYellow(255, 255, 208);
const QColor kMercuryBlue(0, 0, 255);
const QColor kDetectorFuchsia(255, 0, 255);
const QColor kLeadGrey(128, 128, 128);

// Places of the window (client pixels) and of the panels' controls (panel pixels).
constexpr QSize kClientSize(1234, 701);
constexpr QPoint kWindowPos(241, 128);
constexpr QRect kPanel2(9, 5, 465, 292);
constexpr QRect kPanel1(488, 4, 738, 293);
constexpr QRect kPanel3(9, 303, 1217, 393);
constexpr QRect kPanel4(576, 9, 153, 278);
constexpr QRect kMuszer1(17, 9, 265, 280);
constexpr QRect kMuszer2(301, 8, 265, 280);

constexpr QRect kBevel1(16, 7, 433, 177);
constexpr QRect kImage1(18, 12, 425, 172);
constexpr QRect kBevel2(16, 190, 143, 91);
constexpr QPoint kLabel2(21, 196);
constexpr QRect kBitBtn8(50, 216, 75, 25);
constexpr QRect kBitBtn1(21, 248, 60, 25);
constexpr QRect kBitBtn2(94, 248, 58, 25);
constexpr QRect kBevel3(171, 190, 167, 91);
constexpr QPoint kLabel3(184, 193);
constexpr QRect kMaskEdit1(178, 212, 121, 30);
constexpr QRect kUpDown1(299, 212, 23, 30);
constexpr QRect kBitBtn3(179, 248, 73, 25);
constexpr QRect kBitBtn4(261, 248, 67, 25);
constexpr QRect kBevel4(349, 190, 95, 91);
constexpr QPoint kLabel4(358, 191);
constexpr QRect kButton1(361, 216, 75, 25);
constexpr QRect kButton2(362, 248, 75, 25);

constexpr QPoint kLabel9(43, 7);
constexpr QRect kCheckBox1(16, 27, 127, 17);
constexpr QRect kEdit5(15, 49, 123, 32);
constexpr QPoint kLabel5(35, 87);
constexpr QRect kEdit6(16, 108, 123, 32);
constexpr QPoint kLabel7(26, 149);
constexpr QRect kEdit7(16, 170, 123, 32);
constexpr QRect kBitBtn7(39, 210, 75, 25);
constexpr QRect kBitBtn5(12, 242, 53, 25);
constexpr QRect kBitBtn6(93, 242, 49, 25);

struct BinPlace {
    QRect Frame;
    const char* Caption;
    QRect CaptionBox;
};
constexpr BinPlace kBins[] = {
    {{1087, 8, 124, 73}, QT_TRANSLATE_NOOP("sim::TForm1", " Au-források"), {1104, 15, 89, 24}},
    {{1089, 85, 121, 95}, QT_TRANSLATE_NOOP("sim::TForm1", " Hg céltárgy"), {1105, 90, 89, 24}},
    {{1090, 183, 122, 93}, QT_TRANSLATE_NOOP("sim::TForm1", "    Detektor"), {1107, 188, 89, 24}},
    {{1087, 279, 124, 95},
     QT_TRANSLATE_NOOP("sim::TForm1", " Ólom árnyékolás"),
     {1090, 283, 118, 24}},
};

// The class edition's speeds of time and steps of zoom.
constexpr int kSpeeds[] = {1, 5, 20};
constexpr double kZoomStep = 1.25;
constexpr double kMinZoom = 0.5;
constexpr double kMaxZoom = 2.5;

constexpr int kLabelPixels = 16;
constexpr int kButtonPixels = 13;
constexpr int kSpeedPixels = 19;
constexpr int kCounterPixels = 21;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QFrame* MakePanel(QWidget* parent, QRect place, QColor colour) {
    auto* panel = new QFrame(parent);
    panel->setGeometry(place);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    SetColours(panel, colour, Qt::black);
    return panel;
}

QFrame* MakeBevel(QWidget* parent, QRect place) {
    auto* bevel = new QFrame(parent);
    bevel->setGeometry(place);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setLineWidth(1);
    bevel->setMidLineWidth(0);
    return bevel;
}

QLabel* MakeLabel(QWidget* parent, QPoint at, const QString& text, int pixels = kLabelPixels) {
    return sim::MakeLabel(parent, at, text, ArialBold(pixels), Qt::white);
}

// A caption at the place of its Hungarian text, shown in the language in use. A translation
// keeps the Hungarian text's centre, so a longer or shorter word stays over its box; the
// Hungarian text itself stands exactly at its place.
QLabel* MakeCaption(QWidget* parent, QPoint at, const char* source) {
    const QString shown = TForm1::tr(source);
    QLabel* label = MakeLabel(parent, at, shown);
    const QFontMetrics metrics(label->font());
    const int shift =
        (metrics.horizontalAdvance(QString::fromUtf8(source)) - metrics.horizontalAdvance(shown)) /
        2;
    label->move(std::max(0, at.x() + shift), at.y());
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, QRect place, int pixels, bool readOnly,
                    QColor background = Qt::white) {
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(place);
    edit->setFont(ArialBold(pixels));
    edit->setReadOnly(readOnly);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, Qt::black);
    edit->setPalette(palette);
    if (readOnly) {
        edit->setFocusPolicy(Qt::NoFocus);
    }
    return edit;
}

void SetTextIfChanged(QLineEdit* edit, const std::string& text) {
    const QString shown = Q(text);
    if (edit->text() != shown) {
        edit->setText(shown);
    }
}

}  // namespace

class TForm1::ShownLogic final : public TForm1Logic, public PanelDrag::Owner {
  public:
    ShownLogic(TForm1& window, Clock& clock, std::string programDir)
        : TForm1Logic(clock, std::move(programDir)), window_(window) {}

  private:
    int ShowMessageDialog(const std::string& text, const std::string& caption, int flags) override {
        return window_.ShowMessage(text, caption, flags);
    }
    std::optional<std::string> ExecuteSaveDialog() override { return window_.ExecuteSaveDialog(); }
    std::optional<std::string> ExecuteOpenDialog(const std::string& filter) override {
        return window_.ExecuteOpenDialog(filter);
    }
    void UpdateMeters() override { window_.ShowMeters(); }
    void HideForm2() override { window_.Form2->hide(); }
    void SelectAllAndFocus(EditControl& edit) override { window_.SelectAllAndFocus(edit); }
    int ExecuteKompDlg(FieldItem& component, std::int32_t& x, std::int32_t& y) override {
        return window_.ExecuteKompDlg(component, x, y);
    }
    void ControlsChanged() override { window_.SyncControls(); }
    void CountFinished(const FinishedCount& count) override { window_.LogCount(count); }
    void SeriesPointMeasured(const FinishedCount& point) override { window_.LogCount(point); }

    // Every item the drag knows is one of this logic's panel items.
    static FieldItem& Field(PanelItem& item) { return static_cast<FieldItem&>(item); }
    static const FieldItem& Field(const PanelItem& item) {
        return static_cast<const FieldItem&>(item);
    }
    std::vector<PanelItem*> StackedItems() const override {
        return {Stacking().begin(), Stacking().end()};
    }
    const QWidget* ItemWidget(const PanelItem& item) const override {
        return window_.WidgetOf(Field(item));
    }
    bool CanTake(const PanelItem& item) const override { return Field(item).Draggable; }
    bool Accepts(const PanelItem& target, const PanelItem& dragged, int X, int Y) override {
        return DragOver(Field(target), Field(dragged), X, Y);
    }
    void Drop(PanelItem& target, PanelItem& dragged, int X, int Y) override {
        DragDrop(Field(target), Field(dragged), X, Y);
    }
    bool SnapsToTarget(const PanelItem& dragged) const override { return IsSource(Field(dragged)); }

    TForm1& window_;
};

TForm1::TForm1(Clock& clock, std::string programDir, QWidget* parent)
    : QMainWindow(parent),
      logic_(std::make_unique<ShownLogic>(*this, clock, std::move(programDir))) {
    setWindowTitle(tr("Trelko kísérlet szimulációja Brenn Verseny 2017"));
    auto* client = new QWidget(this);
    client_ = client;
    SetColours(client, kMoneyGreen, Qt::black);
    client->setFixedSize(kClientSize);
    setCentralWidget(client);
    BuildMenu();
    BuildPanel2(client);
    BuildPanel1(client);
    BuildPanel3(client);
    move(kWindowPos);
    EndApplication = [] { QCoreApplication::exit(0); };
    // The system's shell where it opens documents itself (Windows), else the desktop's services.
    OpenDocument = [](const std::string& path) {
        if (!platform::OpenWithShell(path)) {
            QDesktopServices::openUrl(QUrl::fromLocalFile(Q(path)));
        }
    };
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    CreateDialogs();

    TForm1Logic& logic = *logic_;
    logic.FormCreate();

    QImage field(kExperimentPlace.Width, kExperimentPlace.Height, QImage::Format_RGB32);
    const ApparatusModel& model = logic.Model;
    DrawExperimentField(field, model.RotorCenterX, model.RotorCenterY, model.RotorRadius);
    static_cast<QLabel*>(WidgetOf(logic.Experiment))->setPixmap(QPixmap::fromImage(field));
    QImage photo = ApparatusPhoto();
    DrawPhotoFrame(photo, kImage1.width(), kImage1.height());
    Image1->setPixmap(QPixmap::fromImage(photo));

    FocusMark = new TFocusMark(client);
    FocusMark->RingTogether(UpDown1Widget, MaskEdit1Widget);
    Announcer = new TAnnouncer(client);
    DescribeControls();
    SyncControls();
}

TForm1::~TForm1() = default;

TForm1Logic& TForm1::Logic() {
    return *logic_;
}

const TForm1Logic& TForm1::Logic() const {
    return *logic_;
}

void TForm1::CreateDialogs() {
    CreateMessageDialog(this);
    Form2 = new TForm2(this);
    KompDlg = new TKompDlg(this);
    Bejelentkez = new TBejelentkez(this);
    Bejelentkez->Claim = [this](const std::string& identifier) {
        return Logic().ClaimIdentifier(identifier);
    };
    AboutBox = new TAboutBox(this);
    AboutBox->SetMode(tr("Üzemmód: verseny"));
    AboutBox->SetWorkFolder(logic_->Model.ProgramDir);
    Leiras = new TLeiras(this);

    SaveDialog1 = new QFileDialog(this);
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setFileMode(QFileDialog::AnyFile);
    SaveDialog1->setNameFilter(Q(Tr(kAllFiles)) + " (*)");
    // The file written is the chosen name with the key appended: the window asks about that
    // one itself.
    SaveDialog1->setOption(QFileDialog::DontConfirmOverwrite);
    PrepareFileDialog(*SaveDialog1);
    OpenDialog1 = new QFileDialog(this);
    OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
    OpenDialog1->setFileMode(QFileDialog::ExistingFile);
    PrepareFileDialog(*OpenDialog1);
    // Until a confirmed dialog sets their initial folder, they open where the files are, not
    // wherever the program was started from (the home, for a desktop menu).
    for (QFileDialog* dialog : {SaveDialog1, OpenDialog1}) {
        dialog->setDirectory(Q(logic_->Model.ProgramDir));
    }
}

// ---------------------------------------------------------------- shell

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (fitsScreen_) {
        // Once shown, the window manager's frame is known.
        QTimer::singleShot(0, this, [this] { FitToScreen(); });
    }
    // Where nothing activates a new window (a bare X server), the first show starts the login.
    QTimer::singleShot(0, this, [this] { FormActivate(); });
}

void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        FormActivate();
    }
}

void TForm1::FormActivate() {
    std::string& participant = logic_->Model.ParticipantId;
    if (participant.empty()) {
        if (loginShown_) {
            return;
        }
        loginShown_ = true;
        if (Bejelentkez->exec() != QDialog::Accepted) {
            loginCancelled_ = true;
            EndApplication();
            hide();
            return;
        }
        participant = Bejelentkez->ParticipantId();
    }
    setWindowTitle(tr("Trelko kísérlet szimulációja Brenn Verseny 2017  (%1)").arg(Q(participant)));
}

bool TForm1::FormCloseQuery() {
    return ShowMessage(tr("Minden adat el van mentve?").toStdString(),
                       tr("***MEGERŐSÍTÉS***").toStdString(), kMsgYesNo) == kMsgYes;
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (loginCancelled_ || FormCloseQuery()) {
        // A series waiting in Start ends and closes its result file before the program does;
        // the closed main window then ends the event loop.
        logic_->BeginShutdown();
        event->accept();
    } else {
        event->ignore();
    }
}

void TForm1::Vge1Click() {
    close();
}

void TForm1::Nvjegy1Click() const {
    AboutBox->exec();
}

void TForm1::Lers1Click() {
    // The organisers' task document when they put it in the work folder or the system's
    // document folder, else the program's own guide, so the help is never empty.
    for (const std::string* folder : {&logic_->Model.ProgramDir, &SystemDocumentFolder}) {
        const std::string path = *folder + kHelpDocument;
        if (!folder->empty() && QFileInfo::exists(Q(path))) {
            OpenDocument(path);
            return;
        }
    }
    Leiras->ShowGuide();
}

std::optional<std::string> TForm1::RunFileDialog(QFileDialog& dialog) {
    if (!FileDialogAnswers.empty()) {
        auto answer = FileDialogAnswers.front();
        FileDialogAnswers.pop_front();
        return answer;
    }
    SyncControls();
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> TForm1::ExecuteSaveDialog() {
    const std::string& initialDir = logic_->SaveDialogInitialDir;
    if (!initialDir.empty()) {
        SaveDialog1->setDirectory(Q(initialDir));
    }
    return RunFileDialog(*SaveDialog1);
}

std::optional<std::string> TForm1::ExecuteOpenDialog(const std::string& filter) {
    // "label|pattern|label|pattern" becomes the toolkit's "label (pattern)" list.
    const QStringList parts = Q(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        filters << parts[i] + " (" + (parts[i + 1] == "*.*" ? "*" : parts[i + 1]) + ")";
    }
    OpenDialog1->setNameFilters(filters);
    const std::string& initialDir = logic_->OpenDialogInitialDir;
    if (!initialDir.empty()) {
        OpenDialog1->setDirectory(Q(initialDir));
    }
    return RunFileDialog(*OpenDialog1);
}

int TForm1::ExecuteKompDlg(FieldItem& component, std::int32_t& x, std::int32_t& y) {
    SyncControls();
    KompDlg->EditedShape = &component;
    KompDlg->FieldImage = &logic_->Experiment;
    KompDlg->SetComponents(MakeComponentTable(logic_->Components));
    const int result = KompDlg->Execute();
    x = KompDlg->X();
    y = KompDlg->Y();
    return result;
}

void TForm1::BuildMenu() {
    QMenuBar* bar = menuBar();
    Vge1 = bar->addAction(tr("Vége"));
    QMenu* help = bar->addMenu(tr("Súgó"));
    Nvjegy1 = help->addAction(tr("Névjegy"));
    Lers1 = help->addAction(tr("Leírás"));
    connect(Vge1, &QAction::triggered, this, [this] { Vge1Click(); });
    connect(Nvjegy1, &QAction::triggered, this, [this] { Nvjegy1Click(); });
    connect(Lers1, &QAction::triggered, this, [this] { Lers1Click(); });
}

QPushButton* TForm1::MakeButton(QWidget* parent, const ButtonControl& control, QRect place,
                                void (TForm1Logic::*handler)()) {
    auto* button = new QPushButton(Q(control.Caption), parent);
    button->setGeometry(place);
    button->setFont(ArialBold(kButtonPixels));
    if (handler != nullptr) {
        connect(button, &QPushButton::clicked, this, [this, handler] { Perform(handler); });
    }
    buttons_.emplace_back(button, &control);
    shownCaptions_[button] = control.Caption;
    return button;
}

void TForm1::Perform(void (TForm1Logic::*handler)()) {
    (logic_.get()->*handler)();
    SyncControls();
}

void TForm1::BuildPanel2(QWidget* client) {
    TForm1Logic& logic = *logic_;
    Panel2 = MakePanel(client, kPanel2, kTeal);
    MakeBevel(Panel2, kBevel1);
    Image1 = new QLabel(Panel2);
    Image1->setGeometry(kImage1);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    MakeBevel(Panel2, kBevel2);
    QLabel* pump = MakeCaption(Panel2, kLabel2, QT_TR_NOOP("Vákuumszivattyú"));
    BitBtn8Widget = MakeButton(Panel2, logic.BitBtn8, kBitBtn8, &TForm1Logic::BitBtn8Click);
    BitBtn1Widget = MakeButton(Panel2, logic.BitBtn1, kBitBtn1, &TForm1Logic::BitBtn1Click);
    BitBtn2Widget = MakeButton(Panel2, logic.BitBtn2, kBitBtn2, &TForm1Logic::BitBtn2Click);

    MakeBevel(Panel2, kBevel3);
    QLabel* speed = MakeCaption(Panel2, kLabel3, QT_TR_NOOP("Fordulatszám  (1/s)"));
    MaskEdit1Widget = MakeEdit(Panel2, kMaskEdit1, kSpeedPixels, true, kLightYellow);
    speed->setBuddy(MaskEdit1Widget);
    UpDown1Widget = new TUpDown(Panel2);
    UpDown1Widget->setGeometry(kUpDown1);
    UpDown1Widget->SetBuddy(MaskEdit1Widget, logic.UpDown1.Min, logic.UpDown1.Max,
                            logic.UpDown1.Increment);
    UpDown1Widget->setAccessibleName(speed->text().trimmed());
    connect(UpDown1Widget, &TUpDown::Clicked, this, [this](bool up) {
        logic_->UpDown1Click(up);
        SyncControls();
    });
    BitBtn3Widget = MakeButton(Panel2, logic.BitBtn3, kBitBtn3, &TForm1Logic::BitBtn3Click);
    BitBtn4Widget = MakeButton(Panel2, logic.BitBtn4, kBitBtn4, &TForm1Logic::BitBtn4Click);

    MakeBevel(Panel2, kBevel4);
    QLabel* geometry = MakeCaption(Panel2, kLabel4, QT_TR_NOOP("Geometria"));
    Button1Widget = MakeButton(Panel2, logic.Button1, kButton1, &TForm1Logic::Button1Click);
    Button2Widget = MakeButton(Panel2, logic.Button2, kButton2, &TForm1Logic::Button2Click);

    for (QWidget* control : {BitBtn8Widget, BitBtn1Widget, BitBtn2Widget}) {
        groups_[control] = pump;
    }
    for (QWidget* control :
         {static_cast<QWidget*>(UpDown1Widget), static_cast<QWidget*>(BitBtn3Widget),
          static_cast<QWidget*>(BitBtn4Widget)}) {
        groups_[control] = speed;
    }
    for (QWidget* control : {Button1Widget, Button2Widget}) {
        groups_[control] = geometry;
    }
}

void TForm1::BuildPanel1(QWidget* client) {
    TForm1Logic& logic = *logic_;
    Panel1 = MakePanel(client, kPanel1, kTeal);
    Muszer1 = new TMuszer(Panel1);
    Muszer1->setGeometry(kMuszer1);
    Muszer1->SetCaption(tr("Nyomás (mbar)").toStdString());
    Muszer1->SetReadingFormat(tr("Nyomás: %1 mbar"));
    Muszer2 = new TMuszer(Panel1);
    Muszer2->setGeometry(kMuszer2);
    Muszer2->SetCaption(tr("Fordulatszám (1/s)").toStdString());
    Muszer2->SetReadingFormat(tr("Fordulatszám: %1 1/s"));
    meterFrame_ = new QTimer(this);
    meterFrame_->setSingleShot(true);
    meterFrame_->setInterval(kMeterFrameMs);
    connect(meterFrame_, &QTimer::timeout, this, [this] { ShowMeterFrame(); });

    Panel4 = MakePanel(Panel1, kPanel4, Qt::black);
    QLabel* measurement = MakeCaption(Panel4, kLabel9, QT_TR_NOOP("MÉRÉS"));
    CheckBox1Widget = new QCheckBox(Q(logic.CheckBox1.Caption), Panel4);
    CheckBox1Widget->setGeometry(kCheckBox1);
    CheckBox1Widget->setFont(ArialBold(kLabelPixels));
    QPalette palette = CheckBox1Widget->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    CheckBox1Widget->setPalette(palette);
    connect(CheckBox1Widget, &QCheckBox::clicked, this, [this](bool checked) {
        logic_->CheckBox1.Checked = checked;
        logic_->CheckBox1Click();
        SyncControls();
    });
    Edit5Widget = MakeEdit(Panel4, kEdit5, kCounterPixels, false, kLightYellow);
    Edit5Widget->installEventFilter(this);
    connect(Edit5Widget, &QLineEdit::textEdited, this,
            [this](const QString& text) { logic_->Edit5.Text = text.toStdString(); });
    // The edit under the box's caption is its time: it is named by that caption.
    Edit5Widget->setAccessibleName(CheckBox1Widget->text().trimmed());
    QLabel* counter = MakeCaption(Panel4, kLabel5, QT_TR_NOOP("Számláló"));
    Edit6Widget = MakeEdit(Panel4, kEdit6, kCounterPixels, true);
    counter->setBuddy(Edit6Widget);
    QLabel* time = MakeCaption(Panel4, kLabel7, QT_TR_NOOP("Mérési idő (s)"));
    Edit7Widget = MakeEdit(Panel4, kEdit7, kCounterPixels, true);
    time->setBuddy(Edit7Widget);
    // The counter and the time are read by Tab too; a click leaves the focus as it was.
    Edit6Widget->setFocusPolicy(Qt::TabFocus);
    Edit7Widget->setFocusPolicy(Qt::TabFocus);
    BitBtn7Widget = MakeButton(Panel4, logic.BitBtn7, kBitBtn7, &TForm1Logic::BitBtn7Click);
    BitBtn5Widget = MakeButton(Panel4, logic.BitBtn5, kBitBtn5, &TForm1Logic::BitBtn5Click);
    BitBtn6Widget = MakeButton(Panel4, logic.BitBtn6, kBitBtn6, &TForm1Logic::BitBtn6Click);
    for (QWidget* control :
         {static_cast<QWidget*>(CheckBox1Widget), static_cast<QWidget*>(Edit5Widget),
          static_cast<QWidget*>(Edit6Widget), static_cast<QWidget*>(Edit7Widget),
          static_cast<QWidget*>(BitBtn7Widget), static_cast<QWidget*>(BitBtn5Widget),
          static_cast<QWidget*>(BitBtn6Widget)}) {
        groups_[control] = measurement;
    }
}

void TForm1::BuildPanel3(QWidget* client) {
    TForm1Logic& logic = *logic_;
    Panel3 = MakePanel(client, kPanel3, kTeal);
    for (const BinPlace& bin : kBins) {
        MakeBevel(Panel3, bin.Frame);
    }

    auto picture = [this](FieldItem& item, const QImage& image) {
        auto* label = new QLabel(Panel3);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (!image.isNull()) {
            label->setPixmap(QPixmap::fromImage(image));
        }
        itemWidgets_[&item] = label;
    };
    auto shape = [this](FieldItem& item, TShape::Kind kind, QColor fill) {
        itemWidgets_[&item] = new TShape(Panel3, kind, fill);
    };
    picture(logic.Experiment, {});
    picture(logic.Image4, LidSymbol());
    for (FieldItem* marker : {&logic.Shape1, &logic.Shape2, &logic.Shape3, &logic.Shape4}) {
        shape(*marker, TShape::Kind::Rectangle, Qt::black);
    }
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        shape(*logic.HomePlaces[slot], TShape::Kind::Rectangle, Qt::black);
    }
    shape(logic.HgF, TShape::Kind::Rectangle, kMercuryBlue);
    shape(logic.Shape7, TShape::Kind::Rectangle, kDetectorFuchsia);
    for (FieldItem* lead : {&logic.Shape8, &logic.Shape9, &logic.Shape10, &logic.Shape11}) {
        shape(*lead, TShape::Kind::Rectangle, kLeadGrey);
    }
    const QImage icon = SourceIcon();
    picture(logic.Image2, icon);
    picture(logic.Image3, icon);
    shape(logic.Fedel, TShape::Kind::Circle, kLeadGrey);

    Label8Widget = MakeLabel(Panel3, {kLabel8Left, kLabel8Top}, Q(logic.Label8Text), kButtonPixels);
    itemWidgets_[&logic.Label8] = Label8Widget;

    for (const BinPlace& bin : kBins) {
        QLineEdit* box = MakeEdit(Panel3, bin.CaptionBox, kButtonPixels, true);
        box->setText(tr(bin.Caption));
        captionBoxes_.append(box);
    }
    for (const auto& [item, widget] : itemWidgets_) {
        widgetItems_[widget] = const_cast<FieldItem*>(item);
        widget->installEventFilter(this);
        // Sources and components are placed from the keyboard too; a click still drags.
        if (logic.IsComponent(*item) || logic.IsSource(*item)) {
            widget->setFocusPolicy(Qt::TabFocus);
        }
    }
    drag_ = std::make_unique<PanelDrag>(Panel3, *logic_, captionBoxes_);
}

QWidget* TForm1::WidgetOf(const FieldItem& item) const {
    const auto it = itemWidgets_.find(&item);
    return it != itemWidgets_.end() ? it->second : nullptr;
}

DragGhost* TForm1::Ghost() const {
    return drag_->Ghost();
}

void TForm1::ApplyStacking() {
    if (appliedStacking_ == logic_->StackingGeneration()) {
        return;
    }
    appliedStacking_ = logic_->StackingGeneration();
    for (const FieldItem* item : logic_->Stacking()) {
        if (QWidget* widget = WidgetOf(*item)) {
            widget->raise();
        }
    }
    // Edit boxes always lie above the graphic items.
    for (QWidget* box : captionBoxes_) {
        box->raise();
    }
    ApplyTabOrder();
}

std::vector<QWidget*> TForm1::TabChain() const {
    std::vector<QWidget*> chain{
        BitBtn8Widget, BitBtn1Widget, BitBtn2Widget, UpDown1Widget, BitBtn3Widget,   BitBtn4Widget,
        Button1Widget, Button2Widget, Muszer1,       Muszer2,       CheckBox1Widget, Edit5Widget,
        Edit6Widget,   Edit7Widget,   BitBtn7Widget, BitBtn5Widget, BitBtn6Widget,
    };
    for (const FieldItem* item : logic_->Stacking()) {
        if (logic_->IsComponent(*item) || logic_->IsSource(*item)) {
            chain.push_back(WidgetOf(*item));
        }
    }
    return chain;
}

// Not const, though the compiler would let it be: it rewires this window's focus chain.
// NOLINTNEXTLINE(readability-make-member-function-const)
void TForm1::ApplyTabOrder() {
    const std::vector<QWidget*> chain = TabChain();
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i], chain[i + 1]);
    }
}

void TForm1::DescribeControls() {
    // The keys' work as actions, for assistive technology that performs actions rather than
    // pressing keys. Given first: the widgets' accessible descriptions are made with them.
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        FieldItem* component = logic_->Components[slot];
        SetAccessibleActions(WidgetOf(*component), {{QAccessibleActionInterface::showMenuAction(),
                                                     "Return", [this, component] {
                                                         logic_->HgFMouseUp(*component, true);
                                                         SyncControls();
                                                     }}});
    }
    for (FieldItem* source : {&logic_->Image2, &logic_->Image3}) {
        FieldItem& bin = source == &logic_->Image2 ? logic_->Shape1 : logic_->Shape4;
        SetAccessibleActions(
            WidgetOf(*source),
            {{tr("Felső jelölőre"), "1", [this, source] { PlaceSource(*source, logic_->Shape2); }},
             {tr("Alsó jelölőre"), "9", [this, source] { PlaceSource(*source, logic_->Shape3); }},
             {tr("Vissza a tárolóba"), "0", [this, source, &bin] { PlaceSource(*source, bin); }}});
    }
    for (const auto& [control, group] : groups_) {
        const QString text = group->text().trimmed();
        if (control->accessibleName() != text) {
            control->setAccessibleDescription(text);
        }
    }
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        WidgetOf(*logic_->Components[slot])
            ->setAccessibleDescription(
                tr("Nyilak: mozgatás (Shift: 10 képpont), Enter vagy helyi menü: helyzet"));
    }
    for (const FieldItem* source : {&logic_->Image2, &logic_->Image3}) {
        WidgetOf(*source)->setAccessibleDescription(
            tr("1: felső jelölő, 9: alsó jelölő, 0: vissza a tárolóba"));
    }
}

void TForm1::NameItems() {
    const TForm1Logic& logic = *logic_;
    const auto name = [this](const FieldItem& item, const QString& kind) {
        QWidget* widget = WidgetOf(item);
        const QString text = tr("%1, x %2, y %3")
                                 .arg(kind)
                                 .arg(std::int64_t{item.Left} - kFieldLeft)
                                 .arg(std::int64_t{item.Top} - kFieldTop);
        QString& shown = itemNames_[widget];
        if (shown != text) {
            shown = text;
            widget->setAccessibleName(text);
        }
    };
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const FieldItem& component = *logic.Components[slot];
        name(component, Q(ComponentKindText(component.Tag).value_or(std::string())));
    }
    for (const FieldItem* source : {&logic.Image2, &logic.Image3}) {
        name(*source, tr("Au-forrás"));
    }
}

void TForm1::AnnounceChanges() {
    const TForm1Logic& logic = *logic_;
    const bool measuring = logic.Model.MeasurementOn;
    const bool series = logic.SeriesRunning();
    if (shownSeries_ && !series) {
        Announcer->Announce(tr("A mérési sorozat véget ért."));
    } else if (shownMeasuring_ && !measuring && !series && !logic.Model.SeriesAborted) {
        // A count stopped by an error says so in its message instead.
        Announcer->Announce(
            tr("A mérés véget ért, számláló: %1").arg(Q(logic.Edit6.Text).trimmed()));
    }
    shownMeasuring_ = measuring;
    shownSeries_ = series;
}

bool TForm1::ItemKeyPress(FieldItem& item, const QKeyEvent& key) {
    constexpr int kBigStep = 10;
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier) {
        return false;
    }
    const int step = modifiers == Qt::ShiftModifier ? kBigStep : 1;
    TForm1Logic& logic = *logic_;
    if (logic.IsComponent(item)) {
        switch (key.key()) {
            case Qt::Key_Left:
                StepComponent(item, -step, 0);
                return true;
            case Qt::Key_Right:
                StepComponent(item, step, 0);
                return true;
            case Qt::Key_Up:
                StepComponent(item, 0, -step);
                return true;
            case Qt::Key_Down:
                StepComponent(item, 0, step);
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Menu:
                // As the right click.
                logic.HgFMouseUp(item, true);
                SyncControls();
                return true;
            default:
                return false;
        }
    }
    if (logic.IsSource(item)) {
        switch (key.key()) {
            case Qt::Key_1:
                PlaceSource(item, logic.Shape2);
                return true;
            case Qt::Key_9:
                PlaceSource(item, logic.Shape3);
                return true;
            case Qt::Key_0:
                // Each source has its own spot in the bin.
                PlaceSource(item, &item == &logic.Image2 ? logic.Shape1 : logic.Shape4);
                return true;
            default:
                return false;
        }
    }
    return false;
}

void TForm1::StepComponent(FieldItem& component, int dx, int dy) {
    if (drag_->Dragged() != nullptr) {
        return;  // the pointer holds an item: its own drop comes first
    }
    // A step lands the component's top-left corner where a drop released there would.
    const std::int64_t x = std::int64_t{component.Left} + dx;
    const std::int64_t y = std::int64_t{component.Top} + dy;
    constexpr std::int64_t kMin = std::numeric_limits<int>::min();
    constexpr std::int64_t kMax = std::numeric_limits<int>::max();
    PanelDrag::Placing placing = PanelDrag::Placing::Refused;
    if (x >= kMin && x <= kMax && y >= kMin && y <= kMax) {
        placing = drag_->DropAt(component, QPoint(static_cast<int>(x), static_cast<int>(y)));
    }
    switch (placing) {
        case PanelDrag::Placing::Dropped:
            break;
        case PanelDrag::Placing::NotTaken:
            Announcer->Announce(tr("Mérés közben a komponens nem mozdítható."));
            break;
        case PanelDrag::Placing::Refused:
            Announcer->Announce(
                tr("Ide nem tehető: x %1, y %2").arg(x - kFieldLeft).arg(y - kFieldTop));
            break;
    }
    SyncControls();
}

void TForm1::PlaceSource(FieldItem& source, FieldItem& marker) {
    if (drag_->Dragged() != nullptr) {
        return;  // the pointer holds an item: its own drop comes first
    }
    // Released on the marker's middle; where on it does not matter.
    const QPoint centre(marker.Left + marker.Width / 2, marker.Top + marker.Height / 2);
    switch (drag_->DropOnto(source, marker, centre)) {
        case PanelDrag::Placing::Dropped:
            break;
        case PanelDrag::Placing::NotTaken:
            Announcer->Announce(tr("A fedél zárva: a forrás nem mozdítható."));
            break;
        case PanelDrag::Placing::Refused:
            Announcer->Announce(tr("Ide nem tehető: x %1, y %2")
                                    .arg(centre.x() - kFieldLeft)
                                    .arg(centre.y() - kFieldTop));
            break;
    }
    SyncControls();
}

void TForm1::SyncButton(QPushButton* button, const ButtonControl& control) {
    if (button->isEnabled() != control.Enabled) {
        if (!control.Enabled && button->hasFocus()) {
            KeepFocusInBox(button);
        }
        button->setEnabled(control.Enabled);
    }
    std::string& shownCaption = shownCaptions_[button];
    if (shownCaption != control.Caption) {
        button->setText(Q(control.Caption));
        shownCaption = control.Caption;
    }
}

void TForm1::KeepFocusInBox(QWidget* leaving) {
    // The toolkit would hand the focus to the next control of the whole window, after a count
    // the mercury target on the field: the next enabled control of the same box takes it, or
    // the one before it (Stop gives it back to Start).
    const auto group = groups_.find(leaving);
    if (group == groups_.end()) {
        return;
    }
    const std::vector<QWidget*> chain = TabChain();
    const auto at = std::find(chain.begin(), chain.end(), leaving);
    if (at == chain.end()) {
        return;
    }
    const auto takes = [&](QWidget* w) {
        const auto g = groups_.find(w);
        return g != groups_.end() && g->second == group->second && w->isEnabled() &&
               (w->focusPolicy() & Qt::TabFocus) != 0;
    };
    const auto after = std::find_if(at + 1, chain.end(), takes);
    if (after != chain.end()) {
        FocusMark->HandFocus(*after);
        return;
    }
    const auto before = std::find_if(std::make_reverse_iterator(at), chain.rend(), takes);
    if (before != chain.rend()) {
        FocusMark->HandFocus(*before);
    }
}

void TForm1::SyncControls() {
    const TForm1Logic& logic = *logic_;
    // The enabled first: a focused button that is disabled hands the focus on to the next
    // enabled one (Start to Stop), not past a button that is only about to be enabled.
    for (const bool enabled : {true, false}) {
        for (const auto& [button, control] : buttons_) {
            if (control->Enabled == enabled) {
                SyncButton(button, *control);
            }
        }
    }
    SetTextIfChanged(MaskEdit1Widget, logic.MaskEdit1.Text);
    SetTextIfChanged(Edit5Widget, logic.Edit5.Text);
    Edit5Widget->setEnabled(logic.Edit5.Enabled);
    SetTextIfChanged(Edit6Widget, logic.Edit6.Text);
    SetTextIfChanged(Edit7Widget, logic.Edit7.Text);
    CheckBox1Widget->setChecked(logic.CheckBox1.Checked);
    if (Label8Widget->text() != Q(logic.Label8Text)) {
        Label8Widget->setText(Q(logic.Label8Text));
        Label8Widget->adjustSize();
    }
    for (const auto& [item, widget] : itemWidgets_) {
        if (item == &logic.Label8) {
            continue;
        }
        const QRect place(item->Left, item->Top, item->Width, item->Height);
        if (widget->geometry() != place) {
            widget->setGeometry(place);
        }
        if (widget->isHidden() == item->Visible) {
            widget->setVisible(item->Visible);
        }
    }
    ApplyStacking();
    NameItems();
    AnnounceChanges();
    if (Naplo != nullptr) {
        Naplo->ShowProgress(logic.Progress());
    }
}

bool TForm1::event(QEvent* event) {
    // A modal dialog takes the mouse: a drag held meanwhile never gets its release.
    if (event->type() == QEvent::WindowBlocked && drag_) {
        drag_->Cancel();
    }
    return QMainWindow::event(event);
}

int TForm1::ShowMessage(const std::string& text, const std::string& caption, int flags) {
    drag_->Cancel();
    SyncControls();
    return sim::ShowMessageDialog(text, caption, flags);
}

void TForm1::ShowMeters() {
    // A meter's picture depends only on its reading: an unchanged reading is not redrawn.
    const ApparatusModel& model = logic_->Model;
    const bool pressureChanged = shownPressure_ != model.Pressure;
    const bool speedChanged = shownSpeed_ != model.RotorSpeed;
    if (!pressureChanged && !speedChanged) {
        return;
    }
    if (!meterFrame_->isActive()) {
        Muszer1->setUpdatesEnabled(false);
        Muszer2->setUpdatesEnabled(false);
        meterFrame_->start();
    }
    if (pressureChanged) {
        Muszer1->SetValue(model.Pressure);
        shownPressure_ = model.Pressure;
    }
    if (speedChanged) {
        Muszer2->SetValue(model.RotorSpeed);
        shownSpeed_ = model.RotorSpeed;
    }
}

void TForm1::ShowMeterFrame() {
    for (TMuszer* meter : {Muszer1, Muszer2}) {
        meter->setUpdatesEnabled(true);
        meter->update();
        meter->PublishReading();
    }
}

void TForm1::SelectAllAndFocus(EditControl& edit) {
    if (&edit == &logic_->Edit5) {
        SyncControls();
        Edit5Widget->selectAll();
        Edit5Widget->setFocus();
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::KeyPress) {
        const auto it = widgetItems_.find(static_cast<QWidget*>(watched));
        if (it != widgetItems_.end() &&
            ItemKeyPress(*it->second, *static_cast<QKeyEvent*>(event))) {
            return true;
        }
    }
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
        type == QEvent::MouseButtonRelease) {
        auto* widget = static_cast<QWidget*>(watched);
        const auto it = widgetItems_.find(widget);
        if (it != widgetItems_.end()) {
            FieldItem& item = *it->second;
            if (drag_->MouseEvent(item, widget, event)) {
                SyncControls();
                return true;
            }
            // A right click on a component opens its position dialog.
            if (type == QEvent::MouseButtonRelease &&
                static_cast<QMouseEvent*>(event)->button() == Qt::RightButton &&
                logic_->IsComponent(item)) {
                logic_->HgFMouseUp(item, true);
                SyncControls();
                return true;
            }
        }
    }
    if (watched == Edit5Widget && type == QEvent::FocusOut && !inEdit5Exit_) {
        // Leaving the window (a message opens) is no exit from the field.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            inEdit5Exit_ = true;
            logic_->Edit5.Text = Edit5Widget->text().toStdString();
            logic_->Edit5Exit();
            SyncControls();
            inEdit5Exit_ = false;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- class edition

void TForm1::EnableClassMode(SpeedClock& speed) {
    if (ClassMode()) {
        return;
    }
    speed_ = &speed;
    Naplo = new TNaplo(this);
    Fizika = new TLeiras(this, tr("A kísérlet fizikája"),
                         PhysicsGuide(QString::fromStdString(LanguageInUse())));
    AboutBox->SetMode(tr("Üzemmód: tanóra"));

    QMenu* lesson = menuBar()->addMenu(tr("Tanóra"));
    Naplo1 = lesson->addAction(tr("Mérési napló"));
    Naplo1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    Fizika1 = lesson->addAction(tr("A kísérlet fizikája"));
    lesson->addSeparator();
    auto* speeds = new QActionGroup(this);
    for (const int factor : kSpeeds) {
        QAction* action = lesson->addAction(tr("Idő: ×%1").arg(factor));
        action->setCheckable(true);
        action->setChecked(factor == 1);
        speeds->addAction(action);
        connect(action, &QAction::triggered, this, [this, factor] { SetSpeed(factor); });
        SpeedActions.push_back(action);
    }
    lesson->addSeparator();
    ZoomIn1 = lesson->addAction(tr("Nagyítás"));
    ZoomIn1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus),
                           QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    ZoomOut1 = lesson->addAction(tr("Kicsinyítés"));
    ZoomOut1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    ZoomReset1 = lesson->addAction(tr("Eredeti méret"));
    ZoomReset1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    for (QAction* action : lesson->actions()) {
        // The keys work wherever the focus is, also in the scaled view.
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    connect(Naplo1, &QAction::triggered, this, [this] { Naplo->ShowLog(); });
    connect(Fizika1, &QAction::triggered, this, [this] { Fizika->ShowGuide(); });
    connect(ZoomIn1, &QAction::triggered, this, [this] { SetZoom(zoom_ * kZoomStep); });
    connect(ZoomOut1, &QAction::triggered, this, [this] { SetZoom(zoom_ / kZoomStep); });
    connect(ZoomReset1, &QAction::triggered, this, [this] { SetZoom(1); });
}

void TForm1::SetSpeed(int factor) {
    if (speed_ == nullptr) {
        return;
    }
    speed_->SetSpeed(factor);
    Naplo->ShowSpeed(factor);
    for (std::size_t i = 0; i < SpeedActions.size(); ++i) {
        SpeedActions[i]->setChecked(kSpeeds[i] == factor);
    }
}

// Not const, though the compiler would let it be: it adds to this window's log.
// NOLINTNEXTLINE(readability-make-member-function-const)
void TForm1::LogCount(const FinishedCount& count) {
    if (Naplo != nullptr) {
        Naplo->AddCount(count);
    }
}

// ---------------------------------------------------------------- fitting the screen

void TForm1::SetZoom(double zoom) {
    if (!ClassMode()) {
        return;
    }
    zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
    FitToScreen();
}

void TForm1::FitToScreen() {
    fitsScreen_ = true;
    const QScreen* shownOn = screen();
    if (shownOn == nullptr) {
        return;
    }
    const QRect area = shownOn->availableGeometry();
    // What does not scale: the window manager's frame and the menu bar.
    const QSize client = kClientSize;
    const QSize frame = frameGeometry().size() - size() + QSize(0, menuBar()->sizeHint().height());
    const double fits =
        std::min(double(area.width() - frame.width()) / client.width(),
                 double(area.height() - frame.height()) / client.height());
    const double scale = std::max(0.1, std::min(zoom_, fits));
    ShowScaled(scale);

    // The specified place where the window fits there, else the nearest place inside the area.
    const QSize outer(frame.width() + static_cast<int>(std::ceil(client.width() * scale)),
                      frame.height() + static_cast<int>(std::ceil(client.height() * scale)));
    // At a fractional scale factor the screen's pixels round the edges: keep one pixel spare.
    const qreal ratio = devicePixelRatioF();
    const int spare = ratio == std::floor(ratio) ? 0 : 1;
    const int x = std::clamp(kWindowPos.x(), area.left(),
                             std::max(area.left(), area.right() + 1 - spare - outer.width()));
    const int y = std::clamp(kWindowPos.y(), area.top(),
                             std::max(area.top(), area.bottom() + 1 - spare - outer.height()));
    move(x, y);
}

void TForm1::ShowScaled(double scale) {
    if (view_ == nullptr) {
        if (scale == 1) {
            return;
        }
        // The client area goes into a view that paints it transformed: its widgets keep their
        // sizes and places, and so do the panel's coordinates that the physics reads.
        auto* scene = new QGraphicsScene(this);
        takeCentralWidget();
        proxy_ = scene->addWidget(client_);
        proxy_->setPos(0, 0);
        scene->setSceneRect(QRectF(QPointF(0, 0), QSizeF(kClientSize)));
        view_ = new QGraphicsView(scene, this);
        view_->setFrameStyle(QFrame::NoFrame);
        view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        view_->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                              QPainter::SmoothPixmapTransform);
        view_->setBackgroundBrush(kMoneyGreen);
        view_->setFocusPolicy(Qt::StrongFocus);
        setCentralWidget(view_);
        scene->setFocusItem(proxy_);
        EmbedAccessibly(view_, client_);
    }
    scale_ = scale;
    view_->setTransform(QTransform::fromScale(scale, scale));
    view_->setFixedSize(static_cast<int>(std::ceil(kClientSize.width() * scale)),
                        static_cast<int>(std::ceil(kClientSize.height() * scale)));
    // The window takes its new size now, not at the next layout pass: it is placed next.
    layout()->activate();
}

}  // namespace sim
