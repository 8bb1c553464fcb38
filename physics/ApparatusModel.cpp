#include "physics/ApparatusModel.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>

namespace sim {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kSpeedOfLight = 3e8;        // m/s
constexpr double kAngularStep = 0.001;       // rad
constexpr double kResonanceStrength = 5e-5;  // keV

// Where the window has not wired its field image, the field sits at its usual place.
constexpr std::int32_t kDefaultFieldLeft = 16;
constexpr std::int32_t kDefaultFieldTop = 10;

// Every band of directions comes out of atan2 sums and so is at most a few times 2*pi wide;
// this bound (far above any real band) only keeps a hand-made table from sweeping for ever.
constexpr int kMaxSweepSteps = 20000;

// Room for the heaviest field the drag rules allow. Every component's centre lies at least
// 113 px right of every rotor position, so each band seen from the rotor is narrower than
// 0.68 rad (at most 681 steps) at each of the sixteen positions, with up to four shields
// crossed per step; a corner's band is at most a turn.
constexpr std::size_t kReservedSweepSteps = std::size_t{16} * 700;
constexpr std::size_t kReservedShadowFactors = 4 * kReservedSweepSteps;
constexpr std::size_t kReservedCornerSteps = std::size_t{4} * 6300;

constexpr TrText kNoSource = SIM_TR("Physics", "Nincs forrás elhelyezve");
constexpr TrText kNothingPlaced = SIM_TR("Physics", "Nincs semmilyen elem a mérőhelyen");
constexpr TrText kNoDetector = SIM_TR("Physics", "Nincs detektor a mérőhelyen");

// The integer bounds of a rectangle widened so that no sum of them can overflow.
struct Bounds {
    double Left, Top, Right, Bottom;
};

Bounds BoundsOf(const PanelItem& item) {
    const double left = item.Left;
    const double top = item.Top;
    return {left, top, left + item.Width, top + item.Height};
}

// The normal density exp(-x^2 / (2 sigma^2)) / sqrt(2 pi sigma^2), formed as q = 2 sigma^2,
// exp(-x x / q) / sqrt(pi q); the constants are kept so that a sweep forms them once.
class NormalDensity {
  public:
    explicit NormalDensity(double sigma) : q_(2 * sigma * sigma), root_(std::sqrt(kPi * q_)) {}
    double At(double x) const { return std::exp(-x * x / q_) / root_; }

  private:
    double q_;
    double root_;
};

// The Doppler shift GammaEnergy * cos(alpha) * 2 pi * R * RotorSpeed / c is formed left to
// right, so its part before the speed depends on the direction alone and can be kept.
double DopplerPrefix(const ApparatusModel& m, double phi, double theta) {
    const double alpha = phi - theta;
    return m.GammaEnergy * std::cos(alpha) * kTwoPi * m.PhysicalRotorRadius;
}

// ResonanceOverlap from a direction's prefix, with the line shape already formed.
double OverlapAt(const ApparatusModel& m, const NormalDensity& line, double prefix, double speed) {
    const double shift = prefix * speed / kSpeedOfLight;
    return line.At(2 * m.RecoilEnergy - shift);
}

double EffectiveMu(const ApparatusModel& m, const NormalDensity& line, double prefix, double speed,
                   double mu1) {
    return (OverlapAt(m, line, prefix, speed) * kResonanceStrength + 1) * mu1;
}

// The chord of the detector rectangle r on the whole line through (px, py) with direction
// theta (neither exactly vertical): the edges are met in the order left, right, top, bottom,
// each accepted point truncated to whole pixels; the first accepted point is kept, every later
// one replaces the second.
struct Chord {
    int Points = 0;
    double Squared = 0;  // squared distance of the two points, when there are two
};

Chord ChordOf(double theta, double px, double py, const Bounds& r) {
    const double t = std::tan(theta);
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int found = 0;
    auto accept = [&](double x, double y) {
        if (found == 0) {
            x1 = std::trunc(x);
            y1 = std::trunc(y);
        } else {
            x2 = std::trunc(x);
            y2 = std::trunc(y);
        }
        ++found;
    };
    const double yLeft = t * (r.Left - px) + py;
    if (r.Top <= yLeft && yLeft <= r.Bottom) {
        accept(r.Left, yLeft);
    }
    const double yRight = t * (r.Right - px) + py;
    if (r.Top <= yRight && yRight <= r.Bottom) {
        accept(r.Right, yRight);
    }
    if (theta != 0) {
        const double xTop = (r.Top - py) / t + px;
        if (r.Left <= xTop && xTop <= r.Right) {
            accept(xTop, r.Top);
        }
        const double xBottom = (r.Bottom - py) / t + px;
        if (r.Left <= xBottom && xBottom <= r.Right) {
            accept(xBottom, r.Bottom);
        }
    }
    Chord chord;
    chord.Points = found;
    if (found >= 2) {
        chord.Squared = (x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1);
    }
    return chord;
}

// Most directions of a wide corner band miss the detector. The lines through a point that can
// meet a rectangle have directions (mod pi) within Half of Axis; outside that, with a margin
// far above any rounding of whole-pixel coordinates of this size, no edge point is accepted
// (or, for a point on a rectangle corner, only the point itself), so the chord is 0 and the
// tangent need not be formed.
struct LineWindow {
    bool Active = false;
    double Axis = 0;
    double Half = 0;

    bool Misses(double theta) const {
        if (!Active) {
            return false;
        }
        // Only a coarse decision: the margin dwarfs any rounding here.
        const double turns = (theta - Axis) * std::numbers::inv_pi;
        if (!(std::fabs(turns) < 1e6)) {
            return false;
        }
        const double nearest =
            static_cast<double>(static_cast<long long>(turns + (turns >= 0 ? 0.5 : -0.5)));
        return std::fabs(theta - Axis - nearest * kPi) > Half;
    }
};

constexpr double kWindowMargin = 1e-5;  // rad
constexpr double kWindowExtent = 1e6;   // pixels; beyond, every direction is computed

LineWindow LinesMeeting(double px, double py, const Bounds& r) {
    auto whole = [](double v) { return std::fabs(v) <= kWindowExtent && v == std::trunc(v); };
    if (!(whole(px) && whole(py) && whole(r.Left) && whole(r.Top) && whole(r.Right) &&
          whole(r.Bottom) && r.Left < r.Right && r.Top < r.Bottom)) {
        return {};
    }
    const double axis = std::atan2((r.Top + r.Bottom) / 2 - py, (r.Left + r.Right) / 2 - px);
    const double qx[4] = {r.Left, r.Right, r.Left, r.Right};
    const double qy[4] = {r.Top, r.Top, r.Bottom, r.Bottom};
    double lo = 0;
    double hi = 0;
    for (int q = 0; q < 4; ++q) {
        if (qx[q] == px && qy[q] == py) {
            continue;
        }
        const double off = std::remainder(std::atan2(qy[q] - py, qx[q] - px) - axis, kTwoPi);
        lo = std::min(lo, off);
        hi = std::max(hi, off);
    }
    const double half = (hi - lo) / 2 + kWindowMargin;
    // A point inside the rectangle or on an edge sees it over half a turn or more.
    if (!(half < kPi / 2 - kWindowMargin)) {
        return {};
    }
    return {true, axis + (lo + hi) / 2, half};
}

// The slots that can stand in front of component a from rotor position i: placed, not a, and
// their centres no farther than a's. Which of them a direction crosses is decided per step.
// The target, slot 1, comes first when it is among them, so its factor always opens a product.
struct Shadow {
    double From, To, Width, Mu;
    bool Target;
};
struct Shadows {
    Shadow Items[kSlotCount];
    int Count = 0;
};

Shadows ShadowsBefore(const ApparatusModel& m, int i, int a) {
    Shadows shadows;
    const SightLine& w = m.SightLines[i][a];
    for (int j = 1; j <= kSlotCount; ++j) {
        const SightLine& s = m.SightLines[i][j];
        if (j == a || s.Distance == -1.0 || s.Distance > w.Distance) {
            continue;
        }
        const bool valid =
            s.SlotIndex >= 1 && s.SlotIndex <= kSlotCount && m.Slots[s.SlotIndex].Shape != nullptr;
        const int named = valid ? s.SlotIndex : j;
        shadows.Items[shadows.Count++] = {s.AngleFrom, s.AngleTo,
                                          static_cast<double>(m.Slots[named].Shape->Width),
                                          m.Slots[j].Mu, j == kTargetSlot};
    }
    return shadows;
}

// What the shields crossed in direction theta let through. Where the target is crossed too,
// its factor depends on the speed: the product then stays unformed, the target's width is kept
// and the factors of the shields after it go to `after`, in order.
struct Crossing {
    double Transmission = 1;
    bool BehindTarget = false;
    double TargetWidth = 0;
};

Crossing Cross(const Shadows& shadows, double theta, double c, std::vector<double>& after) {
    Crossing crossing;
    // The lead shields are alike, so overlapping ones share one exponential.
    double lastExponent = std::numeric_limits<double>::quiet_NaN();
    double lastFactor = 1;
    for (int n = 0; n < shadows.Count; ++n) {
        const Shadow& s = shadows.Items[n];
        if (!(s.From <= theta && theta < s.To)) {
            continue;
        }
        if (s.Target) {
            crossing.BehindTarget = true;
            crossing.TargetWidth = s.Width;
            continue;
        }
        const double exponent = -s.Mu * s.Width / c;
        if (exponent != lastExponent) {
            lastExponent = exponent;
            lastFactor = std::exp(exponent);
        }
        if (crossing.BehindTarget) {
            after.push_back(lastFactor);
        } else {
            crossing.Transmission = crossing.Transmission * lastFactor;
        }
    }
    return crossing;
}

// The band of directions from each corner to the detector's rectangle r.
void CornerBands(IndexedArray<TargetCorner, 1, kCornerCount>& corners, const Bounds& r) {
    const double qx[4] = {r.Left, r.Right, r.Left, r.Right};
    const double qy[4] = {r.Top, r.Top, r.Bottom, r.Bottom};
    for (TargetCorner& corner : corners) {
        double lo = 4 * kPi;
        double hi = -4 * kPi;
        for (int q = 0; q < 4; ++q) {
            const double dx = qx[q] - corner.X;
            const double dy = qy[q] - corner.Y;
            double angle;
            if (dx != 0) {
                angle = std::atan2(dy, dx);
            } else {
                angle = dy > 0 ? kPi / 2 : dy < 0 ? -kPi / 2 : 0.0;
            }
            if (angle < lo) {
                lo = angle;
            }
            if (angle > hi) {
                hi = angle;
            }
        }
        corner.AngleMin = lo;
        corner.AngleMax = hi;
    }
}

}  // namespace

void EvaluationCache::Reserve() {
    TargetSteps.reserve(kReservedSweepSteps);
    DetectorSteps.reserve(kReservedSweepSteps);
    ShadowedSteps.reserve(kReservedSweepSteps);
    ShadowFactors.reserve(kReservedShadowFactors);
    Weights.reserve(kReservedCornerSteps);
    NonZeroWeights.reserve(kReservedCornerSteps);
}

void ApparatusModel::SetDefaults(const IndexedArray<const PanelItem*, 1, kSlotCount>& shapes,
                                 std::int32_t markerHeight) {
    ErrorText.clear();

    RotorCenterX = kRotorCenterX;
    RotorCenterY = kRotorCenterY;
    RotorRadius = kRotorRadius;
    PhysicalRotorRadius = kPhysicalRotorRadius;
    SourceRadius = 0.92 * RotorRadius - markerHeight / 2.0;
    SourceActivity = kSourceActivity;
    GammaEnergy = kGammaEnergy;
    RecoilEnergy = kRecoilEnergy;
    LineWidth = std::sqrt(2.0) * kLineWidthFactor;

    for (int j = 1; j <= kSlotCount; ++j) {
        ComponentSlot& slot = Slots[j];
        slot.Shape = shapes[j];
        slot.Mu = kSlotDefaults[j - 1].Mu;
        slot.Kind = kSlotDefaults[j - 1].Kind;
        slot.Placed = false;
    }
    RotorPositions = {};
    SightLines = {};
    TargetCorners = {};
    cache_ = {};
    cache_.Reserve();

    LidClosed = false;
    RotorDriveOn = false;
    PumpOn = false;
    MeasurementOn = false;
    SpeedReached = false;
    SeriesAborted = false;
    Pressure = kDefaultAmbientPressure;
    AmbientPressure = kDefaultAmbientPressure;
    PumpFloor = 0;
    RotorSpeed = 0;
    RotorSpeedSetpoint = 0;
    MeasureElapsed = 0;
    MeasureLimit = 0;
    CounterValue = 0;
    TargetResonantRate = 0;
    DetectorRate = 0;
    FactorLines.clear();
}

bool ApparatusModel::ReportError(TrText text) {
    ErrorText = Tr(text);
    return false;
}

bool ApparatusModel::ComputeSourcePositions() {
    assert(Image2 != nullptr && Image3 != nullptr);
    const std::int32_t a = Image2->Tag;
    const std::int32_t b = Image3->Tag;
    // Both zero, not a zero sum: stray tags of opposite sign must not pass for "no source",
    // and the sum of two arbitrary tags could overflow.
    if (a == 0 && b == 0) {
        return ReportError(kNoSource);
    }
    const int n = (a != 0 ? 1 : 0) + (b != 0 ? 1 : 0);

    for (int i = 1; i <= kRotorPositionCount; ++i) {
        const double phi = (i - 1) * kPi / 8;
        RotorPosition& p = RotorPositions[i];
        p.Cos = std::cos(phi);
        p.Sin = std::sin(phi);
        p.X = SourceRadius * std::sin(phi) + RotorCenterX;
        p.Y = RotorCenterY - SourceRadius * std::cos(phi);
        if (RotorDriveOn) {
            p.Activity = n * SourceActivity / 16;
        } else if (i == a || i == b) {
            p.Activity = SourceActivity;
        } else {
            p.Activity = 0;
        }
    }

    const ComponentSlot& target = Slots[kTargetSlot];
    assert(target.Shape != nullptr);
    const Bounds r = BoundsOf(*target.Shape);
    const double xs[kCornerCount] = {r.Left, r.Right, r.Right, r.Left};
    const double ys[kCornerCount] = {r.Top, r.Top, r.Bottom, r.Bottom};
    for (int k = 1; k <= kCornerCount; ++k) {
        TargetCorners[k] = TargetCorner{xs[k - 1], ys[k - 1], 0, 0, 0};
    }
    return true;
}

void ApparatusModel::ComputeSightLines() {
    const double fieldLeft = Experiment ? Experiment->Left : kDefaultFieldLeft;
    const double fieldTop = Experiment ? Experiment->Top : kDefaultFieldTop;

    for (int i = 1; i <= kRotorPositionCount; ++i) {
        const RotorPosition& p = RotorPositions[i];
        for (int j = 1; j <= kSlotCount; ++j) {
            SightLine& s = SightLines[i][j];
            s = SightLine{-1.0, j, -1.0, -1.0};
            const ComponentSlot& slot = Slots[j];
            if (!slot.Placed) {
                continue;
            }
            assert(slot.Shape != nullptr);
            const PanelItem& shape = *slot.Shape;
            const double width = shape.Width;
            const double height = shape.Height;
            const double cx = shape.Left + width / 2 - fieldLeft;
            const double cy = shape.Top + height / 2 - fieldTop;
            const double dx = cx - p.X;
            const double dy = cy - p.Y;
            s.Distance = std::sqrt(dx * dx + dy * dy);
            const double centre = std::atan2(dy, dx);
            double h = (height * 0.5) / std::cos(centre);
            // Squares of 32-bit values summed without sign fit in 64 bits.
            const auto w64 = static_cast<std::uint64_t>(std::llabs(shape.Width));
            const auto h64 = static_cast<std::uint64_t>(std::llabs(shape.Height));
            const double g = 0.5 * std::sqrt(static_cast<double>(h64 * h64 + w64 * w64));
            if (g < h) {
                h = g;
            }
            const double delta = std::atan2(h, s.Distance);
            s.AngleTo = centre + delta;
            s.AngleFrom = centre - delta;
        }
    }
}

double ApparatusModel::GaussLine(double x, double sigma) {
    return NormalDensity(sigma).At(x);
}

double ApparatusModel::ResonanceOverlap(int i, double theta) const {
    return OverlapAt(*this, NormalDensity(LineWidth),
                     DopplerPrefix(*this, (i - 1) * kPi / 8, theta), RotorSpeed);
}

void ApparatusModel::SweepFromRotor(int a) {
    if ((a != kTargetSlot && a != kDetectorSlot) || SightLines[1][a].Distance == -1.0) {
        return;
    }
    // Built from the tables as they stand now, which need not be this geometry's.
    cache_.Valid = false;
    BuildSweep(a);
    if (a == kTargetSlot) {
        ApplyTargetSweep(RotorSpeed);
    } else {
        ApplyDetectorSweep(RotorSpeed);
    }
}

// The sweep of component a with everything that does not depend on the speed formed: the
// directions, their transmissions, paths and the Doppler prefixes.
void ApparatusModel::BuildSweep(int a) {
    EvaluationCache& plan = cache_;
    const double mu1 = Slots[kTargetSlot].Mu;
    const double muA = Slots[a].Mu;
    const PanelItem& shapeA = *Slots[a].Shape;
    const double widthA = shapeA.Width;
    const double heightA = shapeA.Height;
    const bool target = a == kTargetSlot;
    if (target) {
        plan.TargetSteps.clear();
    } else {
        plan.DetectorSteps.clear();
        plan.ShadowedSteps.clear();
        plan.ShadowFactors.clear();
    }

    for (int i = 1; i <= kRotorPositionCount; ++i) {
        const double phi = (i - 1) * kPi / 8;
        const SightLine& w = SightLines[i][a];
        const double activity = RotorPositions[i].Activity;
        const Shadows shadows = ShadowsBefore(*this, i, a);

        EvaluationCache::Range& range =
            (target ? plan.TargetRanges : plan.DetectorRanges)[static_cast<std::size_t>(i - 1)];
        range.First =
            static_cast<std::int32_t>(target ? plan.TargetSteps.size() : plan.DetectorSteps.size());
        double theta = w.AngleFrom;
        for (int step = 0; theta < w.AngleTo && step < kMaxSweepSteps; ++step) {
            theta = theta + kAngularStep;
            // A path through a component is never negative: a band that a typed place lets cross
            // the vertical would otherwise give a negative path there, and a rate of no meaning.
            const double c = std::fabs(std::cos(theta));
            const auto firstFactor = static_cast<std::int32_t>(plan.ShadowFactors.size());
            const Crossing crossing = Cross(shadows, theta, c, plan.ShadowFactors);
            const double path = c == 0 ? heightA : widthA / c;
            if (target) {
                const double base = activity * crossing.Transmission * kAngularStep / kTwoPi;
                plan.TargetSteps.push_back(
                    {DopplerPrefix(*this, phi, theta), path, std::exp(-mu1 * path), base});
            } else if (crossing.BehindTarget) {
                plan.DetectorSteps.push_back(
                    {0, static_cast<std::int32_t>(plan.ShadowedSteps.size())});
                plan.ShadowedSteps.push_back(
                    {DopplerPrefix(*this, phi, theta), c, crossing.TargetWidth,
                     1 - std::exp(-muA * path), activity, firstFactor,
                     static_cast<std::int32_t>(plan.ShadowFactors.size()) - firstFactor});
            } else {
                const double base = activity * crossing.Transmission * kAngularStep / kTwoPi;
                plan.DetectorSteps.push_back({(1 - std::exp(-muA * path)) * base, -1});
            }
        }
        range.Count = static_cast<std::int32_t>(target ? plan.TargetSteps.size()
                                                       : plan.DetectorSteps.size()) -
                      range.First;
    }
}

void ApparatusModel::ApplyTargetSweep(double speed) {
    const EvaluationCache& plan = cache_;
    const NormalDensity line(LineWidth);
    const double mu1 = Slots[kTargetSlot].Mu;
    for (const EvaluationCache::Range& range : plan.TargetRanges) {
        double acc = 0;
        for (std::int32_t k = range.First; k < range.First + range.Count; ++k) {
            const EvaluationCache::TargetStep& s = plan.TargetSteps[static_cast<std::size_t>(k)];
            const double muEff = EffectiveMu(*this, line, s.Prefix, speed, mu1);
            acc = acc + (s.Unresonant - std::exp(-muEff * s.Path)) * s.Base;
        }
        TargetResonantRate = TargetResonantRate + acc;
    }
}

void ApparatusModel::ApplyDetectorSweep(double speed) {
    const EvaluationCache& plan = cache_;
    const NormalDensity line(LineWidth);
    const double mu1 = Slots[kTargetSlot].Mu;
    for (const EvaluationCache::Range& range : plan.DetectorRanges) {
        double acc = 0;
        for (std::int32_t k = range.First; k < range.First + range.Count; ++k) {
            const EvaluationCache::DetectorStep& d =
                plan.DetectorSteps[static_cast<std::size_t>(k)];
            if (d.Shadowed < 0) {
                acc = acc + d.Term;
                continue;
            }
            const EvaluationCache::ShadowedStep& s =
                plan.ShadowedSteps[static_cast<std::size_t>(d.Shadowed)];
            const double muEff = EffectiveMu(*this, line, s.Prefix, speed, mu1);
            double transmission = 1;
            transmission = transmission * std::exp(-muEff * s.TargetWidth / s.Cos);
            for (std::int32_t f = s.FirstFactor; f < s.FirstFactor + s.FactorCount; ++f) {
                transmission = transmission * plan.ShadowFactors[static_cast<std::size_t>(f)];
            }
            const double base = s.Activity * transmission * kAngularStep / kTwoPi;
            acc = acc + s.Absorbed * base;
        }
        DetectorRate = DetectorRate + acc;
    }
}

void ApparatusModel::ScatterToDetector() {
    cache_.Valid = false;
    BuildScatter();
    ApplyScatter();
}

// The corners' bands towards the detector and, per step, the share of a corner's radiation
// the detector absorbs: all of it geometry, none of it speed.
void ApparatusModel::BuildScatter() {
    EvaluationCache& plan = cache_;
    const ComponentSlot& detector = Slots[kDetectorSlot];
    const Bounds r = BoundsOf(*detector.Shape);
    const double mu2 = detector.Mu;
    const double detectorWidth = detector.Shape->Width;
    const double detectorHeight = detector.Shape->Height;
    const double noChord = 1 - std::exp(-mu2 * 0.0);
    CornerBands(TargetCorners, r);

    plan.Weights.clear();
    plan.NonZeroWeights.clear();
    for (int k = 1; k <= kCornerCount; ++k) {
        const TargetCorner& corner = TargetCorners[k];
        EvaluationCache::CornerSweep& sweep = plan.Corners[static_cast<std::size_t>(k - 1)];
        sweep.AngleMin = corner.AngleMin;
        sweep.AngleMax = corner.AngleMax;
        sweep.All.First = static_cast<std::int32_t>(plan.Weights.size());
        sweep.NonZero.First = static_cast<std::int32_t>(plan.NonZeroWeights.size());
        const double px = corner.X;
        const double py = corner.Y;
        const LineWindow window = LinesMeeting(px, py, r);
        double lastSquared = -1;
        double lastAbsorbed = 0;
        double theta = corner.AngleMin;
        for (int step = 0; theta <= corner.AngleMax && step < kMaxSweepSteps; ++step) {
            theta = theta + kAngularStep;
            double absorbed = noChord;
            if (std::fabs(theta) == kPi / 2) {
                absorbed = 1 - std::exp(-mu2 * detectorHeight);
            } else if (theta == 0 || !window.Misses(theta)) {
                const Chord chord = ChordOf(theta, px, py, r);
                if (chord.Points >= 2) {
                    // Whole-pixel end points repeat over neighbouring directions.
                    if (chord.Squared != lastSquared) {
                        lastSquared = chord.Squared;
                        lastAbsorbed = 1 - std::exp(-mu2 * std::sqrt(chord.Squared));
                    }
                    absorbed = lastAbsorbed;
                } else if (chord.Points == 0 && theta == 0) {
                    absorbed = 1 - std::exp(-mu2 * detectorWidth);
                }
                // A single accepted point (a line grazing a corner through rounding) is taken
                // as no chord at all.
            }
            const double weight = absorbed * kAngularStep / kTwoPi;
            plan.Weights.push_back(weight);
            if (weight != 0) {
                plan.NonZeroWeights.push_back(weight);
            }
        }
        sweep.All.Count = static_cast<std::int32_t>(plan.Weights.size()) - sweep.All.First;
        sweep.NonZero.Count =
            static_cast<std::int32_t>(plan.NonZeroWeights.size()) - sweep.NonZero.First;
    }
}

void ApparatusModel::ApplyScatter() {
    const EvaluationCache& plan = cache_;
    for (int k = 1; k <= kCornerCount; ++k) {
        const double intensity = TargetCorners[k].Intensity;
        const EvaluationCache::CornerSweep& sweep = plan.Corners[static_cast<std::size_t>(k - 1)];
        // A zero weight times a finite intensity adds a zero, which leaves the sum as it is:
        // the sum starts at +0 and no rounding makes it -0.
        const bool skipZeros = std::isfinite(intensity);
        const EvaluationCache::Range range = skipZeros ? sweep.NonZero : sweep.All;
        const std::vector<double>& weights = skipZeros ? plan.NonZeroWeights : plan.Weights;
        double sum = 0;
        for (std::int32_t n = range.First; n < range.First + range.Count; ++n) {
            sum = sum + weights[static_cast<std::size_t>(n)] * intensity;
        }
        DetectorRate = DetectorRate + sum;
    }
}

EvaluationCache::Key ApparatusModel::InputsKey() const {
    EvaluationCache::Key key{};
    std::size_t n = 0;
    auto add = [&](double v) { key[n++] = std::bit_cast<std::uint64_t>(v); };
    auto addWhole = [&](std::int64_t v) { key[n++] = static_cast<std::uint64_t>(v); };
    for (const RotorPosition& p : RotorPositions) {
        add(p.X);
        add(p.Y);
        add(p.Cos);
        add(p.Sin);
        add(p.Activity);
    }
    addWhole(Experiment != nullptr ? 1 : 0);
    addWhole(Experiment ? Experiment->Left : 0);
    addWhole(Experiment ? Experiment->Top : 0);
    for (const ComponentSlot& slot : Slots) {
        addWhole(slot.Placed ? 1 : 0);
        add(slot.Mu);
        addWhole(slot.Shape != nullptr ? 1 : 0);
        addWhole(slot.Shape ? slot.Shape->Left : 0);
        addWhole(slot.Shape ? slot.Shape->Top : 0);
        addWhole(slot.Shape ? slot.Shape->Width : 0);
        addWhole(slot.Shape ? slot.Shape->Height : 0);
    }
    add(GammaEnergy);
    add(PhysicalRotorRadius);
    add(RecoilEnergy);
    add(LineWidth);
    assert(n == key.size());
    return key;
}

bool ApparatusModel::EvaluateApparatus() {
    ErrorText.clear();
    if (!ComputeSourcePositions()) {
        return false;
    }
    bool anyPlaced = false;
    for (const ComponentSlot& slot : Slots) {
        anyPlaced = anyPlaced || slot.Placed;
    }
    if (!anyPlaced) {
        return ReportError(kNothingPlaced);
    }
    if (!Slots[kDetectorSlot].Placed) {
        return ReportError(kNoDetector);
    }

    // The source positions are fresh; the sight lines, the corners' bands and the sweeps'
    // plans follow from them and the inputs in the key alone.
    const bool targetPlaced = Slots[kTargetSlot].Placed;
    const EvaluationCache::Key inputs = InputsKey();
    const std::uint64_t speedBits = std::bit_cast<std::uint64_t>(RotorSpeed);
    if (cache_.Valid && cache_.Inputs == inputs) {
        SightLines = cachedSightLines_;
        if (targetPlaced) {
            for (int k = 1; k <= kCornerCount; ++k) {
                TargetCorners[k].AngleMin =
                    cache_.Corners[static_cast<std::size_t>(k - 1)].AngleMin;
                TargetCorners[k].AngleMax =
                    cache_.Corners[static_cast<std::size_t>(k - 1)].AngleMax;
            }
        }
        if (cache_.HaveRates && cache_.SpeedBits == speedBits) {
            // The tick before had these very inputs.
            TargetResonantRate = cache_.TargetResonantRate;
            for (TargetCorner& corner : TargetCorners) {
                corner.Intensity = TargetResonantRate / 4;
            }
            DetectorRate = cache_.DetectorRate;
            return true;
        }
    } else {
        cache_.Valid = false;
        ComputeSightLines();
        cache_.TargetPlaced = SightLines[1][kTargetSlot].Distance != -1.0;
        cache_.DetectorPlaced = SightLines[1][kDetectorSlot].Distance != -1.0;
        if (cache_.TargetPlaced) {
            BuildSweep(kTargetSlot);
        }
        if (cache_.DetectorPlaced) {
            BuildSweep(kDetectorSlot);
        }
        if (targetPlaced) {
            BuildScatter();
        }
        cachedSightLines_ = SightLines;
        cache_.Inputs = inputs;
        cache_.Valid = true;
        cache_.HaveRates = false;
    }

    TargetResonantRate = 0;
    if (cache_.TargetPlaced) {
        ApplyTargetSweep(RotorSpeed);
    }
    for (TargetCorner& corner : TargetCorners) {
        corner.Intensity = TargetResonantRate / 4;
    }

    DetectorRate = 0;
    if (cache_.DetectorPlaced) {
        ApplyDetectorSweep(RotorSpeed);
    }
    if (targetPlaced) {
        ApplyScatter();
    }

    cache_.HaveRates = true;
    cache_.SpeedBits = speedBits;
    cache_.TargetResonantRate = TargetResonantRate;
    cache_.DetectorRate = DetectorRate;
    return true;
}

}  // namespace sim
