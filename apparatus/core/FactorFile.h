#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "physics/ApparatusModel.h"

namespace sim {

enum class TextFileStatus { Missing, Read, Unreadable };

// Reads a whole text file into lines; line ends are CR LF, LF or CR, and a final line end adds
// no empty line. Anything but a plain file (a directory, a pipe, a device) or a read error is
// Unreadable, never an empty file.
TextFileStatus ReadTextLines(const std::string& path, std::vector<std::string>& lines);
std::vector<std::string> SplitTextLines(std::string_view content);

// The three settings of the factor file. A value is empty where its line is missing; FailedLine
// names the first line (1..3) that is present but invalid, and the values before it are kept.
struct FactorSettings {
    std::optional<std::int32_t> CountFactor;
    std::optional<std::int32_t> SpeedStep;
    std::optional<double> AmbientPressure;
    int FailedLine = 0;
    std::string Error;  // Hungarian, for the message dialog
};

FactorSettings ParseFactorLines(const std::vector<std::string>& lines);

}  // namespace sim
