#include "apparatus/core/ResultFiles.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "common/Platform.h"

namespace sim {

namespace {

// Enough for any number of series a person could run; a bound so that a folder full of taken
// names cannot keep the loop going.
constexpr unsigned kMaxEarlierNumber = 999999999;
constexpr unsigned kRenameAttempts = 1000;

}  // namespace

std::string ResultFileName(std::string_view participantId) {
    return std::string(participantId) + std::string(kResultExtension);
}

std::string EarlierResultFileName(std::string_view participantId, unsigned number) {
    return ResultFileName(participantId) + "." + std::to_string(number);
}

std::optional<unsigned> EarlierResultNumber(std::string_view name, std::string_view participantId) {
    const std::string stem = ResultFileName(participantId) + ".";
    if (!name.starts_with(stem)) {
        return std::nullopt;
    }
    const std::string_view digits = name.substr(stem.size());
    // Written by the program only: decimal, no sign, no leading zero.
    if (digits.empty() || digits.size() > 9 || digits.front() == '0') {
        return std::nullopt;
    }
    unsigned number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        number = number * 10 + static_cast<unsigned>(c - '0');
    }
    return number;
}

KeptResult KeepEarlierResult(const std::string& folder, std::string_view participantId) {
    const std::string current = folder + ResultFileName(participantId);
    int error = 0;
    if (platform::KindOf(current, &error) != platform::Kind::Regular) {
        return {error, std::nullopt};
    }
    return MoveToEarlierResult(current, folder, participantId);
}

KeptResult MoveToEarlierResult(const std::string& from, const std::string& folder,
                               std::string_view participantId) {
    unsigned latest = 0;
    std::error_code error;
    const std::filesystem::path where = platform::PathOf(folder.empty() ? "." : folder);
    for (std::filesystem::directory_iterator entry(where, error), end; !error && entry != end;
         entry.increment(error)) {
        if (const auto n = EarlierResultNumber(platform::TextOf(entry->path().filename()),
                                               participantId)) {
            latest = std::max(latest, *n);
        }
    }
    for (unsigned attempt = 0; attempt < kRenameAttempts && latest < kMaxEarlierNumber; ++attempt) {
        const std::string kept = folder + EarlierResultFileName(participantId, ++latest);
        const int failure = platform::MoveNoReplace(from, kept);
        if (failure == 0) {
            return {0, kept};
        }
        if (failure != EEXIST) {
            return {failure, std::nullopt};
        }
    }
    return {EEXIST, std::nullopt};
}

}  // namespace sim
