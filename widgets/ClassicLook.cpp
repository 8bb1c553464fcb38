#include "widgets/ClassicLook.h"

#include <QFrame>
#include <QLabel>

namespace sim {

namespace {
const QColor kBevelShadow(128, 128, 128);
const QColor kBevelHighlight(255, 255, 255);
}  // namespace

QFont ArialBold(int pixels) {
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(pixels);
    return font;
}

void SetColours(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* MakeLabel(QWidget* parent, QPoint at, const QString& text, const QFont& font,
                  const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->move(at);
    label->adjustSize();
    return label;
}

QFrame* MakeSunkenBevel(QWidget* parent) {
    auto* bevel = new QFrame(parent);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setLineWidth(1);
    QPalette palette = bevel->palette();
    palette.setColor(QPalette::Dark, kBevelShadow);
    palette.setColor(QPalette::Light, kBevelHighlight);
    bevel->setPalette(palette);
    return bevel;
}

}  // namespace sim
