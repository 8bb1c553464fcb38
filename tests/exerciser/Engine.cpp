#include "tests/exerciser/Engine.h"

#include <stdlib.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <fstream>
#include <limits>
#include <sstream>
#include <utility>

#include "apparatus/About.h"
#include "apparatus/Bejel.h"
#include "apparatus/Main.h"
#include "geometry/KompDlg.h"
#include "translations/Language.h"
#include "tests/TestSupport.h"
#include "tests/exerciser/Actions.h"
#include "widgets/MessageDialog.h"

namespace sim::exerciser {

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t kLoginAttempts = 6;
constexpr int kDialogAttempts = 6;
// A dialog that is still open after this many answers (the last ones all Cancel) never closes.
constexpr int kDialogGiveUp = 40;

// The three timers of the window's logic, in the order it makes them.
constexpr int kTimer1 = 1;
constexpr int kTimer3 = 3;

}  // namespace

std::vector<std::string> PlantableFaults() {
    return {"speed-after-arrow"};
}

void TypeText(QWidget* widget, const std::string& text) {
    for (const QChar c : QString::fromStdString(text)) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
            QTest::keyClick(widget, static_cast<char>(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

// The program's clock: the virtual clock, with every tick wrapped in the checks, and the waits
// of the program's handlers handed to the engine, which acts meanwhile as the person would.
class Engine::ExerciserClock : public Clock {
  public:
    explicit ExerciserClock(Engine& engine) : engine_(engine) {}

    std::unique_ptr<Timer> CreateTimer(int intervalMs, std::function<void()> onTick) override {
        const int timer = engine_.timersMade_ % 3 + 1;
        ++engine_.timersMade_;
        return inner_.CreateTimer(intervalMs, [this, timer, tick = std::move(onTick)] {
            engine_.BeforeTick(timer);
            tick();
            engine_.AfterTick(timer);
        });
    }
    void ProcessPendingEvents() override { engine_.OnWait(); }

    VirtualClock& Inner() { return inner_; }

  private:
    Engine& engine_;
    VirtualClock inner_;
};

Engine::Engine(Options options)
    : options_(std::move(options)), clock_(std::make_unique<ExerciserClock>(*this)) {
    std::string pattern = (fs::temp_directory_path() / "exerciser-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("no scratch folder: " + pattern);
    }
    folder_ = pattern;
    fs::create_directory(folder_ / "sub");
    drainer_ = new QTimer();
    drainer_->setInterval(0);
    QObject::connect(drainer_, &QTimer::timeout, [this] { Drain(); });
}

Engine::~Engine() {
    form_.reset();
    delete drainer_;
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

TForm1& Engine::Form() {
    return *form_;
}

TForm1Logic& Engine::Logic() {
    return form_->Logic();
}

std::string Engine::ParticipantId() {
    return form_ ? Logic().Model.ParticipantId : std::string();
}

void Engine::Fail(const std::string& kind, const std::string& detail) {
    if (failure_) {
        return;
    }
    failure_ = Failure{kind, detail, stepIndex_, currentAction_};
    // End every wait of the program; the dialogs are cancelled from now on.
    if (form_) {
        Logic().BeginShutdown();
    }
}

std::optional<Failure> Engine::Run(const Sequence& steps,
                                   const std::function<bool(std::size_t)>& beforeStep) {
    MessageResponder previous = SetMessageResponder(
        [this](const std::string& text, const std::string& caption, int flags) {
            return Respond(text, caption, flags);
        });
    drainer_->start();
    for (std::size_t i = 0; i < steps.size() && !failure_; ++i) {
        stepIndex_ = i;
        if (beforeStep && !beforeStep(i)) {
            break;
        }
        RunStep(steps[i]);
        ++stats_.Steps;
    }
    if (form_ && !failure_) {
        EndProgram();
    }
    form_.reset();
    drainer_->stop();
    SetMessageResponder(std::move(previous));
    stats_.VirtualMs = clock_->Inner().NowMs();
    stats_.Events = clock_->Inner().EventsRun();
    return failure_;
}

void Engine::RunStep(const Step& step) {
    actionRng_ = Rng(step.Seed);
    fileRng_ = Rng(Mix(step.Seed ^ 0x66696C6573ULL));
    dialogRng_ = Rng(Mix(step.Seed ^ 0x6469616C6F67ULL));
    waitRng_ = Rng(Mix(step.Seed ^ 0x77616974ULL));
    rng_ = &actionRng_;
    if (!form_) {
        currentAction_ = "start";
        StartProgram();
        if (!form_ || failure_) {
            return;  // the login was cancelled: the program ended before it began
        }
    }
    const ActionRow* row = FindAction(step.Action);
    currentAction_ = row->Name;
    if (options_.Trace) {
        std::printf("step %zu %s\n", stepIndex_, row->Name);
        std::fflush(stdout);
    }
    stepStartMs_ = clock_->Inner().NowMs();
    escalated_ = false;
    inSeries_ = false;
    const int modalsBefore = static_cast<int>(stats_.ModalDialogs);
    QueueFileAnswers();
    row->Run(*this);
    RunDueLater(true);
    form_->FileDialogAnswers.clear();
    if (static_cast<int>(stats_.ModalDialogs) != modalsBefore) {
        // Activation comes back to the window from the closed dialog.
        QCoreApplication::processEvents();
    }
    CheckAll(std::string("after ") + row->Name);
    if (form_->isHidden() || Logic().ShuttingDown()) {
        EndProgram();
    }
}

void Engine::StartProgram() {
    ++stats_.Programs;
    // Each start speaks a language of its own, drawn by the count of starts, so that a run's
    // actions keep their own choices.
    const std::vector<std::string> languages = AvailableLanguages();
    Rng language(stats_.Programs * 0x9E3779B97F4A7C15ULL);
    UseLanguage(language.Pick(languages));
    ++stats_.Languages[LanguageInUse()];
    loginCancelled_ = false;
    timersMade_ = 0;
    form_ = std::make_unique<TForm1>(*clock_, folder_.string() + "/");
    form_->EndApplication = [this] { loginCancelled_ = true; };
    form_->OpenDocument = [this](const std::string& path) {
        if (path != (folder_ / "Brenn2017.docx").string() || !fs::exists(path)) {
            Fail("document", "Leírás opened " + path);
        }
    };
    // A held arrow repeats on a wall-clock timer, which no seed replays: its repetition is
    // exercised by repeated presses instead.
    for (QAbstractButton* button : form_->findChildren<QAbstractButton*>()) {
        if (button->autoRepeat()) {
            button->setAutoRepeatDelay(std::numeric_limits<int>::max());
        }
    }
    ResetProgramWatch();
    // The first show starts the login.
    form_->show();
    for (int i = 0; i < 3 && Logic().Model.ParticipantId.empty() && !loginCancelled_; ++i) {
        QCoreApplication::processEvents();
    }
    if (loginCancelled_) {
        if (!form_->isHidden()) {
            Fail("login", "a cancelled login left the window shown");
        }
        form_.reset();
        return;
    }
    if (Logic().Model.ParticipantId.rfind("Brk2017_", 0) != 0) {
        Fail("login", "no identifier after the login: \"" + Logic().Model.ParticipantId + "\"");
        return;
    }
    form_->activateWindow();
    QCoreApplication::processEvents();
    CheckAll("after the login");
}

void Engine::EndProgram() {
    CheckAll("at the program's end");
    form_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Engine::ResetProgramWatch() {
    lastPressure_.reset();
    lastCounter_.reset();
    countPlaces_.reset();
    loadedPlaces_.reset();
    offeredLoads_.clear();
    pending_.clear();
    seen_ = {};
}

// ---------------------------------------------------------------- the file dialogs

std::optional<std::string> Engine::RandomFileAnswer() {
    const std::string key = ParticipantId();
    Rng& r = fileRng_;
    const int kind = r.Int(0, 99);
    if (kind < 10) {
        return std::nullopt;  // cancelled
    }
    if (kind < 40) {
        std::vector<fs::path> geometry;
        for (const fs::path& folder : {folder_, folder_ / "sub"}) {
            for (const auto& entry : fs::directory_iterator(folder)) {
                if (entry.path().filename().string().find(".Brk2017_") != std::string::npos &&
                    entry.path().extension() != ".lock") {
                    geometry.push_back(entry.path());
                }
            }
        }
        if (!geometry.empty()) {
            std::sort(geometry.begin(), geometry.end());
            return r.Pick(geometry).string();
        }
    }
    static const std::vector<std::string> names = {"g", "g1", "g2", "geo", "ékezetes név", ""};
    std::string name = r.Pick(names);
    if (r.Chance(0.4)) {
        name += "." + key;  // the whole name, as a load finds it; a save adds the key again
    }
    if (kind < 75) {
        return (folder_ / name).string();
    }
    if (kind < 85) {
        return (folder_ / "sub" / name).string();
    }
    if (kind < 90) {
        return (folder_ / "missing" / name).string();
    }
    static const std::vector<std::string> others = {
        "faktor.txt", "sub", "Brenn2017.docx", "Brk2017_a.txt", ".Brk2017_a.lock"};
    return (folder_ / r.Pick(others)).string();
}

void Engine::QueueFileAnswers() {
    auto& answers = form_->FileDialogAnswers;
    answers.clear();
    offeredLoads_.clear();
    for (int i = 0; i < 2; ++i) {
        const std::optional<std::string> answer = RandomFileAnswer();
        answers.push_back(answer);
        if (options_.Trace) {
            std::printf("  file answer %s\n", answer ? answer->c_str() : "(cancelled)");
        }
        if (answer) {
            std::error_code error;
            if (fs::is_regular_file(*answer, error)) {
                const std::string bytes = testing::ReadFile(*answer);
                if (bytes.size() >= 48) {
                    Places values{};
                    for (std::size_t k = 0; k < values.size(); ++k) {
                        std::uint32_t v = 0;
                        for (int b = 3; b >= 0; --b) {
                            v = (v << 8) | static_cast<unsigned char>(bytes[4 * k + b]);
                        }
                        values[k] = static_cast<std::int32_t>(v);
                    }
                    offeredLoads_.push_back(values);
                }
            }
        }
    }
}

void Engine::NoteSpeedArrows() {
    if (Logic().SeriesRunning()) {
        arrowsMovedInSeries_[Logic().ResultFilePath()] = true;
    }
}

void Engine::NotePlanted(const fs::path& path, const std::string& content) {
    planted_[path] = content;
}

// ---------------------------------------------------------------- messages and dialogs

namespace {

// The message captions, in Hungarian or in the language in use.
bool KnownCaption(const std::string& caption) {
    static const char* const sources[] = {"*** HIBA! ***", "*** HIBA ***", "*** Hiba ***",
                                          "*** MEGERŐSÍTÉS ***", "***MEGERŐSÍTÉS***"};
    static const char* const contexts[] = {"Apparatus", "Geometry", "sim::TForm1",
                                           "sim::TKompDlg", "sim::TBejelentkez"};
    for (const char* source : sources) {
        if (caption == source) {
            return true;
        }
        for (const char* context : contexts) {
            if (caption == QCoreApplication::translate(context, source).toStdString()) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

int Engine::Respond(const std::string& text, const std::string& caption, int flags) {
    ++stats_.Messages;
    if (!KnownCaption(caption) ||
        (flags != kMsgOkOnly && flags != kMsgYesNo) || text.empty() ||
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUtf8().toStdString() !=
            text) {
        Fail("message", "caption \"" + caption + "\", flags " + std::to_string(flags) +
                            ", text \"" + text + "\"");
    }
    ++stats_.MessageTexts[text.substr(0, text.find('\r'))];
    if (options_.Trace) {
        std::printf("  message %s\n", text.substr(0, text.find('\r')).c_str());
    }
    if (responderDepth_ > 0) {
        // The one message dialog is open already: it shows the new text and returns at once.
        return kMsgNone;
    }
    ++responderDepth_;
    ++modalDepth_;
    const bool question = flags == kMsgYesNo;
    int answer = question ? kMsgNo : kMsgOk;
    if (forceYes_ && question &&
        text == QCoreApplication::translate("sim::TForm1", "Minden adat el van mentve?").toStdString()) {
        forceYes_ = false;
        answer = kMsgYes;
    } else if (!Stopping()) {
        PassTimeUnderDialog();
        const std::vector<int> shown =
            question ? std::vector<int>{kMsgYes, kMsgNo, kMsgCancel} : std::vector<int>{kMsgOk, kMsgCancel};
        answer = dialogRng_.Pick(shown);
    }
    --modalDepth_;
    --responderDepth_;
    return answer;
}

void Engine::PassTimeUnderDialog() {
    // The ticks go on under a modal dialog while the person reads it.
    if (Stopping() || !form_) {
        return;
    }
    Rng& r = dialogRng_;
    if (r.Chance(0.2)) {
        clock_->Inner().Advance(r.Between(10, 2000));
    } else if (r.Chance(0.02)) {
        clock_->Inner().Advance(r.Between(5000, 30000));
    }
}

void Engine::Drain() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || draining_) {
        return;
    }
    draining_ = true;
    ++modalDepth_;
    if (modal != lastModal_ || modalAttempts_ == 0) {
        ++stats_.ModalDialogs;
    }
    modalAttempts_ = modal == lastModal_ ? modalAttempts_ + 1 : 1;
    lastModal_ = modal;
    auto* dialog = qobject_cast<QDialog*>(modal);
    if (modalAttempts_ > kDialogGiveUp) {
        Fail("hang", "the dialog \"" + modal->windowTitle().toStdString() +
                         "\" does not close after " + std::to_string(kDialogGiveUp) + " answers");
        modal->hide();
    } else if (form_ && dialog == form_->KompDlg) {
        AnswerPositionDialog(modalAttempts_);
    } else if (form_ && dialog == form_->Bejelentkez) {
        AnswerLogin(modalAttempts_);
    } else if (form_ && dialog == form_->AboutBox) {
        AnswerAbout();
    } else if (dialog != nullptr) {
        dialog->reject();
    } else {
        modal->close();
    }
    if (!modal->isVisible()) {
        lastModal_ = nullptr;
        modalAttempts_ = 0;
    }
    --modalDepth_;
    draining_ = false;
}

void Engine::AnswerLogin(int attempt) {
    TBejelentkez& login = *form_->Bejelentkez;
    if (Stopping()) {
        login.CancelBtn->click();
        return;
    }
    Rng& r = dialogRng_;
    static const std::vector<std::string> typed = {"a", "a", "a", "b", "b", "abc", "", "ü",
                                                   "../x", "a/b", std::string(201, 'x')};
    if (attempt < kLoginAttempts && r.Chance(0.04)) {
        login.CancelBtn->click();
        return;
    }
    const std::string text = attempt < kLoginAttempts ? r.Pick(typed) : "a";
    login.Password->setText(QString::fromStdString(text));
    if (r.Chance(0.5)) {
        QTest::keyClick(login.Password, Qt::Key_Return);
    } else {
        login.OKBtn->click();
    }
}

void Engine::AnswerAbout() {
    TAboutBox& about = *form_->AboutBox;
    if (!Stopping()) {
        PassTimeUnderDialog();
    }
    switch (Stopping() ? 0 : dialogRng_.Int(0, 2)) {
        case 0:
            about.OKButton->click();
            break;
        case 1:
            QTest::keyClick(&about, Qt::Key_Escape);
            break;
        default:
            about.close();
            break;
    }
}

namespace {

// What a person types into a coordinate box: numbers in and out of place, garbage, huge
// numbers and the hexadecimal forms.
std::string RandomCoordinate(Rng& r, bool x, std::int64_t near, const std::string& shown) {
    const int kind = r.Int(0, 99);
    if (kind < 30) {
        return std::to_string(x ? r.Between(450, 1000) : r.Between(0, 310));
    }
    if (kind < 45) {
        return std::to_string(near + r.Between(-20, 20));
    }
    if (kind < 55) {
        return shown;
    }
    if (kind < 65) {
        static const std::vector<std::string> garbage = {"", " ", "abc", "1 2", "12 ", "--5", "+",
                                                         "1e3", "0.5", "١٢", "5x", "\t7"};
        return r.Pick(garbage);
    }
    if (kind < 75) {
        static const std::vector<std::string> huge = {"2147483647", "-2147483648", "2147483648",
                                                      "99999999999", "-99999999999", "4294967296",
                                                      "2147483600", "-2147483600"};
        return r.Pick(huge);
    }
    if (kind < 85) {
        static const std::vector<std::string> hex = {"$1F4", "0x1c2", "x64", "0X", "$", "$FFFFFFFF",
                                                     "0x80000000", "$-1", "X1F", " $C8", "0x7FFFFFFF"};
        return r.Pick(hex);
    }
    if (kind < 95) {
        return std::to_string(x ? r.Between(-3000, 3000) : r.Between(-2000, 2000));
    }
    return std::string(static_cast<std::size_t>(r.Between(100, 1000)), r.Chance(0.5) ? '7' : 'x');
}

}  // namespace

void Engine::AnswerPositionDialog(int attempt) {
    TKompDlg& dialog = *form_->KompDlg;
    if (Stopping() || attempt > kDialogAttempts) {
        dialog.CancelBtn()->click();
        return;
    }
    PassTimeUnderDialog();
    Rng& r = dialogRng_;
    // Near another component: a colliding place, or one just beside it.
    const TForm1Logic& logic = Logic();
    const FieldItem& other = *logic.Components[r.Int(1, 6)];
    for (QLineEdit* box : {dialog.Edit1(), dialog.Edit2()}) {
        const bool isX = box == dialog.Edit1();
        if (r.Chance(0.2)) {
            continue;  // left as it is
        }
        const std::int64_t near = isX ? std::int64_t{other.Left} - 16 : std::int64_t{other.Top} - 10;
        const std::string text = RandomCoordinate(r, isX, near, box->text().toStdString());
        if (text.size() < 40 && r.Chance(0.5)) {
            box->setFocus();
            box->selectAll();
            TypeText(box, text);
        } else {
            box->setText(QString::fromStdString(text));
        }
    }
    switch (r.Int(0, 9)) {
        case 0:
        case 1:
        case 2:
        case 3:
            dialog.OKBtn()->click();
            break;
        case 4:
            QTest::keyClick(&dialog, Qt::Key_Return);
            break;
        case 5:
        case 6:
            dialog.Button1()->click();
            break;
        case 7:
            dialog.CancelBtn()->click();
            break;
        case 8:
            QTest::keyClick(&dialog, Qt::Key_Escape);
            break;
        default:
            dialog.close();
            break;
    }
}

// ---------------------------------------------------------------- time and waits

void Engine::PassTime(std::int64_t ms) {
    clock_->Inner().Advance(ms);
}

void Engine::PassTimeUntil(const std::function<bool()>& done, std::int64_t maxMs) {
    const std::int64_t end = clock_->Inner().NowMs() + maxMs;
    while (!done() && !Stopping() && form_ && clock_->Inner().NowMs() < end) {
        clock_->Inner().Advance(10);
    }
}

void Engine::Later(std::int64_t events, std::function<void()> then) {
    pending_.push_back({events, std::move(then)});
}

void Engine::RunDueLater(bool all) {
    for (std::size_t i = 0; i < pending_.size();) {
        if (all || --pending_[i].Events <= 0) {
            auto then = std::move(pending_[i].Then);
            pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(i));
            ++nestedDepth_;
            then();
            --nestedDepth_;
            if (!all) {
                CheckAll("after a held action ended");
            }
        } else {
            ++i;
        }
    }
}

void Engine::OnWait() {
    VirtualClock& inner = clock_->Inner();
    CheckModel("in a wait", 0);
    if (!inSeries_ && form_ && Logic().SeriesRunning()) {
        // A new series has made its result file anew.
        inSeries_ = true;
        arrowsMovedInSeries_.erase(Logic().ResultFilePath());
    }
    if (!Stopping() && form_ && !Logic().ShuttingDown()) {
        RunDueLater(false);
        const std::int64_t waited = inner.NowMs() - stepStartMs_;
        if (!escalated_ && waited > options_.PatienceMs) {
            Escalate();
            return;
        }
        if (escalated_ && waited > options_.PatienceMs + options_.GraceMs) {
            Fail("hang", "the program still waits " + std::to_string(waited) +
                             " ms into the step, after the person closed it");
            return;
        }
        if (modalDepth_ == 0 && waitRng_.Chance(options_.NestedChance)) {
            RunNested();
            return;
        }
    }
    try {
        inner.ProcessPendingEvents();
    } catch (const VirtualClock::Stalled&) {
        // No timer runs: the real program would wait for the person.
        if (Stopping() || !form_ || Logic().ShuttingDown()) {
            return;
        }
        if (escalated_ || modalDepth_ > 0) {
            Fail("hang", "a wait with nothing left to end it");
            return;
        }
        RunNested();
    }
}

void Engine::Escalate() {
    // The person has waited long enough and closes the program.
    escalated_ = true;
    forceYes_ = true;
    form_->close();
    forceYes_ = false;
    CheckAll("after closing a program that waited too long");
}

void Engine::RunNested() {
    std::vector<Weighted> rows;
    std::vector<const ActionRow*> nestable;
    for (const ActionRow& row : ActionTable()) {
        if (row.Nested) {
            rows.push_back({row.Name, row.Weight});
            nestable.push_back(&row);
        }
    }
    const ActionRow& row = *nestable[ChooseWeighted(waitRng_.Next(), rows)];
    Rng own(waitRng_.Next());
    Rng* const outerRng = std::exchange(rng_, &own);
    if (options_.Trace) {
        const ApparatusModel& m = Logic().Model;
        std::printf("  nested %s at %lld ms (lid %s, pump %s, drive %s, speed %.0f, %.3g mbar of "
                    "%.3g, counting %s)\n",
                    row.Name, static_cast<long long>(clock_->Inner().NowMs()),
                    m.LidClosed ? "closed" : "open", m.PumpOn ? "on" : "off",
                    m.RotorDriveOn ? "on" : "off", m.RotorSpeed, m.Pressure, m.AmbientPressure,
                    m.MeasurementOn ? "yes" : "no");
        std::fflush(stdout);
    }
    ++stats_.NestedActions;
    const std::string outer = std::exchange(currentAction_, std::string(row.Name) + " (in a wait)");
    auto answers = std::move(form_->FileDialogAnswers);
    auto offered = std::move(offeredLoads_);
    QueueFileAnswers();
    ++nestedDepth_;
    row.Run(*this);
    --nestedDepth_;
    form_->FileDialogAnswers = std::move(answers);
    CheckAll(std::string("after ") + row.Name + " in a wait");
    offeredLoads_ = std::move(offered);
    currentAction_ = outer;
    rng_ = outerRng;
}

void Engine::BeforeTick(int timer) {
    (void)timer;
    CheckModel("before a tick", 0);
}

void Engine::AfterTick(int timer) {
    if (options_.Plant == "speed-after-arrow" && timer == kTimer1 && form_) {
        // The planted fault: a pump tick with the lid closed and the speed arrows moved from
        // their first position throws the rotor far beyond its range.
        TForm1Logic& logic = Logic();
        if (logic.Model.LidClosed && logic.MaskEdit1.Text != "100") {
            logic.Model.RotorSpeed = 5000;
        }
    }
    CheckModel(timer == kTimer3 ? "after a counting tick" : "after a tick", timer);
}

// ---------------------------------------------------------------- mouse

QWidget* Engine::WidgetAtPanelPoint(QPoint point) {
    TForm1& form = Form();
    const QPoint inForm = form.Panel3->mapTo(&form, point);
    QWidget* widget = form.childAt(inForm);
    return widget != nullptr ? widget : form.centralWidget();
}

void Engine::MouseDrag(QPoint from, QPoint to, int moves, int button, std::int64_t holdMs) {
    TForm1& form = Form();
    QWidget* widget = WidgetAtPanelPoint(from);
    const auto local = [&form, widget](QPoint panelPoint) {
        return widget->mapFrom(&form, form.Panel3->mapTo(&form, panelPoint));
    };
    const auto mouseButton = static_cast<Qt::MouseButton>(button);
    QTest::mousePress(widget, mouseButton, {}, local(from));
    // A dialog that opens while the button is held blocks the window: the toolkit gives the
    // release to nobody.
    const auto blocked = [this] { return stats_.Messages + stats_.ModalDialogs; };
    const std::size_t blockedAtPress = blocked();
    const auto move = [this, widget, local, mouseButton](QPoint panelPoint) {
        if (!form_) {
            return;
        }
        const QPointF at(local(panelPoint));
        QMouseEvent event(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton,
                          mouseButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    };
    for (int k = 1; k <= moves; ++k) {
        move(from + (to - from) * k / (moves + 1) + QPoint(R().Int(-3, 3), R().Int(-3, 3)));
    }
    const auto release = [this, widget, local, mouseButton, move, to, blocked, blockedAtPress] {
        if (!form_ || blocked() != blockedAtPress) {
            return;
        }
        move(to);
        QTest::mouseRelease(widget, mouseButton, {}, local(to));
    };
    if (holdMs <= 0) {
        release();
    } else if (InWait()) {
        // Held across the program's wait: the release comes some events later.
        Later(holdMs / 10, release);
    } else {
        PassTime(holdMs);
        release();
    }
}

}  // namespace sim::exerciser
