#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sim {

struct FoundFile {
    std::string Path;      // as it can be opened
    std::string Shown;     // relative to the submissions folder, for the report
    std::string Name;      // the file's own name
    unsigned Earlier = 0;  // an earlier series' number, 0 for any other file
};

// What one contestant handed in, graded as one series: the files of an identifier in one
// folder, or everywhere when only one folder holds a result file of it.
struct ContestantFiles {
    std::string Id;                         // without the participant prefix; may be empty
    std::string Folder;                     // shown, where the result file lies ("." the top)
    std::vector<FoundFile> ResultFiles;     // the current result file, where there is one
    std::vector<FoundFile> EarlierResults;  // earlier series kept beside it, oldest first
    std::vector<FoundFile> GeometryFiles;
    // The identifier's other folders that hold a result file: each is graded on its own.
    std::vector<std::string> OtherFolders;
    bool InReportFolder = false;  // some of these files lie in the report's own folder
};

// A folder or file the search could not read or did not follow, with the reason.
struct PassedOver {
    std::string Shown;
    std::string Reason;
};

struct SubmissionScan {
    std::vector<ContestantFiles> Contestants;  // by identifier, then folder
    std::vector<PassedOver> NotRead;           // in the order met
};

// What a file name is, among the files the window and the runner write.
struct FileNameRole {
    enum class Kind { Result, Earlier, Geometry, Lock, NearMiss, Other };
    Kind Role = Kind::Other;
    std::string Id;
    unsigned Earlier = 0;
};
// size: the file's size in bytes (a lock file is empty; a geometry file never is).
FileNameRole RecogniseFileName(const std::string& name, std::uintmax_t size);

// The identifier a result file's name (Brk2017_ID.txt) or a geometry file's name
// (NAME.Brk2017_ID) carries, where ID is one the programs accept; nothing for any other name.
std::optional<std::string> ResultFileId(const std::string& name);
std::optional<std::string> GeometryFileId(const std::string& name);

// Walks root and its subfolders and groups the contestants' files. Links are not followed;
// nothing is passed over silently but what the programs write and are not contestants' files
// (lock files) and files that have nothing to do with them. reportFolder is where the report
// goes: contestant files there are graded and noted.
SubmissionScan ScanSubmissions(const std::string& root, const std::string& reportFolder);
std::vector<ContestantFiles> FindSubmissions(const std::string& root,
                                             const std::string& reportFolder);

}  // namespace sim
