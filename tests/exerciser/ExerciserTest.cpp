// The exerciser's own tests: it finds a planted fault, replays it from the seed and the action
// number it reports, and shrinks it to a handful of actions; its choices stay put when actions
// join the table; a run replays exactly. Then the shortened sequences of the faults it found in
// the program, each of which broke an invariant before its fix.

#include <gtest/gtest.h>

#include <stdio.h>
#include <sys/wait.h>

#include <cstdio>
#include <regex>
#include <string>

#include "tests/TestSupport.h"
#include "tests/exerciser/Actions.h"
#include "tests/exerciser/Engine.h"

namespace sim::exerciser {
namespace {

struct Result {
    int Status = -1;
    std::string Output;
};

Result RunExerciser(const std::string& arguments) {
    Result result;
    const std::string command = std::string(EXERCISER_BINARY) + " " + arguments + " 2>&1";
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            result.Output.append(buffer, n);
        }
        const int status = pclose(pipe);
        result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return result;
}

std::optional<Failure> RunSequence(const std::string& text, const std::string& plant = {}) {
    std::string error;
    const std::optional<Sequence> steps = ParseSequence(text, &error);
    EXPECT_TRUE(steps.has_value()) << error;
    if (!steps) {
        return Failure{"setup", error, 0, ""};
    }
    Options options;
    options.Plant = plant;
    Engine engine(options);
    return engine.Run(*steps);
}

// The planted fault throws the rotor out of its range on a pump tick once the speed arrows
// have moved with the lid closed: found from a seed, replayed from the reported action number,
// and shrunk to the few actions that make it.
TEST(Exerciser, FindsReplaysAndShrinksAPlantedFault) {
    const Result found = RunExerciser("--plant speed-after-arrow --seed 1 --actions 400 --quiet");
    EXPECT_EQ(found.Status, 10) << found.Output;
    std::smatch match;
    ASSERT_TRUE(std::regex_search(found.Output, match,
                                  std::regex("EXERCISER-FAILURE kind=speed index=(\\d+)")))
        << found.Output;
    const std::size_t index = std::stoul(match[1].str());
    EXPECT_NE(found.Output.find("replay: exerciser --plant speed-after-arrow --seed 1 --actions " +
                                std::to_string(index + 1)),
              std::string::npos)
        << found.Output;

    const std::string prefix = "--plant speed-after-arrow --seed 1 --quiet --actions ";
    const Result replayed = RunExerciser(prefix + std::to_string(index + 1));
    EXPECT_NE(replayed.Output.find("kind=speed index=" + std::to_string(index)), std::string::npos)
        << replayed.Output;
    const Result before = RunExerciser(prefix + std::to_string(index));
    EXPECT_EQ(before.Status, 0) << before.Output;

    const testing::ScratchFolder scratch("shrink");
    const std::string shrunkFile = (scratch.Path() / "shrunk.txt").string();
    const Result shrunk = RunExerciser(prefix + std::to_string(index + 1) + " --shrink --shrink-out " +
                                       shrunkFile);
    EXPECT_EQ(shrunk.Status, 10) << shrunk.Output;
    ASSERT_TRUE(std::regex_search(shrunk.Output, match,
                                  std::regex("shrunk to (\\d+) actions \\(speed\\)")))
        << shrunk.Output;
    const std::size_t length = std::stoul(match[1].str());
    EXPECT_LE(length, 6U) << shrunk.Output;
    EXPECT_LT(length, index + 1);

    // The shrunk sequence fails the same way with the fault, and not at all without it.
    const std::string sequence = testing::ReadFile(shrunkFile);
    const std::optional<Failure> withFault = RunSequence(sequence, "speed-after-arrow");
    ASSERT_TRUE(withFault.has_value());
    EXPECT_EQ(withFault->Kind, "speed");
    EXPECT_EQ(withFault->Index, length - 1);
    EXPECT_FALSE(RunSequence(sequence).has_value());
}

TEST(Exerciser, ABadCommandLineIsRefused) {
    EXPECT_EQ(RunExerciser("--plant nothing-like-this").Status, 2);
    EXPECT_EQ(RunExerciser("--sequence 'no-such-action:1'").Status, 2);
    EXPECT_EQ(RunExerciser("--sequence 'press-BitBtn5'").Status, 2);
}

// Adding a row to the table changes a choice only where the new row wins it.
TEST(Exerciser, ChoicesStayPutWhenActionsJoinTheTable) {
    std::vector<Weighted> rows;
    for (const ActionRow& row : ActionTable()) {
        rows.push_back({row.Name, row.Weight});
    }
    std::vector<Weighted> more = rows;
    more.push_back({"a-new-action", 30});
    Rng draws(99);
    std::size_t changed = 0;
    std::vector<std::size_t> counts(rows.size());
    constexpr int kDraws = 20000;
    for (int i = 0; i < kDraws; ++i) {
        const std::uint64_t draw = draws.Next();
        const std::size_t before = ChooseWeighted(draw, rows);
        const std::size_t after = ChooseWeighted(draw, more);
        ++counts[before];
        if (after != before) {
            EXPECT_EQ(after, rows.size()) << "only the new row may take a choice";
            ++changed;
        }
    }
    // The new row wins about its share of the weight.
    double total = 0;
    for (const Weighted& row : more) {
        total += row.Weight;
    }
    EXPECT_NEAR(static_cast<double>(changed) / kDraws, 30 / total, 0.01);
    // And every row is chosen about as often as its weight says.
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_NEAR(static_cast<double>(counts[i]) / kDraws, rows[i].Weight / (total - 30), 0.01)
            << rows[i].Name;
    }
}

TEST(Exerciser, SequencesReadBackAsWritten) {
    const Sequence steps = Generate(5, 200);
    std::string error;
    EXPECT_EQ(ParseSequence(FormatSequence(steps), &error), steps) << error;
    EXPECT_EQ(Generate(5, 100), Sequence(steps.begin(), steps.begin() + 100))
        << "a shorter run is the start of a longer one";
}

// The same steps give the same run: every tick, message and dialog again.
TEST(Exerciser, ARunReplaysExactly) {
    const Sequence steps = Generate(3, 300);
    RunStats first;
    RunStats second;
    {
        Engine engine(Options{});
        EXPECT_FALSE(engine.Run(steps).has_value());
        first = engine.Stats();
    }
    {
        Engine engine(Options{});
        EXPECT_FALSE(engine.Run(steps).has_value());
        second = engine.Stats();
    }
    EXPECT_EQ(first.Events, second.Events);
    EXPECT_EQ(first.VirtualMs, second.VirtualMs);
    EXPECT_EQ(first.MessageTexts.size(), second.MessageTexts.size());
    EXPECT_EQ(first.Messages, second.Messages);
    EXPECT_EQ(first.NestedActions, second.NestedActions);
    EXPECT_EQ(first.Moves, second.Moves);
}

// The faults the exerciser found, each as the sequence it shrank the failing run to. Every one
// broke its invariant before the fix.
struct FoundFault {
    const char* Invariant;
    const char* Steps;
};

class Found : public ::testing::TestWithParam<FoundFault> {};

TEST_P(Found, NoLongerFails) {
    const std::optional<Failure> failure = RunSequence(GetParam().Steps);
    EXPECT_FALSE(failure.has_value()) << failure->Kind << " at " << failure->Index << ": "
                                      << failure->Detail;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, Found,
    ::testing::Values(
        // faktor.txt with a negative third line, then a count: the chamber went below nothing.
        FoundFault{"pressure", "faktor:24e5e9351b3362df routine-measure:bea6dd0b2121cb0d"},
        // An evacuated chamber (a low third line), the lid opened, Start of the rotor: it turned
        // under the open lid.
        FoundFault{"rotor_with_lid_open",
                   "faktor:2ed0e99578919f78 press-BitBtn5:2d9f5d5098647943 "
                   "time-until-settled:c0da65e1834b7ee1 press-BitBtn8:fabd3f549d74ef2b "
                   "press-BitBtn3:ce80ef809bdbeb96 time-tick:3bfecf4ce3d3fea7"},
        // An error switched the drive off with the rotor's Stop left enabled; the lid opened,
        // Stop enabled Start, and Start turned the rotor under the open lid.
        FoundFault{"rotor_with_lid_open",
                   "auto-stop:21074745fa7c7529 faktor:5411c9c6e8ef0a22 "
                   "press-BitBtn5:92f2c966d2351248 routine-spin-up:f70da847899ca90d "
                   "press-BitBtn8:bcff31af0af9b747 press-BitBtn4:5b67073dc7696ed6 "
                   "type-time:50bec1713f5e6c73 press-BitBtn3:cdcdda1777866ce9 "
                   "press-BitBtn5:25be4827ba0a2a98"}),
    [](const ::testing::TestParamInfo<FoundFault>& fault) {
        return std::string(fault.param.Invariant) + "_" + std::to_string(fault.index);
    });

}  // namespace
}  // namespace sim::exerciser
