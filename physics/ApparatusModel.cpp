#include "physics/ApparatusModel.h"

#include <algorithm>
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

constexpr const char* kNoSource = "Nincs forrás elhelyezve";
constexpr const char* kNothingPlaced = "Nincs semmilyen elem a mérőhelyen";
constexpr const char* kNoDetector = "Nincs detektor a mérőhelyen";

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

// ResonanceOverlap for the rotor position at angle phi, with the line shape already formed.
double Overlap(const ApparatusModel& m, const NormalDensity& line, double phi, double theta) {
    const double alpha = phi - theta;
    const double shift = m.GammaEnergy * std::cos(alpha) * kTwoPi * m.PhysicalRotorRadius *
                         m.RotorSpeed / kSpeedOfLight;
    return line.At(2 * m.RecoilEnergy - shift);
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

}  // namespace

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

bool ApparatusModel::ReportError(const char* text) {
    ErrorText = text;
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
    return Overlap(*this, NormalDensity(LineWidth), (i - 1) * kPi / 8, theta);
}

void ApparatusModel::SweepFromRotor(int a) {
    if ((a != kTargetSlot && a != kDetectorSlot) || SightLines[1][a].Distance == -1.0) {
        return;
    }
    const double mu1 = Slots[kTargetSlot].Mu;
    const double muA = Slots[a].Mu;
    const PanelItem& shapeA = *Slots[a].Shape;
    const double widthA = shapeA.Width;
    const double heightA = shapeA.Height;

    const NormalDensity line(LineWidth);
    for (int i = 1; i <= kRotorPositionCount; ++i) {
        const double phi = (i - 1) * kPi / 8;
        const SightLine& w = SightLines[i][a];
        const double activity = RotorPositions[i].Activity;

        // The slots that can stand in front of component a from this position; which of them
        // a direction actually crosses is decided per step below.
        struct Shadow {
            double From, To, Width, Mu;
            bool Target;
        };
        Shadow shadows[kSlotCount];
        int shadowCount = 0;
        for (int j = 1; j <= kSlotCount; ++j) {
            const SightLine& s = SightLines[i][j];
            if (j == a || s.Distance == -1.0 || s.Distance > w.Distance) {
                continue;
            }
            const bool valid = s.SlotIndex >= 1 && s.SlotIndex <= kSlotCount &&
                               Slots[s.SlotIndex].Shape != nullptr;
            const int named = valid ? s.SlotIndex : j;
            shadows[shadowCount++] = {s.AngleFrom, s.AngleTo,
                                      static_cast<double>(Slots[named].Shape->Width), Slots[j].Mu,
                                      j == kTargetSlot};
        }

        double acc = 0;
        double theta = w.AngleFrom;
        for (int step = 0; theta < w.AngleTo && step < kMaxSweepSteps; ++step) {
            theta = theta + kAngularStep;
            const double c = std::cos(theta);
            // The resonant coefficient is needed for the target itself and for a target in
            // front of the detector only; the overlap is costly, so it is formed on demand.
            double muEff = 0;
            bool haveMuEff = false;
            auto effective = [&] {
                if (!haveMuEff) {
                    const double overlap = Overlap(*this, line, phi, theta);
                    muEff = (overlap * kResonanceStrength + 1) * mu1;
                    haveMuEff = true;
                }
                return muEff;
            };

            double transmission = 1;
            // The lead shields are alike, so overlapping ones share one exponential.
            double lastExponent = std::numeric_limits<double>::quiet_NaN();
            double lastFactor = 1;
            for (int n = 0; n < shadowCount; ++n) {
                const Shadow& s = shadows[n];
                if (!(s.From <= theta && theta < s.To)) {
                    continue;
                }
                const double mu = s.Target ? effective() : s.Mu;
                const double exponent = -mu * s.Width / c;
                if (exponent != lastExponent) {
                    lastExponent = exponent;
                    lastFactor = std::exp(exponent);
                }
                transmission = transmission * lastFactor;
            }
            const double base = activity * transmission * kAngularStep / kTwoPi;
            const double path = c == 0 ? heightA : widthA / c;
            if (a == kTargetSlot) {
                acc = acc + (std::exp(-mu1 * path) - std::exp(-effective() * path)) * base;
            } else if (a == kDetectorSlot) {
                acc = acc + (1 - std::exp(-muA * path)) * base;
            }
        }

        if (a == kTargetSlot) {
            TargetResonantRate = TargetResonantRate + acc;
        } else if (a == kDetectorSlot) {
            DetectorRate = DetectorRate + acc;
        }
    }
}

void ApparatusModel::ScatterToDetector() {
    const ComponentSlot& detector = Slots[kDetectorSlot];
    const Bounds r = BoundsOf(*detector.Shape);
    const double mu2 = detector.Mu;
    const double detectorWidth = detector.Shape->Width;
    const double detectorHeight = detector.Shape->Height;
    const double qx[4] = {r.Left, r.Right, r.Left, r.Right};
    const double qy[4] = {r.Top, r.Top, r.Bottom, r.Bottom};
    const double noChord = 1 - std::exp(-mu2 * 0.0);

    for (TargetCorner& corner : TargetCorners) {
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

    for (const TargetCorner& corner : TargetCorners) {
        const double px = corner.X;
        const double py = corner.Y;
        const LineWindow window = LinesMeeting(px, py, r);
        double sum = 0;
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
            sum = sum + absorbed * kAngularStep / kTwoPi * corner.Intensity;
        }
        DetectorRate = DetectorRate + sum;
    }
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
    ComputeSightLines();

    TargetResonantRate = 0;
    SweepFromRotor(kTargetSlot);
    for (TargetCorner& corner : TargetCorners) {
        corner.Intensity = TargetResonantRate / 4;
    }

    DetectorRate = 0;
    SweepFromRotor(kDetectorSlot);
    if (Slots[kTargetSlot].Placed) {
        ScatterToDetector();
    }
    return true;
}

}  // namespace sim
