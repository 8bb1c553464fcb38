#include "grade/core/Grading.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cmath>
#include <exception>
#include <mutex>
#include <thread>

#include "apparatus/core/Form1Logic.h"
#include "common/ErrorText.h"
#include "common/FileNames.h"
#include "common/Format.h"
#include "common/Platform.h"
#include "grade/core/Expectation.h"
#include "grade/core/Fit.h"
#include "grade/core/GradeTexts.h"

namespace sim {

namespace {

// Why path cannot be read as a regular file, or nothing; unreadable: it cannot be opened at
// all (rather than being of the wrong kind).
std::optional<std::string> NotReadable(const std::string& path, bool& unreadable) {
    int error = 0;
    const platform::Kind kind = platform::KindBehind(path, &error);
    unreadable = error != 0 || kind == platform::Kind::Missing;
    if (unreadable) {
        return SystemReason(error != 0 ? error : ENOENT);
    }
    if (kind != platform::Kind::Regular) {
        return FileKindReason(kind);
    }
    const platform::File file = platform::OpenForReading(path, error);
    unreadable = !file.IsOpen();
    return unreadable ? std::optional(SystemReason(error)) : std::nullopt;
}

// Reads at most limit + 1 bytes: enough to know whether the file goes on beyond limit.
std::optional<std::string> ReadPrefix(const std::string& path, std::size_t limit,
                                      std::string& why) {
    int error = 0;
    const platform::File file = platform::OpenForReading(path, error);
    bool regular = false;
    std::uint64_t size = limit;
    if (file.IsOpen() && file.Describe(regular, size) != 0) {
        size = limit;
    }
    // One byte more than the file had a moment ago shows whether it has grown since.
    std::string content(std::min<std::uint64_t>(size, limit) + 1, '\0');
    std::size_t got = 0;
    while (file.IsOpen() && got < content.size()) {
        const std::int64_t n = file.Read(content.data() + got, content.size() - got, error);
        if (n <= 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    if (error != 0) {
        why = SystemReason(error);
        return std::nullopt;
    }
    content.resize(got);
    return content;
}

// The window's own refusal of a geometry outside the panel, as one line without the path.
std::string WindowRefusal() {
    std::string text = Tr(kGeometryOutsidePanel, {""});
    text = text.substr(0, text.find('\r'));
    while (!text.empty() && (text.back() == ':' || text.back() == ' ')) {
        text.pop_back();
    }
    return Tr(gradetext::kGeometryRefused, {text});
}

std::string Seconds(std::int64_t ticks) {
    return Format("%g", static_cast<double>(ticks) * kMeasureTickSeconds);
}

std::string Joined(const std::vector<FoundFile>& files) {
    std::string text;
    for (const FoundFile& f : files) {
        text += (text.empty() ? "" : ", ") + ShownName(f.Shown);
    }
    return text;
}

// Reads the geometry and measures it at the series' set points.
GeometryFit FitGeometry(const FoundFile& file, const ResultSeries& series,
                        FieldEvaluator& evaluator, std::vector<PassedOver>& unread) {
    GeometryFit fit;
    fit.File = file;
    bool unreadable = false;
    if (const auto why = NotReadable(file.Path, unreadable)) {
        fit.Problem = unreadable ? Tr(gradetext::kUnreadableFile, {*why}) : *why;
        if (unreadable) {
            unread.push_back({file.Shown, fit.Problem});
        }
        return fit;
    }
    const LoadedGeometry loaded = LoadGeometryFile(file.Path);
    if (!loaded.Values) {
        fit.Problem = Tr(gradetext::kGeometryUnreadable, {loaded.Error});
        return fit;
    }
    fit.Values = loaded.Values;
    // What the window would refuse to load was never measured in it.
    if (!GeometryFitsPanel(*fit.Values)) {
        fit.Problem = WindowRefusal();
        return fit;
    }

    std::vector<std::int64_t> setpoints;
    for (const SeriesPoint& p : series.Points) {
        setpoints.push_back(p.Setpoint);
    }
    if (setpoints.empty()) {
        setpoints.push_back(kSeriesFirstSetpoint);  // only whether the field can be measured
    }
    std::vector<double> rates;
    if (!evaluator.Rates(*fit.Values, setpoints, rates, fit.Problem)) {
        return fit;
    }
    if (series.Points.empty()) {
        return fit;
    }
    // One tick's expected counts as the window forms them, factor x rate; the exact mode's
    // factor is negative, and the counter shows the negation truncated.
    for (const double rate : rates) {
        const double expected = static_cast<double>(series.Factor) * rate;
        fit.PerTick.push_back(series.Exact() ? -expected : expected);
    }
    fit.Ticks = series.Exact() ? 1 : EstimateTicks(series.Points, fit.PerTick);
    fit.ChiSquare = ChiSquare(series.Points, fit.PerTick, fit.Ticks);
    fit.Dof = static_cast<int>(series.Points.size()) - 1;
    fit.P = ChiSquarePValue(fit.ChiSquare, fit.Dof);
    if (series.Exact()) {
        fit.ExactMismatch = FirstExactMismatch(series.Points, fit.PerTick);
    }
    return fit;
}

bool Better(const GeometryFit& a, const GeometryFit& b) {
    // A chi-square that is no number fits worst.
    const double x = std::isnan(a.ChiSquare) ? INFINITY : a.ChiSquare;
    const double y = std::isnan(b.ChiSquare) ? INFINITY : b.ChiSquare;
    return x < y;
}

void FlagDifferences(ContestantGrade& grade, const OrganiserFactor& organiser) {
    const ResultSeries& series = *grade.Series;
    if (series.Factor != organiser.CountFactor) {
        grade.FactorDiffers = true;
        grade.Reasons.push_back(
            Tr(gradetext::kReasonFactorDiffers,
               {std::to_string(series.Factor), std::to_string(organiser.CountFactor)}));
    }
    if (series.Step && *series.Step != organiser.SpeedStep) {
        grade.StepDiffers = true;
        grade.Reasons.push_back(
            Tr(gradetext::kReasonStepDiffers,
               {std::to_string(*series.Step), std::to_string(organiser.SpeedStep)}));
    }
}

// The reasons about the best geometry's fit; whether it does not fit.
bool JudgeBestFit(ContestantGrade& grade, const GeometryFit& best) {
    const ResultSeries& series = *grade.Series;
    std::vector<std::string>& reasons = grade.Reasons;
    bool poor = false;
    if (best.P) {
        reasons.push_back(
            Tr(gradetext::kReasonBestFit, {ShownName(best.File.Name), ChiSquareText(best.ChiSquare),
                                           std::to_string(best.Dof), PValueText(*best.P)}));
    } else {
        reasons.push_back(Tr(gradetext::kReasonBestFitNoP,
                             {ShownName(best.File.Name), ChiSquareText(best.ChiSquare)}));
    }
    if (!series.Exact()) {
        reasons.push_back(
            Tr(gradetext::kReasonTicks, {Seconds(best.Ticks), std::to_string(best.Ticks)}));
    } else if (best.ExactMismatch) {
        const std::size_t k = *best.ExactMismatch;
        reasons.push_back(
            Tr(gradetext::kReasonExactMismatch,
               {std::to_string(series.Points[k].Setpoint), std::to_string(series.Points[k].Counts),
                std::to_string(ExactCount(best.PerTick[k]))}));
        poor = true;
    } else {
        reasons.push_back(Tr(gradetext::kReasonExactMatch));
    }
    // The exact mode's counts are no random draws: the comparison above is the whole test.
    if (!series.Exact() && best.P && *best.P < kPoorFitP) {
        reasons.push_back(Tr(gradetext::kReasonPoorFit));
        poor = true;
    }
    // The ticks are fitted, so fields whose curves have the same shape explain a series
    // equally well: the organisers should know the choice was not clear.
    std::string others;
    for (const GeometryFit& fit : grade.Fits) {
        if (&fit != &best && fit.Usable() && fit.P && *fit.P >= kPoorFitP &&
            !(series.Exact() && fit.ExactMismatch)) {
            others += (others.empty() ? "" : ", ") +
                      Tr(gradetext::kAlsoFitsItem, {ShownName(fit.File.Name), PValueText(*fit.P)});
        }
    }
    if (!poor && !others.empty()) {
        reasons.push_back(Tr(gradetext::kReasonAlsoFits, {others}));
    }
    return poor;
}

std::string Completeness(const ResultSeries& series) {
    if (series.Points.empty()) {
        return Tr(gradetext::kReasonNoPoints);
    }
    if (series.Complete()) {
        return Tr(gradetext::kReasonComplete, {std::to_string(series.Points.size()),
                                               std::to_string(series.Points.front().Setpoint),
                                               std::to_string(series.Points.back().Setpoint)});
    }
    if (const auto last = series.LastSetpoint()) {
        return Tr(gradetext::kReasonIncomplete,
                  {std::to_string(series.Points.back().Setpoint), std::to_string(*last)});
    }
    return Tr(gradetext::kReasonIncompleteNoStep,
              {std::to_string(static_cast<int>(kSeriesLastSetpoint))});
}

void Judge(ContestantGrade& grade, const std::optional<OrganiserFactor>& organiser) {
    const ResultSeries& series = *grade.Series;
    if (organiser) {
        FlagDifferences(grade, *organiser);
    }
    bool anyUsable = false;
    for (std::size_t g = 0; g < grade.Fits.size(); ++g) {
        const GeometryFit& fit = grade.Fits[g];
        if (!fit.Usable()) {
            grade.Reasons.push_back(
                Tr(gradetext::kReasonGeometryProblem, {ShownName(fit.File.Shown), fit.Problem}));
            continue;
        }
        anyUsable = true;
        if (!series.Points.empty() && (!grade.Best || Better(fit, grade.Fits[*grade.Best]))) {
            grade.Best = g;
        }
    }
    if (grade.Files.GeometryFiles.empty()) {
        grade.Result = Verdict::NoGeometry;
        grade.Reasons.push_back(Tr(gradetext::kReasonNoGeometryFile, {ShownKey(grade.Files.Id)}));
        return;
    }
    if (!anyUsable) {
        grade.Result = Verdict::NoGeometry;
        grade.Reasons.push_back(Tr(gradetext::kReasonNoUsableGeometry));
        return;
    }
    // Counts that say nothing of the field: no fit can be read from them, good or poor.
    const auto saturated =
        std::count_if(series.Points.begin(), series.Points.end(),
                      [](const SeriesPoint& p) { return p.Counts == INT32_MAX; });
    const bool allZero =
        !series.Points.empty() && std::all_of(series.Points.begin(), series.Points.end(),
                                              [](const SeriesPoint& p) { return p.Counts == 0; });
    if (saturated > 0 || allZero) {
        grade.Result = Verdict::Unjudgeable;
        grade.Reasons.push_back(saturated > 0
                                    ? Tr(gradetext::kReasonSaturated,
                                         {std::to_string(saturated), std::to_string(INT32_MAX)})
                                    : Tr(gradetext::kReasonAllZero));
        grade.Reasons.push_back(Completeness(series));
        return;
    }
    const bool poor = grade.BestFit() != nullptr && JudgeBestFit(grade, *grade.BestFit());
    grade.Reasons.push_back(Completeness(series));
    grade.Result = poor ? Verdict::NoFit : series.Complete() ? Verdict::Ok : Verdict::Incomplete;
}

}  // namespace

TrText VerdictText(Verdict verdict) {
    switch (verdict) {
        case Verdict::Malformed:
            return gradetext::kVerdictMalformed;
        case Verdict::NoGeometry:
            return gradetext::kVerdictNoGeometry;
        case Verdict::Unjudgeable:
            return gradetext::kVerdictUnjudgeable;
        case Verdict::NoFit:
            return gradetext::kVerdictNoFit;
        case Verdict::Incomplete:
            return gradetext::kVerdictIncomplete;
        case Verdict::Ok:
            return gradetext::kVerdictOk;
        case Verdict::NoResult:
            return gradetext::kVerdictNoResult;
    }
    return TrText{"Grade", ""};
}

int VerdictRank(Verdict verdict) {
    switch (verdict) {
        case Verdict::Ok:
            return 6;
        case Verdict::Incomplete:
            return 5;
        case Verdict::NoFit:
            return 4;
        case Verdict::Unjudgeable:
            return 3;
        case Verdict::NoGeometry:
            return 2;
        case Verdict::Malformed:
            return 1;
        case Verdict::NoResult:
            return 0;
    }
    return 0;
}

std::string GradeNote::Shown() const {
    return Arg ? Tr(Text, {*Arg}) : Tr(Text);
}

std::string GradeNote::Source() const {
    return Arg ? Compose(Text.Source, {*Arg}) : std::string(Text.Source);
}

std::string ShownKey(const std::string& id) {
    return id.empty() ? kParticipantPrefix + std::string(" ") + Tr(gradetext::kEmptyIdentifier)
                      : kParticipantPrefix + ShownName(id);
}

ContestantGrade GradeContestant(const ContestantFiles& files,
                                const std::optional<OrganiserFactor>& organiser,
                                FieldEvaluator& evaluator) {
    ContestantGrade grade;
    grade.Files = files;
    if (files.Id.empty()) {
        grade.Notes.push_back({gradetext::kNoteEmptyId, std::nullopt});
    }
    if (!files.OtherFolders.empty()) {
        std::string folders;
        for (const std::string& folder : files.OtherFolders) {
            folders += (folders.empty() ? "" : ", ") + ShownName(folder);
        }
        grade.Notes.push_back({gradetext::kNoteOtherFolders, folders});
    }
    if (files.InReportFolder) {
        grade.Notes.push_back({gradetext::kNoteInReportFolder, std::nullopt});
    }
    if (!files.EarlierResults.empty()) {
        grade.Notes.push_back({gradetext::kNoteEarlier, Joined(files.EarlierResults)});
    }
    if (files.ResultFiles.empty()) {
        grade.Result = Verdict::NoResult;
        grade.Reasons.push_back(Tr(gradetext::kReasonNoResult, {ShownKey(files.Id)}));
        return grade;
    }

    const FoundFile& resultFile = files.ResultFiles.front();
    std::string why;
    bool unreadable = false;
    if (const auto refused = NotReadable(resultFile.Path, unreadable)) {
        grade.Result = Verdict::Malformed;
        grade.Reasons.push_back(
            Tr(gradetext::kReasonUnreadable, {ShownName(resultFile.Shown), *refused}));
        if (unreadable) {
            grade.Unread.push_back({resultFile.Shown, Tr(gradetext::kUnreadableFile, {*refused})});
        }
        return grade;
    }
    const auto content = ReadPrefix(resultFile.Path, kMaxResultFileSize, why);
    if (!content) {
        grade.Result = Verdict::Malformed;
        grade.Reasons.push_back(
            Tr(gradetext::kReasonUnreadable, {ShownName(resultFile.Shown), why}));
        grade.Unread.push_back({resultFile.Shown, Tr(gradetext::kUnreadableFile, {why})});
        return grade;
    }
    const bool cutShort = content->size() > kMaxResultFileSize;
    const ResultReadout readout =
        ReadResultFile(std::string_view(*content).substr(0, kMaxResultFileSize), cutShort);
    if (!readout.Series) {
        grade.Result = Verdict::Malformed;
        grade.Reasons.push_back(
            Tr(gradetext::kReasonMalformed,
               {ShownName(resultFile.Shown), std::to_string(readout.FailedLine), readout.Reason}));
        return grade;
    }
    grade.Series = readout.Series;

    for (const FoundFile& geometry : files.GeometryFiles) {
        grade.Fits.push_back(FitGeometry(geometry, *grade.Series, evaluator, grade.Unread));
    }
    Judge(grade, organiser);
    return grade;
}

std::vector<ContestantGrade> GradeClass(const std::vector<ContestantFiles>& contestants,
                                        const std::optional<OrganiserFactor>& organiser, int jobs,
                                        const std::function<void(std::size_t, std::size_t)>& done) {
    std::vector<ContestantGrade> grades(contestants.size());
    std::atomic<std::size_t> next{0};
    std::mutex report;
    std::size_t finished = 0;
    std::exception_ptr failure;

    const auto work = [&] {
        try {
            FieldEvaluator evaluator;
            for (std::size_t i = next++; i < contestants.size(); i = next++) {
                grades[i] = GradeContestant(contestants[i], organiser, evaluator);
                const std::lock_guard<std::mutex> lock(report);
                ++finished;
                if (done) {
                    done(finished, contestants.size());
                }
            }
        } catch (...) {
            const std::lock_guard<std::mutex> lock(report);
            if (!failure) {
                failure = std::current_exception();
            }
            next = contestants.size();  // the others stop after their current contestant
        }
    };

    const std::size_t threads =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(jobs, 1)), contestants.size());
    std::vector<std::thread> workers;
    for (std::size_t t = 1; t < threads; ++t) {
        workers.emplace_back(work);
    }
    work();
    for (std::thread& worker : workers) {
        worker.join();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
    return grades;
}

}  // namespace sim
