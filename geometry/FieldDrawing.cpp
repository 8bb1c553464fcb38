#include "geometry/FieldDrawing.h"

#include <QPainter>
#include <QPen>
#include <QPolygon>

namespace sim {
namespace {

// QPainter cannot paint on palette or 1-bit images.
void MakePaintable(QImage& image) {
    switch (image.format()) {
        case QImage::Format_Mono:
        case QImage::Format_MonoLSB:
        case QImage::Format_Indexed8:
            image = image.convertToFormat(QImage::Format_RGB32);
            break;
        default:
            break;
    }
}

QPen FramePen() {
    // Square caps and mitred joins close the corners of the 2-px polylines.
    return QPen(QColor(kFieldInk), kFieldPenWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

// Fills the ellipse inscribed in [x1, x2) x [y1, y2) with the current brush and rims it with the
// current pen, the rim lying inside the box: a 2-px pen centred on the box inset by half its
// width.
void DrawBoxedEllipse(QPainter& p, int x1, int y1, int x2, int y2) {
    const qreal inset = p.pen().widthF() / 2;
    p.drawEllipse(QRectF(x1 + inset, y1 + inset, x2 - x1 - 2 * inset, y2 - y1 - 2 * inset));
}

}  // namespace

void DrawExperimentField(QImage& field, int cx, int cy, int R) {
    if (field.isNull()) {
        return;
    }
    MakePaintable(field);
    const int w = field.width();
    const int h = field.height();
    QPainter p(&field);
    p.setRenderHint(QPainter::Antialiasing, false);

    p.fillRect(field.rect(), QColor(kFieldBackground));

    p.setPen(FramePen());
    p.setBrush(Qt::NoBrush);
    const QPolygon frame{{1, 1}, {w - 1, 1}, {w - 1, h - 1}, {1, h - 1}, {1, 1}};
    p.drawPolyline(frame);

    p.fillRect(kWorkingArea, QColor(kWorkingAreaColour));

    p.setBrush(QColor(kRotorDiscColour));
    DrawBoxedEllipse(p, cx - R, cy - R, cx + R, cy + R);

    p.setBrush(QColor(kFieldInk));
    DrawBoxedEllipse(p, cx - kHubRadius, cy - kHubRadius, cx + kHubRadius, cy + kHubRadius);
}

void DrawPhotoFrame(QImage& photo, int W, int H) {
    if (photo.isNull()) {
        return;
    }
    MakePaintable(photo);
    QPainter p(&photo);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(FramePen());
    p.setBrush(Qt::NoBrush);
    const QPolygon frame{{1, 1}, {W - 1, 1}, {W - 1, H - 3}, {1, H - 3}, {1, 1}};
    p.drawPolyline(frame);
}

}  // namespace sim
