#pragma once

#include <QWidget>

namespace sim {

// Where a dragged item would land: a translucent outline that follows the pointer, green over
// a place that accepts the drop and red over one that refuses it. It never takes the mouse, so
// it plays no part in finding the item under the pointer.
class DragGhost : public QWidget {
    Q_OBJECT

  public:
    explicit DragGhost(QWidget* parent);
    void ShowAt(const QRect& place, bool accepted);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool accepted_ = false;
};

}  // namespace sim
