#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/Translate.h"
#include "runner/core/HeadlessForm.h"

namespace sim {

inline constexpr int kPlotWidth = 900;  // pixels, PNG and SVG alike
inline constexpr int kPlotHeight = 600;

// The plot is a picture to look at, so its words are in the language shown.
inline constexpr TrText kPlotXLabel = SIM_TR("Plot", "Fordulatszám (1/s)");
inline constexpr TrText kPlotYLabel = SIM_TR("Plot", "Beütésszám");
inline constexpr TrText kPlotMeasuredLegend = SIM_TR("Plot", "mért (±1 szórás)");
inline constexpr TrText kPlotExpectedLegend = SIM_TR("Plot", "várható");

struct PlotData {
    std::string Title;
    std::vector<RunPoint> Points;
    // The error bars' standard deviation: the square root of the expected counts, or, for
    // counts whose expectation is in question, of the counts themselves.
    bool BarsFromCounts = false;
    // Without the expected curve (a class's own measurements): the counts alone, and no legend
    // entry for a curve.
    bool ShowExpected = true;
};

struct PlotColour {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
};

enum class TextAnchor { Start, Middle, End };

// The few drawing operations the plot needs, in pixels with the origin top left. A text's y is
// its baseline; an upright text runs bottom to top with its baseline at x.
class PlotCanvas {
  public:
    virtual ~PlotCanvas() = default;
    virtual void FillRect(double x, double y, double w, double h, PlotColour colour) = 0;
    virtual void Line(double x1, double y1, double x2, double y2, PlotColour colour,
                      double width) = 0;
    virtual void Polyline(const std::vector<std::pair<double, double>>& points, PlotColour colour,
                          double width) = 0;
    virtual void Disc(double cx, double cy, double r, PlotColour colour) = 0;
    virtual void Text(double x, double y, const std::string& text, int pixelSize, TextAnchor anchor,
                      bool upright, PlotColour colour) = 0;
};

// Counts against set point: axes with ticks and labels, a dot per point with an
// error bar of one Poisson standard deviation, the expected counts joined by a line.
void DrawPlot(const PlotData& data, PlotCanvas& canvas);

// The same drawing as an SVG document of kPlotWidth x kPlotHeight pixels.
std::string RenderSvgPlot(const PlotData& data);

// Round tick values covering [low, high]: steps of 1, 2 or 5 times a power of ten, at most
// about maxTicks of them.
std::vector<double> NiceTicks(double low, double high, int maxTicks);

}  // namespace sim
