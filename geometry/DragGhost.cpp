#include "geometry/DragGhost.h"

#include <QPainter>

namespace sim {

DragGhost::DragGhost(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    hide();
}

void DragGhost::ShowAt(const QRect& place, bool accepted) {
    accepted_ = accepted;
    setGeometry(place);
    show();
    raise();
    update();
}

void DragGhost::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QColor ink = accepted_ ? QColor(0, 160, 0) : QColor(220, 0, 0);
    QColor fill = ink;
    fill.setAlpha(70);
    painter.fillRect(rect(), fill);
    painter.setPen(QPen(ink, 2, Qt::DashLine));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
    if (!accepted_) {
        painter.drawLine(rect().topLeft(), rect().bottomRight());
        painter.drawLine(rect().topRight(), rect().bottomLeft());
    }
}

}  // namespace sim
