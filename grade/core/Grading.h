#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/Translate.h"
#include "geometry/core/GeometryFile.h"
#include "grade/core/ResultFile.h"
#include "grade/core/Submissions.h"

namespace sim {

class FieldEvaluator;

enum class Verdict { Malformed, NoGeometry, Unjudgeable, NoFit, Incomplete, Ok, NoResult };

// The verdict's name, marked for translation: the summary file takes its source, the report
// and the messages show it translated.
TrText VerdictText(Verdict verdict);

// Which of two verdicts of one identifier's series counts: the higher rank. A complete, valid
// series keeps its verdict whatever another folder holds under the same identifier.
int VerdictRank(Verdict verdict);

// The participant's key as the report shows it: the prefix and the identifier made visible, or
// the mark of an empty one.
std::string ShownKey(const std::string& id);

// A remark on a contestant beside the verdict: shown translated, in the summary file as the
// Hungarian source.
struct GradeNote {
    TrText Text;
    std::optional<std::string> Arg;  // for its %1

    std::string Shown() const;
    std::string Source() const;
};

// The organisers' factor file: what every result file should have been measured with.
struct OrganiserFactor {
    std::int32_t CountFactor = 0;
    std::int32_t SpeedStep = 0;
};

// How one saved geometry explains the measured series.
struct GeometryFit {
    FoundFile File;
    std::optional<GeometryValues> Values;  // when the file could be read
    std::string Problem;                   // why it gives no expected counts; empty if it does
    std::vector<double> PerTick;           // expected counts of one tick at each point
    std::int64_t Ticks = 0;                // counting ticks per point, estimated (1 when exact)
    double ChiSquare = 0;
    int Dof = 0;
    std::optional<double> P;
    std::optional<std::size_t> ExactMismatch;  // exact mode: the first point off by more than 1

    bool Usable() const { return Problem.empty(); }
    // The expected counts of point k: ticks x one tick's.
    double Expected(std::size_t k) const { return static_cast<double>(Ticks) * PerTick[k]; }
};

struct ContestantGrade {
    ContestantFiles Files;
    Verdict Result = Verdict::Ok;
    std::optional<ResultSeries> Series;
    std::vector<GeometryFit> Fits;
    std::optional<std::size_t> Best;  // index into Fits
    bool FactorDiffers = false;
    bool StepDiffers = false;
    std::vector<std::string> Reasons;  // in the order the report shows them, as shown
    std::vector<GradeNote> Notes;
    std::vector<PassedOver> Unread;  // files of these that could not be read

    const GeometryFit* BestFit() const { return Best ? &Fits[*Best] : nullptr; }
};

// Reads, fits and judges one contestant's files with the given evaluator.
ContestantGrade GradeContestant(const ContestantFiles& files,
                                const std::optional<OrganiserFactor>& organiser,
                                FieldEvaluator& evaluator);

// The same for a whole class on `jobs` threads, each with its own evaluator. done(finished,
// total) is called after each contestant, from the worker that finished it, one call at a
// time. The grades come back in the order of the files.
std::vector<ContestantGrade> GradeClass(const std::vector<ContestantFiles>& contestants,
                                        const std::optional<OrganiserFactor>& organiser, int jobs,
                                        const std::function<void(std::size_t, std::size_t)>& done);

}  // namespace sim
