#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

// The first set point of every series, and the one a complete series reaches or passes.
inline constexpr std::int64_t kSeriesFirstSetpoint = 100;
inline constexpr std::int64_t kSeriesLastSetpoint = 2000;
// Far above any file the program writes (a series of step 1 is under 50 kB); nothing beyond
// this is read.
inline constexpr std::size_t kMaxResultFileSize = 1 << 20;

struct SeriesPoint {
    std::int64_t Setpoint = 0;  // 1/s
    std::int32_t Counts = 0;
};

// A result file as the automatic series writes it.
struct ResultSeries {
    std::int32_t Factor = 0;
    std::vector<SeriesPoint> Points;
    std::optional<std::int64_t> Step;  // from the first two set points

    bool Exact() const { return Factor < 0; }
    // Whether the series went on to its last set point, the first at or above 2000.
    bool Complete() const;
    // The set point a complete series ends with (needs the step).
    std::optional<std::int64_t> LastSetpoint() const;
};

struct ResultReadout {
    std::optional<ResultSeries> Series;  // set exactly when the file is well-formed
    int FailedLine = 0;                  // 1-based
    std::string Reason;                  // Hungarian
};

// Reads a result file strictly: the "Faktor=" line and the point lines exactly as the program
// formats them, each ended by CR LF or LF, the set points 100, 100 + step, ... in order and not
// past the first one at or above 2000. Anything else names its line. cutShort: the file went
// on beyond content (only its first kMaxResultFileSize bytes were read).
ResultReadout ReadResultFile(std::string_view content, bool cutShort = false);

}  // namespace sim
