#include "apparatus/core/MeasurementLog.h"

#include <cmath>
#include <utility>

#include "common/Format.h"

namespace sim {

namespace {

constexpr const char* kCsvHeader =
    "idő,fordulatszám (1/s),mérési idő (s),beütésszám,beütés/s,szórás (1/s),sorozat,pont";

std::string PointText(const LogRow& row) {
    return row.Series == 0 ? std::string() : Format("%d", row.Count.SeriesPoint);
}

}  // namespace

void MeasurementLog::Add(const FinishedCount& count, std::string clockTime) {
    // A series' first point begins a new series.
    if (count.SeriesPoint == 1) {
        ++series_;
    }
    rows_.push_back({std::move(clockTime), count, count.SeriesPoint > 0 ? series_ : 0});
}

void MeasurementLog::Clear() {
    rows_.clear();
}

double MeasurementLog::Rate(const FinishedCount& count) {
    return count.Seconds > 0 ? count.Counts / count.Seconds : 0.0;
}

double MeasurementLog::RateDeviation(const FinishedCount& count) {
    return count.Seconds > 0 && count.Counts > 0
               ? std::sqrt(static_cast<double>(count.Counts)) / count.Seconds
               : 0.0;
}

std::vector<std::string> MeasurementLog::Cells(const LogRow& row) {
    const FinishedCount& c = row.Count;
    return {row.ClockTime,
            Format("%.0f", c.Speed),
            Format("%.1f", c.Seconds),
            Format("%d", c.Counts),
            Format("%.2f", Rate(c)),
            Format("%.2f", RateDeviation(c)),
            PointText(row)};
}

std::string MeasurementLog::Csv() const {
    std::string csv = std::string(kCsvHeader) + "\r\n";
    for (const LogRow& row : rows_) {
        const FinishedCount& c = row.Count;
        csv += row.ClockTime +
               Format(",%.0f,%.1f,%d,%.3f,%.3f,", c.Speed, c.Seconds, c.Counts, Rate(c),
                      RateDeviation(c)) +
               (row.Series == 0 ? std::string(",") : Format("%d,%d", row.Series, c.SeriesPoint)) +
               "\r\n";
    }
    return csv;
}

std::string MeasurementLog::Text() const {
    std::string text;
    for (std::size_t i = 0; i < kLogColumnCount; ++i) {
        text += (i == 0 ? "" : "\t") + Tr(kLogColumns[i]);
    }
    text += "\n";
    for (const LogRow& row : rows_) {
        const std::vector<std::string> cells = Cells(row);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            text += (i == 0 ? "" : "\t") + cells[i];
        }
        text += "\n";
    }
    return text;
}

std::vector<const LogRow*> MeasurementLog::PlotRows() const {
    int latest = 0;
    for (const LogRow& row : rows_) {
        latest = std::max(latest, row.Series);
    }
    std::vector<const LogRow*> shown;
    for (const LogRow& row : rows_) {
        if (row.Series == latest) {
            shown.push_back(&row);
        }
    }
    return shown;
}

}  // namespace sim
