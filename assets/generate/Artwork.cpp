#include "assets/generate/Artwork.h"

#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace sim::artwork {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

QColor Scaled(const QColor& base, double factor) {
    auto channel = [factor](int v) {
        return std::clamp(static_cast<int>(std::lround(v * factor)), 0, 255);
    };
    return QColor(channel(base.red()), channel(base.green()), channel(base.blue()), base.alpha());
}

// Brushed metal lit from the upper left: a bright band left of the middle, a darker flank and
// a faint rim light on the far side.
QLinearGradient MetalAcross(QPointF from, QPointF to, const QColor& base) {
    QLinearGradient gradient(from, to);
    constexpr std::pair<double, double> kProfile[] = {
        {0.00, 0.38}, {0.07, 0.62}, {0.22, 1.00}, {0.30, 0.93}, {0.48, 0.72},
        {0.72, 0.52}, {0.90, 0.60}, {0.96, 0.48}, {1.00, 0.30},
    };
    for (const auto& [at, factor] : kProfile) {
        gradient.setColorAt(at, Scaled(base, factor));
    }
    return gradient;
}

// A cylinder standing upright, seen from slightly above: side from top to bottom, top face as
// an ellipse of half-axes rx, ry.
void DrawUprightCylinder(QPainter& p, double cx, double top, double bottom, double rx, double ry,
                         const QColor& side, const QColor& face) {
    QPainterPath body;
    body.moveTo(cx - rx, top);
    body.lineTo(cx - rx, bottom);
    body.arcTo(QRectF(cx - rx, bottom - ry, 2 * rx, 2 * ry), 180, 180);
    body.lineTo(cx + rx, top);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(MetalAcross({cx - rx, 0}, {cx + rx, 0}, side));
    p.drawPath(body);

    QLinearGradient faceLight({cx, top - ry}, {cx, top + ry});
    faceLight.setColorAt(0, Scaled(face, 0.78));
    faceLight.setColorAt(1, Scaled(face, 1.08));
    p.setBrush(faceLight);
    p.setPen(QPen(Scaled(face, 0.55), 0.8));
    p.drawEllipse(QPointF(cx, top), rx, ry);
}

// The head of an arrow running clockwise along a circle of the given radius, its base centred
// on the circle at endDegrees (counted counter-clockwise from east, as Qt counts).
QPolygonF ClockwiseHead(QPointF centre, double radius, double endDegrees, double length,
                        double halfWidth) {
    const double end = endDegrees * kDegree;
    const QPointF base(centre.x() + radius * std::cos(end), centre.y() - radius * std::sin(end));
    const QPointF along(std::sin(end), std::cos(end));  // clockwise tangent on screen
    const QPointF outward(std::cos(end), -std::sin(end));
    QPolygonF head;
    head << base + along * length << base + outward * halfWidth - along * (length * 0.1)
         << base - outward * halfWidth - along * (length * 0.1);
    return head;
}

// A soft contact shadow on the bench.
void DrawShadow(QPainter& p, QPointF centre, double rx, double ry, int alpha) {
    p.save();
    p.translate(centre);
    p.scale(1.0, ry / rx);
    QRadialGradient shade(QPointF(0, 0), rx);
    shade.setColorAt(0, QColor(0, 0, 0, alpha));
    shade.setColorAt(0.6, QColor(0, 0, 0, alpha / 2));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(QPointF(0, 0), rx, rx);
    p.restore();
}

void DrawRoom(QPainter& p, int w, int h, double benchTop) {
    QLinearGradient wall({0, 0}, {0, benchTop});
    wall.setColorAt(0, QColor(54, 60, 66));
    wall.setColorAt(1, QColor(92, 97, 101));
    p.fillRect(QRectF(0, 0, w, benchTop), wall);

    // The lab's ceiling light falls on the wall behind the chamber.
    QRadialGradient glow(QPointF(w * 0.42, -10), w * 0.55);
    glow.setColorAt(0, QColor(255, 250, 235, 60));
    glow.setColorAt(1, QColor(255, 250, 235, 0));
    p.fillRect(QRectF(0, 0, w, benchTop), glow);

    QLinearGradient bench({0, benchTop}, {0, static_cast<double>(h)});
    bench.setColorAt(0, QColor(140, 138, 130));
    bench.setColorAt(0.15, QColor(158, 155, 146));
    bench.setColorAt(1, QColor(108, 105, 98));
    p.fillRect(QRectF(0, benchTop, w, h - benchTop), bench);
    p.setPen(QPen(QColor(70, 70, 68), 1.2));
    p.drawLine(QPointF(0, benchTop), QPointF(w, benchTop));
}

void DrawControlBox(QPainter& p) {
    const QRectF front(8, 66, 52, 62);
    DrawShadow(p, {front.center().x() + 4, front.bottom() + 1}, 38, 6, 120);

    QPolygonF topFace;
    topFace << QPointF(front.left(), front.top()) << QPointF(front.left() + 8, front.top() - 7)
            << QPointF(front.right() + 8, front.top() - 7) << QPointF(front.right(), front.top());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(118, 122, 128));
    p.drawPolygon(topFace);
    QPolygonF sideFace;
    sideFace << QPointF(front.right(), front.top()) << QPointF(front.right() + 8, front.top() - 7)
             << QPointF(front.right() + 8, front.bottom() - 7)
             << QPointF(front.right(), front.bottom());
    p.setBrush(QColor(48, 51, 56));
    p.drawPolygon(sideFace);

    QLinearGradient panel(front.topLeft(), front.bottomLeft());
    panel.setColorAt(0, QColor(86, 90, 97));
    panel.setColorAt(1, QColor(58, 61, 66));
    p.setBrush(panel);
    p.setPen(QPen(QColor(30, 32, 35), 0.8));
    p.drawRect(front);

    // Speed read-out, two knobs, a power lamp.
    const QRectF display(front.left() + 7, front.top() + 8, 40, 14);
    p.setBrush(QColor(16, 28, 20));
    p.drawRect(display);
    QFont digits(QStringLiteral("DejaVu Sans Mono"));
    digits.setPixelSize(11);
    digits.setBold(true);
    p.setFont(digits);
    p.setPen(QColor(110, 235, 140));
    p.drawText(display, Qt::AlignCenter, QStringLiteral("0000"));
    for (int knob = 0; knob < 2; ++knob) {
        const QPointF centre(front.left() + 16 + knob * 22, front.top() + 40);
        QRadialGradient cap(centre - QPointF(2, 2), 8);
        cap.setColorAt(0, QColor(200, 200, 200));
        cap.setColorAt(0.5, QColor(70, 70, 72));
        cap.setColorAt(1, QColor(20, 20, 22));
        p.setPen(QPen(QColor(15, 15, 15), 0.8));
        p.setBrush(cap);
        p.drawEllipse(centre, 6.5, 6.5);
        p.setPen(QPen(QColor(230, 230, 230), 1.0));
        p.drawLine(centre, centre + QPointF(3.5 - knob * 6, -4));
    }
    QRadialGradient lamp(QPointF(front.right() - 9, front.bottom() - 9), 4);
    lamp.setColorAt(0, QColor(200, 255, 190));
    lamp.setColorAt(0.5, QColor(40, 210, 70));
    lamp.setColorAt(1, QColor(10, 80, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(lamp);
    p.drawEllipse(QPointF(front.right() - 9, front.bottom() - 9), 2.8, 2.8);
}

void DrawCable(QPainter& p) {
    QPainterPath cable;
    cable.moveTo(172, 130);
    cable.cubicTo(140, 152, 96, 146, 62, 120);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 70), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable.translated(1, 3));
    p.setPen(QPen(QColor(24, 24, 26), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);
    p.setPen(QPen(QColor(110, 110, 115, 150), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable.translated(-0.4, -0.9));
}

// The chamber's geometry, shared by its parts.
struct Chamber {
    double Cx = 190;
    double Top = 46;  // centre of the lid's seating ellipse
    double Bottom = 98;
    double Rx = 112;
    double Ry = 24;
};

void DrawMotorAndLegs(QPainter& p, const Chamber& c) {
    DrawShadow(p, {c.Cx + 8, 140}, 150, 20, 150);
    for (const double legX : {c.Cx - 92, c.Cx + 92}) {
        DrawUprightCylinder(p, legX, 108, 134, 4, 1.5, QColor(150, 150, 150),
                            QColor(150, 150, 150));
    }
    // Drive motor under the chamber, with its cooling ribs.
    DrawUprightCylinder(p, c.Cx, 112, 138, 21, 5, QColor(72, 86, 118), QColor(90, 100, 125));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 24, 34, 90), 0.8));
    for (double y = 119; y <= 133; y += 3.5) {
        p.drawArc(QRectF(c.Cx - 21, y - 5, 42, 10), 180 * 16, 180 * 16);
    }
    DrawUprightCylinder(p, c.Cx, 110, 114, 12, 3, QColor(185, 185, 190), QColor(170, 170, 175));
}

void DrawChamberBody(QPainter& p, const Chamber& c) {
    DrawUprightCylinder(p, c.Cx, c.Top, c.Bottom, c.Rx, c.Ry, QColor(200, 203, 208),
                        QColor(170, 172, 176));
    // Base flange.
    QPainterPath flange;
    flange.moveTo(c.Cx - c.Rx - 4, c.Bottom - 4);
    flange.lineTo(c.Cx - c.Rx - 4, c.Bottom + 2);
    flange.arcTo(QRectF(c.Cx - c.Rx - 4, c.Bottom + 2 - c.Ry - 1, 2 * (c.Rx + 4), 2 * (c.Ry + 1)),
                 180, 180);
    flange.lineTo(c.Cx + c.Rx + 4, c.Bottom - 4);
    flange.arcTo(QRectF(c.Cx - c.Rx - 4, c.Bottom - 4 - c.Ry - 1, 2 * (c.Rx + 4), 2 * (c.Ry + 1)),
                 0, -180);
    flange.closeSubpath();
    p.setPen(QPen(QColor(60, 62, 66), 0.7));
    p.setBrush(MetalAcross({c.Cx - c.Rx, 0}, {c.Cx + c.Rx, 0}, QColor(180, 182, 186)));
    p.drawPath(flange);

    // A faint weld seam and the reflection of the bench along the lower side.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(90, 92, 96, 120), 0.8));
    p.drawArc(QRectF(c.Cx - c.Rx, c.Top + 14 - c.Ry, 2 * c.Rx, 2 * c.Ry), 180 * 16, 180 * 16);
    p.setPen(QPen(QColor(230, 225, 210, 45), 3));
    p.drawArc(QRectF(c.Cx - c.Rx + 2, c.Bottom - 6 - c.Ry, 2 * c.Rx - 4, 2 * c.Ry), 200 * 16,
              140 * 16);
}

void DrawRotorThroughLid(QPainter& p, const Chamber& c) {
    const double lidTop = c.Top - 7;
    // Lid flange ring: an edge band, then the top face.
    QPainterPath edge;
    edge.moveTo(c.Cx - c.Rx - 5, lidTop);
    edge.lineTo(c.Cx - c.Rx - 5, c.Top);
    edge.arcTo(QRectF(c.Cx - c.Rx - 5, c.Top - c.Ry - 1, 2 * (c.Rx + 5), 2 * (c.Ry + 1)), 180, 180);
    edge.lineTo(c.Cx + c.Rx + 5, lidTop);
    edge.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(MetalAcross({c.Cx - c.Rx, 0}, {c.Cx + c.Rx, 0}, QColor(205, 207, 212)));
    p.drawPath(edge);
    QLinearGradient ringLight({c.Cx - c.Rx, lidTop - c.Ry}, {c.Cx + c.Rx, lidTop + c.Ry});
    ringLight.setColorAt(0, QColor(222, 224, 228));
    ringLight.setColorAt(0.5, QColor(176, 178, 183));
    ringLight.setColorAt(1, QColor(140, 142, 147));
    p.setBrush(ringLight);
    p.setPen(QPen(QColor(80, 82, 86), 0.8));
    p.drawEllipse(QPointF(c.Cx, lidTop), c.Rx + 5, c.Ry + 1);

    // The window in the lid and the chamber's dark inside.
    const QRectF window(c.Cx - 98, lidTop - 19, 196, 38);
    QPainterPath windowPath;
    windowPath.addEllipse(window);
    p.save();
    p.setClipPath(windowPath);
    QLinearGradient inside(window.topLeft(), window.bottomLeft());
    inside.setColorAt(0, QColor(28, 30, 34));
    inside.setColorAt(1, QColor(62, 66, 72));
    p.fillRect(window, inside);

    // Rotor disc, a little below the window.
    const QPointF hub(c.Cx, lidTop + 4);
    const double rotorRx = 84;
    const double rotorRy = 15.5;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 72, 76));
    p.drawEllipse(hub + QPointF(0, 2.2), rotorRx, rotorRy);
    QLinearGradient disc(hub - QPointF(rotorRx, rotorRy), hub + QPointF(rotorRx, rotorRy));
    disc.setColorAt(0, QColor(150, 152, 156));
    disc.setColorAt(0.35, QColor(226, 228, 231));
    disc.setColorAt(0.55, QColor(176, 178, 182));
    disc.setColorAt(1, QColor(112, 114, 118));
    p.setBrush(disc);
    p.setPen(QPen(QColor(60, 62, 66), 0.7));
    p.drawEllipse(hub, rotorRx, rotorRy);
    // Machining rings on the disc.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 40), 0.7));
    for (double k = 0.3; k < 1.0; k += 0.17) {
        p.drawEllipse(hub, rotorRx * k, rotorRy * k);
    }
    // The two gold sources at the ends of a diameter.
    for (const double side : {-1.0, 1.0}) {
        const QPointF at = hub + QPointF(side * rotorRx * 0.8, side * -2.0);
        QRadialGradient gold(at - QPointF(1.5, 1.2), 5);
        gold.setColorAt(0, QColor(255, 244, 170));
        gold.setColorAt(0.45, QColor(232, 186, 44));
        gold.setColorAt(1, QColor(140, 100, 20));
        p.setBrush(gold);
        p.setPen(QPen(QColor(70, 55, 15), 0.6));
        p.drawEllipse(at, 5.2, 2.3);
    }
    QRadialGradient cap(hub - QPointF(2, 1.5), 9);
    cap.setColorAt(0, QColor(120, 120, 124));
    cap.setColorAt(1, QColor(12, 12, 14));
    p.setBrush(cap);
    p.setPen(Qt::NoPen);
    p.drawEllipse(hub, 10, 3.6);

    // Thick glass: a blue tint and a broad reflection of the ceiling light.
    p.fillRect(window, QColor(150, 190, 230, 34));
    QLinearGradient glare(window.topLeft(), QPointF(window.left() + 70, window.bottom()));
    glare.setColorAt(0.0, QColor(255, 255, 255, 0));
    glare.setColorAt(0.35, QColor(255, 255, 255, 0));
    glare.setColorAt(0.45, QColor(255, 255, 255, 85));
    glare.setColorAt(0.6, QColor(255, 255, 255, 20));
    glare.setColorAt(0.7, QColor(255, 255, 255, 0));
    p.fillRect(window, glare);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(50, 52, 56), 1.0));
    p.drawEllipse(window);
    p.setPen(QPen(QColor(255, 255, 255, 90), 0.8));
    p.drawArc(window.adjusted(1, 1, -1, -1), 20 * 16, 140 * 16);

    // Bolts round the flange.
    for (int bolt = 0; bolt < 20; ++bolt) {
        const double angle = (bolt + 0.5) * 18 * kDegree;
        const QPointF at(c.Cx + (c.Rx - 7) * std::cos(angle),
                         lidTop + (c.Ry - 2) * std::sin(angle));
        QRadialGradient head(at - QPointF(0.6, 0.6), 2.6);
        head.setColorAt(0, QColor(235, 235, 238));
        head.setColorAt(1, QColor(70, 72, 76));
        p.setBrush(head);
        p.setPen(QPen(QColor(40, 40, 44), 0.5));
        p.drawEllipse(at, 2.3, 1.5);
    }
    // Lifting handles.
    for (const double side : {-1.0, 1.0}) {
        const QPointF base(c.Cx + side * 40, lidTop - c.Ry + 6);
        p.setPen(QPen(QColor(35, 35, 38), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(base.x() - 9, base.y() - 7, 18, 14), 0, 180 * 16);
        p.setPen(QPen(QColor(160, 160, 165, 160), 0.8));
        p.drawArc(QRectF(base.x() - 9, base.y() - 7.6, 18, 14), 30 * 16, 120 * 16);
    }
}

void DrawPumpLine(QPainter& p, const Chamber& c) {
    const double y = 74;
    const double portLeft = c.Cx + c.Rx - 6;
    // Port stub and its clamp.
    QLinearGradient tube({0, y - 7}, {0, y + 7});
    tube.setColorAt(0, QColor(110, 112, 116));
    tube.setColorAt(0.3, QColor(235, 236, 238));
    tube.setColorAt(0.7, QColor(150, 152, 156));
    tube.setColorAt(1, QColor(80, 82, 86));
    p.setPen(QPen(QColor(60, 62, 66), 0.6));
    p.setBrush(tube);
    p.drawRect(QRectF(portLeft, y - 6.5, 22, 13));
    QLinearGradient clamp({0, y - 10}, {0, y + 10});
    clamp.setColorAt(0, QColor(90, 92, 96));
    clamp.setColorAt(0.3, QColor(220, 222, 226));
    clamp.setColorAt(1, QColor(70, 72, 76));
    p.setBrush(clamp);
    p.drawRoundedRect(QRectF(portLeft + 20, y - 10, 7, 20), 2, 2);

    // The gauge's tee.
    const double teeX = 362;
    p.setBrush(tube);
    p.drawRect(QRectF(teeX - 14, y - 6.5, 28, 13));
    p.setBrush(MetalAcross({teeX - 5, 0}, {teeX + 5, 0}, QColor(215, 217, 222)));
    p.drawRect(QRectF(teeX - 5, 50, 10, y - 50 - 5));
    p.setBrush(clamp);
    p.drawRoundedRect(QRectF(teeX - 17, y - 10, 6, 20), 2, 2);
    p.drawRoundedRect(QRectF(teeX + 11, y - 10, 6, 20), 2, 2);

    // Corrugated hoses: chamber to tee, tee down to the pump outside the picture.
    QPainterPath hose;
    hose.moveTo(portLeft + 27, y);
    hose.lineTo(teeX - 17, y);
    QPainterPath down;
    down.moveTo(teeX + 17, y);
    down.cubicTo(405, y, 415, 110, 430, 150);
    for (const QPainterPath* path : {&hose, &down}) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 60), 14, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(path->translated(2, 4));
        p.setPen(QPen(QColor(58, 60, 64), 12.5, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(*path);
        p.setPen(QPen(QColor(128, 131, 136), 8, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(path->translated(0, -0.8));
        p.setPen(QPen(QColor(205, 207, 211), 2.4, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(path->translated(0, -2.6));
        const double length = path->length();
        p.setPen(QPen(QColor(30, 32, 36, 120), 1.0));
        for (double s = 1.5; s < length; s += 3.2) {
            const double t = path->percentAtLength(s);
            const QPointF at = path->pointAtPercent(t);
            const double angle = path->angleAtPercent(t) * kDegree;
            const QPointF across(-std::sin(angle) * 6.2, -std::cos(angle) * 6.2);
            p.drawLine(at - across, at + across);
        }
    }
}

void DrawGauge(QPainter& p) {
    const QPointF centre(362, 30);
    const double radius = 24;
    DrawShadow(p, centre + QPointF(3, 4), radius + 4, radius + 2, 70);
    QRadialGradient bezel(centre - QPointF(8, 9), radius * 1.6);
    bezel.setColorAt(0, QColor(250, 250, 252));
    bezel.setColorAt(0.45, QColor(150, 152, 158));
    bezel.setColorAt(0.8, QColor(90, 92, 98));
    bezel.setColorAt(1, QColor(190, 192, 198));
    p.setPen(QPen(QColor(40, 42, 46), 0.8));
    p.setBrush(bezel);
    p.drawEllipse(centre, radius, radius);

    const double faceRadius = radius - 4.5;
    QRadialGradient face(centre - QPointF(4, 5), faceRadius * 1.4);
    face.setColorAt(0, QColor(250, 250, 244));
    face.setColorAt(1, QColor(200, 200, 192));
    p.setBrush(face);
    p.setPen(QPen(QColor(60, 60, 60), 0.6));
    p.drawEllipse(centre, faceRadius, faceRadius);

    // Scale over 270 degrees, the high end marked red.
    p.setBrush(Qt::NoBrush);
    const QRectF band(centre.x() - faceRadius + 3, centre.y() - faceRadius + 3, 2 * faceRadius - 6,
                      2 * faceRadius - 6);
    p.setPen(QPen(QColor(40, 160, 60), 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(band, 180 * 16, 45 * 16);
    p.setPen(QPen(QColor(200, 40, 30), 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(band, -45 * 16, 50 * 16);
    p.setPen(QPen(QColor(25, 25, 25), 0.8));
    for (int tick = 0; tick <= 20; ++tick) {
        const double angle = (225 - tick * 13.5) * kDegree;
        const double inner = faceRadius - (tick % 5 == 0 ? 7 : 4.5);
        const QPointF dir(std::cos(angle), -std::sin(angle));
        p.drawLine(centre + dir * inner, centre + dir * (faceRadius - 1.5));
    }
    // The needle rests near the top of the scale: air pressure, pump off.
    const double needle = (225 - 0.88 * 270) * kDegree;
    const QPointF dir(std::cos(needle), -std::sin(needle));
    p.setPen(QPen(QColor(150, 20, 20), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre - dir * 4, centre + dir * (faceRadius - 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(centre, 2.2, 2.2);

    // Glass highlight.
    QPainterPath glint;
    glint.moveTo(centre + QPointF(-faceRadius * 0.8, -faceRadius * 0.2));
    glint.quadTo(centre + QPointF(-faceRadius * 0.6, -faceRadius * 0.85),
                 centre + QPointF(faceRadius * 0.15, -faceRadius * 0.88));
    glint.quadTo(centre + QPointF(-faceRadius * 0.45, -faceRadius * 0.55),
                 centre + QPointF(-faceRadius * 0.8, -faceRadius * 0.2));
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawPath(glint);
}

// Camera look: lens fall-off towards the corners, a touch of softness and sensor grain.
void DevelopPhoto(QImage& image) {
    {
        QPainter p(&image);
        QRadialGradient vignette(QPointF(image.width() * 0.48, image.height() * 0.45),
                                 image.width() * 0.62);
        vignette.setColorAt(0, QColor(0, 0, 0, 0));
        vignette.setColorAt(0.6, QColor(0, 0, 0, 10));
        vignette.setColorAt(1, QColor(0, 0, 0, 110));
        p.fillRect(image.rect(), vignette);
    }
    const QImage sharp = image.copy();
    std::uint32_t seed = 20170611u;
    for (int y = 0; y < image.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            int sum[3] = {0, 0, 0};
            int weight = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int sx = std::clamp(x + dx, 0, image.width() - 1);
                    const int sy = std::clamp(y + dy, 0, image.height() - 1);
                    const int k = (dx == 0 && dy == 0) ? 8 : 1;
                    const QRgb c = sharp.pixel(sx, sy);
                    sum[0] += qRed(c) * k;
                    sum[1] += qGreen(c) * k;
                    sum[2] += qBlue(c) * k;
                    weight += k;
                }
            }
            seed = seed * 1664525u + 1013904223u;
            const int grain = static_cast<int>((seed >> 24) % 9) - 4;
            auto channel = [&](int i) { return std::clamp(sum[i] / weight + grain, 0, 255); };
            out[x] = qRgb(channel(0), channel(1), channel(2));
        }
    }
}

}  // namespace

QImage PaintApparatusPhoto(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const Chamber chamber;
        DrawRoom(p, width, height, 96);
        DrawControlBox(p);
        DrawMotorAndLegs(p, chamber);
        DrawCable(p);
        DrawPumpLine(p, chamber);
        DrawChamberBody(p, chamber);
        DrawRotorThroughLid(p, chamber);
        DrawGauge(p);
    }
    DevelopPhoto(image);
    return image;
}

QImage PaintLidSymbol(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(QColor(128, 128, 128));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const double s = size / 105.0;
    const QPointF centre(52.5 * s, 52.5 * s);
    const double radius = 33 * s;
    const double startAngle = 110;  // degrees, counter-clockwise from east as Qt counts
    const double sweep = -235;      // negative: clockwise on screen
    QPainterPath arc;
    arc.arcMoveTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                  startAngle);
    arc.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), startAngle,
              sweep);
    QPainterPathStroker stroker;
    stroker.setWidth(11 * s);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath arrow = stroker.createStroke(arc);

    QPainterPath headPath;
    headPath.addPolygon(ClockwiseHead(centre, radius, startAngle + sweep, 20 * s, 15 * s));
    headPath.closeSubpath();
    arrow = arrow.united(headPath).simplified();

    p.setPen(QPen(QColor(70, 60, 0), 1.6 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 226, 0));
    p.drawPath(arrow);
    return image;
}

QImage PaintSourceIcon(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size / 2.0, size / 2.0);
    const double radius = size * 0.3;
    QRadialGradient gold(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.4);
    gold.setColorAt(0, QColor(255, 255, 170));
    gold.setColorAt(0.35, QColor(255, 228, 20));
    gold.setColorAt(1, QColor(200, 150, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawEllipse(centre, radius, radius);
    return image;
}

QImage PaintAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 256.0;

    // Teal tile.
    const QRectF tile(6 * s, 6 * s, 244 * s, 244 * s);
    QLinearGradient teal(tile.topLeft(), tile.bottomLeft());
    teal.setColorAt(0, QColor(0, 150, 150));
    teal.setColorAt(1, QColor(0, 98, 104));
    p.setPen(QPen(QColor(0, 60, 64), std::max(1.0, 3 * s)));
    p.setBrush(teal);
    p.drawRoundedRect(tile, 44 * s, 44 * s);

    // Rotor disc.
    const QPointF centre(128 * s, 128 * s);
    const double radius = 92 * s;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(centre + QPointF(4 * s, 6 * s), radius, radius);
    QRadialGradient silver(centre - QPointF(30 * s, 34 * s), radius * 1.5);
    silver.setColorAt(0, QColor(246, 247, 249));
    silver.setColorAt(0.5, QColor(196, 198, 202));
    silver.setColorAt(1, QColor(120, 122, 128));
    p.setBrush(silver);
    p.setPen(QPen(QColor(20, 20, 22), std::max(1.5, 6 * s)));
    p.drawEllipse(centre, radius, radius);

    // Turning direction: a clockwise arc inside the rim, drawn only where it stays legible.
    if (size >= 128) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(90, 92, 98), 6 * s, Qt::SolidLine, Qt::RoundCap));
        const QRectF track(centre.x() - 66 * s, centre.y() - 66 * s, 132 * s, 132 * s);
        p.setBrush(QColor(90, 92, 98));
        for (const int start : {40, 220}) {
            p.drawArc(track, start * 16, -55 * 16);
            p.setPen(Qt::NoPen);
            p.drawPolygon(ClockwiseHead(centre, 66 * s, start - 55, 16 * s, 10 * s));
            p.setPen(QPen(QColor(90, 92, 98), 6 * s, Qt::SolidLine, Qt::RoundCap));
        }
    }

    // Hub and the two sources at the top and bottom mounting places.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(16, 16, 18));
    p.drawEllipse(centre, 18 * s, 18 * s);
    for (const double dy : {-62.0, 62.0}) {
        const QPointF at = centre + QPointF(0, dy * s);
        const double r = 19 * s;
        QRadialGradient gold(at - QPointF(r * 0.35, r * 0.35), r * 1.4);
        gold.setColorAt(0, QColor(255, 255, 170));
        gold.setColorAt(0.35, QColor(255, 226, 0));
        gold.setColorAt(1, QColor(190, 140, 0));
        p.setBrush(gold);
        p.setPen(QPen(QColor(20, 20, 22), std::max(1.0, 4 * s)));
        p.drawEllipse(at, r, r);
    }
    return image;
}

}  // namespace sim::artwork
