#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sim {

// A participant's result file: the participant's key and this extension.
inline constexpr std::string_view kResultExtension = ".txt";

// The participant's result file in a folder.
std::string ResultFileName(std::string_view participantId);

// An earlier series kept beside the result file: its name with "." and a number appended
// (Brk2017_abc.txt.1, .2, ...; the highest is the latest). No identifier's own result file
// ends so, so the two never meet.
std::string EarlierResultFileName(std::string_view participantId, unsigned number);

// The number in an earlier series' file name of this participant, if name is one.
std::optional<unsigned> EarlierResultNumber(std::string_view name, std::string_view participantId);

struct KeptResult {
    int Error = 0;                      // 0, or why the earlier file could not be kept
    std::optional<std::string> KeptAs;  // the earlier file's new path, where there was one
};

// Before a series writes its result file anew: a regular result file already at path (folder,
// with its separator, and participant) is renamed to the next earlier-series name, never over
// another file. Nothing else at the path is touched.
KeptResult KeepEarlierResult(const std::string& folder, std::string_view participantId);

// Moves the file from as the participant's latest earlier series into folder.
KeptResult MoveToEarlierResult(const std::string& from, const std::string& folder,
                               std::string_view participantId);

}  // namespace sim
