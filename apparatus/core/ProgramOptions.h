#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sim {

inline constexpr const char* kProgramName = "trelko";
inline constexpr int kProgramBadOption = 2;  // exit status, as the runner's and the grader's

// What the window program is asked on its command line.
struct ProgramOptions {
    std::optional<std::string> WorkFolder;  // --dir
    bool Class = false;                     // --class
    bool Help = false;
    bool Version = false;
};

struct ParsedProgramOptions {
    std::optional<ProgramOptions> Options;  // set exactly when the command line is valid
    std::string Error;                      // one line otherwise
};

// Reads the arguments after the program name. A value follows its option or "=".
ParsedProgramOptions ParseProgramOptions(const std::vector<std::string>& args);

std::string ProgramHelpText();

}  // namespace sim
