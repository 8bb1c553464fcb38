#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "grade/core/GradeMain.h"
#include "tests/TestSupport.h"
#include "tests/grade/GeneratedClass.h"

namespace sim {
namespace {

namespace fs = std::filesystem;

// The class of the size a contest has: 100 contestants with 5 saved geometries each, every
// series of 39 set points (step 50) and 10-s counts, one folder per contestant.
const testing::ScratchFolder& ClassFolder() {
    static const testing::ScratchFolder folder("trelko-grade-bench");
    static const bool written = [] {
        testing::SeriesRig rig;
        RandomSource random;
        for (const auto& contestant : testing::RandomClass(100, 5, 2017)) {
            testing::WriteContestant(folder.Path() / "beadasok" / contestant.Id, contestant, rig,
                                     random);
        }
        return true;
    }();
    (void)written;
    return folder;
}

// The whole command as organisers start it: finding the files, reading, fitting, the CSV and
// the HTML report, on one thread or two.
void BM_GradeClass(benchmark::State& state) {
    const fs::path& folder = ClassFolder().Path();
    const std::vector<std::string> args = {(folder / "beadasok").string(),
                                           "--out",
                                           (folder / "jelentes").string(),
                                           "--quiet",
                                           "--jobs",
                                           std::to_string(state.range(0))};
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        if (GradeMain(args, out, err) != kGradeOk) {
            state.SkipWithError(err.str().c_str());
            break;
        }
    }
}
BENCHMARK(BM_GradeClass)
    ->ArgName("jobs")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace sim
