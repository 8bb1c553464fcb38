#pragma once

#include <optional>
#include <string>
#include <vector>

#include "geometry/core/GeometryFile.h"
#include "grade/core/Grading.h"

namespace sim {

inline constexpr const char* kSummaryFileName = "osszesito.csv";
inline constexpr const char* kReportFileName = "index.html";

// The summary's last column: the notes on a contestant.
inline constexpr std::size_t kNotesColumn = 11;

// What the report says about the run itself.
struct ReportInfo {
    std::string Submissions;  // the folder as given
    std::optional<std::string> FactorFile;
    std::optional<OrganiserFactor> Organiser;
    std::vector<PassedOver> NotRead;  // what the search and the grading could not read
};

// An identifier's series, consecutive among the grades: [First, First + Count); Best counts
// for the class table.
struct IdentifierGroup {
    std::size_t First = 0;
    std::size_t Count = 0;
    std::size_t Best = 0;
};
std::vector<IdentifierGroup> GroupByIdentifier(const std::vector<ContestantGrade>& grades);

// The class table's cells for one series, in the order of the CSV header.
std::vector<std::string> SummaryRow(const ContestantGrade& grade);

// osszesito.csv: the header, then one row per identifier (its best series); UTF-8, CR LF line
// ends. Cells a spreadsheet would evaluate are kept text.
std::string FormatSummaryCsv(const std::vector<ContestantGrade>& grades);

// The field of a saved geometry as the window shows it, as an SVG element in field pixels.
std::string RenderFieldSvg(const GeometryValues& values);

// One identifier's part of the report, every series of it; anchor names it for the class
// table's link.
std::string RenderContestantSection(const std::vector<ContestantGrade>& grades,
                                    const IdentifierGroup& group, const std::string& anchor);

// The whole page: the class table, what was not read, then each identifier's section (one
// printed page each). sections holds RenderContestantSection's result for each group.
std::string RenderReport(const std::vector<ContestantGrade>& grades,
                         const std::vector<std::string>& sections, const ReportInfo& info);

// The anchor of the contestant at this place of the class table.
std::string ContestantAnchor(std::size_t index);

}  // namespace sim
