#pragma once

#include <QColor>
#include <QWidget>

namespace sim {

// A filled rectangle or disc with a thin outline, as the classic shape control draws it.
class TShape : public QWidget {
    Q_OBJECT

  public:
    enum class Kind { Rectangle, Circle };

    TShape(QWidget* parent, Kind kind, QColor fill, QColor outline = Qt::black);

    void SetFill(QColor fill);
    QColor Fill() const { return fill_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Kind kind_;
    QColor fill_;
    QColor outline_;
};

// Up and down arrows bound to an edit by their owner: they only say which arrow was pressed.
class TUpDown : public QWidget {
    Q_OBJECT

  public:
    explicit TUpDown(QWidget* parent);

  signals:
    void Clicked(bool up);
};

}  // namespace sim
