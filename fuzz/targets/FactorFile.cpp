// The factor file as the program reads it at every measurement Start: arbitrary bytes in
// faktor.txt, read from disk into lines and parsed into the three settings.

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "apparatus/core/FactorFile.h"
#include "common/Conversions.h"
#include "fuzz/FuzzSupport.h"

namespace {

// The lines are the file's bytes with the line ends taken out, and nothing else.
void CheckLines(std::string_view content, const std::vector<std::string>& lines) {
    SIM_FUZZ_CHECK(lines == sim::SplitTextLines(content));
    std::size_t kept = 0;
    for (const std::string& line : lines) {
        SIM_FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
        kept += line.size();
    }
    const auto lineEndBytes = static_cast<std::size_t>(
        std::count_if(content.begin(), content.end(), [](char c) { return c == '\r' || c == '\n'; }));
    SIM_FUZZ_CHECK(kept + lineEndBytes == content.size());
}

// The lines before the first bad one all give values, and none after it does; the bad line
// itself may leave its refused value (a negative step), which the window never uses.
void CheckWhichValuesArePresent(const sim::FactorSettings& settings, std::size_t lineCount) {
    SIM_FUZZ_CHECK(settings.FailedLine >= 0 && settings.FailedLine <= 3);
    SIM_FUZZ_CHECK(settings.Error.empty() == (settings.FailedLine == 0));
    const int lines = static_cast<int>(std::min<std::size_t>(lineCount, 3));
    const int failed = settings.FailedLine;
    auto consistent = [&](bool present, int line) {
        if (line > lines || (failed != 0 && line > failed)) {
            return !present;
        }
        return failed == line || present;
    };
    SIM_FUZZ_CHECK(consistent(settings.CountFactor.has_value(), 1));
    SIM_FUZZ_CHECK(consistent(settings.SpeedStep.has_value(), 2));
    SIM_FUZZ_CHECK(consistent(settings.AmbientPressure.has_value(), 3));
}

void CheckValues(const sim::FactorSettings& settings, const std::vector<std::string>& lines) {
    if (settings.CountFactor) {
        // A leading byte-order mark is no part of the number.
        std::string_view first = lines[0];
        if (first.starts_with("\xEF\xBB\xBF")) {
            first.remove_prefix(3);
        }
        SIM_FUZZ_CHECK(settings.CountFactor == sim::ParseWholeNumber(first));
    }
    if (settings.SpeedStep) {
        // A negative step would never end a speed series, a huge one never reach its second
        // set point.
        const bool inRange = *settings.SpeedStep >= 0 && *settings.SpeedStep <= sim::kMaxSpeedStep;
        SIM_FUZZ_CHECK(inRange || settings.FailedLine == 2);
        SIM_FUZZ_CHECK(settings.SpeedStep == sim::ParseWholeNumber(lines[1]));
    }
    if (settings.AmbientPressure) {
        SIM_FUZZ_CHECK(std::isfinite(*settings.AmbientPressure));
    }
}

// A failure names its line and cuts what it quotes, so the dialog stays readable; control
// bytes appear as escapes, never raw.
void CheckMessage(const std::string& error) {
    SIM_FUZZ_CHECK(error.size() < 256);
    SIM_FUZZ_CHECK(std::none_of(error.begin(), error.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    }));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = sim::fuzz::WriteScratchFile("faktor.txt", data, size);
    std::vector<std::string> lines{"stale"};
    const sim::TextFileStatus status = sim::ReadTextLines(path, lines);
    if (size > sim::kMaxSettingsFileBytes) {
        SIM_FUZZ_CHECK(status == sim::TextFileStatus::TooLarge && lines.empty());
        return 0;
    }
    SIM_FUZZ_CHECK(status == sim::TextFileStatus::Read);
    CheckLines(std::string_view(reinterpret_cast<const char*>(data), size), lines);

    const sim::FactorSettings settings = sim::ParseFactorLines(lines);
    CheckWhichValuesArePresent(settings, lines.size());
    CheckValues(settings, lines);
    CheckMessage(settings.Error);
    return 0;
}
