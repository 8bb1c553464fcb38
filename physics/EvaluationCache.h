#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace sim {

// What an evaluation forms from the geometry alone, kept for the next one. The rotor speed
// enters the rates only through the resonance overlap, whose Doppler shift is formed left to
// right as GammaEnergy * cos(alpha) * 2 pi * R * RotorSpeed / c: everything before the speed is
// a per-direction prefix, and every step the resonance does not reach is a finished term. A
// later evaluation of the same geometry at another speed redoes only the resonant part, with
// the very operations of a fresh one, so its rates agree with it to the last bit.
struct EvaluationCache {
    // One direction of the target's own sweep.
    struct TargetStep {
        double Prefix;      // GammaEnergy * cos(alpha) * 2 pi * R
        double Path;        // through the target along this direction
        double Unresonant;  // exp(-Mu1 * Path)
        double Base;        // what reaches the target in this step
    };
    // One direction of the detector's sweep: a finished term, or, where the target stands in
    // front of the detector, an index into ShadowedSteps.
    struct DetectorStep {
        double Term;
        std::int32_t Shadowed;  // -1: Term holds the whole contribution
    };
    struct ShadowedStep {
        double Prefix;
        double Cos;
        double TargetWidth;
        double Absorbed;  // 1 - exp(-Mu2 * path)
        double Activity;
        // The factors of the lead shields crossed after the target, in ShadowFactors.
        std::int32_t FirstFactor;
        std::int32_t FactorCount;
    };
    struct Range {
        std::int32_t First = 0;
        std::int32_t Count = 0;
    };
    struct CornerSweep {
        double AngleMin = 0;
        double AngleMax = 0;
        Range All;      // every step's weight, in Weights
        Range NonZero;  // the weights other than zero, in NonZeroWeights
    };

    static constexpr int kPositions = 16;
    static constexpr int kCorners = 4;

    // The target's and the detector's sweeps, per rotor position (index 0 is position 1).
    bool TargetPlaced = false;
    bool DetectorPlaced = false;
    std::array<Range, kPositions> TargetRanges{};
    std::vector<TargetStep> TargetSteps;
    std::array<Range, kPositions> DetectorRanges{};
    std::vector<DetectorStep> DetectorSteps;
    std::vector<ShadowedStep> ShadowedSteps;
    std::vector<double> ShadowFactors;

    // The corners' sweeps towards the detector: per step, the absorbed share times the step
    // weight; the corner's intensity multiplies it at evaluation time.
    std::array<CornerSweep, kCorners> Corners{};
    std::vector<double> Weights;
    std::vector<double> NonZeroWeights;

    // Every input of an evaluation apart from the speed, bit for bit, and whether the plans
    // above were built from exactly these.
    static constexpr int kKeyLength = 129;
    using Key = std::array<std::uint64_t, kKeyLength>;
    bool Valid = false;
    Key Inputs{};

    // The rates of the last evaluation from these plans, and its speed's bits.
    bool HaveRates = false;
    std::uint64_t SpeedBits = 0;
    double TargetResonantRate = 0;
    double DetectorRate = 0;

    // Room for the heaviest field the drag rules allow, so that no tick of a measurement on it
    // needs the heap; a field beyond them grows the room once.
    void Reserve();
};

}  // namespace sim
