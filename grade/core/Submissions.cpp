#include "grade/core/Submissions.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <system_error>

#include "apparatus/core/Form1Logic.h"

namespace sim {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kResultExtension = ".txt";

bool SameFolder(const fs::path& a, const fs::path& b) {
    std::error_code error;
    return fs::equivalent(a, b, error);
}

}  // namespace

std::optional<std::string> ResultFileId(const std::string& name) {
    const std::string_view prefix = kParticipantPrefix;
    if (name.size() <= prefix.size() + kResultExtension.size() || !name.starts_with(prefix) ||
        !name.ends_with(kResultExtension)) {
        return std::nullopt;
    }
    return name.substr(prefix.size(), name.size() - prefix.size() - kResultExtension.size());
}

std::optional<std::string> GeometryFileId(const std::string& name) {
    // The key is appended even to a chosen name that already ends with one: the last one counts.
    const std::string key = std::string(".") + kParticipantPrefix;
    const std::size_t at = name.rfind(key);
    if (at == std::string::npos || at + key.size() == name.size()) {
        return std::nullopt;
    }
    return name.substr(at + key.size());
}

std::vector<ContestantFiles> FindSubmissions(const std::string& root, const std::string& skip) {
    std::map<std::string, ContestantFiles> byId;
    const fs::path base(root);
    fs::recursive_directory_iterator it(base, fs::directory_options::skip_permission_denied);
    for (; it != fs::recursive_directory_iterator(); ++it) {
        const fs::directory_entry& entry = *it;
        std::error_code error;
        if (entry.is_directory(error)) {
            if (entry.is_symlink(error) || SameFolder(entry.path(), skip)) {
                it.disable_recursion_pending();
            }
            continue;
        }
        const std::string name = entry.path().filename().string();
        FoundFile file{entry.path().string(),
                       entry.path().lexically_relative(base).generic_string(), name};
        if (const auto id = ResultFileId(name)) {
            ContestantFiles& c = byId[*id];
            c.Id = *id;
            c.ResultFiles.push_back(std::move(file));
        } else if (const auto geometryId = GeometryFileId(name)) {
            ContestantFiles& c = byId[*geometryId];
            c.Id = *geometryId;
            c.GeometryFiles.push_back(std::move(file));
        }
    }
    std::vector<ContestantFiles> contestants;
    const auto byPath = [](const FoundFile& a, const FoundFile& b) { return a.Shown < b.Shown; };
    for (auto& [id, files] : byId) {
        std::sort(files.ResultFiles.begin(), files.ResultFiles.end(), byPath);
        std::sort(files.GeometryFiles.begin(), files.GeometryFiles.end(), byPath);
        contestants.push_back(std::move(files));
    }
    return contestants;
}

}  // namespace sim
