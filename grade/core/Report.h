#pragma once

#include <optional>
#include <string>
#include <vector>

#include "geometry/core/GeometryFile.h"
#include "grade/core/Grading.h"

namespace sim {

inline constexpr const char* kSummaryFileName = "osszesito.csv";
inline constexpr const char* kReportFileName = "index.html";

// What the report says about the run itself.
struct ReportInfo {
    std::string Submissions;  // the folder as given
    std::optional<std::string> FactorFile;
    std::optional<OrganiserFactor> Organiser;
};

// The class table's cells for one contestant, in the order of the CSV header.
std::vector<std::string> SummaryRow(const ContestantGrade& grade);

// osszesito.csv: the header, then one row per contestant; UTF-8, CR LF line ends.
std::string FormatSummaryCsv(const std::vector<ContestantGrade>& grades);

// The field of a saved geometry as the window shows it, as an SVG element in field pixels.
std::string RenderFieldSvg(const GeometryValues& values);

// One contestant's part of the report; anchor names it for the class table's link.
std::string RenderContestantSection(const ContestantGrade& grade, const std::string& anchor);

// The whole page: the class table, then each contestant's section (one printed page each).
// sections holds RenderContestantSection's result for each grade.
std::string RenderReport(const std::vector<ContestantGrade>& grades,
                         const std::vector<std::string>& sections, const ReportInfo& info);

// The anchor of the contestant at this place of the class table.
std::string ContestantAnchor(std::size_t index);

}  // namespace sim
