#include "grade/core/ResultFile.h"

#include <limits>

#include "common/Format.h"
#include "grade/core/GradeTexts.h"

namespace sim {

namespace {

// Blanks, an optional minus sign and decimal digits, as printf's %d or %.0f pads them; the
// caller compares the whole line with its own formatting afterwards.
std::optional<std::int64_t> PaddedWhole(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    // Eighteen digits cannot overflow 64 bits; no valid field is half as long.
    if (text.empty() || text.size() > 18) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

bool FitsInt32(std::int64_t v) {
    return v >= std::numeric_limits<std::int32_t>::min() &&
           v <= std::numeric_limits<std::int32_t>::max();
}

std::string FactorLine(std::int32_t factor) {
    return Format("Faktor= %10d", factor);
}

std::string PointLine(std::int64_t setpoint, std::int32_t counts) {
    return Format("%10.0f, %10d", static_cast<double>(setpoint), counts);
}

ResultReadout Malformed(int line, std::string reason) {
    return {std::nullopt, line, std::move(reason)};
}

// The first line: "Faktor=" and the factor as "%10d" formats it. Returns the flaw, if any.
std::optional<std::string> TakeFactorLine(std::string_view line, ResultSeries& series) {
    constexpr std::string_view kPrefix = "Faktor=";
    const auto factor = line.substr(0, kPrefix.size()) == kPrefix
                            ? PaddedWhole(line.substr(kPrefix.size()))
                            : std::nullopt;
    if (!factor || !FitsInt32(*factor) || FactorLine(static_cast<std::int32_t>(*factor)) != line) {
        return Tr(gradetext::kNotFactorLine);
    }
    series.Factor = static_cast<std::int32_t>(*factor);
    return std::nullopt;
}

// Whether a point at this set point may follow the series' points so far; its flaw if not.
std::optional<std::string> SequenceFlaw(std::int64_t setpoint, const ResultSeries& series) {
    const std::size_t index = series.Points.size();
    if (index == 0) {
        return setpoint == kSeriesFirstSetpoint
                   ? std::nullopt
                   : std::optional(Tr(gradetext::kFirstSetpoint, {std::to_string(setpoint)}));
    }
    if (index == 1 && setpoint <= kSeriesFirstSetpoint) {
        return Tr(gradetext::kStepNotPositive, {std::to_string(setpoint)});
    }
    const std::int64_t previous = series.Points.back().Setpoint;
    if (previous >= kSeriesLastSetpoint) {
        return Tr(gradetext::kAfterLastSetpoint, {std::to_string(previous)});
    }
    const std::int64_t due = index == 1 ? setpoint : previous + *series.Step;
    if (setpoint != due) {
        return Tr(gradetext::kOutOfSequence, {std::to_string(setpoint), std::to_string(due)});
    }
    return std::nullopt;
}

// A point line as "%10.0f, %10d" formats set point and count, in its place in the series.
std::optional<std::string> TakePointLine(std::string_view line, ResultSeries& series) {
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) {
        return Tr(gradetext::kNotPointLine);
    }
    const auto setpoint = PaddedWhole(line.substr(0, comma));
    const auto counts = PaddedWhole(line.substr(comma + 1));
    if (!setpoint || !counts || !FitsInt32(*counts) ||
        PointLine(*setpoint, static_cast<std::int32_t>(*counts)) != line) {
        return Tr(gradetext::kNotPointLine);
    }
    if (*counts < 0 && series.Factor > 0) {
        return Tr(gradetext::kNegativeCount);
    }
    // A factor of 0 sets the counter to 0 at every tick: the program writes nothing else.
    if (*counts != 0 && series.Factor == 0) {
        return Tr(gradetext::kZeroFactor);
    }
    if (auto flaw = SequenceFlaw(*setpoint, series)) {
        return flaw;
    }
    if (series.Points.size() == 1) {
        series.Step = *setpoint - kSeriesFirstSetpoint;
    }
    series.Points.push_back({*setpoint, static_cast<std::int32_t>(*counts)});
    return std::nullopt;
}

}  // namespace

std::optional<std::int64_t> ResultSeries::LastSetpoint() const {
    if (!Step || *Step <= 0) {
        return std::nullopt;
    }
    const std::int64_t span = kSeriesLastSetpoint - kSeriesFirstSetpoint;
    return kSeriesFirstSetpoint + (span + *Step - 1) / *Step * *Step;
}

bool ResultSeries::Complete() const {
    return !Points.empty() && Points.back().Setpoint >= kSeriesLastSetpoint;
}

ResultReadout ReadResultFile(std::string_view content, bool cutShort) {
    if (content.empty()) {
        return Malformed(1, Tr(gradetext::kEmptyFile));
    }
    ResultSeries series;
    int number = 0;
    while (!content.empty()) {
        ++number;
        const std::size_t end = content.find('\n');
        if (end == std::string_view::npos) {
            return Malformed(number, Tr(cutShort ? gradetext::kTooLarge : gradetext::kNoLineEnd));
        }
        std::string_view line = content.substr(0, end);
        content.remove_prefix(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::optional<std::string> flaw = line.find('\r') != std::string_view::npos
                                                    ? Tr(gradetext::kStrayCarriageReturn)
                                                : number == 1 ? TakeFactorLine(line, series)
                                                              : TakePointLine(line, series);
        if (flaw) {
            return Malformed(number, *flaw);
        }
    }
    if (cutShort) {
        return Malformed(number + 1, Tr(gradetext::kTooLarge));
    }
    return {std::move(series), 0, {}};
}

}  // namespace sim
