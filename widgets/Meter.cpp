#include "widgets/Meter.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "common/Conversions.h"
#include "common/Format.h"
#include "widgets/Accessibility.h"

namespace sim {

namespace {

// Dial geometry, in dial-image pixels. Angles are measured at the pivot from the leftward
// horizontal, turning up and over to the right.
constexpr QPoint kPivot{132, 168};
constexpr double kTickOuterRadius = 130;
constexpr double kTickInnerRadius = 120;
constexpr double kLabelRadius = 140;
constexpr double kOverrange = 0.17;  // how far past the scale's end the needle may go
// The face: a rounded rectangle with 50 x 50 corner ellipses, right and bottom exclusive.
constexpr QRect kFaceRect{QPoint{20, 10},
                          QPoint{TMuszer::kInitialWidth - 20 - 1, TMuszer::kDialHeight - 40 - 1}};
constexpr double kFaceCornerRadius = 25;
// The arc runs through the tick band along the ellipse inscribed in this rectangle (right and
// bottom exclusive), between the radials towards kArcFrom and kArcTo, counterclockwise.
constexpr QRect kArcRect{QPoint{10, 40}, QPoint{253 - 1, TMuszer::kDialHeight + 100 - 1}};
constexpr QPointF kArcFrom{280, 0};
constexpr QPointF kArcTo{0, 0};

constexpr QRect kPanel1Rect{0, 0, TMuszer::kInitialWidth, TMuszer::kInitialHeight};
constexpr QRect kImage1Rect{1, 0, TMuszer::kDialWidth, TMuszer::kDialHeight};
constexpr QRect kShape1Rect{124, 160, 16, 16};
constexpr QPoint kEdit1Pos{15, 190};
constexpr int kEdit1Width = 115;
constexpr QPoint kEdExpPos{178, 185};
constexpr int kEdExpWidth = 50;
constexpr QPoint kLabel1Pos{138, 196};
constexpr QPoint kECaptionPos{15, 235};
constexpr int kECaptionWidth = 237;

constexpr int kLabelPointSize = 8;
constexpr int kEdit1PointSize = 14;
constexpr int kEdExpPointSize = 11;
constexpr int kLabel1PointSize = 14;
constexpr int kECaptionPointSize = 14;

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
const QColor kHubGrey{128, 128, 128};

// The inverse scale: ticks at 10/n of the span, the heavier ones labelled.
constexpr std::array<int, 13> kInverseTicks{10, 11, 12, 13, 14, 15, 20, 25, 30, 40, 50, 100, 200};
constexpr bool IsMajorInverseTick(int n) {
    return n == 10 || n == 15 || n == 20 || n == 30 || n == 50 || n == 100;
}
constexpr int kLabel100ShiftLeft = 5;  // keeps "100" clear of the "50" beside it

QPoint DialPoint(double radius, double angle) {
    return {static_cast<int>(kPivot.x() - radius * std::cos(angle)),
            static_cast<int>(kPivot.y() - radius * std::sin(angle))};
}

QFont MeterFont(int pointSize, QFont::StyleStrategy strategy = QFont::PreferDefault) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif, strategy);
    font.setPointSize(pointSize);
    font.setBold(true);
    return font;
}

// Start and span of the arc in Qt's 1/16 degree units. Qt places the angles of an ellipse
// parametrically, so the radial directions are converted onto the ellipse's parameter.
struct ArcAngles {
    int start16;
    int span16;
};

const ArcAngles& DialArc() {
    static const ArcAngles arc = [] {
        const double cx = (kArcRect.left() + kArcRect.right() + 1) / 2.0;
        const double cy = (kArcRect.top() + kArcRect.bottom() + 1) / 2.0;
        const double a = (kArcRect.width()) / 2.0;
        const double b = (kArcRect.height()) / 2.0;
        auto parameter = [&](QPointF towards) {
            return std::atan2((cy - towards.y()) / b, (towards.x() - cx) / a) * 180 /
                   std::numbers::pi;
        };
        const double from = parameter(kArcFrom);
        double to = parameter(kArcTo);
        if (to < from) {
            to += 360;
        }
        return ArcAngles{static_cast<int>(std::lround(from * 16)),
                         static_cast<int>(std::lround((to - from) * 16))};
    }();
    return arc;
}

// Surface-mode fill: every pixel 4-connected to the seed through pixels of colour surface
// becomes fill. Scanline runs on an explicit stack, so a large area cannot exhaust the stack.
void FloodFillSurface(QImage& image, QPoint seed, QRgb surface, QRgb fill) {
    if (surface == fill || !image.rect().contains(seed)) {
        return;
    }
    const int width = image.width();
    const int height = image.height();
    auto row = [&](int y) { return reinterpret_cast<QRgb*>(image.scanLine(y)); };
    if (row(seed.y())[seed.x()] != surface) {
        return;
    }
    std::vector<QPoint> pending{seed};
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        QRgb* line = row(p.y());
        if (line[p.x()] != surface) {
            continue;
        }
        int left = p.x();
        while (left > 0 && line[left - 1] == surface) {
            --left;
        }
        int right = p.x();
        while (right < width - 1 && line[right + 1] == surface) {
            ++right;
        }
        std::fill(line + left, line + right + 1, fill);
        for (const int y : {p.y() - 1, p.y() + 1}) {
            if (y < 0 || y >= height) {
                continue;
            }
            const QRgb* next = row(y);
            for (int x = left; x <= right; ++x) {
                if (next[x] == surface && (x == left || next[x - 1] != surface)) {
                    pending.emplace_back(x, y);
                }
            }
        }
    }
}

// Shape1: the needle hub, a grey disc with a thin black outline.
class HubShape : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(kHubGrey);
        painter.drawEllipse(QRect(0, 0, width() - 1, height() - 1));
    }
};

QLineEdit* MakeReadOnlyEdit(QWidget* parent, const char* name, int pointSize,
                            const QColor& background, const QColor& foreground) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setFont(MeterFont(pointSize));
    QPalette palette = edit->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, background);
        palette.setColor(group, QPalette::Text, foreground);
    }
    edit->setPalette(palette);
    // A click selects its text as before; Tab passes by: the meter itself is what is read.
    edit->setFocusPolicy(Qt::ClickFocus);
    return edit;
}

// A whole number in superscript digits, as a power of ten is written.
QString Superscript(int n) {
    static constexpr char16_t kDigits[] =
        u"\u2070\u00B9\u00B2\u00B3\u2074\u2075\u2076\u2077\u2078\u2079";
    QString text;
    for (const QChar c : QString::number(n)) {
        text +=
            c == u'-' ? QChar(u'\u207B') : QChar(kDigits[static_cast<std::size_t>(c.digitValue())]);
    }
    return text;
}

}  // namespace

// Image1: the dial, drawn when it is painted.
class TMuszer::DialView : public QWidget {
  public:
    DialView(TMuszer& meter, QWidget* parent) : QWidget(parent), meter_(meter) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.drawImage(event->rect(), meter_.DrawDial(), event->rect());
    }

  private:
    TMuszer& meter_;
};

std::string FormatMeterScientific(double v) {
    const std::string c = Format("%.2e", v);
    const auto e = c.find('e');
    if (e == std::string::npos) {
        return Format("%10s", c.c_str());
    }
    const int exponent = std::atoi(c.c_str() + e + 1);
    return Format("%10s", Format("%sE%c%03d", c.substr(0, e).c_str(), exponent < 0 ? '-' : '+',
                                 std::abs(exponent))
                              .c_str());
}

TMuszer::TMuszer(QWidget* owner)
    : QWidget(owner),
      dial_(kDialWidth, kDialHeight, QImage::Format_RGB32),
      // Aliased labels keep the dial strictly black and white, as the fill expects.
      labelFont_(MeterFont(kLabelPointSize, QFont::NoAntialias)),
      labelMetrics_(labelFont_, &dial_),
      editFontFace_(MeterFont(kEdit1PointSize)) {
    labelWidths_.fill(-1);
    InstallAccessibleFactory();
    // Reached by Tab, so that a screen reader reads it; a click leaves the focus as it was.
    setFocusPolicy(Qt::TabFocus);

    resize(kInitialWidth, kInitialHeight);

    panel1_ = new QFrame(this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setGeometry(kPanel1Rect);
    panel1_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel1_->setLineWidth(1);
    QPalette panelPalette = panel1_->palette();
    panelPalette.setColor(QPalette::Window, Qt::black);
    panelPalette.setColor(QPalette::WindowText, Qt::white);
    panelPalette.setColor(QPalette::Light, Qt::white);
    panelPalette.setColor(QPalette::Dark, kHubGrey);
    panel1_->setPalette(panelPalette);
    panel1_->setAutoFillBackground(true);

    image1_ = new DialView(*this, panel1_);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(kImage1Rect);

    shape1_ = new HubShape(panel1_);
    shape1_->setObjectName(QStringLiteral("Shape1"));
    shape1_->setGeometry(kShape1Rect);

    edit1_ = MakeReadOnlyEdit(panel1_, "Edit1", kEdit1PointSize, Qt::black, Qt::white);
    edit1_->setGeometry(QRect(kEdit1Pos, QSize(kEdit1Width, edit1_->sizeHint().height())));

    edExp_ = MakeReadOnlyEdit(panel1_, "EdExp", kEdExpPointSize, Qt::black, Qt::white);
    edExp_->setGeometry(QRect(kEdExpPos, QSize(kEdExpWidth, edExp_->sizeHint().height())));

    label1_ = new QLabel(QStringLiteral("x10"), panel1_);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setFont(MeterFont(kLabel1PointSize));
    QPalette labelPalette = label1_->palette();
    labelPalette.setColor(QPalette::Window, Qt::black);
    labelPalette.setColor(QPalette::WindowText, Qt::white);
    label1_->setPalette(labelPalette);
    label1_->setAutoFillBackground(true);
    label1_->adjustSize();
    label1_->move(kLabel1Pos);

    eCaption_ = MakeReadOnlyEdit(this, "ECaption", kECaptionPointSize, Qt::white, Qt::black);
    eCaption_->setGeometry(
        QRect(kECaptionPos, QSize(kECaptionWidth, eCaption_->sizeHint().height())));
    eCaption_->raise();

    startAngle_ = std::atan2(170.0, 120.0);
    endAngle_ = std::numbers::pi - startAngle_;
    TakeReading();
}

TMuszer::~TMuszer() = default;

void TMuszer::SetXMax(std::int32_t xMax) {
    if (xMax >= 1) {
        xMax_ = xMax;
    }
}

void TMuszer::SetValue(double v) {
    value_ = v;
    if (auto_) {
        const std::string s = FormatMeterScientific(v);
        const auto e = s.find('E');
        if (e == std::string::npos) {
            // Only inf and nan print without an exponent.
            mant_ = v;
            xExp_ = 0;
        } else {
            mant_ = ParseReal(std::string_view(s).substr(0, e)).value_or(v);
            xExp_ = ParseWholeNumber(std::string_view(s).substr(e + 1)).value_or(0);
        }
    } else {
        mant_ = v / std::pow(10.0, xExp_);
    }
    TakeReading();
}

QString TMuszer::ShownNumber() const {
    return QString::fromStdString(Format("%12.4g", mant_)).trimmed() + QChar(u'\u00B7') +
           QStringLiteral("10") + Superscript(xExp_);
}

QString TMuszer::AccessibleReading() const {
    return readingFormat_.arg(ShownNumber());
}

double TMuszer::ShownValue() const {
    // Read back from the digits, so that 9.8 and 2 give 980 and not a neighbour of it.
    return QString::fromStdString(Format("%.4ge%d", mant_, xExp_)).toDouble();
}

double TMuszer::FullScale() const {
    return xMax_ * std::pow(10.0, xExp_);
}

double TMuszer::Resolution() const {
    // Three significant digits: the mantissa's hundredths.
    return std::pow(10.0, xExp_ - 2);
}

void TMuszer::PublishReading() {
    const QString reading = AccessibleReading();
    if (reading == publishedReading_) {
        return;
    }
    publishedReading_ = reading;
    NotifyAccessibleValue(this, ShownValue());
    NotifyAccessible(this, QAccessible::DescriptionChanged);
}

void TMuszer::TakeReading() {
    shownInverse_ = inverse_;
    shownXMax_ = xMax_;
    const double span = endAngle_ - startAngle_;
    double theta = 0;
    if (!inverse_) {
        theta = startAngle_ + span * mant_ / xMax_;
    } else {
        theta = value_ == 0 ? startAngle_ : startAngle_ + span * 10 / value_;
    }
    theta = std::min(theta, endAngle_ + kOverrange);
    if (!std::isfinite(theta)) {
        // NaN, or a reading so far below zero that it has no direction.
        theta = startAngle_;
    }
    needleAngle_ = theta;
    image1_->update();

    SetTextIfChanged(edit1_, PadToWidth(QString::fromStdString(Format("%12.4g", mant_)),
                                        edit1_->width(), 'R', kEdit1PointSize));
    SetTextIfChanged(edExp_, PadToWidth(QString::fromStdString(Format("%10d", xExp_)),
                                        edExp_->width(), 'L', kEdExpPointSize));
    SetTextIfChanged(eCaption_, PadToWidth(QString::fromStdString(caption_), eCaption_->width(),
                                           'C', kECaptionPointSize));
}

void TMuszer::DrawFace() {
    {
        QPainter painter(&dial_);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(kFaceRect, kFaceCornerRadius, kFaceCornerRadius);
    }
    FloodFillSurface(dial_, QPoint(0, 0), kWhite, kBlack);
}

void TMuszer::DrawLabel(QPainter& painter, int value, QPoint centre, int shiftLeft) {
    int& width = labelWidths_.at(static_cast<std::size_t>(value));
    const QString text = QString::number(value);
    if (width < 0) {
        width = labelMetrics_.horizontalAdvance(text);
    }
    const int height = labelMetrics_.height();
    const int left = centre.x() - width / 2 - shiftLeft;
    const int top = centre.y() - height / 2;
    // Opaque text: each label stands in its own white box.
    painter.fillRect(QRect(left, top, width, height), Qt::white);
    painter.drawText(QPoint(left, top + labelMetrics_.ascent()), text);
}

void TMuszer::DrawScale(QPainter& painter) {
    const double span = endAngle_ - startAngle_;
    const QPen thin(Qt::black, 1);
    auto tick = [&](double angle) {
        painter.drawLine(DialPoint(kTickOuterRadius, angle), DialPoint(kTickInnerRadius, angle));
    };
    painter.setPen(thin);
    if (!shownInverse_) {
        for (int i = 0; i <= 10; ++i) {
            const double angle = startAngle_ + span * i / shownXMax_;
            tick(angle);
            DrawLabel(painter, i, DialPoint(kLabelRadius, angle), 0);
        }
        return;
    }
    tick(startAngle_);
    const QPen heavy(Qt::black, 2, Qt::SolidLine, Qt::RoundCap);
    for (const int n : kInverseTicks) {
        const double angle = startAngle_ + span * 10 / n;
        const bool major = IsMajorInverseTick(n);
        painter.setPen(major ? heavy : thin);
        tick(angle);
        if (major) {
            painter.setPen(thin);
            DrawLabel(painter, n, DialPoint(kLabelRadius, angle),
                      n == 100 ? kLabel100ShiftLeft : 0);
        }
    }
}

const QImage& TMuszer::DrawDial() {
    // A white surface, so the fill blackens everything around the face.
    dial_.fill(kWhite);
    DrawFace();

    QPainter painter(&dial_);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    const ArcAngles& arc = DialArc();
    painter.drawArc(kArcRect, arc.start16, arc.span16);

    painter.setFont(labelFont_);
    DrawScale(painter);

    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(kPivot, DialPoint(kLabelRadius, needleAngle_));
    return dial_;
}

const TMuszer::PadMetrics& TMuszer::PadMetricsFor(int pointSize) {
    for (const PadMetrics& cached : padCache_) {
        if (cached.pointSize == pointSize) {
            return cached;
        }
    }
    QFont font = editFontFace_;
    font.setPointSize(pointSize);
    QFontMetrics metrics(font, &dial_);
    const int blank = metrics.horizontalAdvance(QLatin1Char(' '));
    padCache_.push_back(PadMetrics{pointSize, metrics, blank});
    return padCache_.back();
}

QString TMuszer::PadToWidth(const QString& s, int boxWidth, char mode, int pointSize) {
    if (mode != 'R' && mode != 'C') {
        return s;
    }
    const PadMetrics& pad = PadMetricsFor(pointSize);
    const int width = pad.metrics.horizontalAdvance(s);
    const int target = mode == 'R' ? boxWidth - pointSize : (boxWidth + width) / 2 - pointSize;
    if (target <= width || pad.blankWidth <= 0) {
        // A face without a visible blank could never reach the target.
        return s;
    }
    // The shortest blank prefix that reaches the target. Blank advances add up to within a
    // pixel, so the estimate is settled with a measurement or two instead of one per blank.
    auto widthWith = [&](int blanks) {
        return pad.metrics.horizontalAdvance(QString(blanks, QLatin1Char(' ')) + s);
    };
    int blanks = (target - width + pad.blankWidth - 1) / pad.blankWidth;
    while (blanks > 0 && widthWith(blanks - 1) >= target) {
        --blanks;
    }
    while (widthWith(blanks) < target) {
        ++blanks;
    }
    return QString(blanks, QLatin1Char(' ')) + s;
}

void TMuszer::SetTextIfChanged(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) {
        edit->setText(text);
    }
}

}  // namespace sim
