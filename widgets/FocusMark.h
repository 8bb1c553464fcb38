#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

#include <map>

namespace sim {

// The keyboard focus mark of one window: a gold ring with thin black edges around the control
// that has the focus, drawn over everything in the window so that it reads on the teal and black
// panels and on the light field alike. It shows while the keyboard leads (focus moved by Tab, a
// shortcut, a program or the window's activation) and hides from a mouse press until the
// keyboard moves the focus again, as the style's own focus frame does, so that a mouse user's
// window stays as it was.
class TFocusMark : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kGap = 1;   // between the control and the ring
    static constexpr int kEdge = 1;  // each black edge
    static constexpr int kBand = 2;  // the gold band between them
    static constexpr int kReach = kGap + 2 * kEdge + kBand;
    static inline const QColor kGold{255, 204, 0};

    // Marks the focus among host's descendants, drawing over host.
    explicit TFocusMark(QWidget* host);
    ~TFocusMark() override;

    // The ring of control also takes in companion (the speed arrows ring their edit too).
    void RingTogether(QWidget* control, QWidget* companion);

    // The control ringed now, or nullptr when the mark is hidden.
    QWidget* Marked() const;

    // Gives the focus to control for the program, not for a key or the mouse: the ring shows
    // on it only if the keyboard led before.
    void HandFocus(QWidget* control);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // Whether widget is ringed together with the focused control.
    bool IsCompanion(const QWidget* widget) const;
    void Follow(QWidget* focused);
    void Update();

    QWidget* host_;
    bool handing_ = false;
    QPointer<QWidget> focused_;
    bool keyboardLeads_ = true;
    std::map<const QWidget*, QPointer<QWidget>> companions_;
};

}  // namespace sim
