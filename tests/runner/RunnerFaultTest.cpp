// What a careless or hostile organiser can do to the runner: a second program on the same
// identifier, an interruption in the middle of a series, a huge or looping factor file, targets
// that cannot be written, control bytes in names. Each ends in a clear one-line message with
// no measured point lost and nothing left behind.

#include <gtest/gtest.h>

#include <fcntl.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "common/IdentifierClaim.h"
#include "runner/core/RunnerOptions.h"
#include "tests/PosixOnly.h"
#include "tests/reliability/ChildProcess.h"
#include "tests/runner/RunnerTestSupport.h"

namespace sim {
namespace {

namespace fs = std::filesystem;
using testing::ChildOptions;
using testing::ChildResult;
using testing::Invocation;
using testing::Invoke;
using testing::ReadFile;
using testing::RunInChild;
using testing::WriteFile;

constexpr const char* kWorkFolderPrefix = ".trelko-runner-";

// A series of 39 points that takes the runner more than ten seconds: long enough to interrupt
// it in the middle even on a busy machine, with its first points soon there to wait for.
const std::vector<std::string> kSlowSeries = {"--sources", "1,9", "--factor", "200",
                                              "--step",    "50",  "--time",   "500"};
// A series that would take the runner many minutes: only a refusal before it starts ends soon.
const std::vector<std::string> kEndlessSeries = {"--sources", "1,9",    "--step",
                                                 "50",        "--time", "86400"};

std::string Status(const Invocation& run) {
    return std::to_string(run.Status) + " " + run.Err;
}

std::vector<fs::path> WorkFolders(const fs::path& folder) {
    std::vector<fs::path> found;
    for (const fs::directory_entry& e : fs::directory_iterator(folder)) {
        if (e.path().filename().string().starts_with(kWorkFolderPrefix)) {
            found.push_back(e.path());
        }
    }
    return found;
}

std::size_t LineCount(const std::string& text) {
    std::size_t lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + 2)) {
        ++lines;
    }
    return lines;
}

// The runner program started in the background, as an organiser's shell starts it.
class BackgroundRunner {
  public:
    BackgroundRunner(const std::vector<std::string>& args, const fs::path& errorFile) {
        std::vector<std::string> all = {TRELKO_RUNNER};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& a : all) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        const std::string errorPath = errorFile.string();
        pid_ = ::fork();
        if (pid_ == 0) {
            const int null = ::open("/dev/null", O_WRONLY);
            const int error = ::open(errorPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (null < 0 || error < 0 || ::dup2(null, 1) < 0 || ::dup2(error, 2) < 0) {
                ::_exit(126);
            }
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
    }
    ~BackgroundRunner() {
        if (pid_ > 0 && !status_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    BackgroundRunner(const BackgroundRunner&) = delete;
    BackgroundRunner& operator=(const BackgroundRunner&) = delete;

    bool Started() const { return pid_ > 0; }

    // Waits until done() holds while the program still runs; false if it ended first or the
    // hang guard ran out.
    bool WaitUntil(const std::function<bool()>& done) {
        const auto guard = std::chrono::steady_clock::now() + std::chrono::minutes(2);
        while (std::chrono::steady_clock::now() < guard) {
            if (done()) {
                return true;
            }
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                status_ = status;
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

    // Sends the signal and returns the wait status once the program has ended.
    int Signal(int signal) {
        if (!status_) {
            ::kill(pid_, signal);
            int status = 0;
            ::waitpid(pid_, &status, 0);
            status_ = status;
        }
        return *status_;
    }

  private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

class RunnerFault : public testing::RunnerFolder {
  protected:
    void SetUp() override {
        RunnerFolder::SetUp();
        fs::create_directories(out);
        geometry = SaveGeometry(testing::TargetAndDetector(), "minta.Brk2017_cmp");
    }
    std::vector<std::string> Args(const std::vector<std::string>& options,
                                  const std::string& id = "cmp") const {
        std::vector<std::string> args = {geometry, "--out", out.string(), "--id", id};
        args.insert(args.end(), options.begin(), options.end());
        return args;
    }
    // The result file the series of a run started in the background is writing, in that run's
    // private folder.
    std::string PrivateResult(const std::string& id) const {
        for (const fs::path& work : WorkFolders(out)) {
            const fs::path result = work / ("Brk2017_" + id + ".txt");
            if (fs::exists(result)) {
                return ReadFile(result);
            }
        }
        return {};
    }
    std::string BeforeTheSeries(std::vector<std::vector<std::string>> cases) const {
        std::string shown;
        for (const auto& options : cases) {
            const Invocation run = Invoke(Args(options));
            shown += Status(run);
            std::error_code ignored;
            if (fs::exists(out / "Brk2017_cmp.txt", ignored) &&
                !fs::is_directory(out / "Brk2017_cmp.txt", ignored)) {
                shown += "result file written\n";
            }
            if (!WorkFolders(out).empty()) {
                shown += "private folder left\n";
            }
        }
        return shown;
    }

    fs::path out = dir / "out";
    std::string geometry;
};

// Two programs on one identifier in one folder once wrote the same result file, the second
// replacing the first's series. The runner now claims the identifier in its output folder, and
// the kernel releases the claim when its holder dies.
TEST_F(RunnerFault, AnIdentifierHeldByAWindowInTheOutputFolderRefusesTheRun) {
    SIM_SKIP_ON_WINDOWS("no fork for the window that holds the identifier (the claim itself: Files.AClaimIsOneProgramsUntilItEnds)");
    int ready[2] = {-1, -1};
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t window = ::fork();
    ASSERT_GE(window, 0);
    if (window == 0) {
        VirtualClock clock;
        testing::WindowForm form(clock, out.string() + "/");
        const char byte = form.ClaimIdentifier("cmp") ? '0' : '1';
        (void)!::write(ready[1], &byte, 1);
        ::pause();
        ::_exit(0);
    }
    ::close(ready[1]);
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);
    ASSERT_EQ(byte, '1') << "the window logged in";

    const Invocation refused = Invoke(Args({"--sources", "1,9", "--step", "500"}));
    EXPECT_EQ(Status(refused),
              "2 trelko-runner: a(z) \"cmp\" azonosítót ebben a mappában már "
              "egy másik futó program használja: " +
                  out.string() + "\n");
    EXPECT_FALSE(fs::exists(out / "Brk2017_cmp.txt"));
    EXPECT_EQ(Status(Invoke(Args({"--sources", "1,9", "--step", "500"}, "other"))), "0 ")
        << "another identifier in the same folder";

    ::kill(window, SIGKILL);
    ::waitpid(window, nullptr, 0);
    EXPECT_EQ(Status(Invoke(Args({"--sources", "1,9", "--step", "500"}))), "0 ")
        << "free once the window is gone";
}

// Ctrl-C or SIGTERM in a series once left nothing in --out: the points stayed in a hidden
// private folder that nothing removed.
TEST_F(RunnerFault, AStopSignalLeavesTheWholeLinesMeasuredInTheOutputFolder) {
    SIM_SKIP_ON_WINDOWS("no POSIX signals to stop a runner with");
    for (const int signal : {SIGTERM, SIGINT}) {
        const std::string name = signal == SIGTERM ? "SIGTERM" : "SIGINT";
        SCOPED_TRACE(name);
        const std::string id = "sig" + std::to_string(signal);
        BackgroundRunner runner(Args(kSlowSeries, id), dir / "stderr");
        ASSERT_TRUE(runner.Started());
        std::size_t seen = 0;
        ASSERT_TRUE(runner.WaitUntil([&] {
            seen = LineCount(PrivateResult(id));
            return seen >= 3;
        })) << "the header and two points";

        // The runner holds the identifier for the whole run.
        auto taken = IdentifierClaim::Take(out.string() + "/", "Brk2017_" + id);
        const auto* refused = std::get_if<IdentifierClaim::Refused>(&taken);
        ASSERT_NE(refused, nullptr);
        EXPECT_TRUE(refused->InUse);

        const int status = runner.Signal(signal);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 128 + signal);
        EXPECT_EQ(WEXITSTATUS(status), signal == SIGTERM ? 143 : 130);
        const fs::path result = out / ("Brk2017_" + id + ".txt");
        EXPECT_EQ(ReadFile(dir / "stderr"),
                  "trelko-runner: megszakítva (" + name +
                      "); az eredményfájl hiányos, csak az addig mért pontok vannak benne: " +
                      result.string() + "\n");

        // The window's line format, one line per set point from 100 in steps of 50.
        const std::string text = ReadFile(result);
        ASSERT_TRUE(text.starts_with("Faktor=        200\r\n")) << text;
        ASSERT_TRUE(text.ends_with("\r\n")) << "nothing after the last whole line";
        const std::size_t points = LineCount(text) - 1;
        EXPECT_GE(points + 1, seen) << "every line seen before the signal kept";
        EXPECT_LT(points, 39U) << "the series was interrupted";
        constexpr std::size_t kHeader = 20;
        constexpr std::size_t kLine = 10 + 2 + 10 + 2;
        ASSERT_EQ(text.size(), kHeader + points * kLine) << text;
        for (std::size_t i = 0; i < points; ++i) {
            const std::string line = text.substr(kHeader + i * kLine, kLine);
            EXPECT_EQ(std::stoi(line.substr(0, 10)), 100 + 50 * static_cast<int>(i)) << line;
            EXPECT_EQ(line.substr(10, 2), ", ") << line;
            EXPECT_GT(std::stoi(line.substr(12, 10)), 0) << line;
        }
        EXPECT_TRUE(WorkFolders(out).empty()) << "the private folder removed";
    }
}

// A run killed outright cannot tidy up; the next run in the folder removes what it left, and
// only that: a folder of a run still going, or one still being set up, stays.
TEST_F(RunnerFault, APrivateFolderOfAKilledRunIsRemovedByTheNextRun) {
    SIM_SKIP_ON_WINDOWS("no fork to start and kill a runner beside the test");
    BackgroundRunner killed(Args(kSlowSeries, "killed"), dir / "stderr-killed");
    ASSERT_TRUE(killed.Started());
    ASSERT_TRUE(killed.WaitUntil([&] { return LineCount(PrivateResult("killed")) >= 2; }));
    const int status = killed.Signal(SIGKILL);
    EXPECT_TRUE(WIFSIGNALED(status));
    const std::vector<fs::path> left = WorkFolders(out);
    ASSERT_EQ(left.size(), 1U) << "what a killed run leaves";

    const std::string measured = PrivateResult("killed");

    const fs::path settingUp = out / ".trelko-runner-abcdef";
    fs::create_directory(settingUp);
    BackgroundRunner running(Args(kSlowSeries, "running"), dir / "stderr-running");
    ASSERT_TRUE(running.Started());
    ASSERT_TRUE(running.WaitUntil([&] { return !PrivateResult("running").empty(); }));
    // The next run removed the killed run's folder, said so, and kept the points measured.
    EXPECT_EQ(ReadFile(dir / "stderr-running"),
              "trelko-runner: egy megszakadt futás mappáját eltávolítottam: " +
                  left.front().string() + "; az addig mért pontjai megmaradtak: " +
                  (out / "Brk2017_killed.txt").string() + "\n");
    EXPECT_EQ(ReadFile(out / "Brk2017_killed.txt").substr(0, measured.size()), measured);

    EXPECT_EQ(Status(Invoke(Args({"--sources", "1,9", "--step", "1000", "--time", "1"}))), "0 ");
    EXPECT_FALSE(fs::exists(left.front())) << "the killed run's folder removed";
    EXPECT_TRUE(fs::exists(settingUp)) << "a folder without a taken lock stays";
    EXPECT_EQ(WorkFolders(out).size(), 2U) << "the running run's folder stays";
    EXPECT_FALSE(PrivateResult("running").empty());

    const int stopped = running.Signal(SIGTERM);
    EXPECT_TRUE(WIFEXITED(stopped) && WEXITSTATUS(stopped) == 143) << stopped;
    EXPECT_EQ(WorkFolders(out), std::vector<fs::path>{settingUp});
}

// Three valid lines and 100 MB of empty lines: the runner once needed 4.4 GB and a minute.
TEST_F(RunnerFault, AHugeFactorFileIsRefusedWithoutBeingRead) {
    SIM_SKIP_ON_WINDOWS("no getrusage for the memory the refusal takes");
    const fs::path huge = dir / "faktor-nagy.txt";
    {
        std::ofstream file(huge, std::ios::binary);
        file << "200\n50\n1e-6\n";
        const std::string blanks(1 << 20, '\n');
        for (int mb = 0; mb < 100; ++mb) {
            file << blanks;
        }
    }
    fs::copy_file(huge, out / "faktor.txt");
    struct rusage before {};
    ::getrusage(RUSAGE_SELF, &before);
    const Invocation given = Invoke(Args({"--sources", "1,9", "--factor-file", huge.string()}));
    const Invocation beside = Invoke(Args({"--sources", "1,9"}));
    struct rusage after {};
    ::getrusage(RUSAGE_SELF, &after);
    EXPECT_EQ(Status(given),
              "2 trelko-runner: " + huge.string() + ": túl nagy fájl (legfeljebb 64 KiB lehet)\n");
    EXPECT_EQ(Status(beside), "2 trelko-runner: " + (out / "faktor.txt").string() +
                                  ": túl nagy fájl (legfeljebb 64 KiB lehet)\n");
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 16 * 1024) << "KiB of peak memory added";
}

// A step above 1900 has no second set point within 100..2000 1/s: a step of 10^9 once kept the
// runner busy for a minute and a half.
TEST_F(RunnerFault, AStepAboveTheBoundIsRefused) {
    for (const std::string step : {"1901", "1000000000", "-50"}) {
        EXPECT_EQ(
            Status(Invoke(Args({"--sources", "1,9", "--step", step}))),
            "2 trelko-runner: --step: a lépésköz 0 és 1900 közötti egész szám: \"" + step + "\"\n");
    }
    WriteFile(dir / "faktor.txt", "200\n1901\n");
    EXPECT_EQ(
        Status(Invoke(Args({"--sources", "1,9", "--factor-file", (dir / "faktor.txt").string()}))),
        "2 trelko-runner: " + (dir / "faktor.txt").string() +
            ": A faktor.txt 2. sorában a lépésköz legfeljebb 1900 lehet: \"1901\"\n");
    EXPECT_FALSE(fs::exists(out / "Brk2017_cmp.txt"));

    const Invocation widest = Invoke(Args({"--sources", "1,9", "--step", "1900", "--time", "1"}));
    ASSERT_EQ(widest.Status, 0) << widest.Err;
    const std::string result = ReadFile(out / "Brk2017_cmp.txt");
    ASSERT_EQ(LineCount(result), 3U) << result;
    EXPECT_EQ(result.substr(20, 12), "       100, ");
    EXPECT_EQ(result.substr(44, 12), "      2000, ");
    EXPECT_NE(RunnerHelpText().find("0 és 1900 között"), std::string::npos);
}

// With its name taken by a folder, the result file was found unwritable only after the whole
// series had run, and its points were thrown away. Every target is now checked first: each of
// these series would take many minutes, so the hang guard fails a runner that starts it.
TEST_F(RunnerFault, TargetsThatCannotBeWrittenAreRefusedBeforeTheSeries) {
    fs::create_directory(out / "Brk2017_cmp.txt");
    fs::create_directory(dir / "abra.svg");
    const ChildResult child = RunInChild(ChildOptions::WithHangGuard(60), [&] {
        std::vector<std::string> options = kEndlessSeries;
        std::vector<std::string> csvInMissingFolder = options;
        csvInMissingFolder.insert(csvInMissingFolder.end(),
                                  {"--csv", (dir / "nincs" / "x.csv").string()});
        std::vector<std::string> plotOverAFolder = options;
        plotOverAFolder.insert(plotOverAFolder.end(), {"--plot", (dir / "abra.svg").string()});
        // A rename over a device would have made /dev/null a regular file, as root.
        std::vector<std::string> csvOverADevice = options;
        csvOverADevice.insert(csvOverADevice.end(), {"--csv", "/dev/null"});
        std::string shown = BeforeTheSeries({options});
        fs::remove(out / "Brk2017_cmp.txt");
        return shown + BeforeTheSeries({csvInMissingFolder, plotOverAFolder, csvOverADevice});
    });
    if (child.Skipped) {
        GTEST_SKIP() << child.SkipReason;
    }
    EXPECT_FALSE(child.Hung) << "a series was started";
    EXPECT_EQ(child.Output, "2 trelko-runner: " + (out / "Brk2017_cmp.txt").string() +
                                ": az eredményfájl nem írható (ez egy mappa, nem közönséges fájl)\n"
                                "2 trelko-runner: " +
                                (dir / "nincs" / "x.csv").string() +
                                ": nem hozható létre (nem létezik)\n"
                                "2 trelko-runner: " +
                                (dir / "abra.svg").string() +
                                ": nem hozható létre (ez egy mappa, nem közönséges fájl)\n"
                                "2 trelko-runner: /dev/null: nem hozható létre (ez egy eszköz, "
                                "nem közönséges fájl)\n");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_TRUE(fs::is_directory(dir / "abra.svg"));
}

// Root writes anywhere, so the read-only folders are tried by a child without root's rights.
TEST_F(RunnerFault, ReadOnlyFoldersAreRefusedWithTheReason) {
    const fs::path readOnly = dir / "csak-olvashato";
    fs::create_directory(readOnly);
    fs::permissions(readOnly, fs::perms(0555));
    fs::permissions(out, fs::perms(0777));
    const ChildResult child = RunInChild(ChildOptions::AsUnprivileged(dir.string()), [&] {
        std::vector<std::string> csv = kEndlessSeries;
        csv.insert(csv.end(), {"--csv", (readOnly / "x.csv").string()});
        std::vector<std::string> args = Args(kEndlessSeries);
        args[2] = readOnly.string();  // --out
        return Status(Invoke(args)) + BeforeTheSeries({csv});
    });
    if (child.Skipped) {
        GTEST_SKIP() << child.SkipReason;
    }
    EXPECT_FALSE(child.Hung) << "a series was started";
    EXPECT_EQ(child.Output, "2 trelko-runner: " + readOnly.string() +
                                ": a mappába nem lehet írni (nincs hozzá jogosultság)\n"
                                "2 trelko-runner: " +
                                (readOnly / "x.csv").string() +
                                ": nem hozható létre (nincs hozzá jogosultság)\n");
    EXPECT_TRUE(fs::is_empty(readOnly));
}

// Each message says what is wrong, with nothing raw from a name or a file reaching the terminal.
TEST_F(RunnerFault, MessagesSayWhatIsWrong) {
    SIM_SKIP_ON_WINDOWS("no links and no /proc to make the faults with");
    fs::create_symlink("hurok.txt", dir / "hurok.txt");
    WriteFile(dir / "vezerlo.txt", std::string("\x1b[2J\a2\0", 7) + "00\n");
    WriteFile(dir / "fajl", "");
    const std::string shield =
        geteuid() == 0 ? "a fájlrendszer nem enged benne új fájlt" : "nincs hozzá jogosultság";
    std::string accented = "a";
    for (int i = 0; i < 150; ++i) {
        accented += "é";
    }
    std::string cut = "a";
    for (int i = 0; i < 29; ++i) {
        cut += "é";  // 59 bytes; one more would cross the 60 shown
    }
    const std::string d = dir.string();
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--factor-file", d + "/hurok.txt"},
         d + "/hurok.txt: nem olvasható (túl sok szimbolikus link (talán önmagára mutat))"},
        {{"--factor-file", d + "/nincs.txt"}, d + "/nincs.txt: nem található"},
        {{"--out", "/proc"}, "/proc: a mappába nem lehet írni (" + shield + ")"},
        {{"--out", d + "/fajl"}, d + "/fajl: nem mappa"},
        {{"--out", d + "/nincs"}, d + "/nincs: nincs ilyen mappa"},
        {{"--out", d + "/fajl/alatta"}, d + "/fajl/alatta: nincs ilyen mappa"},
        {{"--factor-file", d + "/vezerlo.txt"},
         d + "/vezerlo.txt: A faktor.txt 1. sora nem egész szám: \"\\x1B[2J\\x072\\x0000\""},
        {{"--out", d + "/\x1b]0;cim\a"}, d + "/\\x1B]0;cim\\x07: nincs ilyen mappa"},
        {{"--\x1b[31m"}, "ismeretlen opció: --\\x1B[31m (lásd: trelko-runner --help)"},
        {{"--id", accented},
         "--id: az azonosító legfeljebb 200 bájt lehet, ez 301 bájt: \"" + cut + "…\""},
        {{"--id", "a/b"}, "--id: az azonosító nem lehet fájlnév része: \"a/b\""},
        {{"--id", "NUL"},
         "--id: Windowson a(z) NUL egy eszköz neve (ilyen a CON, PRN, AUX, NUL, COM1–COM9 és "
         "LPT1–LPT9, bármilyen kiterjesztéssel): \"NUL\""},
    };
    for (const auto& [options, message] : cases) {
        std::vector<std::string> args = {geometry, "--sources", "1,9"};
        if (options.front() != "--out") {
            args.insert(args.end(), {"--out", out.string()});
        }
        args.insert(args.end(), options.begin(), options.end());
        const Invocation run = Invoke(args);
        EXPECT_EQ(Status(run), "2 trelko-runner: " + message + "\n");
        for (const char c : run.Err.substr(0, run.Err.size() - 1)) {
            EXPECT_GE(static_cast<unsigned char>(c), 0x20) << run.Err;
        }
    }
    fs::create_symlink("faktor.txt", out / "faktor.txt");
    EXPECT_EQ(Status(Invoke(Args({"--sources", "1,9"}))),
              "2 trelko-runner: " + (out / "faktor.txt").string() +
                  ": nem olvasható (túl sok szimbolikus link (talán önmagára mutat))\n")
        << "the faktor.txt beside the results";
}

}  // namespace
}  // namespace sim
