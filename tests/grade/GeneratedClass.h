#pragma once

// A class of contestants written the way the program writes their files: geometry files of
// twelve little-endian integers, and result files whose every point is the sum of a count's
// ticks, each a random count around factor x DetectorRate of the program's own evaluation at
// that set point (both sources on the rotor markers, the drive on). The random source is
// seeded, so a class is the same on every run. Shared by the grading tests and benchmark.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/Conversions.h"
#include "common/Format.h"
#include "geometry/core/GeometryFile.h"
#include "geometry/core/PanelLayout.h"
#include "physics/ApparatusModel.h"
#include "physics/Random.h"

namespace sim::testing {

namespace fs = std::filesystem;

struct GeneratedContestant {
    std::string Id;
    std::vector<GeometryValues> Geometries;    // saved as g1.Brk2017_ID, g2.Brk2017_ID, ...
    std::size_t Generating = 0;                // the geometry the series was measured on
    std::optional<GeometryValues> MeasuredOn;  // or a field not among the saved ones
    std::int32_t Factor = 200;                 // negative: the exact mode
    std::int32_t Step = 50;
    int Seconds = 10;                          // counting time per point
    std::optional<std::size_t> PointsWritten;  // a series broken off after this many
    bool WriteResult = true;
};

// The window's model with its field, components and sources as a series has them.
class SeriesRig {
  public:
    SeriesRig() {
        IndexedArray<const PanelItem*, 1, kSlotCount> pointers;
        for (int j = 1; j <= kSlotCount; ++j) {
            const ItemPlace& p = kComponentStart[j - 1];
            shapes_[j] = PanelItem{p.Left, p.Top, p.Width, p.Height, j};
            pointers[j] = &shapes_[j];
        }
        model_.Experiment = &field_;
        model_.Image2 = &top_;
        model_.Image3 = &bottom_;
        model_.SetDefaults(pointers, kRotorMarkerSize);
        model_.RotorDriveOn = true;
    }
    SeriesRig(const SeriesRig&) = delete;
    SeriesRig& operator=(const SeriesRig&) = delete;

    double Rate(const GeometryValues& values, double speed) {
        for (int j = 1; j <= kSlotCount; ++j) {
            shapes_[j].Left = values[static_cast<std::size_t>(2 * j - 2)];
            shapes_[j].Top = values[static_cast<std::size_t>(2 * j - 1)];
            model_.Slots[j].Placed = shapes_[j].Left < kBinLeft;
        }
        model_.RotorSpeed = speed;
        if (!model_.EvaluateApparatus()) {
            throw std::runtime_error("field cannot be measured: " + model_.ErrorText);
        }
        return model_.DetectorRate;
    }

  private:
    PanelItem field_{16, 10, 1064, 377, 0};
    PanelItem top_{0, 0, 32, 32, 1};
    PanelItem bottom_{0, 0, 32, 32, 9};
    IndexedArray<PanelItem, 1, kSlotCount> shapes_;
    ApparatusModel model_;
};

// The set points of a series: 100, 100 + step, ... up to the first at or above 2000.
inline std::vector<std::int64_t> Setpoints(std::int32_t step) {
    std::vector<std::int64_t> points;
    for (std::int64_t v = 100;; v += step) {
        points.push_back(v);
        if (v >= 2000) {
            return points;
        }
    }
}

// The result file's text: the counts of each point drawn tick by tick, or in the exact mode
// the truncated expectation of its one tick.
inline std::string SeriesText(const GeneratedContestant& c, SeriesRig& rig, RandomSource& random) {
    std::string text = Format("Faktor= %10d\r\n", c.Factor);
    const std::vector<std::int64_t> setpoints = Setpoints(c.Step);
    const std::size_t written = std::min(setpoints.size(), c.PointsWritten.value_or(SIZE_MAX));
    for (std::size_t k = 0; k < written; ++k) {
        const GeometryValues& field = c.MeasuredOn ? *c.MeasuredOn : c.Geometries[c.Generating];
        const double rate = rig.Rate(field, static_cast<double>(setpoints[k]));
        const double expected = static_cast<double>(c.Factor) * rate;
        std::int32_t counts = 0;
        if (c.Factor < 0) {
            counts = SaturateToInt32(-expected);
        } else {
            for (int tick = 0; tick < 2 * c.Seconds; ++tick) {
                counts = SaturatingAdd(counts, random.RandomCount(expected));
            }
        }
        text += Format("%10.0f, %10d\r\n", static_cast<double>(setpoints[k]), counts);
    }
    return text;
}

inline void WriteContestant(const fs::path& folder, const GeneratedContestant& c, SeriesRig& rig,
                            RandomSource& random) {
    fs::create_directories(folder);
    const std::string key = "Brk2017_" + c.Id;
    for (std::size_t g = 0; g < c.Geometries.size(); ++g) {
        const fs::path path = folder / Format("g%zu.%s", g + 1, key.c_str());
        if (SaveGeometryFile(path.string(), c.Geometries[g])) {
            throw std::runtime_error("cannot write " + path.string());
        }
    }
    if (c.WriteResult) {
        std::ofstream(folder / (key + ".txt"), std::ios::binary) << SeriesText(c, rig, random);
    }
}

// Hand-made fields whose curves differ in shape. The ticks per point are fitted, so a series
// tells fields apart only by the shape of its counts against speed: the resonant dip where the
// target stands in front of the detector, its depth and width, or none at all. Fitted to the
// exact counts of kDipBetweenShields (10-s counts, factor 200, step 50), every other field here
// leaves a chi-square of at least 130; kNoTarget and kTargetOffThePath, both flat, cannot be
// told apart from each other at all.
inline const GeometryValues kDipBetweenShields = {470, 172, 545,  172, 470,  100,
                                                  470, 240, 1154, 312, 1183, 312};
inline const GeometryValues kDipClose = {470,  172, 540,  172, 1095, 312,
                                         1125, 312, 1154, 312, 1183, 312};
inline const GeometryValues kDipFar = {536,  160, 716,  160, 1095, 312,
                                       1125, 312, 1154, 312, 1183, 312};
inline const GeometryValues kNoTarget = {1121, 119, 600,  172, 1095, 312,
                                         1125, 312, 1154, 312, 1183, 312};
inline const GeometryValues kTargetOffThePath = {470,  30,  600,  172, 1095, 312,
                                                 1125, 312, 1154, 312, 1183, 312};
inline const GeometryValues kScatterBelow = {520,  172, 520,  240, 1095, 312,
                                             1125, 312, 1154, 312, 1183, 312};
inline const GeometryValues kDipHigh = {480,  60,  560,  40,  1095, 312,
                                        1125, 312, 1154, 312, 1183, 312};
inline const GeometryValues kDipLow = {480,  280, 560,  300, 1095, 312,
                                       1125, 312, 1154, 312, 1183, 312};
inline const GeometryValues kDipWide = {470,  150, 560,  130, 1095, 312,
                                        1125, 312, 1154, 312, 1183, 312};

// A field the drag rules allow: target and detector on the working area, each shield either
// there or in its bin, no two overlapping.
inline GeometryValues RandomField(std::mt19937& random) {
    GeometryValues values{};
    std::vector<ItemPlace> placed;
    for (int j = 1; j <= kSlotCount; ++j) {
        const ItemPlace& start = kComponentStart[j - 1];
        const auto k = 2 * static_cast<std::size_t>(j - 1);
        values[k] = start.Left;
        values[k + 1] = start.Top;
        if (j > 2 && random() % 3 == 0) {
            continue;  // stays in the bin
        }
        for (int attempt = 0; attempt < 1000; ++attempt) {
            const ItemPlace candidate{static_cast<std::int32_t>(kFieldLeft + 450 + random() % 551),
                                      static_cast<std::int32_t>(kFieldTop + random() % 311),
                                      start.Width, start.Height};
            const bool overlaps =
                std::any_of(placed.begin(), placed.end(), [&](const ItemPlace& o) {
                    return candidate.Left < o.Left + o.Width &&
                           o.Left < candidate.Left + candidate.Width &&
                           candidate.Top < o.Top + o.Height &&
                           o.Top < candidate.Top + candidate.Height;
                });
            if (!overlaps) {
                placed.push_back(candidate);
                values[k] = candidate.Left;
                values[k + 1] = candidate.Top;
                break;
            }
        }
    }
    return values;
}

// A class of complete, well-measured series: contestants c001, c002, ... each with
// `geometries` random fields, one of which (chosen at random) measured the series.
inline std::vector<GeneratedContestant> RandomClass(std::size_t contestants, std::size_t geometries,
                                                    std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<GeneratedContestant> group;
    for (std::size_t i = 0; i < contestants; ++i) {
        GeneratedContestant c;
        c.Id = Format("c%03zu", i + 1);
        for (std::size_t g = 0; g < geometries; ++g) {
            c.Geometries.push_back(RandomField(random));
        }
        c.Generating = random() % geometries;
        group.push_back(c);
    }
    return group;
}

}  // namespace sim::testing
