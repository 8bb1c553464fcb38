#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "apparatus/core/Form1Logic.h"
#include "common/FileNames.h"

namespace sim {

inline constexpr const char* kRunnerName = "trelko-runner";
inline constexpr std::int32_t kDefaultCountTime = 10;  // s, as the window's time field
inline constexpr std::int32_t kMaxCountTime = 86400;   // s; a day of counting per point

enum class PlotFormat { Png, Svg };

// What a run is asked to do, as given on the command line.
struct RunnerOptions {
    std::string GeometryPath;
    // Rotor positions of the first (Image2) and second (Image3) source: 0, 1 or 9.
    std::int32_t FirstSource = 0;
    std::int32_t SecondSource = 0;
    std::optional<std::string> FactorFile;
    std::optional<std::int32_t> Factor;
    std::optional<std::int32_t> Step;
    std::optional<double> Pressure;
    std::int32_t CountTime = kDefaultCountTime;
    bool AutoStop = true;
    std::optional<std::string> Identifier;  // without the prefix
    std::string OutputDir = ".";
    std::optional<std::int32_t> Speed;
    bool Exact = false;
    std::optional<std::string> CsvPath;
    std::optional<std::string> PlotPath;
    PlotFormat Plot = PlotFormat::Svg;
    bool Help = false;
    bool Version = false;

    bool FactorValuesGiven() const { return Factor || Step || Pressure; }
};

struct ParsedRunnerOptions {
    std::optional<RunnerOptions> Options;  // set exactly when the command line is valid
    std::string Error;                     // one line otherwise
};

// Reads the arguments after the program name. Options take their value as the next argument
// or after "=". Checks everything that does not need a file.
ParsedRunnerOptions ParseRunnerOptions(const std::vector<std::string>& args);

// The identifier a geometry file's name carries: the text after "Brk2017_" in its extension.
std::optional<std::string> IdentifierFromGeometryName(const std::string& path);

// Whether an identifier may name the result file: not empty, not too long, and a safe part of
// a file name (no separator, "..", control or reserved character).
bool IdentifierAllowed(const std::string& identifier);

std::string RunnerHelpText();

}  // namespace sim
