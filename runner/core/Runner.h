#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "runner/core/HeadlessForm.h"
#include "runner/core/Plot.h"

namespace sim {

inline constexpr int kRunnerOk = 0;
inline constexpr int kRunnerApparatusError = 1;  // incomplete field, unbalanced rotor
inline constexpr int kRunnerBadInput = 2;        // bad option or file
// A run stopped by a signal ends with 128 + the signal's number, as the shell reports it.
inline constexpr int kRunnerSignalBase = 128;

// Draws the plot as PNG bytes; empty when it cannot. The program supplies one over the
// toolkit's painter; without one a PNG plot is refused. scratchFolder is the run's private
// folder, for anything the toolkit must write on the way.
using PngRenderer = std::function<std::string(const PlotData&, const std::string& scratchFolder)>;

// The signal that asks the run to stop (SIGINT, SIGTERM), or 0 while none has come.
using StopSignalSource = std::function<int()>;

// The whole command: arguments after the program name, normal output, error output. Returns
// the exit status. Every run starts the random sequence from 0, as the program does. A stop
// signal ends the run at its next event: a series keeps its whole lines in the result file.
int RunnerMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const PngRenderer& png = {}, const StopSignalSource& stopSignal = {});

// Whether a folder name is that of a run's private folder (inside the output folder while the
// run lasts; left behind by a run killed outright).
bool IsRunnerWorkFolderName(const std::string& name);

// One row per point: set point, counts, expected counts, Poisson standard deviation; a header
// first. Lines end in CR LF.
std::string FormatCsv(const std::vector<RunPoint>& points);

// Replaces path with content; the content is written under a temporary name in the same folder
// first, so path is never left half-written. Returns the error text on failure.
std::optional<std::string> WriteFileReplacing(const std::string& path, const std::string& content);

}  // namespace sim
