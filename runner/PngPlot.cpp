#include "runner/PngPlot.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QString>

namespace sim {

namespace {

constexpr const char* kFontFamily = "DejaVu Sans";

QColor ToQColor(PlotColour c) {
    return QColor(c.R, c.G, c.B);
}

class PainterCanvas : public PlotCanvas {
  public:
    explicit PainterCanvas(QPainter& painter) : painter_(painter) {
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setRenderHint(QPainter::TextAntialiasing);
    }

    void FillRect(double x, double y, double w, double h, PlotColour colour) override {
        painter_.fillRect(QRectF(x, y, w, h), ToQColor(colour));
    }
    void Line(double x1, double y1, double x2, double y2, PlotColour colour,
              double width) override {
        painter_.setPen(QPen(ToQColor(colour), width));
        painter_.drawLine(QLineF(x1, y1, x2, y2));
    }
    void Polyline(const std::vector<std::pair<double, double>>& points, PlotColour colour,
                  double width) override {
        QPolygonF polygon;
        for (const auto& [x, y] : points) {
            polygon << QPointF(x, y);
        }
        painter_.setPen(QPen(ToQColor(colour), width));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawPolyline(polygon);
    }
    void Disc(double cx, double cy, double r, PlotColour colour) override {
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(ToQColor(colour));
        painter_.drawEllipse(QPointF(cx, cy), r, r);
        painter_.setBrush(Qt::NoBrush);
    }
    void Text(double x, double y, const std::string& text, int pixelSize, TextAnchor anchor,
              bool upright, PlotColour colour) override {
        QFont font(kFontFamily);
        font.setPixelSize(pixelSize);
        const QString shown = QString::fromStdString(text);
        const double width = QFontMetricsF(font).horizontalAdvance(shown);
        const double shift = anchor == TextAnchor::Start    ? 0
                             : anchor == TextAnchor::Middle ? width / 2
                                                            : width;
        painter_.save();
        painter_.setFont(font);
        painter_.setPen(ToQColor(colour));
        painter_.translate(x, y);
        if (upright) {
            painter_.rotate(-90);
        }
        painter_.drawText(QPointF(-shift, 0), shown);
        painter_.restore();
    }

  private:
    QPainter& painter_;
};

}  // namespace

void PaintPlot(const PlotData& data, QPainter& painter) {
    painter.save();
    PainterCanvas canvas(painter);
    DrawPlot(data, canvas);
    painter.restore();
}

std::string RenderPngPlot(const PlotData& data) {
    QImage image(kPlotWidth, kPlotHeight, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        PaintPlot(data, painter);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        return {};
    }
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace sim
