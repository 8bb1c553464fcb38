#pragma once

#include <QColor>
#include <QWidget>

class QKeyEvent;
class QLineEdit;

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
// From the keyboard the Up and Down keys press them; assistive technology reads the pair as a
// spin box whose value is the bound edit's number.
class TUpDown : public QWidget {
    Q_OBJECT

  public:
    explicit TUpDown(QWidget* parent);

    // The edit whose number the arrows change, and that number's range and step.
    void SetBuddy(QLineEdit* buddy, int minimum, int maximum, int step);
    QLineEdit* Buddy() const { return buddy_; }
    int Value() const;
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    int Step() const { return step_; }

    // As a press of an arrow.
    void Press(bool up) { emit Clicked(up); }

  signals:
    void Clicked(bool up);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLineEdit* buddy_ = nullptr;
    int minimum_ = 0;
    int maximum_ = 0;
    int step_ = 1;
};

}  // namespace sim
