#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "physics/ApparatusModel.h"

namespace sim {

// A settings file is a few short lines; anything larger is refused before it is read, so a
// huge file can neither freeze the program nor fill its memory.
inline constexpr std::size_t kMaxSettingsFileBytes = std::size_t{64} * 1024;
inline constexpr std::size_t kFactorLineCount = 3;
// The largest speed step of a series: with a larger one the second set point would lie beyond
// the rotor's highest speed.
inline constexpr std::int32_t kMaxSpeedStep = kRotorSpeedMax - kRotorSpeedMin;

enum class TextFileStatus { Missing, Read, Unreadable, TooLarge };

struct SettingsFile {
    TextFileStatus Status = TextFileStatus::Missing;
    std::string Content;  // the whole file, when Read
    int Error = 0;        // the system's error number, when Unreadable by a failed call
};

// Reads a small file whole. Anything but a plain file (a directory, a pipe, a device) or a
// read error is Unreadable, never an empty file; a pipe is never waited on.
SettingsFile ReadSettingsFile(const std::string& path,
                              std::size_t maxBytes = kMaxSettingsFileBytes);

// Splits text into lines; line ends are CR LF, LF or CR, and a final line end adds no empty
// line. At most maxLines lines are kept.
std::vector<std::string> SplitTextLines(std::string_view content,
                                        std::size_t maxLines = std::string_view::npos);
// ReadSettingsFile, then its lines.
TextFileStatus ReadTextLines(const std::string& path, std::vector<std::string>& lines);

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
