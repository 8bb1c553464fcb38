#pragma once

// Helpers every test folder shares: a scratch folder per test, whole-file reads and writes, and
// a command's main run in this process.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "common/Platform.h"

namespace sim::testing {

namespace fs = std::filesystem;

inline std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

inline void WriteFile(const fs::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

// What a command's main gave back: the exit status and both outputs.
struct Invocation {
    int Status = -1;
    std::string Out;
    std::string Err;
};

// Runs main(args, out, err) in this process, as the program's own main calls it.
template <typename Main>
Invocation InvokeMain(Main&& main, const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    Invocation result;
    result.Status = main(args, out, err);
    result.Out = out.str();
    result.Err = err.str();
    return result;
}

// A fresh folder of its own for one test (tests run in parallel processes), removed with
// everything in it afterwards, also when the test made it read-only. It is open to every user,
// so that a child process without root's rights can work in it.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& stem = "sim-test") {
        int error = 0;
        path_ = platform::PathOf(platform::MakeUniqueFolder(
            platform::TextOf(fs::temp_directory_path()), stem + "-", error));
        if (error != 0) {
            throw std::runtime_error("no scratch folder: " + path_.string());
        }
        fs::permissions(path_, fs::perms(0755));
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::permissions(path_, fs::perms(0755), ignored);
        fs::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const fs::path& Path() const { return path_; }
    // As the program's folder is given to the window: with a trailing separator.
    std::string WithSlash() const { return path_.string() + "/"; }

  private:
    fs::path path_;
};

}  // namespace sim::testing
