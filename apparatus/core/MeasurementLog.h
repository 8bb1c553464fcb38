#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "apparatus/core/Form1Logic.h"
#include "common/Translate.h"

namespace sim {

// The columns a class sees, in the language shown; the CSV file keeps its Hungarian header.
inline constexpr TrText kLogColumns[] = {
    SIM_TR("Apparatus", "Idő"),
    SIM_TR("Apparatus", "Fordulatszám (1/s)"),
    SIM_TR("Apparatus", "Mérési idő (s)"),
    SIM_TR("Apparatus", "Beütésszám"),
    SIM_TR("Apparatus", "Beütés/s"),
    SIM_TR("Apparatus", "± 1 szórás (1/s)"),
    SIM_TR("Apparatus", "Sorozat pontja"),
};
inline constexpr std::size_t kLogColumnCount = std::size(kLogColumns);

// One finished count in the log.
struct LogRow {
    std::string ClockTime;  // hh:mm:ss when the count ended
    FinishedCount Count;
    int Series = 0;  // 1, 2, ... for the points of a series; 0 for a single count
};

// A class's log of the counts: every single count and every series point, with its rate and
// the rate's Poisson standard deviation, as a table for the window, the clipboard and a file.
class MeasurementLog {
  public:
    void Add(const FinishedCount& count, std::string clockTime);
    void Clear();
    const std::vector<LogRow>& Rows() const { return rows_; }

    static double Rate(const FinishedCount& count);           // counts per second
    static double RateDeviation(const FinishedCount& count);  // sqrt(counts) per second
    // The cells of a row as shown.
    static std::vector<std::string> Cells(const LogRow& row);

    // The file: UTF-8, comma-separated, "." as decimal separator, CR LF line ends, the same
    // header in every language.
    std::string Csv() const;
    // For a spreadsheet: tab-separated, the header in the language shown.
    std::string Text() const;

    // What the plot shows: the points of the latest series, or the single counts while there
    // has been none.
    std::vector<const LogRow*> PlotRows() const;

  private:
    std::vector<LogRow> rows_;
    int series_ = 0;
};

}  // namespace sim
