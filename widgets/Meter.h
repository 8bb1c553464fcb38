#pragma once

// UMuszr: the moving-needle panel meter that shows the chamber pressure and the rotor speed.

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QPainter;

namespace sim {

// v as "%10.3e" prints it, but with an uppercase "E" and at least three exponent digits:
// " 1.50E-003", "-1.25E+001". Non-finite values keep the C library's text ("       inf").
std::string FormatMeterScientific(double v);

class TMuszer : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kInitialWidth = 265;
    static constexpr int kInitialHeight = 280;
    static constexpr int kDialWidth = kInitialWidth - 1;
    static constexpr int kDialHeight = 193;

    explicit TMuszer(QWidget* owner = nullptr);
    ~TMuszer() override;

    // The reading. Each call retexts the boxes and takes the settings as they stand; the dial
    // shows them at its next repaint.
    void SetValue(double v);

    double Mant() const { return mant_; }
    std::int32_t XExp() const { return xExp_; }
    double Value() const { return value_; }

    // Settings; a change shows at the next SetValue, never by itself.
    bool Auto() const { return auto_; }
    void SetAuto(bool on) { auto_ = on; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    std::int32_t XMax() const { return xMax_; }
    // Every draw divides by XMax, so values below 1 are refused and the old one kept.
    void SetXMax(std::int32_t xMax);
    bool Inverse() const { return inverse_; }
    void SetInverse(bool on) { inverse_ = on; }

    double StartAngle() const { return startAngle_; }
    double EndAngle() const { return endAngle_; }
    double NeedleAngle() const { return needleAngle_; }

    // Blank-prefixes s so that it sits right-aligned ('R') or centred ('C') in a left-aligned
    // edit box boxWidth pixels wide, measured in Edit1's face at pointSize; any other mode
    // returns s as it is.
    QString PadToWidth(const QString& s, int boxWidth, char mode, int pointSize);

    // What assistive technology hears: the number as the boxes show it, mantissa and power of
    // ten ("2.54·10⁻⁵"), put into the format's %1 ("Nyomás: %1 mbar"; "%1" by default).
    void SetReadingFormat(const QString& format) { readingFormat_ = format; }
    QString ShownNumber() const;
    QString AccessibleReading() const;
    // The shown number as a value, the scale's full deflection, and the last shown digit's unit.
    double ShownValue() const;
    double FullScale() const;
    double Resolution() const;
    // Tells assistive technology about a changed reading; its owner paces the calls, so a
    // reading that changes a hundred times a second is not sent as often.
    void PublishReading();

    QFrame* Panel1() const { return panel1_; }
    QWidget* Image1() const { return image1_; }
    QWidget* Shape1() const { return shape1_; }
    QLineEdit* Edit1() const { return edit1_; }
    QLineEdit* EdExp() const { return edExp_; }
    QLabel* Label1() const { return label1_; }
    QLineEdit* ECaption() const { return eCaption_; }

    QSize sizeHint() const override { return {kInitialWidth, kInitialHeight}; }

  private:
    class DialView;

    struct PadMetrics {
        int pointSize = 0;
        QFontMetrics metrics;
        int blankWidth = 0;
    };
    // Takes the reading and the scale settings as they stand: the boxes show them at once, the
    // dial at its next repaint.
    void TakeReading();
    // The dial of the last reading, drawn whole.
    const QImage& DrawDial();
    void DrawFace();
    void DrawScale(QPainter& painter);
    void DrawLabel(QPainter& painter, int value, QPoint centre, int shiftLeft);
    const PadMetrics& PadMetricsFor(int pointSize);
    static void SetTextIfChanged(QLineEdit* edit, const QString& text);

    double mant_ = 0;
    std::int32_t xExp_ = 0;
    double value_ = 0;
    bool auto_ = true;
    std::string caption_ = "Caption";
    QString readingFormat_ = QStringLiteral("%1");
    QString publishedReading_;
    std::int32_t xMax_ = 10;
    bool inverse_ = false;

    double startAngle_ = 0;
    double endAngle_ = 0;
    double needleAngle_ = 0;
    // The scale settings the last reading took: the dial shows these, not later changes.
    bool shownInverse_ = false;
    std::int32_t shownXMax_ = 10;

    QImage dial_;  // drawn whole at every paint: the fill works on its pixels
    QFont labelFont_;
    QFontMetrics labelMetrics_;
    std::array<int, 101> labelWidths_{};  // advance of each integer label, measured once
    QFont editFontFace_;                  // Edit1's face; PadToWidth sizes it
    std::vector<PadMetrics> padCache_;

    QFrame* panel1_ = nullptr;
    QWidget* image1_ = nullptr;
    QWidget* shape1_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edExp_ = nullptr;
    QLabel* label1_ = nullptr;
    QLineEdit* eCaption_ = nullptr;
};

}  // namespace sim
