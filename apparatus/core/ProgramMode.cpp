#include "apparatus/core/ProgramMode.h"

#include <algorithm>
#include <cctype>

#include "apparatus/core/FactorFile.h"
#include "common/FileNames.h"
#include "common/Translate.h"

namespace sim {

namespace {

// A mode file is one word; a larger one is no mode file.
constexpr std::size_t kMaxModeFileBytes = 256;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kShownValueBytes = 40;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string Lowercase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::string Unknown(std::string_view where, std::string_view value) {
    return Tr(SIM_TR("Program",
                     "%1: ismeretlen üzemmód: \"%2\" (lehet: %3 vagy %4); a program "
                     "versenyváltozatként indul"),
              {where, ShownText(value, kShownValueBytes), kClassWord, kCompetitionWord});
}

}  // namespace

std::optional<ProgramMode> ParseModeWord(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    if (text.size() >= 2 && text.substr(text.size() - 2) == "\r\n") {
        text.remove_suffix(2);
    } else if (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    const std::string word = Lowercase(text);
    if (word == kClassWord) {
        return ProgramMode::Class;
    }
    if (word == kCompetitionWord) {
        return ProgramMode::Competition;
    }
    return std::nullopt;
}

ModeChoice ChooseProgramMode(const ModeRequest& request) {
    if (request.ClassOption) {
        return {ProgramMode::Class, std::nullopt};
    }
    if (request.Environment && !request.Environment->empty()) {
        if (const auto mode = ParseModeWord(*request.Environment)) {
            return {*mode, std::nullopt};
        }
        return {ProgramMode::Competition, Unknown(kModeVariable, *request.Environment)};
    }
    for (const std::string* path : {&request.WorkFolderFile, &request.SystemFile}) {
        if (path->empty()) {
            continue;
        }
        const SettingsFile file = ReadSettingsFile(*path, kMaxModeFileBytes);
        switch (file.Status) {
            case TextFileStatus::Missing:
                continue;
            case TextFileStatus::Read:
                if (const auto mode = ParseModeWord(file.Content)) {
                    return {*mode, std::nullopt};
                }
                return {ProgramMode::Competition,
                        Unknown(ShownText(*path), file.Content)};
            case TextFileStatus::Unreadable:
            case TextFileStatus::TooLarge:
                return {ProgramMode::Competition,
                        Tr(SIM_TR("Program",
                                  "%1: a fájl nem olvasható, vagy nem egyetlen szó; a program "
                                  "versenyváltozatként indul"),
                           {ShownText(*path)})};
        }
    }
    return {ProgramMode::Competition, std::nullopt};
}

}  // namespace sim
