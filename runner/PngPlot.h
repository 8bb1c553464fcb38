#pragma once

#include <string>

#include "runner/core/Plot.h"

namespace sim {

// Paints the plot into a kPlotWidth x kPlotHeight image and returns it as PNG bytes; empty on
// failure. Text needs the fonts of a running QGuiApplication.
std::string RenderPngPlot(const PlotData& data);

}  // namespace sim
