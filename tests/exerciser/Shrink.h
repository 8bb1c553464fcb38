#pragma once

// Shrinking a failing sequence by dropping actions (delta debugging). Every candidate runs in a
// child process of the exerciser, so that a candidate that crashes, trips a sanitizer or hangs
// is judged like one that breaks an invariant, and never takes the shrinker down.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/exerciser/Sequence.h"

namespace sim::exerciser {

// How one run of a sequence ended.
struct Outcome {
    bool Failed = false;
    std::string Kind;       // the broken invariant, "hang", "crash-signal-N", "sanitizer"
    std::size_t Index = 0;  // the step it failed in
};

// Runs the exerciser program on steps in a child (extra arguments, e.g. a planted fault, are
// passed on). A line "EXERCISER-FAILURE kind=K index=I" on its output names a failure.
Outcome RunInChild(const std::string& program, const Sequence& steps,
                   const std::vector<std::string>& extraArguments);

struct ShrinkResult {
    Sequence Steps;
    std::size_t Runs = 0;
};

// The smallest sequence found, by dropping chunks of steps and then single steps, that still
// fails with the same kind of failure as steps itself. fails(candidate) returns the index of
// the failing step, or nothing when the candidate does not fail that way.
ShrinkResult Shrink(const Sequence& steps,
                    const std::function<std::optional<std::size_t>(const Sequence&)>& fails,
                    const std::function<void(const Sequence&)>& progress = {});

}  // namespace sim::exerciser
