#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sim {

struct FoundFile {
    std::string Path;   // as it can be opened
    std::string Shown;  // relative to the submissions folder, for the report
    std::string Name;   // the file's own name
};

// Everything one contestant handed in, by the identifier in the file names.
struct ContestantFiles {
    std::string Id;  // without the participant prefix
    std::vector<FoundFile> ResultFiles;
    std::vector<FoundFile> GeometryFiles;
};

// The identifier a result file's name (Brk2017_ID.txt) or a geometry file's name
// (NAME.Brk2017_ID) carries; nothing for any other name.
std::optional<std::string> ResultFileId(const std::string& name);
std::optional<std::string> GeometryFileId(const std::string& name);

// Walks root and its subfolders (links to folders are not followed, the folder skip is left
// out) and groups the contestants' files, sorted by identifier and then by path.
std::vector<ContestantFiles> FindSubmissions(const std::string& root, const std::string& skip);

}  // namespace sim
