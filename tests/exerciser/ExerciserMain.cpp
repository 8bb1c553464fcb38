// exerciser: a long random sequence of what a person can do, on the real main window, with the
// program's invariants checked after every action. A failure prints the seed and the action;
// the same command with --actions replays it, and --shrink finds a shorter failing sequence.

#include <signal.h>
#include <unistd.h>

#include <QApplication>

#include <CLI/CLI.hpp>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "tests/exerciser/Actions.h"
#include "tests/exerciser/Engine.h"
#include "tests/exerciser/Shrink.h"

#if defined(__has_include)
#if __has_include(<sanitizer/common_interface_defs.h>) && defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#define EXERCISER_SANITIZED 1
#endif
#endif

namespace {

using namespace sim::exerciser;
using Clock = std::chrono::steady_clock;

constexpr int kExitFailure = 10;
constexpr int kExitHung = 12;

// Written before every step, so that a crash or a hang can say where it happened without
// formatting anything then.
char gReplay[8192] = "";
char gFailureLine[128] = "";
std::atomic<long long> gStepStartedMs{0};
std::atomic<bool> gRunning{false};

long long NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch())
        .count();
}

void WriteOut(const char* text) {
    const ssize_t ignored = ::write(2, text, std::strlen(text));
    (void)ignored;
}

void ReportDeath(const char* kind) {
    WriteOut("exerciser: ");
    WriteOut(kind);
    WriteOut("\nexerciser: replay: ");
    WriteOut(gReplay);
    WriteOut("\n");
}

void OnSignal(int signal) {
    char line[160];
    std::snprintf(line, sizeof line, "crashed with signal %d", signal);
    ReportDeath(line);
    char kind[64];
    std::snprintf(kind, sizeof kind, "kind=crash-signal-%d ", signal);
    WriteOut("EXERCISER-FAILURE ");
    WriteOut(kind);
    WriteOut(gFailureLine);
    WriteOut("\n");
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

#ifdef EXERCISER_SANITIZED
void OnSanitizerDeath() {
    ReportDeath("a sanitizer report (above)");
    WriteOut("EXERCISER-FAILURE kind=sanitizer ");
    WriteOut(gFailureLine);
    WriteOut("\n");
}
#endif

// Ends a step that takes too long on the wall clock: a hang the virtual clock cannot see (a
// loop in the program, a dialog nobody answers).
void Watchdog(long long limitMs) {
    while (true) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        if (gRunning && NowMs() - gStepStartedMs > limitMs) {
            ReportDeath("hung: a step has run for too long on the wall clock");
            WriteOut("EXERCISER-FAILURE kind=hang ");
            WriteOut(gFailureLine);
            WriteOut("\n");
            ::_exit(kExitHung);
        }
    }
}

std::string Quoted(const std::string& argument) {
    if (argument.find_first_of(" '\"\\$") == std::string::npos && !argument.empty()) {
        return argument;
    }
    std::string quoted = "'";
    for (const char c : argument) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

struct Arguments {
    std::uint64_t Seed = 1;
    std::size_t Actions = 2000;
    bool ActionsGiven = false;
    std::string Sequence;
    std::string SequenceFile;
    std::string Plant;
    bool Shrink = false;
    std::string ShrinkOut;
    double Seconds = 0;
    double ActionTimeout = 300;
    bool Trace = false;
    bool Quiet = false;
    bool List = false;
    bool Coverage = false;
};

}  // namespace

int main(int argc, char** argv) {
    Arguments args;
    CLI::App cli{"A seeded random exerciser of the main window, its invariants checked after "
                 "every action."};
    cli.add_option("--seed", args.Seed, "seed of the generated sequence (default 1)");
    cli.add_option("--actions", args.Actions,
                   "number of actions (default 2000); with a given sequence, its first ones")
        ->each([&](const std::string&) { args.ActionsGiven = true; });
    cli.add_option("--sequence", args.Sequence, "run these steps (\"name:seed ...\") instead");
    cli.add_option("--sequence-file", args.SequenceFile, "run the steps written in this file");
    cli.add_option("--plant", args.Plant, "plant a deliberate fault (for the exerciser's test)");
    cli.add_flag("--shrink", args.Shrink,
                 "on a failure, find a shorter failing sequence by dropping actions");
    cli.add_option("--shrink-out", args.ShrinkOut, "write the shrunk sequence into this file");
    cli.add_option("--seconds", args.Seconds, "stop generating after this many seconds");
    cli.add_option("--action-timeout", args.ActionTimeout,
                   "seconds one step may take on the wall clock (default 300)");
    cli.add_flag("--trace", args.Trace, "print every action as it starts");
    cli.add_flag("--quiet", args.Quiet, "print only a failure");
    cli.add_flag("--list", args.List, "list the actions and the plantable faults");
    cli.add_flag("--coverage", args.Coverage, "list every message shown, with its count");
    CLI11_PARSE(cli, argc, argv);

    if (args.List) {
        for (const ActionRow& row : ActionTable()) {
            std::printf("%-20s weight %5.1f%s\n", row.Name, row.Weight,
                        row.Nested ? ", also in a wait" : "");
        }
        for (const std::string& fault : PlantableFaults()) {
            std::printf("plantable fault: %s\n", fault.c_str());
        }
        return 0;
    }
    if (!args.Plant.empty()) {
        const auto faults = PlantableFaults();
        if (std::find(faults.begin(), faults.end(), args.Plant) == faults.end()) {
            std::fprintf(stderr, "exerciser: no such fault to plant: %s\n", args.Plant.c_str());
            return 2;
        }
    }

    // The sequence: given, or generated from the seed.
    Sequence steps;
    if (!args.Sequence.empty() || !args.SequenceFile.empty()) {
        std::string text = args.Sequence;
        if (!args.SequenceFile.empty()) {
            std::ifstream in(args.SequenceFile);
            if (!in) {
                std::fprintf(stderr, "exerciser: cannot read %s\n", args.SequenceFile.c_str());
                return 2;
            }
            std::ostringstream content;
            content << in.rdbuf();
            text = content.str();
        }
        std::string error;
        const auto parsed = ParseSequence(text, &error);
        if (!parsed) {
            std::fprintf(stderr, "exerciser: %s\n", error.c_str());
            return 2;
        }
        steps = *parsed;
        if (args.ActionsGiven && args.Actions < steps.size()) {
            steps.resize(args.Actions);
        }
    } else {
        steps = Generate(args.Seed, args.Actions);
    }

    // The replay command: these arguments, without --shrink, with --actions set per step.
    std::string replay = "exerciser";
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--shrink" || argument == "--quiet" || argument == "--trace") {
            continue;
        }
        if (argument == "--actions" || argument == "--seconds" || argument == "--shrink-out") {
            ++i;
            continue;
        }
        if (argument.rfind("--actions=", 0) == 0 || argument.rfind("--seconds=", 0) == 0 ||
            argument.rfind("--shrink-out=", 0) == 0) {
            continue;
        }
        replay += " " + Quoted(argument);
    }
    if (args.Sequence.empty() && args.SequenceFile.empty() &&
        replay.find("--seed") == std::string::npos) {
        replay += " --seed " + std::to_string(args.Seed);
    }

    const std::string program = "/proc/self/exe";
    std::vector<std::string> extra;
    if (!args.Plant.empty()) {
        extra = {"--plant", args.Plant};
    }

    if (args.Shrink) {
        // Every run in a child: the sequence may crash, trip a sanitizer or hang.
        const std::string self = std::filesystem::read_symlink(program).string();
        const Outcome first = RunInChild(self, steps, extra);
        if (!first.Failed) {
            std::printf("exerciser: the %zu actions do not fail; nothing to shrink\n", steps.size());
            return 0;
        }
        std::printf("exerciser: %zu actions fail (%s at action %zu); shrinking\n", steps.size(),
                    first.Kind.c_str(), first.Index);
        std::fflush(stdout);
        Sequence failing(steps.begin(),
                         steps.begin() + static_cast<std::ptrdiff_t>(
                                             std::min(first.Index + 1, steps.size())));
        const ShrinkResult shrunk = Shrink(
            failing,
            [&](const Sequence& candidate) -> std::optional<std::size_t> {
                const Outcome outcome = RunInChild(self, candidate, extra);
                if (outcome.Failed && outcome.Kind == first.Kind) {
                    return outcome.Index;
                }
                return std::nullopt;
            },
            [&](const Sequence& now) {
                if (!args.Quiet) {
                    std::printf("exerciser: still fails with %zu actions\n", now.size());
                    std::fflush(stdout);
                }
            });
        const std::string text = FormatSequence(shrunk.Steps);
        std::printf("exerciser: shrunk to %zu actions (%s) in %zu runs: %s\n", shrunk.Steps.size(),
                    first.Kind.c_str(), shrunk.Runs, text.c_str());
        std::string replayShrunk = "exerciser --sequence " + Quoted(text);
        if (!args.Plant.empty()) {
            replayShrunk += " --plant " + args.Plant;
        }
        std::printf("exerciser: replay: %s\n", replayShrunk.c_str());
        if (!args.ShrinkOut.empty()) {
            std::ofstream(args.ShrinkOut) << text << "\n";
        }
        return kExitFailure;
    }

    // The program is a desktop program: it runs here on the offscreen platform.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    std::setlocale(LC_NUMERIC, "C");

    for (const int signal : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL}) {
        ::signal(signal, OnSignal);
    }
#ifdef EXERCISER_SANITIZED
    __sanitizer_set_death_callback(OnSanitizerDeath);
#endif
    std::thread(Watchdog, static_cast<long long>(args.ActionTimeout * 1000)).detach();

    Options options;
    options.Plant = args.Plant;
    options.Trace = args.Trace;
    Engine engine(options);
    const auto started = Clock::now();
    const auto beforeStep = [&](std::size_t index) {
        if (args.Seconds > 0 &&
            std::chrono::duration<double>(Clock::now() - started).count() > args.Seconds) {
            return false;
        }
        std::snprintf(gReplay, sizeof gReplay, "%s --actions %zu", replay.c_str(), index + 1);
        std::snprintf(gFailureLine, sizeof gFailureLine, "index=%zu", index);
        gStepStartedMs = NowMs();
        gRunning = true;
        return true;
    };
    const std::optional<Failure> failure = engine.Run(steps, beforeStep);
    gRunning = false;
    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    const RunStats& stats = engine.Stats();
    if (failure) {
        std::printf("exerciser: FAILURE at action %zu (%s): %s: %s\n", failure->Index,
                    failure->Action.c_str(), failure->Kind.c_str(), failure->Detail.c_str());
        std::printf("exerciser: replay: %s --actions %zu\n", replay.c_str(), failure->Index + 1);
        std::printf("exerciser: shrink: %s --actions %zu --shrink\n", replay.c_str(),
                    failure->Index + 1);
        std::printf("EXERCISER-FAILURE kind=%s index=%zu\n", failure->Kind.c_str(), failure->Index);
        std::fflush(stdout);
        return kExitFailure;
    }
    if (!args.Quiet) {
        std::printf(
            "exerciser: %s: %zu actions passed (%zu more in the program's waits), %zu program "
            "starts, %zu messages, %zu dialogs, %.0f s of program time in %lld ticks; "
            "%.1f s, %.0f actions/s\n",
            args.Sequence.empty() && args.SequenceFile.empty()
                ? ("seed " + std::to_string(args.Seed)).c_str()
                : "sequence",
            stats.Steps, stats.NestedActions, stats.Programs, stats.Messages, stats.ModalDialogs,
            static_cast<double>(stats.VirtualMs) / 1000.0, static_cast<long long>(stats.Events),
            seconds, static_cast<double>(stats.Steps) / std::max(seconds, 1e-9));
        std::printf(
            "exerciser: reached: %zu lid closings, %zu pump-downs, %zu rotor runs, %zu counts, "
            "%zu series with %zu points, %zu source mounts, %zu component moves, %zu geometry "
            "saves, %zu loads; %zu kinds of message\n",
            stats.LidClosings, stats.PumpDowns, stats.RotorRuns, stats.Counts, stats.Series,
            stats.SeriesPoints, stats.Mounts, stats.Moves, stats.Saves, stats.Loads,
            stats.MessageTexts.size());
        std::printf("exerciser: program starts by language:");
        for (const auto& [code, count] : stats.Languages) {
            std::printf(" %s %zu", code.c_str(), count);
        }
        std::printf("\n");
        if (args.Coverage) {
            for (const auto& [text, count] : stats.MessageTexts) {
                std::printf("  %6zu x %s\n", count, text.c_str());
            }
        }
    }
    return 0;
}
