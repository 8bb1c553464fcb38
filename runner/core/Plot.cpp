#include "runner/core/Plot.h"

#include <algorithm>
#include <cmath>

#include "common/Format.h"

namespace sim {

namespace {

constexpr double kLeft = 100;  // plot area inside the picture
constexpr double kRight = kPlotWidth - 30;
constexpr double kTop = 75;
constexpr double kBottom = kPlotHeight - 75;
constexpr double kTickLength = 6;
constexpr int kTitleSize = 18;
constexpr int kLabelSize = 16;
constexpr int kTickSize = 13;
constexpr int kMaxXTicks = 10;
constexpr int kMaxYTicks = 8;
constexpr double kXPadding = 0.03;  // of the set point span, each side
constexpr double kYPadding = 0.08;  // of the count span, above and below
constexpr double kLoneSpan = 100;   // 1/s around a single set point
constexpr double kFlatSpan = 10;    // counts around points that all agree
constexpr double kDotRadius = 3.5;
constexpr double kBarCap = 4;

constexpr PlotColour kWhite{255, 255, 255};
constexpr PlotColour kBlack{0, 0, 0};
constexpr PlotColour kGrid{225, 225, 225};
constexpr PlotColour kMeasured{200, 30, 30};
constexpr PlotColour kExpected{30, 80, 200};

struct Axis {
    double Low = 0;
    double High = 1;
    double From = 0;  // pixels of Low and High
    double To = 1;
    double Map(double v) const { return From + (v - Low) / (High - Low) * (To - From); }
};

double Deviation(const PlotData& data, const RunPoint& p) {
    return std::sqrt(
        std::max(data.BarsFromCounts ? static_cast<double>(p.Counts) : p.Expected, 0.0));
}

std::string TickText(double value, double step) {
    if (step >= 1) {
        return Format("%.0f", value);
    }
    return Format("%g", value);
}

std::string Escape(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                // Control characters are not allowed in XML text.
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') {
                    out += c;
                }
        }
    }
    return out;
}

std::string Rgb(PlotColour c) {
    return Format("#%02x%02x%02x", c.R, c.G, c.B);
}

class SvgCanvas : public PlotCanvas {
  public:
    SvgCanvas() {
        svg_ = Format(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" "
            "viewBox=\"0 0 %d %d\" font-family=\"DejaVu Sans, Arial, sans-serif\">\n",
            kPlotWidth, kPlotHeight, kPlotWidth, kPlotHeight);
    }
    std::string Finish() { return svg_ + "</svg>\n"; }

    void FillRect(double x, double y, double w, double h, PlotColour colour) override {
        svg_ += Format("<rect x=\"%.2f\" y=\"%.2f\" width=\"%.2f\" height=\"%.2f\" fill=\"", x, y,
                       w, h) +
                Rgb(colour) + "\"/>\n";
    }
    void Line(double x1, double y1, double x2, double y2, PlotColour colour,
              double width) override {
        svg_ += Format(
                    "<line x1=\"%.2f\" y1=\"%.2f\" x2=\"%.2f\" y2=\"%.2f\" stroke-width=\"%.2f\" "
                    "stroke=\"",
                    x1, y1, x2, y2, width) +
                Rgb(colour) + "\"/>\n";
    }
    void Polyline(const std::vector<std::pair<double, double>>& points, PlotColour colour,
                  double width) override {
        std::string list;
        for (const auto& [x, y] : points) {
            list += Format("%s%.2f,%.2f", list.empty() ? "" : " ", x, y);
        }
        svg_ += "<polyline fill=\"none\" stroke=\"" + Rgb(colour) +
                Format("\" stroke-width=\"%.2f\" points=\"", width) + list + "\"/>\n";
    }
    void Disc(double cx, double cy, double r, PlotColour colour) override {
        svg_ += Format("<circle cx=\"%.2f\" cy=\"%.2f\" r=\"%.2f\" fill=\"", cx, cy, r) +
                Rgb(colour) + "\"/>\n";
    }
    void Text(double x, double y, const std::string& text, int pixelSize, TextAnchor anchor,
              bool upright, PlotColour colour) override {
        const char* anchorName = anchor == TextAnchor::Start    ? "start"
                                 : anchor == TextAnchor::Middle ? "middle"
                                                                : "end";
        std::string element =
            Format("<text x=\"%.2f\" y=\"%.2f\" font-size=\"%d\" ", x, y, pixelSize) +
            "text-anchor=\"" + anchorName + "\" fill=\"" + Rgb(colour) + "\"";
        if (upright) {
            element += Format(" transform=\"rotate(-90 %.2f %.2f)\"", x, y);
        }
        svg_ += element + ">" + Escape(text) + "</text>\n";
    }

  private:
    std::string svg_;
};

}  // namespace

std::vector<double> NiceTicks(double low, double high, int maxTicks) {
    if (!(high > low) || maxTicks < 1 || !std::isfinite(low) || !std::isfinite(high)) {
        return {low};
    }
    const double raw = (high - low) / maxTicks;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double norm = raw / magnitude;
    const double step = (norm <= 1 ? 1 : norm <= 2 ? 2 : norm <= 5 ? 5 : 10) * magnitude;
    std::vector<double> ticks;
    for (double n = std::ceil(low / step); n * step <= high + step * 1e-9; n += 1) {
        const double v = n * step;
        ticks.push_back(std::fabs(v) < step * 1e-9 ? 0.0 : v);
    }
    return ticks;
}

void DrawPlot(const PlotData& data, PlotCanvas& canvas) {
    canvas.FillRect(0, 0, kPlotWidth, kPlotHeight, kWhite);

    Axis x{0, 1, kLeft, kRight};
    Axis y{0, 1, kBottom, kTop};
    if (!data.Points.empty()) {
        // The counts' own range, not from zero: a resonance is a few per cent of the counts.
        double lo = data.Points.front().Setpoint;
        double hi = lo;
        double bottom = data.ShowExpected ? data.Points.front().Expected
                                          : static_cast<double>(data.Points.front().Counts);
        double top = bottom;
        for (const RunPoint& p : data.Points) {
            const double sd = Deviation(data, p);
            lo = std::min(lo, p.Setpoint);
            hi = std::max(hi, p.Setpoint);
            const double expected = data.ShowExpected ? p.Expected : p.Counts;
            bottom = std::min({bottom, p.Counts - sd, expected});
            top = std::max({top, p.Counts + sd, expected});
        }
        if (hi - lo < 1) {
            lo -= kLoneSpan / 2;
            hi += kLoneSpan / 2;
        }
        if (top - bottom < 1) {
            bottom -= kFlatSpan / 2;
            top += kFlatSpan / 2;
        }
        const double xPad = (hi - lo) * kXPadding;
        x.Low = lo - xPad;
        x.High = hi + xPad;
        const double yPad = (top - bottom) * kYPadding;
        y.Low = bottom - yPad;
        y.High = top + yPad;
    }

    // Grid, ticks and their values.
    const std::vector<double> xTicks = NiceTicks(x.Low, x.High, kMaxXTicks);
    const std::vector<double> yTicks = NiceTicks(y.Low, y.High, kMaxYTicks);
    const double xStep = xTicks.size() > 1 ? xTicks[1] - xTicks[0] : 1;
    const double yStep = yTicks.size() > 1 ? yTicks[1] - yTicks[0] : 1;
    for (const double v : xTicks) {
        const double px = x.Map(v);
        canvas.Line(px, kTop, px, kBottom, kGrid, 1);
        canvas.Line(px, kBottom, px, kBottom + kTickLength, kBlack, 1);
        canvas.Text(px, kBottom + kTickLength + kTickSize + 2, TickText(v, xStep), kTickSize,
                    TextAnchor::Middle, false, kBlack);
    }
    for (const double v : yTicks) {
        const double py = y.Map(v);
        canvas.Line(kLeft, py, kRight, py, kGrid, 1);
        canvas.Line(kLeft - kTickLength, py, kLeft, py, kBlack, 1);
        canvas.Text(kLeft - kTickLength - 3, py + kTickSize / 3.0, TickText(v, yStep), kTickSize,
                    TextAnchor::End, false, kBlack);
    }
    canvas.Line(kLeft, kBottom, kRight, kBottom, kBlack, 1.5);
    canvas.Line(kLeft, kTop, kLeft, kBottom, kBlack, 1.5);

    canvas.Text(kPlotWidth / 2.0, 30, data.Title, kTitleSize, TextAnchor::Middle, false, kBlack);
    canvas.Text((kLeft + kRight) / 2, kPlotHeight - 18, Tr(kPlotXLabel), kLabelSize,
                TextAnchor::Middle, false, kBlack);
    canvas.Text(24, (kTop + kBottom) / 2, Tr(kPlotYLabel), kLabelSize, TextAnchor::Middle, true,
                kBlack);

    // The expected curve under the measured points.
    std::vector<std::pair<double, double>> curve;
    for (const RunPoint& p : data.Points) {
        curve.emplace_back(x.Map(p.Setpoint), y.Map(p.Expected));
    }
    if (!data.ShowExpected) {
        curve.clear();
    }
    if (curve.size() > 1) {
        canvas.Polyline(curve, kExpected, 2);
    } else if (curve.size() == 1) {
        canvas.Line(kLeft, curve[0].second, kRight, curve[0].second, kExpected, 2);
    }
    for (const RunPoint& p : data.Points) {
        const double sd = Deviation(data, p);
        const double px = x.Map(p.Setpoint);
        const double upper = std::max(y.Map(p.Counts + sd), kTop);
        const double lower = std::min(y.Map(p.Counts - sd), kBottom);
        canvas.Line(px, upper, px, lower, kMeasured, 1.2);
        canvas.Line(px - kBarCap, upper, px + kBarCap, upper, kMeasured, 1.2);
        canvas.Line(px - kBarCap, lower, px + kBarCap, lower, kMeasured, 1.2);
        canvas.Disc(px, y.Map(p.Counts), kDotRadius, kMeasured);
    }

    // Legend, above the plot area on the right.
    const double ly = kTop - 14;
    const double lx = kRight - 250;
    canvas.Line(lx, ly - 11, lx, ly + 3, kMeasured, 1.2);
    canvas.Disc(lx, ly - 4, kDotRadius, kMeasured);
    canvas.Text(lx + 12, ly, Tr(kPlotMeasuredLegend), kTickSize, TextAnchor::Start, false, kBlack);
    if (data.ShowExpected) {
        canvas.Line(lx + 150, ly - 4, lx + 180, ly - 4, kExpected, 2);
        canvas.Text(lx + 188, ly, Tr(kPlotExpectedLegend), kTickSize, TextAnchor::Start, false,
                    kBlack);
    }
}

std::string RenderSvgPlot(const PlotData& data) {
    SvgCanvas canvas;
    DrawPlot(data, canvas);
    return canvas.Finish();
}

}  // namespace sim
