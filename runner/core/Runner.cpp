#include "runner/core/Runner.h"

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
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
            options.FactorFile.value_or((fs::path(options.OutputDir) / kFactorFileName).string());
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
        std::string pattern =
            (fs::path(parent) / (std::string(kWorkFolderPrefix) + std::string(kWorkFolderPattern)))
                .string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw BadInput{FolderNotWritable(parent, errno)};
        }
        path_ = pattern;
        const std::string lockPath = path_ + "/" + kWorkLockName;
        lock_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        // Blocking: another run may hold the new lock for a moment while it looks for stale
        // folders; it leaves a folder whose lock file is still empty alone.
        if (lock_ < 0 || ::flock(lock_, LOCK_EX) != 0) {
            const int error = errno;
            Remove();
            throw BadInput{FolderNotWritable(parent, error)};
        }
        const std::string owner = std::to_string(::getpid()) + "\n";
        if (::write(lock_, owner.data(), owner.size()) != static_cast<ssize_t>(owner.size())) {
            const int error = errno;
            Remove();
            throw BadInput{FolderNotWritable(parent, error)};
        }
    }
    ~WorkFolder() { Remove(); }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    const std::string& Path() const { return path_; }

  private:
    // Removed while still locked, so no other run takes it for a stale one half-way.
    void Remove() {
        std::error_code error;
        fs::remove_all(path_, error);
        if (lock_ >= 0) {
            ::close(lock_);
            lock_ = -1;
        }
    }

    std::string path_;
    int lock_ = -1;
};

// The result files a killed run left in its private folder, with their participants.
std::vector<std::pair<fs::path, std::string>> PartialResults(const fs::path& folder) {
    std::vector<std::pair<fs::path, std::string>> found;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
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
    for (fs::directory_iterator entry(parent, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (IsRunnerWorkFolderName(name) && entry->is_directory(error) &&
            !entry->is_symlink(error)) {
            candidates.push_back(entry->path());
        }
    }
    std::vector<std::string> said;
    const std::string folder = (fs::path(parent) / "").string();
    for (const fs::path& stale : candidates) {
        const std::string lockPath = (stale / kWorkLockName).string();
        const int lock = ::open(lockPath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (lock < 0) {
            continue;
        }
        struct stat info {};
        if (::flock(lock, LOCK_EX | LOCK_NB) == 0 && ::fstat(lock, &info) == 0 &&
            S_ISREG(info.st_mode) && info.st_size > 0) {
            std::vector<std::string> kept;
            int failure = 0;
            for (const auto& [partial, participant] : PartialResults(stale)) {
                const std::string current = folder + ResultFileName(participant);
                int moved = RenameNoReplace(partial.string(), current);
                std::string where = current;
                if (moved == EEXIST) {
                    const KeptResult earlier =
                        MoveToEarlierResult(partial.string(), folder, participant);
                    moved = earlier.Error;
                    where = earlier.KeptAs.value_or("");
                }
                if (moved == 0) {
                    kept.push_back(ShownText(where));
                } else {
                    failure = moved;
                }
            }
            if (failure != 0) {
                said.push_back(Tr(SIM_TR("Runner",
                                         "egy megszakadt futás mappájában részeredmény maradt, "
                                         "ezért a mappa megmaradt: %1 (%2)"),
                                  {ShownText(stale.string()), Reason(failure)}));
            } else {
                fs::remove_all(stale, error);
                std::string keptList;
                for (const std::string& k : kept) {
                    keptList += (keptList.empty() ? "" : ", ") + k;
                }
                said.push_back(
                    kept.empty()
                        ? Tr(SIM_TR("Runner",
                                    "egy megszakadt futás mappáját eltávolítottam: %1 "
                                    "(mért pont nem volt benne)"),
                             {ShownText(stale.string())})
                        : Tr(SIM_TR("Runner",
                                    "egy megszakadt futás mappáját eltávolítottam: %1; az addig "
                                    "mért pontjai megmaradtak: %2"),
                             {ShownText(stale.string()), keptList}));
            }
        }
        ::close(lock);
    }
    return said;
}

// Whether a file can be put at path the way WriteFileReplacing does it: a new file in its
// folder, then a rename over the name. Returns the message when it cannot.
std::optional<std::string> CheckReplaceable(const std::string& path) {
    struct stat existing {};
    if (::lstat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode) &&
        !S_ISLNK(existing.st_mode)) {
        return NotCreated(path, FileKindReason(static_cast<unsigned>(existing.st_mode)));
    }
    fs::path folder = fs::path(path).parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    std::string probe = (folder / ".trelko-runner-probe-XXXXXX").string();
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) {
        const int error = errno;
        std::error_code ignored;
        return NotCreated(
            path, fs::is_directory(folder, ignored) ? CreationReason(error) : Reason(error));
    }
    ::close(fd);
    ::unlink(probe.c_str());
    return std::nullopt;
}

// The output folder must be there and be a folder; whether it takes files is found when the
// identifier is claimed in it.
void CheckOutputFolder(const std::string& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) {
            throw BadInput{Tr(SIM_TR("Runner", "%1: nincs ilyen mappa"), {folder})};
        }
        throw BadInput{
            Tr(SIM_TR("Runner", "%1: a mappa nem érhető el (%2)"), {folder, Reason(error)})};
    }
    if (!S_ISDIR(info.st_mode)) {
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
        std::error_code error;
        if (fs::exists(written, error)) {
            // Whatever stands at the target now was not there at the start: kept, not replaced.
            int failure = RenameNoReplace(written, resultTarget);
            if (failure == EEXIST) {
                const std::string folder = (fs::path(resultTarget).parent_path() / "").string();
                failure = KeepEarlierResult(folder, form.Model.ParticipantId).Error;
                if (failure == 0) {
                    failure = RenameNoReplace(written, resultTarget);
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
    const std::string outputFolder = (fs::path(options.OutputDir) / "").string();
    const std::string resultTarget = outputFolder + ResultFileName(participant);
    // Everything the run will write must be writable before the series is spent on it.
    struct stat existing {};
    if (::lstat(resultTarget.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode) &&
        !S_ISLNK(existing.st_mode)) {
        throw BadInput{ResultFileNotWritable(
            resultTarget, FileKindReason(static_cast<unsigned>(existing.st_mode)))};
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
        Require(WriteFileReplacing((fs::path(work.Path()) / kFactorFileName).string(),
                                   *factor.Content));
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
