#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>

class QFrame;
class QLabel;
class QWidget;

namespace sim {

// The look the windows share: teal backgrounds, Arial bold text, sunken frames.
inline const QColor kTeal(0, 128, 128);

// Arial bold at a pixel size; where Arial is missing the nearest sans-serif face stands in.
QFont ArialBold(int pixels);
// Fills the widget's background with a colour and gives its text another.
void SetColours(QWidget* widget, const QColor& background, const QColor& text);
// A label sized to its text.
QLabel* MakeLabel(QWidget* parent, QPoint at, const QString& text, const QFont& font,
                  const QColor& colour);
// A sunken frame lit from the top left, as on a teal panel.
QFrame* MakeSunkenBevel(QWidget* parent);

}  // namespace sim
