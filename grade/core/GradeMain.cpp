#include "grade/core/GradeMain.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <exception>
#include <filesystem>
#include <map>
#include <system_error>
#include <thread>

#include "BuildInfo.h"
#include "apparatus/core/FactorFile.h"
#include "common/Conversions.h"
#include "common/ErrorText.h"
#include "common/FileNames.h"
#include "common/Format.h"
#include "common/Platform.h"
#include "common/ReplaceFile.h"
#include "common/Translate.h"
#include "grade/core/GradeTexts.h"
#include "grade/core/Grading.h"
#include "grade/core/Report.h"

namespace sim {

namespace fs = std::filesystem;

namespace {

// A failure that ends the command with a one-line message.
struct BadInput {
    std::string Message;
};

ParsedGradeOptions Fail(std::string error) {
    return {std::nullopt, std::move(error)};
}

int DefaultJobs() {
    const unsigned cores = std::thread::hardware_concurrency();
    return std::clamp(static_cast<int>(cores), 1, kMaxJobs);
}

OrganiserFactor ReadOrganiserFactor(const std::string& path) {
    std::vector<std::string> lines;
    switch (ReadTextLines(path, lines)) {
        case TextFileStatus::Missing:
            throw BadInput{Tr(gradetext::kFileMissing, {path})};
        case TextFileStatus::Unreadable:
            throw BadInput{Tr(gradetext::kFileUnreadable, {path})};
        case TextFileStatus::TooLarge:
            throw BadInput{
                Tr(gradetext::kFileTooLarge, {path, std::to_string(kMaxSettingsFileBytes / 1024)})};
        case TextFileStatus::Read:
            break;
    }
    const FactorSettings settings = ParseFactorLines(lines);
    if (settings.FailedLine != 0) {
        std::string error = settings.Error;
        std::replace(error.begin(), error.end(), '\r', ' ');
        std::replace(error.begin(), error.end(), '\n', ' ');
        throw BadInput{path + ": " + error};
    }
    return {settings.CountFactor.value_or(kDefaultCountFactor),
            settings.SpeedStep.value_or(kDefaultSpeedStep)};
}

void Write(const std::string& path, const std::string& content) {
    const auto failure = ReplaceFile(path, content);
    if (!failure) {
        return;
    }
    const bool creating = failure->At == ReplaceFileFailure::Stage::Create ||
                          failure->At == ReplaceFileFailure::Stage::NotRegular;
    throw BadInput{Tr(creating ? gradetext::kNotCreated : gradetext::kNotWritten,
                      {ShownText(path), failure->Reason()})};
}

// The report's folder: made if missing (only the folder itself: not even a missing parent is
// made outside it), refused if something else stands there.
void MakeReportFolder(const std::string& folder) {
    int error = 0;
    switch (const platform::Kind kind = platform::KindBehind(folder, &error)) {
        case platform::Kind::Directory:
            return;
        case platform::Kind::Regular:
            throw BadInput{Tr(gradetext::kOutIsFile, {ShownText(folder)})};
        case platform::Kind::Missing:
            break;
        default:
            if (error == 0) {
                throw BadInput{
                    Tr(gradetext::kOutIsNoFolder, {ShownText(folder), FileKindReason(kind)})};
            }
            break;
    }
    if (error == 0) {
        error = platform::MakeFolder(folder, false);
    }
    if (error != 0 && error != EEXIST) {
        throw BadInput{Tr(gradetext::kFolderNotCreated, {ShownText(folder), SystemReason(error)})};
    }
}

int Run(const GradeOptions& options, std::ostream& out, std::ostream& err) {
    if (platform::KindBehind(options.Submissions) != platform::Kind::Directory) {
        throw BadInput{Tr(gradetext::kNoSuchFolder, {options.Submissions})};
    }
    ReportInfo info;
    info.Submissions = options.Submissions;
    if (options.FactorFile) {
        info.FactorFile = options.FactorFile;
        info.Organiser = ReadOrganiserFactor(*options.FactorFile);
    }
    MakeReportFolder(options.OutputDir);

    SubmissionScan scan = ScanSubmissions(options.Submissions, options.OutputDir);
    const std::vector<ContestantFiles>& contestants = scan.Contestants;
    const auto progress = [&](std::size_t done, std::size_t total) {
        err << Tr(gradetext::kProgress, {std::to_string(done), std::to_string(total)})
            << std::flush;
    };
    const std::vector<ContestantGrade> grades =
        GradeClass(contestants, info.Organiser, options.Jobs,
                   options.Quiet ? std::function<void(std::size_t, std::size_t)>{} : progress);
    if (!options.Quiet && !contestants.empty()) {
        err << "\n";
    }
    if (contestants.empty()) {
        err << gradetext::kProgramName << ": " << Tr(gradetext::kNoContestantWarning) << "\n";
    }
    info.NotRead = std::move(scan.NotRead);
    for (const ContestantGrade& grade : grades) {
        info.NotRead.insert(info.NotRead.end(), grade.Unread.begin(), grade.Unread.end());
    }
    for (const PassedOver& item : info.NotRead) {
        err << gradetext::kProgramName << ": "
            << Tr(gradetext::kNotReadLine, {ShownName(item.Shown), item.Reason}) << "\n";
    }

    const std::vector<IdentifierGroup> groups = GroupByIdentifier(grades);
    const fs::path report = platform::PathOf(options.OutputDir);
    const std::string csv = platform::TextOf(report / kSummaryFileName);
    Write(csv, FormatSummaryCsv(grades));
    std::optional<std::string> html;
    if (!options.CsvOnly) {
        std::vector<std::string> sections;
        sections.reserve(groups.size());
        for (std::size_t i = 0; i < groups.size(); ++i) {
            sections.push_back(RenderContestantSection(grades, groups[i], ContestantAnchor(i)));
        }
        html = platform::TextOf(report / kReportFileName);
        Write(*html, RenderReport(grades, sections, info));
    }

    // One contestant, one count, however many folders hold the identifier.
    std::map<Verdict, std::size_t> counts;
    for (const IdentifierGroup& group : groups) {
        ++counts[grades[group.Best].Result];
    }
    out << Tr(gradetext::kSummaryLine, {std::to_string(groups.size())});
    for (const auto& [verdict, count] : counts) {
        out << ", " << count << " " << Tr(VerdictText(verdict));
    }
    if (!info.NotRead.empty()) {
        out << ", " << Tr(gradetext::kNotReadCount, {std::to_string(info.NotRead.size())});
    }
    out << "\n" << Tr(gradetext::kWrittenCsv, {csv}) << "\n";
    if (html) {
        out << Tr(gradetext::kWrittenHtml, {*html}) << "\n";
    }
    return kGradeOk;
}

}  // namespace

ParsedGradeOptions ParseGradeOptions(const std::vector<std::string>& args) {
    GradeOptions options;
    options.Jobs = DefaultJobs();
    std::vector<std::string> folders;
    std::string outDir;
    std::string jobs;
    std::string factorFile;
    CLI::App line;
    line.set_help_flag();
    line.allow_extras();
    // On Windows too: "/x" is a path, never an option.
    line.allow_windows_style_options(false);
    line.add_option("submissions", folders);
    CLI::Option* outOption = line.add_option("--out", outDir);
    CLI::Option* jobsOption = line.add_option("--jobs", jobs);
    CLI::Option* factorOption = line.add_option("--faktor", factorFile);
    line.add_flag("--csv-only", options.CsvOnly);
    line.add_flag("--quiet", options.Quiet);
    line.add_flag("-h,--help", options.Help);
    line.add_flag("--version", options.Version);
    try {
        line.parse(std::vector<std::string>(args.rbegin(), args.rend()));
    } catch (const CLI::ArgumentMismatch& missing) {
        // CLI11 names the option before the colon.
        const std::string what = missing.what();
        return Fail(Tr(gradetext::kMissingValue, {what.substr(0, what.find(':'))}));
    } catch (const CLI::ParseError&) {
        return Fail(Tr(gradetext::kBadCommandLine));
    }
    for (const std::string& extra : line.remaining()) {
        if (extra.size() > 1 && extra.front() == '-') {
            return Fail(Tr(gradetext::kUnknownOption, {extra}));
        }
    }
    if (options.Help || options.Version) {
        return {options, {}};
    }
    if (folders.empty()) {
        return Fail(Tr(gradetext::kMissingSubmissions));
    }
    if (folders.size() > 1) {
        return Fail(Tr(gradetext::kSecondSubmissions, {folders[1]}));
    }
    options.Submissions = folders.front();
    if (outOption->count() == 0) {
        return Fail(Tr(gradetext::kMissingOut));
    }
    for (const auto& [option, value] :
         {std::pair{outOption, &outDir}, {jobsOption, &jobs}, {factorOption, &factorFile}}) {
        if (option->count() > 0 && value->empty()) {
            return Fail(Tr(gradetext::kEmptyValue, {option->get_name()}));
        }
    }
    if (options.Submissions.empty()) {
        return Fail(Tr(gradetext::kMissingSubmissions));
    }
    options.OutputDir = outDir;
    if (jobsOption->count() > 0) {
        const auto n = ParseWholeNumber(jobs);
        if (!n || *n < 1 || *n > kMaxJobs) {
            return Fail(Tr(gradetext::kBadJobs, {std::to_string(kMaxJobs), jobs}));
        }
        options.Jobs = *n;
    }
    if (factorOption->count() > 0) {
        options.FactorFile = factorFile;
    }
    return {options, {}};
}

int GradeMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const ParsedGradeOptions parsed = ParseGradeOptions(args);
    if (!parsed.Options) {
        err << gradetext::kProgramName << ": " << parsed.Error << "\n";
        return kGradeBadInput;
    }
    if (parsed.Options->Help) {
        out << Tr(gradetext::kHelp);
        return kGradeOk;
    }
    if (parsed.Options->Version) {
        out << gradetext::kProgramName << " " << kProgramVersion << "\n";
        return kGradeOk;
    }
    try {
        return Run(*parsed.Options, out, err);
    } catch (const BadInput& bad) {
        err << gradetext::kProgramName << ": " << bad.Message << "\n";
    } catch (const std::exception& failure) {
        std::string what = failure.what();
        std::replace(what.begin(), what.end(), '\n', ' ');
        err << gradetext::kProgramName << ": " << what << "\n";
    }
    return kGradeBadInput;
}

}  // namespace sim
