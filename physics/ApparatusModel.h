#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/IndexedArray.h"
#include "common/Translate.h"
#include "physics/EvaluationCache.h"
#include "physics/Random.h"

namespace sim {

// The plain record of one item of the experiment panel, as the window keeps it: bounds in
// panel pixels (right and bottom exclusive) and the Tag. This is the narrow door through which
// the physics reads the screen: the window fills these records, the model only reads them.
struct PanelItem {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t Tag = 0;
};

enum class ComponentKind : std::int32_t { MercuryTarget = 1, Detector = 2, LeadShield = 3 };

struct RotorPosition {
    double X = 0;  // field pixels
    double Y = 0;
    double Cos = 0;
    double Sin = 0;
    double Activity = 0;  // source units
};

struct ComponentSlot {
    const PanelItem* Shape = nullptr;  // not owned
    double Mu = 0;                     // 1/pixel
    ComponentKind Kind = ComponentKind::LeadShield;
    bool Placed = false;
};

struct SightLine {
    double Distance = -1.0;  // field pixels; -1 when the component is not placed
    std::int32_t SlotIndex = 0;
    double AngleFrom = -1.0;  // rad
    double AngleTo = -1.0;
};

struct TargetCorner {
    double X = 0;  // panel pixels
    double Y = 0;
    double AngleMax = 0;
    double AngleMin = 0;
    double Intensity = 0;
};

inline constexpr int kRotorPositionCount = 16;
inline constexpr int kSlotCount = 6;
inline constexpr int kCornerCount = 4;
inline constexpr int kTargetSlot = 1;
inline constexpr int kDetectorSlot = 2;

// The apparatus' fixed numbers: the start-up values of the model and the settings' defaults.
inline constexpr std::int32_t kRotorCenterX = 200;  // field pixels
inline constexpr std::int32_t kRotorCenterY = 190;
inline constexpr std::int32_t kRotorRadius = 180;
inline constexpr double kPhysicalRotorRadius = 0.0762;  // m
inline constexpr double kSourceActivity = 16000.0;
inline constexpr double kGammaEnergy = 411.0;        // keV
inline constexpr double kRecoilEnergy = 0.00046;     // keV
inline constexpr double kLineWidthFactor = 0.000153;  // keV; the line width is sqrt(2) times this
inline constexpr double kDefaultAmbientPressure = 980.0;  // mbar
inline constexpr std::int32_t kDefaultCountFactor = 200;
inline constexpr std::int32_t kDefaultSpeedStep = 0;
// The rotor's set points (1/s): the speed spinner's range and step, and the automatic series
// from the lowest set point up to the first at or above the highest.
inline constexpr std::int32_t kRotorSpeedMin = 100;
inline constexpr std::int32_t kRotorSpeedMax = 2000;
inline constexpr std::int32_t kRotorSpeedIncrement = 50;

// Attenuation (1/pixel) and kind of the components of slots 1..6.
struct SlotDefaults {
    double Mu;
    ComponentKind Kind;
};
inline constexpr SlotDefaults kSlotDefaults[kSlotCount] = {
    {0.02, ComponentKind::MercuryTarget}, {0.002, ComponentKind::Detector},
    {0.2, ComponentKind::LeadShield},     {0.2, ComponentKind::LeadShield},
    {0.2, ComponentKind::LeadShield},     {0.2, ComponentKind::LeadShield},
};

// The simulated state of the whole apparatus, held by the main window as plain fields.
class ApparatusModel {
public:
    // --- wiring, set by the owner before use ---
    const PanelItem* Experiment = nullptr;  // the field image: its Left/Top is the field origin
    const PanelItem* Image2 = nullptr;      // the two gold sources; Tag = rotor position or 0
    const PanelItem* Image3 = nullptr;

    // --- rotor geometry and physical constants ---
    std::int32_t RotorCenterX = kRotorCenterX;
    std::int32_t RotorCenterY = kRotorCenterY;
    std::int32_t RotorRadius = kRotorRadius;
    double PhysicalRotorRadius = kPhysicalRotorRadius;
    double SourceRadius = 0;  // set by SetDefaults from the marker's size
    double SourceActivity = kSourceActivity;
    double GammaEnergy = kGammaEnergy;
    double RecoilEnergy = kRecoilEnergy;
    double LineWidth = 0;  // set by SetDefaults

    IndexedArray<RotorPosition, 1, kRotorPositionCount> RotorPositions;
    IndexedArray<ComponentSlot, 1, kSlotCount> Slots;
    IndexedArray<IndexedArray<SightLine, 1, kSlotCount>, 1, kRotorPositionCount> SightLines;
    IndexedArray<TargetCorner, 1, kCornerCount> TargetCorners;

    // --- apparatus state ---
    bool LidClosed = false;
    bool RotorDriveOn = false;
    bool PumpOn = false;
    bool MeasurementOn = false;
    bool SpeedReached = false;
    bool SeriesAborted = false;
    double Pressure = kDefaultAmbientPressure;
    double AmbientPressure = kDefaultAmbientPressure;
    double PumpFloor = 0;
    double RotorSpeed = 0;
    double RotorSpeedSetpoint = 0;
    double MeasureElapsed = 0;
    double MeasureLimit = 0;
    std::int32_t CounterValue = 0;
    double TargetResonantRate = 0;
    double DetectorRate = 0;
    std::string ErrorText;  // set by a failed evaluation until the window shows it

    // The apparatus' own random source: from 0 at start, never re-seeded.
    RandomSource Random;

    // --- login and measurement state of the window ---
    std::string ProgramDir;
    std::string ParticipantId;
    std::vector<std::string> FactorLines;
    std::int32_t CountFactor = kDefaultCountFactor;
    std::int32_t SpeedStep = kDefaultSpeedStep;

    // Sets every start-up value. The six component items (slots 1..6) are the window's
    // records; markerHeight is the height of the top mounting marker.
    void SetDefaults(const IndexedArray<const PanelItem*, 1, kSlotCount>& shapes,
                     std::int32_t markerHeight);

    bool ComputeSourcePositions();
    void ComputeSightLines();
    // The rates of one measurement tick. False when the field cannot be measured; ErrorText
    // then says why, for the window to show. What depends on the geometry alone is kept for
    // the next call, so ticks on an unchanged field, and a series of speeds, cost far less than
    // the first; the results are the same to the last bit.
    [[nodiscard]] bool EvaluateApparatus();

    static double GaussLine(double x, double sigma);
    double ResonanceOverlap(int i, double theta) const;
    void SweepFromRotor(int a);
    void ScatterToDetector();

  private:
    bool ReportError(TrText text);
    EvaluationCache::Key InputsKey() const;
    void BuildSweep(int a);
    void ApplyTargetSweep(double speed);
    void ApplyDetectorSweep(double speed);
    void BuildScatter();
    void ApplyScatter();

    EvaluationCache cache_;
    IndexedArray<IndexedArray<SightLine, 1, kSlotCount>, 1, kRotorPositionCount> cachedSightLines_;
};

}  // namespace sim
