#include "common/ReplaceFile.h"

#include <atomic>
#include <cerrno>
#include <filesystem>

#include "common/ErrorText.h"
#include "common/Platform.h"

namespace sim {

namespace {

// Creates a new, empty temporary file in folder; never opens an existing file or a link.
platform::File CreateTemporary(const std::filesystem::path& folder, std::string& name,
                               int& error) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = platform::TextOf(folder / (".replacing-" + std::to_string(platform::ProcessId()) +
                                          "-" + std::to_string(counter.fetch_add(1)) + ".tmp"));
        platform::File file = platform::OpenForWriting(name, true, false, error);
        if (file.IsOpen() || error != EEXIST) {
            return file;
        }
    }
    error = EEXIST;
    return {};
}

}  // namespace

std::string ReplaceFileFailure::Reason() const {
    return At == Stage::NotRegular ? FileKindReason(Found) : SystemReason(Error);
}

std::optional<ReplaceFileFailure> ReplaceFile(const std::string& path, std::string_view content) {
    using Stage = ReplaceFileFailure::Stage;
    // A rename would put a file in place of a device (/dev/null made a regular file) or fail
    // over a folder only after the writing: refuse both before anything is made.
    int unknown = 0;
    const platform::Kind found = platform::KindOf(path, &unknown);
    if (unknown != 0) {
        return ReplaceFileFailure{Stage::Create, unknown};
    }
    if (found != platform::Kind::Missing && found != platform::Kind::Regular &&
        found != platform::Kind::Link) {
        return ReplaceFileFailure{Stage::NotRegular, 0, found};
    }
    std::filesystem::path folder = platform::PathOf(path).parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    std::string temporary;
    int error = 0;
    platform::File file = CreateTemporary(folder, temporary, error);
    if (!file.IsOpen()) {
        return ReplaceFileFailure{Stage::Create, error};
    }
    // A replaced file keeps its permissions (a private file stays private); a link is replaced
    // like a new file.
    file.TakePermissionsOf(path);
    error = file.WriteAll(content);
    if (error == 0) {
        error = file.Sync();
    }
    if (const int closeError = file.Close(); closeError != 0 && error == 0) {
        error = closeError;
    }
    if (error != 0) {
        platform::RemoveFile(temporary);
        return ReplaceFileFailure{Stage::Write, error};
    }
    if (error = platform::ReplaceWith(temporary, path); error != 0) {
        platform::RemoveFile(temporary);
        return ReplaceFileFailure{Stage::Rename, error};
    }
    platform::SyncFolder(platform::TextOf(folder));
    return std::nullopt;
}

}  // namespace sim
