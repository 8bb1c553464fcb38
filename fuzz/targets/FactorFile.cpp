// The factor file as the program reads it at every measurement Start: arbitrary bytes in
// faktor.txt, read from disk into lines and parsed into the three settings.

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "apparatus/core/FactorFile.h"
#include "common/Conversions.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = sim::fuzz::WriteScratchFile("faktor.txt", data, size);
    std::vector<std::string> lines{"stale"};
    const sim::TextFileStatus status = sim::ReadTextLines(path, lines);
    if (size > sim::kMaxSettingsFileBytes) {
        SIM_FUZZ_CHECK(status == sim::TextFileStatus::TooLarge && lines.empty());
        return 0;
    }
    SIM_FUZZ_CHECK(status == sim::TextFileStatus::Read);

    // The lines are the file's bytes with the line ends taken out, and nothing else.
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    SIM_FUZZ_CHECK(lines == sim::SplitTextLines(content));
    std::size_t kept = 0;
    for (const std::string& line : lines) {
        SIM_FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
        kept += line.size();
    }
    std::size_t lineEndBytes = 0;
    for (char c : content) {
        lineEndBytes += c == '\r' || c == '\n' ? 1 : 0;
    }
    SIM_FUZZ_CHECK(kept + lineEndBytes == size);

    const sim::FactorSettings settings = sim::ParseFactorLines(lines);
    SIM_FUZZ_CHECK(settings.FailedLine >= 0 && settings.FailedLine <= 3);
    SIM_FUZZ_CHECK(settings.Error.empty() == (settings.FailedLine == 0));
    const int lineCount = static_cast<int>(std::min<std::size_t>(lines.size(), 3));
    const int failed = settings.FailedLine;
    // The lines before the first bad one all give values, and none after it does; the bad
    // line itself may leave its refused value (a negative step), which the window never uses.
    auto consistent = [&](bool present, int line) {
        if (line > lineCount || (failed != 0 && line > failed)) {
            return !present;
        }
        return failed == line || present;
    };
    SIM_FUZZ_CHECK(consistent(settings.CountFactor.has_value(), 1));
    SIM_FUZZ_CHECK(consistent(settings.SpeedStep.has_value(), 2));
    SIM_FUZZ_CHECK(consistent(settings.AmbientPressure.has_value(), 3));
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
        SIM_FUZZ_CHECK((*settings.SpeedStep >= 0 && *settings.SpeedStep <= sim::kMaxSpeedStep) ||
                       failed == 2);
        SIM_FUZZ_CHECK(settings.SpeedStep == sim::ParseWholeNumber(lines[1]));
    }
    if (settings.AmbientPressure) {
        SIM_FUZZ_CHECK(std::isfinite(*settings.AmbientPressure));
    }
    // A failure names its line and cuts what it quotes, so the dialog stays readable; control
    // bytes appear as escapes, never raw.
    SIM_FUZZ_CHECK(settings.Error.size() < 256);
    SIM_FUZZ_CHECK(std::none_of(settings.Error.begin(), settings.Error.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    }));
    return 0;
}
