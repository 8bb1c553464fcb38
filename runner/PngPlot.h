#pragma once

#include <string>

class QPainter;

#include "runner/core/Plot.h"

namespace sim {

// Paints the plot into a kPlotWidth x kPlotHeight image and returns it as PNG bytes; empty on
// failure. Text needs the fonts of a running QGuiApplication.
std::string RenderPngPlot(const PlotData& data);

// Paints the plot with a painter whose kPlotWidth x kPlotHeight pixels the caller has placed
// and scaled (a window shows it at any size, smooth).
void PaintPlot(const PlotData& data, QPainter& painter);

}  // namespace sim
