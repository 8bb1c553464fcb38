#pragma once

// The exerciser's engine: builds the real main window on the offscreen platform and the virtual
// clock, runs a sequence of actions on it as a person would (through its widgets, with real
// mouse and key events), answers every dialog, lets ticks run under modal dialogs and acts
// while the program waits inside a handler, and checks the program's invariants after every
// action and around every tick.

#include <QPoint>

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/VirtualClock.h"
#include "tests/exerciser/Sequence.h"

class QTimer;
class QWidget;

namespace sim {
class TForm1;
class TForm1Logic;
struct FieldItem;
}  // namespace sim

namespace sim::exerciser {

struct Failure {
    std::string Kind;    // the broken invariant, "hang", or "setup"
    std::string Detail;  // what was seen
    std::size_t Index = 0;  // of the step during which it was seen
    std::string Action;     // the action running then (a nested one if so)
};

struct Options {
    // A deliberate fault, planted through the clock's tick hook (for the exerciser's own test).
    std::string Plant;
    // Virtual time a wait inside a handler may take before the person gives up and closes the
    // program, and how long the program may then still wait before it counts as hung.
    std::int64_t PatienceMs = std::int64_t{10} * 60 * 1000;
    std::int64_t GraceMs = std::int64_t{60} * 1000;
    // The chance, at each event of such a wait, that the person does something meanwhile.
    double NestedChance = 1.0 / 200;
    // Print every step and nested action as it starts.
    bool Trace = false;
};

struct RunStats {
    std::size_t Steps = 0;
    std::size_t NestedActions = 0;
    std::size_t Programs = 0;
    std::size_t Messages = 0;
    std::size_t ModalDialogs = 0;
    std::int64_t Events = 0;
    std::int64_t VirtualMs = 0;
    // How far the actions got, so that a run that passes is seen to have done something.
    std::size_t LidClosings = 0;
    std::size_t PumpDowns = 0;     // the rotor's Start came free
    std::size_t RotorRuns = 0;     // the rotor reached a set point of 100/s or more
    std::size_t Counts = 0;        // counts begun
    std::size_t Series = 0;        // speed series begun
    std::size_t SeriesPoints = 0;  // lines of points written into result files
    std::size_t Mounts = 0;        // a source put onto a rotor marker
    std::size_t Moves = 0;         // a component moved by a drag or the position dialog
    std::size_t Loads = 0;         // geometry files applied
    std::size_t Saves = 0;         // geometry files written
    std::map<std::string, std::size_t> MessageTexts;
    std::map<std::string, std::size_t> Languages;  // program starts per language
};

// The plantable faults, for the help text and the tests.
std::vector<std::string> PlantableFaults();

// Types text into a widget key by key, letters beyond ASCII too (the test library's own
// typing takes ASCII only).
void TypeText(QWidget* widget, const std::string& text);

class Engine {
  public:
    explicit Engine(Options options);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Runs the steps in order in a fresh program folder, starting the program whenever none
    // runs (the first step, and after the program was closed). Returns the first failure;
    // nothing runs after it. beforeStep, when set, hears each step's index first and may end
    // the run there by returning false.
    std::optional<Failure> Run(const Sequence& steps,
                               const std::function<bool(std::size_t)>& beforeStep = {});
    const RunStats& Stats() const { return stats_; }

    // ---- what the actions use ----
    TForm1& Form();
    TForm1Logic& Logic();
    // The current action's own numbers. The file answers, the dialogs' answers and the
    // person's doings during a wait draw from streams of their own, so that a step that draws
    // more or fewer numbers (its state differs once other steps are dropped) leaves the rest
    // of its step as it was.
    Rng& R() { return *rng_; }
    const std::filesystem::path& Folder() const { return folder_; }
    // The participant's key as the program has it ("Brk2017_a").
    std::string ParticipantId();
    bool Stopping() const { return failure_.has_value(); }
    // Inside a wait of the program (a nested action), rather than a step of the sequence.
    bool InWait() const { return nestedDepth_ > 0; }

    // Lets virtual time pass at the top level, with every tick checked.
    void PassTime(std::int64_t ms);
    // Until done holds, at most maxMs.
    void PassTimeUntil(const std::function<bool()>& done, std::int64_t maxMs);
    // Runs then after the given number of events of the current wait; at the top level, or
    // when the step ends first, at the end of the step (a held mouse button comes up).
    void Later(std::int64_t events, std::function<void()> then);

    // A file that the actions put in the folder on purpose: a geometry file of damaged or
    // short content is allowed to stay so until the program replaces it.
    void NotePlanted(const std::filesystem::path& path, const std::string& content);
    // Sends a press, moves and a release as the toolkit delivers them: all to the widget under
    // the press (it keeps the mouse until the release). Points are in the field panel.
    void MouseDrag(QPoint from, QPoint to, int moves, int button, std::int64_t holdMs);
    // The widget the toolkit would give a press at a point of the field panel.
    QWidget* WidgetAtPanelPoint(QPoint point);

    // The speed arrows retarget the rotor at once, a running series too: the set points of its
    // result file then follow the arrows instead of the step.
    void NoteSpeedArrows();

    void Fail(const std::string& kind, const std::string& detail);

  private:
    friend class ExerciserClock;
    class ExerciserClock;
    struct Pending {
        std::int64_t Events;
        std::function<void()> Then;
    };

    void StartProgram();
    void EndProgram();
    void RunStep(const Step& step);
    void RunNested();
    void RunDueLater(bool all);
    void QueueFileAnswers();
    std::optional<std::string> RandomFileAnswer();

    // Hooks of the program's seams.
    int Respond(const std::string& text, const std::string& caption, int flags);
    void Drain();
    void AnswerPositionDialog(int attempt);
    void AnswerLogin(int attempt);
    void AnswerAbout();
    void OnWait();
    void Escalate();
    void BeforeTick(int timer);
    void AfterTick(int timer);
    void PassTimeUnderDialog();

    // Invariants (Invariants.cpp).
    void CheckModel(const char* where, int afterTimer);
    void CheckAll(const std::string& where);
    void CheckWidgets();
    void CheckOverlap();
    void CheckFiles();
    void CheckFolder(const std::filesystem::path& folder);
    void CheckResultFile(const std::filesystem::path& path);
    void NoteLoads();
    void ResetProgramWatch();

    Options options_;
    std::unique_ptr<ExerciserClock> clock_;
    std::unique_ptr<TForm1> form_;
    std::filesystem::path folder_;
    Rng actionRng_;
    Rng fileRng_;
    Rng dialogRng_;
    Rng waitRng_;
    Rng* rng_ = &actionRng_;
    RunStats stats_;
    std::optional<Failure> failure_;
    std::size_t stepIndex_ = 0;
    std::string currentAction_;
    int nestedDepth_ = 0;
    int modalDepth_ = 0;
    int responderDepth_ = 0;
    bool draining_ = false;
    QTimer* drainer_ = nullptr;
    const QWidget* lastModal_ = nullptr;
    int modalAttempts_ = 0;
    bool loginCancelled_ = false;
    bool forceYes_ = false;
    bool escalated_ = false;
    std::int64_t stepStartMs_ = 0;
    int timersMade_ = 0;
    std::vector<Pending> pending_;
    std::map<std::filesystem::path, std::string> planted_;
    bool inSeries_ = false;
    std::map<std::filesystem::path, bool> arrowsMovedInSeries_;

    // What the checks remember between two looks.
    using Places = std::array<std::int32_t, 12>;
    Places PlacesNow();
    std::optional<double> lastPressure_;
    std::optional<std::int32_t> lastCounter_;
    std::optional<Places> countPlaces_;
    std::optional<Places> loadedPlaces_;
    std::vector<Places> offeredLoads_;
    // For the coverage figures.
    struct Seen {
        bool LidClosed = false;
        bool RotorStartFree = false;
        bool SpeedReached = false;
        bool MeasurementOn = false;
        std::int32_t Tags = 0;
        std::optional<Places> Where;
    } seen_;
    std::map<std::filesystem::path, std::string> knownFiles_;
    // Files already found in order, by size and time of change: not read again unless changed.
    std::map<std::filesystem::path, std::pair<std::uintmax_t, std::filesystem::file_time_type>>
        checkedFiles_;
    std::map<std::filesystem::path, std::size_t> resultLines_;
    void NoteCoverage();
};

}  // namespace sim::exerciser
