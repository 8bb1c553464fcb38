#include "grade/core/Submissions.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <system_error>

#include "apparatus/core/Form1Logic.h"
#include "apparatus/core/ResultFiles.h"
#include "common/ErrorText.h"
#include "common/FileNames.h"
#include "common/Platform.h"
#include "grade/core/GradeTexts.h"
#include "runner/core/Runner.h"

namespace sim {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kLockExtension = ".lock";

// An identifier the window's login and the runner's --id accept.
bool AcceptedId(std::string_view id) {
    return id.size() <= kMaxIdentifierLength && IsSafeFileNamePart(id);
}

bool Inside(const fs::path& path, const fs::path& folder) {
    const fs::path relative = path.lexically_relative(folder);
    return !relative.empty() && *relative.begin() != "..";
}

// Relative to the submissions folder, with "/" between the folders on every system.
std::string ShownPath(const fs::path& path, const fs::path& base) {
    if (path == base) {
        return ".";
    }
    std::string shown = platform::TextOf(path.lexically_relative(base));
    if (platform::kWindows) {
        std::replace(shown.begin(), shown.end(), '\\', '/');
    }
    return shown;
}

// The identifier's files in one folder.
struct FolderFiles {
    std::vector<FoundFile> Results;
    std::vector<FoundFile> Earlier;
    std::vector<FoundFile> Geometry;
    bool InReport = false;
};

class Scanner {
  public:
    Scanner(const std::string& root, const std::string& reportFolder)
        : base_(platform::PathOf(root)) {
        std::error_code error;
        canonicalRoot_ = fs::weakly_canonical(base_, error);
        if (!reportFolder.empty()) {
            report_ = fs::weakly_canonical(platform::PathOf(reportFolder), error);
        }
    }

    void Walk() {
        std::vector<std::pair<fs::path, bool>> folders{{base_, InReport(base_, false)}};
        while (!folders.empty()) {
            const auto [folder, inReport] = folders.back();
            folders.pop_back();
            std::vector<std::pair<fs::path, bool>> below;
            ReadFolder(folder, inReport, below);
            // Sorted, so that the order met (and so the report) never depends on the disk.
            std::sort(below.rbegin(), below.rend());
            folders.insert(folders.end(), below.begin(), below.end());
        }
    }

    SubmissionScan Result() {
        SubmissionScan scan;
        scan.NotRead = std::move(notRead_);
        for (auto& [id, byFolder] : byId_) {
            Group(id, byFolder, scan.Contestants);
        }
        return scan;
    }

  private:
    bool InReport(const fs::path& folder, bool parentInReport) const {
        if (parentInReport || report_.empty()) {
            return parentInReport;
        }
        std::error_code error;
        return fs::equivalent(folder, report_, error);
    }

    void PassOver(const fs::path& path, std::string reason) {
        notRead_.push_back({ShownPath(path, base_), std::move(reason)});
    }

    void ReadFolder(const fs::path& folder, bool inReport,
                    std::vector<std::pair<fs::path, bool>>& below) {
        std::error_code error;
        fs::directory_iterator it(folder, error);
        if (error) {
            PassOver(folder, Tr(gradetext::kFolderUnreadable, {SystemReason(error.value())}));
            return;
        }
        for (const fs::directory_iterator end; it != end; it.increment(error)) {
            Entry(*it, inReport, below);
        }
        if (error) {
            PassOver(folder, Tr(gradetext::kFolderPartlyUnreadable, {SystemReason(error.value())}));
        }
    }

    void Entry(const fs::directory_entry& entry, bool inReport,
               std::vector<std::pair<fs::path, bool>>& below) {
        std::error_code error;
        const fs::path& path = entry.path();
        const std::string name = platform::TextOf(path.filename());
        const fs::file_status own = entry.symlink_status(error);
        if (fs::is_symlink(own)) {
            Link(entry, name);
            return;
        }
        if (fs::is_directory(own)) {
            if (IsRunnerWorkFolderName(name)) {
                RunnerFolder(path);
            } else {
                below.emplace_back(path, InReport(path, inReport));
            }
            return;
        }
        const std::uintmax_t size = fs::is_regular_file(own) ? entry.file_size(error) : 0;
        const FileNameRole role = RecogniseFileName(name, error ? 1 : size);
        using Kind = FileNameRole::Kind;
        if (role.Role == Kind::NearMiss) {
            PassOver(path, Tr(gradetext::kNotProgramsName));
        }
        if (role.Role != Kind::Result && role.Role != Kind::Earlier &&
            role.Role != Kind::Geometry) {
            return;
        }
        FolderFiles& files = byId_[role.Id][ShownPath(path.parent_path(), base_)];
        files.InReport = files.InReport || inReport;
        FoundFile file{platform::TextOf(path), ShownPath(path, base_), name, role.Earlier};
        (role.Role == Kind::Result    ? files.Results
         : role.Role == Kind::Earlier ? files.Earlier
                                      : files.Geometry)
            .push_back(std::move(file));
    }

    // A link is never followed: a folder's would be read twice or read what is no one's, a
    // file's would count a contestant's file twice or take in one from elsewhere.
    void Link(const fs::directory_entry& entry, const std::string& name) {
        std::error_code error;
        const fs::path target = fs::read_symlink(entry.path(), error);
        const std::string shownTarget = error ? std::string("?") : platform::TextOf(target);
        const fs::file_status pointed = fs::status(entry.path(), error);
        const bool contestantName = RecogniseFileName(name, 1).Role != FileNameRole::Kind::Other;
        if (!fs::exists(pointed)) {
            if (contestantName) {
                PassOver(entry.path(), Tr(gradetext::kLinkDangling, {ShownName(shownTarget)}));
            }
            return;
        }
        if (!fs::is_directory(pointed) && !contestantName) {
            return;  // the program itself or another file that is no contestant's
        }
        const fs::path resolved = fs::weakly_canonical(entry.path(), error);
        PassOver(entry.path(),
                 Tr(!error && Inside(resolved, canonicalRoot_) ? gradetext::kLinkInside
                                                               : gradetext::kLinkOutside,
                    {ShownName(shownTarget)}));
    }

    void RunnerFolder(const fs::path& folder) {
        std::string partial;
        std::error_code error;
        for (fs::directory_iterator it(folder, error), end; !error && it != end;
             it.increment(error)) {
            const std::string name = platform::TextOf(it->path().filename());
            if (RecogniseFileName(name, 1).Role == FileNameRole::Kind::Result) {
                partial += (partial.empty() ? "" : ", ") + ShownName(name);
            }
        }
        PassOver(folder, partial.empty() ? Tr(gradetext::kRunnerFolder)
                                         : Tr(gradetext::kRunnerFolderWithPoints, {partial}));
    }

    // One series per folder with a result file; where only one folder has one, every file of
    // the identifier belongs to it, wherever the organisers put them.
    static void Group(const std::string& id, std::map<std::string, FolderFiles>& byFolder,
                      std::vector<ContestantFiles>& out) {
        std::vector<std::string> withResult;
        for (const auto& [folder, files] : byFolder) {
            if (!files.Results.empty()) {
                withResult.push_back(folder);
            }
        }
        const auto add = [](ContestantFiles& c, FolderFiles& f) {
            c.ResultFiles.insert(c.ResultFiles.end(), f.Results.begin(), f.Results.end());
            c.EarlierResults.insert(c.EarlierResults.end(), f.Earlier.begin(), f.Earlier.end());
            c.GeometryFiles.insert(c.GeometryFiles.end(), f.Geometry.begin(), f.Geometry.end());
            c.InReportFolder = c.InReportFolder || f.InReport;
        };
        const auto finish = [&](ContestantFiles& c) {
            const auto byPath = [](const FoundFile& a, const FoundFile& b) {
                return a.Shown < b.Shown;
            };
            std::sort(c.GeometryFiles.begin(), c.GeometryFiles.end(), byPath);
            std::sort(c.EarlierResults.begin(), c.EarlierResults.end(),
                      [](const FoundFile& a, const FoundFile& b) {
                          const std::string fa = a.Shown.substr(0, a.Shown.rfind('/') + 1);
                          const std::string fb = b.Shown.substr(0, b.Shown.rfind('/') + 1);
                          return fa != fb ? fa < fb : a.Earlier < b.Earlier;
                      });
            out.push_back(std::move(c));
        };
        if (withResult.size() <= 1) {
            ContestantFiles c;
            c.Id = id;
            c.Folder = withResult.empty() ? byFolder.begin()->first : withResult.front();
            for (auto& [folder, files] : byFolder) {
                add(c, files);
            }
            finish(c);
            return;
        }
        for (auto& [folder, files] : byFolder) {
            ContestantFiles c;
            c.Id = id;
            c.Folder = folder;
            add(c, files);
            for (const std::string& other : withResult) {
                if (other != folder) {
                    c.OtherFolders.push_back(other);
                }
            }
            finish(c);
        }
    }

    fs::path base_;
    fs::path canonicalRoot_;
    fs::path report_;
    std::map<std::string, std::map<std::string, FolderFiles>> byId_;
    std::vector<PassedOver> notRead_;
};

}  // namespace

FileNameRole RecogniseFileName(const std::string& name, std::uintmax_t size) {
    using Kind = FileNameRole::Kind;
    const std::string_view prefix = kParticipantPrefix;
    const std::string key = "." + std::string(prefix);
    const std::string_view whole = name;
    if (whole.starts_with(prefix)) {
        const std::string_view rest = whole.substr(prefix.size());
        if (rest.ends_with(kResultExtension)) {
            const std::string_view id = rest.substr(0, rest.size() - kResultExtension.size());
            if (AcceptedId(id)) {
                return {Kind::Result, std::string(id), 0};
            }
        }
        const std::string earlierMark = std::string(kResultExtension) + ".";
        if (const std::size_t at = rest.rfind(earlierMark); at != std::string_view::npos) {
            const std::string_view id = rest.substr(0, at);
            const auto number = EarlierResultNumber(name, std::string(prefix) + std::string(id));
            if (AcceptedId(id) && number) {
                return {Kind::Earlier, std::string(id), *number};
            }
        }
    }
    // A geometry file: the chosen name, then the key; the key is appended even to a name that
    // already ends with one, so the last one counts.
    if (const std::size_t at = whole.rfind(key); at != std::string_view::npos) {
        const std::string_view id = whole.substr(at + key.size());
        if (AcceptedId(id)) {
            // The identifier's lock file reads as an unnamed geometry of "ID.lock"; it is
            // always empty, a geometry file never.
            if (at == 0 && size == 0 && id.ends_with(kLockExtension) &&
                AcceptedId(id.substr(0, id.size() - kLockExtension.size()))) {
                return {Kind::Lock, std::string(id.substr(0, id.size() - kLockExtension.size())),
                        0};
            }
            return {Kind::Geometry, std::string(id), 0};
        }
    }
    if (whole.starts_with(prefix) || whole.find(key) != std::string_view::npos) {
        return {Kind::NearMiss, {}, 0};
    }
    return {};
}

std::optional<std::string> ResultFileId(const std::string& name) {
    const FileNameRole role = RecogniseFileName(name, 1);
    return role.Role == FileNameRole::Kind::Result ? std::optional(role.Id) : std::nullopt;
}

std::optional<std::string> GeometryFileId(const std::string& name) {
    const FileNameRole role = RecogniseFileName(name, 1);
    return role.Role == FileNameRole::Kind::Geometry ? std::optional(role.Id) : std::nullopt;
}

SubmissionScan ScanSubmissions(const std::string& root, const std::string& reportFolder) {
    Scanner scanner(root, reportFolder);
    scanner.Walk();
    return scanner.Result();
}

std::vector<ContestantFiles> FindSubmissions(const std::string& root,
                                             const std::string& reportFolder) {
    return ScanSubmissions(root, reportFolder).Contestants;
}

}  // namespace sim
