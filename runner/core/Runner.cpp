#include "runner/core/Runner.h"

#include <cerrno>
#include <csignal>
#include <cmath>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <variant>

#include "BuildInfo.h"
#include "apparatus/core/FactorFile.h"
#include "apparatus/core/ResultFiles.h"
#include "common/ErrorText.h"
#include "common/FileNames.h"
#include "common/Format.h"
#include "common/IdentifierClaim.h"
#include "common/Platform.h"
#include "common/ReplaceFile.h"
#include "common/Translate.h"
#include "common/VirtualClock.h"
#include "runner/core/RunnerOptions.h"

namespace sim {

namespace fs = std::filesystem;

namespace {

constexpr const char* kFactorFileName = "faktor.txt";
// The private folder of a run: this prefix and the six characters mkdtemp puts for its X's.
constexpr std::string_view kWorkFolderPrefix = ".trelko-runner-";
constexpr std::string_view kWorkFolderPattern = "XXXXXX";
constexpr std::size_t kWorkFolderNameLength = kWorkFolderPrefix.size() + kWorkFolderPattern.size();
// Inside it: locked for the life of the run, and holding the owner's process number.
constexpr const char* kWorkLockName = ".lock";

// A failure that ends the command with a one-line message.
struct BadInput {
    std::string Message;
};

std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return text;
}

std::string Reason(int error) {
    return SystemReason(error);
}

// Why nothing can be made in an existing folder. A file system that takes no new names there
// (/proc) answers "no such file", which would send the reader looking for the folder.
std::string CreationReason(int error) {
    return error == ENOENT ? Tr(SIM_TR("Runner", "a fájlrendszer nem enged benne új fájlt"))
                           : Reason(error);
}

std::string FolderNotWritable(const std::string& folder, int error) {
    return Tr(SIM_TR("Runner", "%1: a mappába nem lehet írni (%2)"),
              {folder, CreationReason(error)});
}

std::string NotCreated(const std::string& path, const std::string& reason) {
    return Tr(SIM_TR("Runner", "%1: nem hozható létre (%2)"), {path, reason});
}

std::string ResultFileNotWritable(const std::string& path, const std::string& reason) {
    return Tr(SIM_TR("Runner", "%1: az eredményfájl nem írható (%2)"), {path, reason});
}

// The factor file the run's Start will read: the bytes to write and what they say.
struct FactorPlan {
    std::optional<std::string> Content;  // nothing: the run has no factor file
    std::int32_t CountFactor = kDefaultCountFactor;
    std::int32_t SpeedStep = kDefaultSpeedStep;
};

// The factor file's content, or nothing where an optional file is missing. Only a plain file of
// at most the settings limit is read, so neither a huge file nor a device can fill the memory.
std::optional<std::string> ReadFactorFile(const std::string& path, bool required) {
    SettingsFile file = ReadSettingsFile(path);
    switch (file.Status) {
        case TextFileStatus::Read:
            return std::move(file.Content);
        case TextFileStatus::Missing:
            if (!required) {
                return std::nullopt;
            }
            throw BadInput{Tr(SIM_TR("Runner", "%1: nem található"), {path})};
        case TextFileStatus::TooLarge:
            throw BadInput{Tr(SIM_TR("Runner", "%1: túl nagy fájl (legfeljebb %2 KiB lehet)"),
                              {path, std::to_string(kMaxSettingsFileBytes / 1024)})};
        case TextFileStatus::Unreadable:
            break;
    }
    if (file.Error == 0) {
        throw BadInput{Tr(SIM_TR("Runner", "%1: nem közönséges fájl"), {path})};
    }
    throw BadInput{Tr(SIM_TR("Runner", "%1: nem olvasható (%2)"), {path, Reason(file.Error)})};
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

FactorPlan PlanFactorFile(const RunnerOptions& options) {
    FactorPlan plan;
    std::vector<std::string> lines;
    std::string source;
    if (options.FactorValuesGiven()) {
        source = Tr(SIM_TR("Runner", "a --factor/--step/--pressure értékei"));
        lines.push_back(std::to_string(options.Factor.value_or(kDefaultCountFactor)));
        lines.push_back(std::to_string(options.Step.value_or(kDefaultSpeedStep)));
        if (options.Pressure) {
            lines.push_back(Format("%.17g", *options.Pressure));
        }
        plan.Content = JoinLines(lines);
    } else {
        source =
            options.FactorFile.value_or(
                platform::TextOf(platform::PathOf(options.OutputDir) / kFactorFileName));
        const std::optional<std::string> content =
            ReadFactorFile(source, options.FactorFile.has_value());
        if (!content) {
            return plan;  // as the window without a factor file
        }
        // The window reads no more than these lines; the run's copy holds just them.
        lines = SplitTextLines(*content, kFactorLineCount);
        plan.Content = JoinLines(lines);
    }

    const FactorSettings settings = ParseFactorLines(lines);
    if (settings.FailedLine != 0) {
        throw BadInput{source + ": " + OneLine(settings.Error)};
    }
    plan.CountFactor = settings.CountFactor.value_or(kDefaultCountFactor);
    plan.SpeedStep = settings.SpeedStep.value_or(kDefaultSpeedStep);

    // The exact mode is the window's own: a negative factor on line 1.
    if (options.Exact && plan.CountFactor > 0) {
        plan.CountFactor = -plan.CountFactor;
        if (lines.empty()) {
            lines.push_back(std::to_string(plan.CountFactor));
        } else {
            lines[0] = std::to_string(plan.CountFactor);
        }
        plan.Content = JoinLines(lines);
    }
    return plan;
}

// A private folder for the run inside the output folder: the factor file the run reads lives
// there, so a faktor.txt beside the results is never overwritten, and the result file is
// moved out by a rename once the series is over. Removed with everything in it; a run killed
// outright leaves it behind, and a later run removes it (RemoveStaleWorkFolders).
class WorkFolder {
  public:
    explicit WorkFolder(const std::string& parent) {
        int error = 0;
        path_ = platform::MakeUniqueFolder(parent, std::string(kWorkFolderPrefix), error);
        if (error != 0) {
            throw BadInput{FolderNotWritable(parent, error)};
        }
        const std::string lockPath = platform::TextOf(platform::PathOf(path_) / kWorkLockName);
        lock_ = platform::OpenForWriting(lockPath, true, true, error);
        // Blocking: another run may hold the new lock for a moment while it looks for stale
        // folders; it leaves a folder whose lock file is still empty alone.
        if (error == 0) {
            error = lock_.Lock(true);
        }
        if (error == 0) {
            error = lock_.WriteAll(std::to_string(platform::ProcessId()) + "\n");
        }
        if (error != 0) {
            Remove();
            throw BadInput{FolderNotWritable(parent, error)};
        }
    }
    ~WorkFolder() { Remove(); }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    const std::string& Path() const { return path_; }

  private:
    // Removed while still locked, so no other run takes it for a stale one half-way; the lock
    // file itself last, as Windows removes no folder while a file in it is open.
    void Remove() {
        std::error_code error;
        const fs::path folder = platform::PathOf(path_);
        for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
             entry.increment(error)) {
            if (entry->path().filename() != kWorkLockName) {
                fs::remove_all(entry->path(), error);
            }
        }
        lock_.Close();
        fs::remove_all(folder, error);
    }

    std::string path_;
    platform::File lock_;
};

// The result files a killed run left in its private folder, with their participants.
std::vector<std::pair<fs::path, std::string>> PartialResults(const fs::path& folder) {
    std::vector<std::pair<fs::path, std::string>> found;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = platform::TextOf(entry->path().filename());
        if (name.starts_with(kParticipantPrefix) && name.ends_with(kResultExtension) &&
            entry->is_regular_file(error) && !entry->is_symlink(error)) {
            found.emplace_back(entry->path(),
                               name.substr(0, name.size() - kResultExtension.size()));
        }
    }
    return found;
}

// The private folders of runs that were killed outright: the lock is free and was taken once
// (its file holds the owner's process number). A folder being set up (an empty or missing
// lock file) and one in use (a held lock) stay. The points a killed run had measured are kept:
// its result file goes beside the others, as a stopped run would have left it, or as that
// participant's latest earlier series where a result file stands there already. Returns what
// to tell the user.
std::vector<std::string> RemoveStaleWorkFolders(const std::string& parent) {
    std::vector<fs::path> candidates;
    std::error_code error;
    for (fs::directory_iterator entry(platform::PathOf(parent), error), end;
         !error && entry != end; entry.increment(error)) {
        const std::string name = platform::TextOf(entry->path().filename());
        if (IsRunnerWorkFolderName(name) && entry->is_directory(error) &&
            !entry->is_symlink(error)) {
            candidates.push_back(entry->path());
        }
    }
    std::vector<std::string> said;
    const std::string folder = platform::TextOf(platform::PathOf(parent) / "");
    for (const fs::path& stale : candidates) {
        const std::string lockPath = platform::TextOf(stale / kWorkLockName);
        if (platform::KindOf(lockPath) != platform::Kind::Regular) {
            continue;
        }
        int openError = 0;
        platform::File lock = platform::OpenForReading(lockPath, openError);
        bool regular = false;
        std::uint64_t size = 0;
        if (!lock.IsOpen() || lock.Lock(false) != 0 || lock.Describe(regular, size) != 0 ||
            !regular || size == 0) {
            continue;
        }
        std::vector<std::string> kept;
        int failure = 0;
        for (const auto& [partial, participant] : PartialResults(stale)) {
            const std::string from = platform::TextOf(partial);
            const std::string current = folder + ResultFileName(participant);
            int moved = platform::MoveNoReplace(from, current);
            std::string where = current;
            if (moved == EEXIST) {
                const KeptResult earlier = MoveToEarlierResult(from, folder, participant);
                moved = earlier.Error;
                where = earlier.KeptAs.value_or("");
            }
            if (moved == 0) {
                kept.push_back(ShownText(where));
            } else {
                failure = moved;
            }
        }
        const std::string shownStale = ShownText(platform::TextOf(stale));
        if (failure != 0) {
            said.push_back(Tr(SIM_TR("Runner",
                                     "egy megszakadt futás mappájában részeredmény maradt, "
                                     "ezért a mappa megmaradt: %1 (%2)"),
                              {shownStale, Reason(failure)}));
            continue;
        }
        lock.Close();
        fs::remove_all(stale, error);
        std::string keptList;
        for (const std::string& k : kept) {
            keptList += (keptList.empty() ? "" : ", ") + k;
        }
        said.push_back(kept.empty() ? Tr(SIM_TR("Runner",
                                                "egy megszakadt futás mappáját eltávolítottam: %1 "
                                                "(mért pont nem volt benne)"),
                                         {shownStale})
                                    : Tr(SIM_TR("Runner",
                                                "egy megszakadt futás mappáját eltávolítottam: "
                                                "%1; az addig mért pontjai megmaradtak: %2"),
                                         {shownStale, keptList}));
    }
    return said;
}

// Whether a file can be put at path the way WriteFileReplacing does it: a new file in its
// folder, then a rename over the name. Returns the message when it cannot.
std::optional<std::string> CheckReplaceable(const std::string& path) {
    if (const platform::Kind kind = platform::KindOf(path);
        kind != platform::Kind::Missing && kind != platform::Kind::Regular &&
        kind != platform::Kind::Link) {
        return NotCreated(path, FileKindReason(kind));
    }
    fs::path folder = platform::PathOf(path).parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    const std::string probe = platform::TextOf(
        folder / (".trelko-runner-probe-" + std::to_string(platform::ProcessId())));
    int error = 0;
    platform::File file = platform::OpenForWriting(probe, true, true, error);
    if (!file.IsOpen()) {
        std::error_code ignored;
        return NotCreated(
            path, fs::is_directory(folder, ignored) ? CreationReason(error) : Reason(error));
    }
    file.Close();
    platform::RemoveFile(probe);
    return std::nullopt;
}

// The output folder must be there and be a folder; whether it takes files is found when the
// identifier is claimed in it.
void CheckOutputFolder(const std::string& folder) {
    int error = 0;
    platform::Kind kind = platform::KindOf(folder, &error);
    if (kind == platform::Kind::Link) {
        std::error_code ignored;
        const fs::file_status target = fs::status(platform::PathOf(folder), ignored);
        kind = fs::is_directory(target)  ? platform::Kind::Directory
               : fs::exists(target)      ? platform::Kind::Regular
                                         : platform::Kind::Missing;
    }
    if (kind == platform::Kind::Missing) {
        throw BadInput{Tr(SIM_TR("Runner", "%1: nincs ilyen mappa"), {folder})};
    }
    if (error != 0) {
        throw BadInput{
            Tr(SIM_TR("Runner", "%1: a mappa nem érhető el (%2)"), {folder, Reason(error)})};
    }
    if (kind != platform::Kind::Directory) {
        throw BadInput{Tr(SIM_TR("Runner", "%1: nem mappa"), {folder})};
    }
}

// The participant's files in the output folder are the run's alone while it lasts, as they
// are a window's: a window or another run on the same identifier there is refused.
IdentifierClaim ClaimOutput(const std::string& folder, const std::string& identifier) {
    auto taken = IdentifierClaim::Take(folder + "/", kParticipantPrefix + identifier);
    if (auto* refused = std::get_if<IdentifierClaim::Refused>(&taken)) {
        if (refused->InUse) {
            throw BadInput{Tr(SIM_TR("Runner",
                                     "a(z) \"%1\" azonosítót ebben a mappában már egy "
                                     "másik futó program használja: %2"),
                              {identifier, folder})};
        }
        throw BadInput{FolderNotWritable(folder, refused->Error)};
    }
    return std::move(std::get<IdentifierClaim>(taken));
}

void Require(const std::optional<std::string>& failure) {
    if (failure) {
        throw BadInput{*failure};
    }
}

FieldItem& MarkerFor(HeadlessForm& form, std::int32_t place, bool first) {
    switch (place) {
        case 1:
            return form.Shape2;
        case 9:
            return form.Shape3;
        default:
            return first ? form.Shape1 : form.Shape4;  // each source's own bin spot
    }
}

struct Outcome {
    std::int32_t CounterValue = 0;
    double MeasureElapsed = 0;
    std::int32_t CountFactor = 0;
    std::int32_t SpeedStep = 0;
    std::vector<RunPoint> Points;
    std::vector<RunMessage> Messages;
    std::optional<std::string> ResultFile;  // where the series' result file now is
    int StopSignal = 0;                     // the signal that ended the run early, or 0
};

// What a contestant does in the window, through its handlers and on the virtual clock.
Outcome RunApparatus(const RunnerOptions& options, const std::string& programDir,
                     const std::string& resultTarget, const StopSignalSource& stopSignal) {
    VirtualClock virtualClock;
    MeasureTickClock clock(virtualClock);
    HeadlessForm form(clock, programDir);
    form.Model.ParticipantId = kParticipantPrefix + *options.Identifier;

    // A stop signal ends every wait at the next event; a series then closes its file with the
    // lines already written, as when the window closes.
    int caught = 0;
    const auto stopped = [&] {
        if (caught == 0 && stopSignal) {
            caught = stopSignal();
            if (caught != 0) {
                form.BeginShutdown();
            }
        }
        return caught != 0;
    };
    clock.BeforeEvents = [&] { stopped(); };

    const auto finish = [&] {
        Outcome outcome;
        outcome.CounterValue = form.Model.CounterValue;
        outcome.MeasureElapsed = form.Model.MeasureElapsed;
        outcome.CountFactor = form.Model.CountFactor;
        outcome.SpeedStep = form.Model.SpeedStep;
        outcome.Points = form.Points;
        outcome.Messages = form.Messages;
        outcome.StopSignal = caught;
        const std::string written = form.ResultFilePath();
        if (platform::KindOf(written) != platform::Kind::Missing) {
            // Whatever stands at the target now was not there at the start: kept, not replaced.
            int failure = platform::MoveNoReplace(written, resultTarget);
            if (failure == EEXIST) {
                const std::string folder =
                    platform::TextOf(platform::PathOf(resultTarget).parent_path() / "");
                failure = KeepEarlierResult(folder, form.Model.ParticipantId).Error;
                if (failure == 0) {
                    failure = platform::MoveNoReplace(written, resultTarget);
                }
            }
            if (failure != 0) {
                throw BadInput{ResultFileNotWritable(resultTarget, Reason(failure))};
            }
            outcome.ResultFile = resultTarget;
        }
        return outcome;
    };

    form.FileToOpen = options.GeometryPath;
    form.Button2Click();
    if (!form.Messages.empty()) {
        const std::string text = OneLine(form.Messages.front().Text);
        throw BadInput{text.find(options.GeometryPath) == std::string::npos
                           ? options.GeometryPath + ": " + text
                           : text};
    }
    form.Shape2DragDrop(MarkerFor(form, options.FirstSource, true), form.Image2, 0, 0);
    form.Shape2DragDrop(MarkerFor(form, options.SecondSource, false), form.Image3, 0, 0);

    form.BitBtn8Click();
    form.BitBtn1Click();
    virtualClock.RunUntil([&] { return form.BitBtn3.Enabled || stopped(); });
    if (stopped()) {
        return finish();
    }

    form.Edit5.Text = std::to_string(options.CountTime);
    form.CheckBox1.Checked = options.AutoStop;
    form.CheckBox1Click();

    if (options.Speed) {
        form.MaskEdit1.Text = std::to_string(*options.Speed);
        form.Model.SpeedReached = false;
        form.BitBtn3Click();
        virtualClock.RunUntil([&] { return form.Model.SpeedReached || stopped(); });
        if (form.ApparatusErrorShown() || stopped()) {
            return finish();
        }
    }

    form.BitBtn5Click();  // a whole series runs inside
    if (form.Model.SpeedStep == 0 && form.Model.MeasurementOn && form.Timer3->Enabled()) {
        const bool stopsItself = form.CheckBox1.Checked || form.Model.CountFactor < 0;
        virtualClock.RunUntil([&] {
            return !form.Model.MeasurementOn ||
                   (!stopsItself && form.Model.MeasureElapsed >= options.CountTime) || stopped();
        });
        if (form.Model.MeasurementOn) {
            form.BitBtn6Click();  // the contestant's Stop once the time is up
            form.ClosePoint();
        }
    }
    return finish();
}

// A series writes the result file anew: an earlier series' file is kept, never replaced.
void KeepEarlierSeries(const std::string& folder, const std::string& participant,
                       std::ostream& err) {
    const KeptResult kept = KeepEarlierResult(folder, participant);
    if (kept.Error != 0) {
        throw BadInput{Tr(SIM_TR("Runner", "%1: a korábbi sorozat fájlja nem nevezhető át (%2)"),
                          {folder + ResultFileName(participant), Reason(kept.Error)})};
    }
    if (kept.KeptAs) {
        err << kRunnerName << ": "
            << Tr(SIM_TR("Runner", "a korábbi sorozat eredményfájlja megmaradt: %1"),
                  {ShownText(*kept.KeptAs)})
            << "\n";
    }
}

// A counter at its upper limit holds no measurement: said, so that no one takes it for one.
void WarnOfSaturation(const Outcome& outcome, std::ostream& err) {
    const std::size_t saturated =
        outcome.SpeedStep == 0 ? (outcome.CounterValue == INT32_MAX ? 1 : 0)
                               : static_cast<std::size_t>(std::count_if(
                                     outcome.Points.begin(), outcome.Points.end(),
                                     [](const RunPoint& p) { return p.Counts == INT32_MAX; }));
    if (saturated > 0) {
        err << kRunnerName << ": "
            << Tr(SIM_TR("Runner",
                         "figyelem: %1 mérésben a számláló elérte a felső határát (%2): ezek "
                         "nem mért beütésszámok; kisebb Faktorral mérj"),
                  {std::to_string(saturated), std::to_string(INT32_MAX)})
            << "\n";
    }
}

std::string SignalName(int signal) {
    switch (signal) {
        case SIGINT:
            return "SIGINT";
        case SIGTERM:
            return "SIGTERM";
        default:
            return Tr(SIM_TR("Runner", "jelzés"));
    }
}

int Run(const RunnerOptions& options, std::ostream& out, std::ostream& err, const PngRenderer& png,
        const StopSignalSource& stopSignal) {
    CheckOutputFolder(options.OutputDir);
    if (options.PlotPath && options.Plot == PlotFormat::Png && !png) {
        throw BadInput{
            Tr(SIM_TR("Runner", "%1: PNG rajzolása itt nem lehetséges"), {*options.PlotPath})};
    }
    const FactorPlan factor = PlanFactorFile(options);
    if (factor.SpeedStep != 0 && !options.AutoStop && factor.CountFactor >= 0) {
        throw BadInput{Tr(SIM_TR("Runner",
                                 "sorozat --no-auto-stop mellett csak pontos módban ér "
                                 "véget: a második ponttól a Stop gomb tiltva van"))};
    }

    if (factor.CountFactor == 0) {
        err << kRunnerName << ": "
            << Tr(SIM_TR("Runner",
                         "figyelem: a Faktor 0, így minden beütésszám 0 lesz (pontos módhoz "
                         "negatív Faktor kell)"))
            << "\n";
    }
    const IdentifierClaim claim = ClaimOutput(options.OutputDir, *options.Identifier);
    for (const std::string& said : RemoveStaleWorkFolders(options.OutputDir)) {
        err << kRunnerName << ": " << said << "\n";
    }
    WorkFolder work(options.OutputDir);
    const std::string participant = kParticipantPrefix + *options.Identifier;
    const std::string outputFolder = platform::TextOf(platform::PathOf(options.OutputDir) / "");
    const std::string resultTarget = outputFolder + ResultFileName(participant);
    // Everything the run will write must be writable before the series is spent on it.
    if (const platform::Kind kind = platform::KindOf(resultTarget);
        kind != platform::Kind::Missing && kind != platform::Kind::Regular &&
        kind != platform::Kind::Link) {
        throw BadInput{ResultFileNotWritable(resultTarget, FileKindReason(kind))};
    }
    if (factor.SpeedStep != 0) {
        KeepEarlierSeries(outputFolder, participant, err);
    }
    for (const auto& target : {options.CsvPath, options.PlotPath}) {
        if (target) {
            Require(CheckReplaceable(*target));
        }
    }
    if (factor.Content) {
        Require(WriteFileReplacing(
            platform::TextOf(platform::PathOf(work.Path()) / kFactorFileName), *factor.Content));
    }
    const Outcome outcome = RunApparatus(options, work.Path() + "/", resultTarget, stopSignal);

    if (outcome.StopSignal != 0) {
        const std::string signal = SignalName(outcome.StopSignal);
        err << kRunnerName << ": "
            << (outcome.ResultFile
                    ? Tr(SIM_TR("Runner",
                                "megszakítva (%1); az eredményfájl hiányos, csak az "
                                "addig mért pontok vannak benne: %2"),
                         {signal, ShownText(*outcome.ResultFile)})
                    : Tr(SIM_TR("Runner", "megszakítva (%1); eredmény nem készült"), {signal}))
            << "\n";
        return kRunnerSignalBase + outcome.StopSignal;
    }

    bool apparatusError = false;
    for (const RunMessage& message : outcome.Messages) {
        if (message.Caption != Tr(kErrorCaption)) {
            throw BadInput{OneLine(message.Text)};
        }
    }
    for (const RunMessage& message : outcome.Messages) {
        const std::string_view text = message.Text;
        for (std::size_t start = 0;;) {
            const std::size_t end = text.find('\r', start);
            err << ShownText(text.substr(start, end - start)) << "\n";
            if (end == std::string_view::npos) {
                break;
            }
            start = end + 1;
        }
        apparatusError = true;
    }
    if (apparatusError) {
        return kRunnerApparatusError;
    }

    WarnOfSaturation(outcome, err);
    if (outcome.SpeedStep == 0) {
        out << Tr(SIM_TR("Runner", "Számláló: %1"), {std::to_string(outcome.CounterValue)}) << "\n"
            << Tr(SIM_TR("Runner", "Mérési idő (s): %1"), {Format("%.1f", outcome.MeasureElapsed)})
            << "\n";
    } else if (outcome.ResultFile) {
        out << Tr(SIM_TR("Runner", "Eredményfájl: %1"), {ShownText(*outcome.ResultFile)}) << "\n";
    }
    if (options.CsvPath) {
        Require(WriteFileReplacing(*options.CsvPath, FormatCsv(outcome.Points)));
    }
    if (options.PlotPath) {
        PlotData data;
        data.Title = Tr(
            SIM_TR("Runner", "%1   (Faktor= %2, mérési idő %3 s)"),
            {participant, std::to_string(outcome.CountFactor), std::to_string(options.CountTime)});
        data.Points = outcome.Points;
        std::string image;
        if (options.Plot == PlotFormat::Png) {
            image = png(data, work.Path());
            if (image.empty()) {
                throw BadInput{
                    Tr(SIM_TR("Runner", "%1: a PNG kép nem készült el"), {*options.PlotPath})};
            }
        } else {
            image = RenderSvgPlot(data);
        }
        Require(WriteFileReplacing(*options.PlotPath, image));
    }
    return kRunnerOk;
}

}  // namespace

bool IsRunnerWorkFolderName(const std::string& name) {
    return name.size() == kWorkFolderNameLength && name.starts_with(kWorkFolderPrefix);
}

std::string FormatCsv(const std::vector<RunPoint>& points) {
    // A file for other programs: the same bytes in every language the runner speaks.
    std::string csv = "alapjel (1/s),beütésszám,várható beütésszám,szórás\r\n";
    for (const RunPoint& p : points) {
        csv += Format("%.0f,%d,%.4f,%.4f\r\n", p.Setpoint, p.Counts, p.Expected,
                      std::sqrt(std::max(p.Expected, 0.0)));
    }
    return csv;
}

std::optional<std::string> WriteFileReplacing(const std::string& path, const std::string& content) {
    const auto failure = ReplaceFile(path, content);
    if (!failure) {
        return std::nullopt;
    }
    const std::string reason = failure->Reason();
    if (failure->At == ReplaceFileFailure::Stage::Create ||
        failure->At == ReplaceFileFailure::Stage::NotRegular) {
        return NotCreated(path, reason);
    }
    return Tr(SIM_TR("Runner", "%1: nem írható (%2)"), {path, reason});
}

int RunnerMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const PngRenderer& png, const StopSignalSource& stopSignal) {
    // Names and lines from files reach the terminal escaped: no control byte of theirs can
    // move the cursor or hide the rest of the message.
    const ParsedRunnerOptions parsed = ParseRunnerOptions(args);
    if (!parsed.Options) {
        err << kRunnerName << ": " << ShownText(parsed.Error) << "\n";
        return kRunnerBadInput;
    }
    if (parsed.Options->Help) {
        out << RunnerHelpText();
        return kRunnerOk;
    }
    if (parsed.Options->Version) {
        out << kRunnerName << " " << kProgramVersion << "\n";
        return kRunnerOk;
    }
    try {
        return Run(*parsed.Options, out, err, png, stopSignal);
    } catch (const BadInput& bad) {
        err << kRunnerName << ": " << ShownText(OneLine(bad.Message)) << "\n";
    } catch (const std::exception& failure) {
        err << kRunnerName << ": " << ShownText(OneLine(failure.what())) << "\n";
    }
    return kRunnerBadInput;
}

}  // namespace sim
