#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sim {

// The competition runs the task exactly as it always was; a class gets the same apparatus with
// a log of the counts, faster time, the physics explained and a zoom. The competition is the
// default: only an explicit request turns the class mode on.
enum class ProgramMode { Competition, Class };

inline constexpr const char* kClassOption = "--class";
inline constexpr const char* kModeVariable = "TRELKO_MODE";
// Beside faktor.txt: in the work folder, else the organisers' folder.
inline constexpr const char* kModeFileName = "mode.txt";
inline constexpr const char* kClassWord = "class";
inline constexpr const char* kCompetitionWord = "competition";

struct ModeRequest {
    bool ClassOption = false;                // --class
    std::optional<std::string> Environment;  // TRELKO_MODE
    std::string WorkFolderFile;              // the work folder's mode.txt
    std::string SystemFile;                  // read when the work folder has none; none if empty
};

struct ModeChoice {
    ProgramMode Mode = ProgramMode::Competition;
    // Why a setting was not followed (the mode is then the competition's), for standard error.
    std::optional<std::string> Problem;
};

// --class, else TRELKO_MODE when set and not empty, else the first mode.txt there is, else the
// competition.
ModeChoice ChooseProgramMode(const ModeRequest& request);

// A mode's word alone ("class" or "competition", in any letter case), with blanks around it and
// one line end after it at most; nothing else.
std::optional<ProgramMode> ParseModeWord(std::string_view text);

}  // namespace sim
