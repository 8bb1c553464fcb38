#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "grade/core/ResultFile.h"

namespace sim {

// Below this p-value the measured points do not come from the geometry.
inline constexpr double kPoorFitP = 0.001;
// Counting ticks per point: a day of counting in half seconds is far beyond any contest.
inline constexpr std::int64_t kMaxTicks = std::int64_t{1} << 40;

// Pearson's chi-square of the counts against ticks x perTick[k] (the expected counts of one
// tick at point k). A point expected at zero or less adds nothing when it counted nothing, and
// makes the sum infinite otherwise.
double ChiSquare(const std::vector<SeriesPoint>& points, const std::vector<double>& perTick,
                 std::int64_t ticks);

// The whole number of ticks per point, at least 1, whose expected counts fit best: the one
// with the smallest chi-square. The sum is convex in the ticks, so the best whole number lies
// next to the real minimum, T^2 = sum(n^2 / m) / sum(m).
std::int64_t EstimateTicks(const std::vector<SeriesPoint>& points,
                           const std::vector<double>& perTick);

// The probability of a chi-square at least this large with dof degrees of freedom; nothing
// below one degree of freedom.
std::optional<double> ChiSquarePValue(double chiSquare, int dof);

// The count the exact mode shows for one tick's expected counts: truncated, as the window
// does.
std::int32_t ExactCount(double perTick);

// The first point whose count differs from the exact one by more than 1, if any.
std::optional<std::size_t> FirstExactMismatch(const std::vector<SeriesPoint>& points,
                                              const std::vector<double>& perTick);

// How the reasons, the tables and the CSV write a chi-square and a p-value.
std::string ChiSquareText(double chiSquare);
std::string PValueText(double p);

}  // namespace sim
