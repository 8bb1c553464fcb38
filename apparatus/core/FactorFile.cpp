#include "apparatus/core/FactorFile.h"

#include <cerrno>
#include <cstdint>
#include <utility>

#include "common/Conversions.h"
#include "common/FileNames.h"
#include "common/Platform.h"
#include "common/Translate.h"

namespace sim {

namespace {

// Long lines are cut in messages so the dialog stays readable.
std::string Quoted(const std::string& line) {
    constexpr std::size_t kShown = 40;
    return "\"" + ShownText(line, kShown) + "\"";
}

// Editors on the competition machines may begin a UTF-8 file with a byte-order mark.
std::string_view WithoutByteOrderMark(std::string_view line) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    return line.starts_with(kMark) ? line.substr(kMark.size()) : line;
}

}  // namespace

std::vector<std::string> SplitTextLines(std::string_view content, std::size_t maxLines) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < content.size() && lines.size() < maxLines; ++i) {
        const char c = content[i];
        if (c != '\n' && c != '\r') {
            continue;
        }
        lines.emplace_back(content.substr(start, i - start));
        if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < content.size() && lines.size() < maxLines) {
        lines.emplace_back(content.substr(start));
    }
    return lines;
}

SettingsFile ReadSettingsFile(const std::string& path, std::size_t maxBytes) {
    SettingsFile result;
    // A pipe without a writer cannot hold the program.
    int error = 0;
    platform::File file = platform::OpenForReading(path, error);
    if (!file.IsOpen()) {
        if (error != ENOENT && error != ENOTDIR) {
            result.Status = TextFileStatus::Unreadable;
            result.Error = error;
        }
        return result;
    }
    bool regular = false;
    std::uint64_t size = 0;
    if (error = file.Describe(regular, size); error != 0) {
        result.Status = TextFileStatus::Unreadable;
        result.Error = error;
        return result;
    }
    // Only a plain file: a device might never end.
    if (!regular) {
        result.Status = TextFileStatus::Unreadable;
        return result;
    }
    if (size > maxBytes) {
        result.Status = TextFileStatus::TooLarge;
        return result;
    }
    // One byte more than allowed tells a file that grew since it was measured.
    std::string content(maxBytes + 1, '\0');
    std::size_t got = 0;
    while (got < content.size()) {
        const std::int64_t n = file.Read(content.data() + got, content.size() - got, error);
        if (n < 0) {
            result.Status = TextFileStatus::Unreadable;
            result.Error = error;
            return result;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    if (got > maxBytes) {
        result.Status = TextFileStatus::TooLarge;
        return result;
    }
    content.resize(got);
    result.Status = TextFileStatus::Read;
    result.Content = std::move(content);
    return result;
}

TextFileStatus ReadTextLines(const std::string& path, std::vector<std::string>& lines) {
    SettingsFile file = ReadSettingsFile(path);
    lines = SplitTextLines(file.Content);
    return file.Status;
}

FactorSettings ParseFactorLines(const std::vector<std::string>& lines) {
    FactorSettings result;
    if (!lines.empty()) {
        result.CountFactor = ParseWholeNumber(WithoutByteOrderMark(lines[0]));
        if (!result.CountFactor) {
            result.FailedLine = 1;
            result.Error = Tr(SIM_TR("Apparatus", "A faktor.txt 1. sora nem egész szám: %1"),
                              {Quoted(lines[0])});
            return result;
        }
    }
    if (lines.size() >= 2) {
        result.SpeedStep = ParseWholeNumber(lines[1]);
        if (!result.SpeedStep) {
            result.FailedLine = 2;
            result.Error = Tr(SIM_TR("Apparatus", "A faktor.txt 2. sora nem egész szám: %1"),
                              {Quoted(lines[1])});
            return result;
        }
        // A negative step never reaches the last set point: the series would not end.
        if (*result.SpeedStep < 0) {
            result.FailedLine = 2;
            result.Error =
                Tr(SIM_TR("Apparatus", "A faktor.txt 2. sorában a lépésköz nem lehet negatív: %1"),
                   {Quoted(lines[1])});
            return result;
        }
        if (*result.SpeedStep > kMaxSpeedStep) {
            result.FailedLine = 2;
            result.Error = Tr(
                SIM_TR("Apparatus", "A faktor.txt 2. sorában a lépésköz legfeljebb %1 lehet: %2"),
                {std::to_string(kMaxSpeedStep), Quoted(lines[1])});
            return result;
        }
    }
    if (lines.size() >= 3) {
        result.AmbientPressure = ParseReal(lines[2]);
        if (!result.AmbientPressure) {
            result.FailedLine = 3;
            result.Error = Tr(SIM_TR("Apparatus", "A faktor.txt 3. sora nem valós szám: %1"),
                              {Quoted(lines[2])});
            return result;
        }
        // The chamber would take a pressure below vacuum, and the meter would show it.
        if (*result.AmbientPressure < 0) {
            result.FailedLine = 3;
            result.Error =
                Tr(SIM_TR("Apparatus", "A faktor.txt 3. sorában a nyomás nem lehet negatív: %1"),
                   {Quoted(lines[2])});
            return result;
        }
    }
    return result;
}

}  // namespace sim
