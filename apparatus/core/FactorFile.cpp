#include "apparatus/core/FactorFile.h"

#include <sys/stat.h>
#include <cerrno>
#include <cstdio>
#include <memory>

#include "common/Conversions.h"

namespace sim {

namespace {

// Long lines are cut in messages so the dialog stays readable.
std::string Quoted(const std::string& line) {
    constexpr std::size_t kShown = 40;
    return "\"" + (line.size() > kShown ? line.substr(0, kShown) + "…" : line) + "\"";
}

}  // namespace

std::vector<std::string> SplitTextLines(std::string_view content) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < content.size(); ++i) {
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
    if (start < content.size()) {
        lines.emplace_back(content.substr(start));
    }
    return lines;
}

TextFileStatus ReadTextLines(const std::string& path, std::vector<std::string>& lines) {
    lines.clear();
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return errno == ENOENT || errno == ENOTDIR ? TextFileStatus::Missing
                                                   : TextFileStatus::Unreadable;
    }
    // Only a plain file: a pipe would wait for a writer for ever, a device might never end.
    if (!S_ISREG(info.st_mode)) {
        return TextFileStatus::Unreadable;
    }
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) {
        return TextFileStatus::Unreadable;
    }
    std::string content;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        content.append(buffer, n);
    }
    if (std::ferror(file.get()) != 0) {
        return TextFileStatus::Unreadable;
    }
    lines = SplitTextLines(content);
    return TextFileStatus::Read;
}

FactorSettings ParseFactorLines(const std::vector<std::string>& lines) {
    FactorSettings result;
    if (!lines.empty()) {
        result.CountFactor = ParseWholeNumber(lines[0]);
        if (!result.CountFactor) {
            result.FailedLine = 1;
            result.Error = "A faktor.txt 1. sora nem egész szám: " + Quoted(lines[0]);
            return result;
        }
    }
    if (lines.size() >= 2) {
        result.SpeedStep = ParseWholeNumber(lines[1]);
        if (!result.SpeedStep) {
            result.FailedLine = 2;
            result.Error = "A faktor.txt 2. sora nem egész szám: " + Quoted(lines[1]);
            return result;
        }
        // A negative step never reaches the last set point: the series would not end.
        if (*result.SpeedStep < 0) {
            result.FailedLine = 2;
            result.Error =
                "A faktor.txt 2. sorában a lépésköz nem lehet negatív: " + Quoted(lines[1]);
            return result;
        }
    }
    if (lines.size() >= 3) {
        result.AmbientPressure = ParseReal(lines[2]);
        if (!result.AmbientPressure) {
            result.FailedLine = 3;
            result.Error = "A faktor.txt 3. sora nem valós szám: " + Quoted(lines[2]);
            return result;
        }
    }
    return result;
}

}  // namespace sim
