#include "grade/core/Report.h"

#include <array>
#include <cmath>
#include <map>

#include "apparatus/core/Form1Logic.h"
#include "common/FileNames.h"
#include "common/Format.h"
#include "geometry/core/PanelLayout.h"
#include "geometry/core/Placement.h"
#include "grade/core/Expectation.h"
#include "grade/core/Fit.h"
#include "grade/core/GradeTexts.h"
#include "runner/core/Plot.h"

namespace sim {

namespace {

// The field's look, as the window paints it.
constexpr const char* kFieldGround = "#ffffff";
constexpr const char* kFieldInk = "#000000";
constexpr const char* kWorkingAreaColour = "#ffffdf";
constexpr const char* kRotorDiscColour = "#c0c0c0";
constexpr const char* kComponentColours[kSlotCount] = {"#0000ff", "#ff00ff", "#808080",
                                                       "#808080", "#808080", "#808080"};
constexpr const char* kSourceColour = "#e0b000";
// The working area in field pixels (right and bottom exclusive) and the rotor's hub.
constexpr int kWorkingLeft = 450;
constexpr int kWorkingTop = 2;
constexpr int kWorkingRight = 1060;
constexpr int kWorkingBottom = 373;
constexpr int kHubRadius = 20;
constexpr int kFramePen = 2;

// Verdict colours of the report: background and text.
struct VerdictLook {
    Verdict Which;
    const char* Class;
    const char* Background;
    const char* Text;
};
constexpr VerdictLook kVerdictLooks[] = {
    {Verdict::Malformed, "v-hibas", "#ecd5f5", "#5b136f"},
    {Verdict::NoGeometry, "v-nincsgeo", "#dcdcdc", "#303030"},
    {Verdict::Unjudgeable, "v-nemertekelheto", "#e4dccc", "#4a3b1c"},
    {Verdict::NoFit, "v-nemillik", "#f8cfcf", "#8c1010"},
    {Verdict::Incomplete, "v-hianyos", "#ffeeb8", "#6b4a00"},
    {Verdict::Ok, "v-rendben", "#d3efd3", "#145214"},
    {Verdict::NoResult, "v-nincseredmeny", "#f0f0f0", "#555555"},
};

const char* VerdictClass(Verdict verdict) {
    for (const VerdictLook& look : kVerdictLooks) {
        if (look.Which == verdict) {
            return look.Class;
        }
    }
    return "";
}

std::string Html(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') {
                    out += c;
                }
        }
    }
    return out;
}

// Whether a spreadsheet reads the cell as a number (and so evaluates nothing in it).
bool IsNumber(const std::string& text) {
    std::size_t i = text.empty() || (text[0] != '-' && text[0] != '+') ? 0 : 1;
    const std::size_t digitsFrom = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
        }
    }
    if (i == digitsFrom) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        i += i < text.size() && (text[i] == '-' || text[i] == '+') ? 1 : 0;
        const std::size_t exponentFrom = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
        }
        if (i == exponentFrom) {
            return false;
        }
    }
    return i == text.size();
}

std::string CsvField(std::string text) {
    // A spreadsheet evaluates a cell that begins so (=1+1, @SUM(A1), =HYPERLINK(...)): an
    // apostrophe in front keeps it text.
    if (!text.empty() && std::string_view("=+-@\t\r").find(text[0]) != std::string_view::npos &&
        !IsNumber(text)) {
        text.insert(0, 1, '\'');
    }
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string out = "\"";
    for (const char c : text) {
        out += c == '"' ? "\"\"" : std::string(1, c);
    }
    return out + "\"";
}

// The identifier as the class table shows it.
std::string ShownId(const std::string& id, bool translated) {
    if (id.empty()) {
        return translated ? Tr(gradetext::kEmptyIdentifier) : gradetext::kEmptyIdentifier.Source;
    }
    return ShownName(id);
}

std::string NotesText(const ContestantGrade& grade, bool translated) {
    std::string text;
    for (const GradeNote& note : grade.Notes) {
        text += (text.empty() ? "" : " ") + (translated ? note.Shown() : note.Source());
    }
    return text;
}

std::string Heading(TrText text) {
    return "<h3>" + Html(Tr(text)) + "</h3>\n";
}

std::string Key(const ContestantGrade& grade) {
    return ShownKey(grade.Files.Id);
}

// The plot of trelko-runner, with the counts' own error bars, as an element of the page.
std::string PlotSvg(const ContestantGrade& grade, const GeometryFit& best) {
    PlotData data;
    data.BarsFromCounts = true;
    data.Title = Tr(gradetext::kPlotTitle,
                    {Key(grade), std::to_string(grade.Series->Factor),
                     Format("%g", static_cast<double>(best.Ticks) * kMeasureTickSeconds),
                     ShownName(best.File.Name)});
    for (std::size_t k = 0; k < grade.Series->Points.size(); ++k) {
        const SeriesPoint& p = grade.Series->Points[k];
        data.Points.push_back(
            {static_cast<double>(p.Setpoint), p.Counts, best.Expected(k),
             static_cast<std::int32_t>(std::min<std::int64_t>(best.Ticks, INT32_MAX))});
    }
    const std::string document = RenderSvgPlot(data);
    return document.substr(document.find("<svg"));
}

std::string InBins(const GeometryValues& values) {
    std::vector<std::string> names;
    int shields = 0;
    for (int j = 1; j <= kSlotCount; ++j) {
        if (LiesOnField(values[2 * static_cast<std::size_t>(j - 1)])) {
            continue;
        }
        if (j == kTargetSlot) {
            names.push_back(Tr(gradetext::kTargetName));
        } else if (j == kDetectorSlot) {
            names.push_back(Tr(gradetext::kDetectorName));
        } else {
            ++shields;
        }
    }
    if (shields > 0) {
        names.push_back(Tr(gradetext::kShieldsName, {std::to_string(shields)}));
    }
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

constexpr const char* kStyle = R"(
body { font-family: "DejaVu Sans", Arial, sans-serif; font-size: 11pt; margin: 16px; color: #000; }
h1 { font-size: 18pt; margin: 0 0 4px 0; }
h2 { font-size: 15pt; margin: 0 0 6px 0; }
h3 { font-size: 11.5pt; margin: 12px 0 4px 0; }
p.info { margin: 2px 0; color: #333; }
table { border-collapse: collapse; margin: 6px 0; }
th, td { border: 1px solid #a0a0a0; padding: 2px 7px; text-align: right; vertical-align: top; }
th { background: #ececec; }
.text { text-align: left; }
.v { font-weight: bold; white-space: nowrap; }
.differs { color: #b00000; font-weight: bold; }
tr.best td { font-weight: bold; background: #eef4ff; }
li.note { color: #6b4a00; }
h3.folder { font-size: 12.5pt; margin-top: 16px; border-top: 1px solid #a0a0a0; padding-top: 6px; }
ul { margin: 4px 0; padding-left: 22px; }
figure { margin: 6px 0; }
figcaption { font-size: 9.5pt; color: #333; }
.plot svg { display: block; width: 100%; max-width: 900px; height: auto; }
.field svg { display: block; width: 100%; max-width: 900px; height: auto; border: 1px solid #ccc; }
table.summary { font-size: 10pt; }
table.summary th { padding: 2px 4px; }
section.contestant { break-before: page; page-break-before: always; padding-top: 12px; }
@page { size: A4; margin: 12mm; }
@media print {
  body { margin: 0; font-size: 9pt; }
  h3 { margin: 8px 0 3px 0; }
  .plot svg { width: 140mm; }
  .field svg { width: 120mm; }
  a.back { display: none; }
  table.summary { font-size: 8.5pt; }
}
)";

}  // namespace

std::string ContestantAnchor(std::size_t index) {
    return Format("v%zu", index + 1);
}

std::vector<IdentifierGroup> GroupByIdentifier(const std::vector<ContestantGrade>& grades) {
    std::vector<IdentifierGroup> groups;
    for (std::size_t i = 0; i < grades.size(); ++i) {
        if (groups.empty() || grades[i].Files.Id != grades[groups.back().First].Files.Id) {
            groups.push_back({i, 0, i});
        }
        IdentifierGroup& group = groups.back();
        ++group.Count;
        if (VerdictRank(grades[i].Result) > VerdictRank(grades[group.Best].Result)) {
            group.Best = i;
        }
    }
    return groups;
}

std::vector<std::string> SummaryRow(const ContestantGrade& grade) {
    std::vector<std::string> row(std::size(gradetext::kColumns));
    row[0] = ShownId(grade.Files.Id, false);
    row[1] = VerdictText(grade.Result).Source;
    if (grade.Series) {
        const ResultSeries& series = *grade.Series;
        row[4] = std::to_string(series.Factor);
        row[5] = series.Step ? std::to_string(*series.Step) : "";
        row[6] = std::to_string(series.Points.size());
        row[7] = (series.Complete() ? gradetext::kYes : gradetext::kNo).Source;
    }
    row[kNotesColumn] = NotesText(grade, false);
    if (const GeometryFit* best = grade.BestFit()) {
        row[2] = ShownName(best->File.Name);
        row[3] = std::to_string(best->Ticks);
        row[8] = ChiSquareText(best->ChiSquare);
        row[9] = std::to_string(best->Dof);
        row[10] = best->P ? PValueText(*best->P) : "";
    }
    return row;
}

std::string FormatSummaryCsv(const std::vector<ContestantGrade>& grades) {
    std::string csv = std::string(gradetext::kCsvHeader) + "\r\n";
    for (const IdentifierGroup& group : GroupByIdentifier(grades)) {
        std::string line;
        for (const std::string& cell : SummaryRow(grades[group.Best])) {
            line += (line.empty() ? "" : ",") + CsvField(cell);
        }
        csv += line + "\r\n";
    }
    return csv;
}

std::string RenderFieldSvg(const GeometryValues& values) {
    const int width = kExperimentPlace.Width;
    const int height = kExperimentPlace.Height;
    std::string svg = Format(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" "
        "viewBox=\"0 0 %d %d\">\n",
        width, height, width, height);
    const auto rect = [&](double x, double y, double w, double h, const char* fill,
                          const char* stroke, double pen) {
        svg += Format("<rect x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\" fill=\"%s\"", x,
                      y, w, h, fill);
        if (stroke != nullptr) {
            svg += Format(" stroke=\"%s\" stroke-width=\"%.1f\"", stroke, pen);
        }
        svg += "/>\n";
    };
    const auto circle = [&](double cx, double cy, double r, const char* fill) {
        svg += Format(
            "<circle cx=\"%.1f\" cy=\"%.1f\" r=\"%.1f\" fill=\"%s\" stroke=\"%s\" "
            "stroke-width=\"%d\"/>\n",
            cx, cy, r, fill, kFieldInk, kFramePen);
    };
    // Ground, frame, working area, rotor disc and hub; the pen lies inside each outline.
    rect(1, 1, width - 2, height - 2, kFieldGround, kFieldInk, kFramePen);
    rect(kWorkingLeft, kWorkingTop, kWorkingRight - kWorkingLeft, kWorkingBottom - kWorkingTop,
         kWorkingAreaColour, nullptr, 0);
    circle(kRotorCenterX, kRotorCenterY, kRotorRadius - kFramePen / 2.0, kRotorDiscColour);
    circle(kRotorCenterX, kRotorCenterY, kHubRadius - kFramePen / 2.0, kFieldInk);

    // The two markers with a source on each, as every graded series had them.
    const RotorLayout layout = ComputeRotorLayout(kRotorCenterX, kRotorCenterY, kRotorRadius,
                                                  kRotorMarkerSize, kLidSymbolSize);
    for (const ItemPlace& marker : {layout.TopMarker, layout.BottomMarker}) {
        const double x = marker.Left - kFieldLeft;
        const double y = marker.Top - kFieldTop;
        rect(x, y, marker.Width, marker.Height, kFieldInk, nullptr, 0);
        svg += Format(
            "<circle cx=\"%.1f\" cy=\"%.1f\" r=\"%.1f\" fill=\"%s\" stroke=\"%s\" "
            "stroke-width=\"1\"/>\n",
            x + kSourceSize / 2.0, y + kSourceSize / 2.0, kSourceSize / 2.0 - 3, kSourceColour,
            kFieldInk);
    }

    // The components on the field, shields above the target and the detector as stacked.
    const auto items = FieldEvaluator::Components(values);
    for (int j = 1; j <= kSlotCount; ++j) {
        const PanelItem& item = items[j];
        if (!LiesOnField(item.Left)) {
            continue;
        }
        rect(static_cast<double>(item.Left) - kFieldLeft, static_cast<double>(item.Top) - kFieldTop,
             item.Width, item.Height, kComponentColours[j - 1], kFieldInk, 1);
    }
    return svg + "</svg>\n";
}

namespace {

// The plot and the best geometry's field, where there is a fit to show.
std::string Figures(const ContestantGrade& grade) {
    std::string html;
    const GeometryFit* best = grade.BestFit();
    if (grade.Series && !grade.Series->Points.empty()) {
        html += Heading(gradetext::kPlotHeading);
        html += best != nullptr
                    ? "<figure class=\"plot\">\n" + PlotSvg(grade, *best) + "</figure>\n"
                    : "<p>" + Html(Tr(gradetext::kNoPlot)) + "</p>\n";
    }
    if (best != nullptr && best->Values) {
        html += Heading(gradetext::kFieldHeading);
        html += "<figure class=\"field\">\n" + RenderFieldSvg(*best->Values) + "<figcaption>" +
                Html(ShownName(best->File.Shown)) + " · " + Html(Tr(gradetext::kFieldLegend));
        const std::string bins = InBins(*best->Values);
        if (!bins.empty()) {
            html += ". " + Html(Tr(gradetext::kInBins, {bins}));
        }
        html += "</figcaption>\n</figure>\n";
    }
    return html;
}

// The chi-square of every saved geometry, the best one marked.
std::string FitTable(const ContestantGrade& grade) {
    std::string html = Heading(gradetext::kFitHeading) + "<table class=\"fits\">\n<tr>";
    for (std::size_t c = 0; c < std::size(gradetext::kFitColumns); ++c) {
        html += std::string("<th") + (c == 0 || c == 5 ? " class=\"text\"" : "") + ">" +
                Html(Tr(gradetext::kFitColumns[c])) + "</th>";
    }
    html += "</tr>\n";
    for (std::size_t g = 0; g < grade.Fits.size(); ++g) {
        const GeometryFit& fit = grade.Fits[g];
        const bool isBest = grade.Best && *grade.Best == g;
        const bool fitted = fit.Usable() && !fit.PerTick.empty();
        html += std::string("<tr") + (isBest ? " class=\"best\"" : "") + ">";
        html += "<td class=\"text\">" + Html(ShownName(fit.File.Shown)) + "</td>";
        html += "<td>" + (fitted ? std::to_string(fit.Ticks) : "") + "</td>";
        html += "<td>" + (fitted ? ChiSquareText(fit.ChiSquare) : "") + "</td>";
        html += "<td>" + (fitted ? std::to_string(fit.Dof) : "") + "</td>";
        html += "<td>" + (fitted && fit.P ? PValueText(*fit.P) : "") + "</td>";
        const std::string note = !fit.Usable() ? fit.Problem
                                 : isBest      ? Tr(gradetext::kBestMark)
                                               : "";
        html += "<td class=\"text\">" + Html(note) + "</td></tr>\n";
    }
    return html + "</table>\n";
}

}  // namespace

namespace {

// One series: its verdict, reasons, figures, fits and files.
std::string SeriesBody(const ContestantGrade& grade) {
    std::string html = Heading(gradetext::kReasonsHeading) + "<ul>\n";
    for (const GradeNote& note : grade.Notes) {
        html += "<li class=\"note\">" + Html(note.Shown()) + "</li>\n";
    }
    for (const std::string& reason : grade.Reasons) {
        html += "<li>" + Html(reason) + "</li>\n";
    }
    html += "</ul>\n" + Figures(grade);
    if (!grade.Fits.empty()) {
        html += FitTable(grade);
    }

    html += Heading(gradetext::kFilesHeading) + "<ul>\n";
    const auto item = [&](TrText label, const FoundFile& f) {
        html += "<li>" + Html(Tr(label)) + ": " + Html(ShownName(f.Shown)) + "</li>\n";
    };
    for (const FoundFile& f : grade.Files.ResultFiles) {
        item(gradetext::kResultFileLabel, f);
    }
    for (const FoundFile& f : grade.Files.EarlierResults) {
        item(gradetext::kEarlierFileLabel, f);
    }
    if (grade.Fits.empty()) {  // otherwise the table above names them
        for (const FoundFile& f : grade.Files.GeometryFiles) {
            item(gradetext::kGeometryFileLabel, f);
        }
    }
    return html + "</ul>\n";
}

std::string VerdictMark(Verdict verdict) {
    return std::string(" <span class=\"v ") + VerdictClass(verdict) + "\">" +
           Html(Tr(VerdictText(verdict))) + "</span>";
}

}  // namespace

std::string RenderContestantSection(const std::vector<ContestantGrade>& grades,
                                    const IdentifierGroup& group, const std::string& anchor) {
    const ContestantGrade& best = grades[group.Best];
    std::string html = "<section class=\"contestant\" id=\"" + anchor + "\">\n";
    html += "<h2>" + Html(Key(best)) + VerdictMark(best.Result) + "</h2>\n";
    if (group.Count == 1) {
        html += SeriesBody(best);
    } else {
        // Every folder's series on its own: one cannot change another's verdict.
        for (std::size_t i = group.First; i < group.First + group.Count; ++i) {
            html += "<h3 class=\"folder\">" +
                    Html(Tr(gradetext::kFolderHeading, {ShownName(grades[i].Files.Folder)})) +
                    VerdictMark(grades[i].Result) + "</h3>\n<div class=\"series\">\n" +
                    SeriesBody(grades[i]) + "</div>\n";
        }
    }
    html += "<p><a class=\"back\" href=\"#summary\">" + Html(Tr(gradetext::kBackToSummary)) +
            "</a></p>\n</section>\n";
    return html;
}

std::string RenderReport(const std::vector<ContestantGrade>& grades,
                         const std::vector<std::string>& sections, const ReportInfo& info) {
    std::string html = "<!DOCTYPE html>\n<html lang=\"" + Html(Tr(gradetext::kReportLanguage)) +
                       "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                       Html(Tr(gradetext::kReportTitle)) + "</title>\n<style>" + kStyle;
    for (const VerdictLook& look : kVerdictLooks) {
        html +=
            Format(".%s { background: %s; color: %s; }\n", look.Class, look.Background, look.Text);
    }
    html += "</style>\n</head>\n<body>\n";
    html += "<h1 id=\"summary\">" + Html(Tr(gradetext::kReportTitle)) + "</h1>\n";
    const std::vector<IdentifierGroup> groups = GroupByIdentifier(grades);
    html += "<p class=\"info\">" +
            Html(Tr(gradetext::kReportSource,
                    {ShownText(info.Submissions), std::to_string(groups.size())})) +
            "</p>\n";
    if (info.FactorFile && info.Organiser) {
        html += "<p class=\"info\">" +
                Html(Tr(gradetext::kReportFactor,
                        {ShownText(*info.FactorFile), std::to_string(info.Organiser->CountFactor),
                         std::to_string(info.Organiser->SpeedStep)})) +
                "</p>\n";
    }
    if (grades.empty()) {
        html += "<p>" + Html(Tr(gradetext::kReportNoContestant)) + "</p>\n";
    }

    // The count of each verdict, then the class table.
    std::map<Verdict, std::size_t> counts;
    for (const IdentifierGroup& group : groups) {
        ++counts[grades[group.Best].Result];
    }
    html += "<p class=\"info\">";
    if (!info.NotRead.empty()) {
        html += "<span class=\"differs\">" +
                Html(Tr(gradetext::kNotReadCount, {std::to_string(info.NotRead.size())})) +
                "</span> · ";
    }
    bool first = true;
    for (const VerdictLook& look : kVerdictLooks) {
        if (counts[look.Which] == 0) {
            continue;
        }
        html += Format("%s<span class=\"v %s\">", first ? "" : " · ", look.Class) +
                Html(Tr(VerdictText(look.Which))) +
                "</span>: " + std::to_string(counts[look.Which]);
        first = false;
    }
    html += "</p>\n";

    html += Heading(gradetext::kSummaryHeading) + "<table class=\"summary\">\n<tr>";
    for (std::size_t c = 0; c < std::size(gradetext::kColumns); ++c) {
        html += std::string("<th") + (c <= 2 || c == kNotesColumn ? " class=\"text\"" : "") + ">" +
                Html(Tr(gradetext::kColumns[c])) + "</th>";
    }
    html += "</tr>\n";
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const ContestantGrade& grade = grades[groups[i].Best];
        // The summary file's cells, with the verdict, the yes or no and the notes shown.
        std::vector<std::string> row = SummaryRow(grade);
        row[0] = ShownId(grade.Files.Id, true);
        row[1] = Tr(VerdictText(grade.Result));
        if (grade.Series) {
            row[7] = Tr(grade.Series->Complete() ? gradetext::kYes : gradetext::kNo);
        }
        row[kNotesColumn] = NotesText(grade, true);
        html += "<tr><td class=\"text\"><a href=\"#" + ContestantAnchor(i) + "\">" + Html(row[0]) +
                "</a></td>";
        html += std::string("<td class=\"text v ") + VerdictClass(grade.Result) + "\">" +
                Html(row[1]) + "</td>";
        html += "<td class=\"text\">" + Html(row[2]) + "</td>";
        for (std::size_t c = 3; c < kNotesColumn; ++c) {
            const bool differs = (c == 4 && grade.FactorDiffers) || (c == 5 && grade.StepDiffers);
            html +=
                std::string(differs ? "<td class=\"differs\">" : "<td>") + Html(row[c]) + "</td>";
        }
        html += "<td class=\"text\">" + Html(row[kNotesColumn]) + "</td></tr>\n";
    }
    html += "</table>\n";

    // Nothing is passed over silently: what could not be read, and why.
    if (!info.NotRead.empty()) {
        html += Heading(gradetext::kNotReadHeading) + "<p class=\"info\">" +
                Html(Tr(gradetext::kNotReadIntro)) + "</p>\n<ul class=\"notread\">\n";
        for (const PassedOver& item : info.NotRead) {
            html += "<li>" + Html(ShownName(item.Shown)) + ": " + Html(item.Reason) + "</li>\n";
        }
        html += "</ul>\n";
    }

    for (const std::string& section : sections) {
        html += section;
    }
    return html + "</body>\n</html>\n";
}

}  // namespace sim
