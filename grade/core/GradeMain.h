#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace sim {

inline constexpr int kGradeOk = 0;
inline constexpr int kGradeBadInput = 2;  // bad option, folder or file
inline constexpr int kMaxJobs = 256;

struct GradeOptions {
    std::string Submissions;
    std::string OutputDir;
    int Jobs = 1;
    std::optional<std::string> FactorFile;
    bool CsvOnly = false;
    bool Quiet = false;
    bool Help = false;
    bool Version = false;
};

struct ParsedGradeOptions {
    std::optional<GradeOptions> Options;  // set exactly when the command line is valid
    std::string Error;                    // one line otherwise
};

// Reads the arguments after the program name. Options take their value as the next argument
// or after "=".
ParsedGradeOptions ParseGradeOptions(const std::vector<std::string>& args);

// The whole command: arguments after the program name, normal output, error output (the
// progress line and the messages). Returns the exit status.
int GradeMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace sim
