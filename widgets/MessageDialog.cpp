#include "widgets/MessageDialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>
#include <cstdint>
#include <utility>

#include "common/Platform.h"
#include "widgets/Accessibility.h"
#include "widgets/ClassicLook.h"
#include "widgets/FocusMark.h"

namespace sim {

namespace {

constexpr char kFontFace[] = "DejaVu Sans";
constexpr int kFontPoints = 8;
constexpr int kTextAreaExtraWidth = 5;  // text area width beyond the widest line
// A title bar's face, as large as the common ones, and the room its icon and buttons take.
constexpr double kTitleFaceScale = 1.4;
constexpr int kTitleBarControls = 110;
bool fitCaptionsInTitleBar = false;

struct ButtonKind {
    const char* caption;
    int width;
    QStyle::StandardPixmap glyph;
    // Styles without a glyph of their own for a kind (Fusion has none for Abort, Retry,
    // Ignore) get the nearest one they do have.
    QStyle::StandardPixmap fallbackGlyph;
    bool glyphAtLeft;  // glyph at the left margin, caption centred in the rest
};

// In creation order, which is also the order of the codes kMsgOk..kMsgNo.
// The captions are shown through tr(); the widths stay whatever the language.
const ButtonKind kButtons[] = {
    {QT_TRANSLATE_NOOP("sim::TSMsg", "Rendben"), 77, QStyle::SP_DialogOkButton,
     QStyle::SP_DialogApplyButton, true},
    {QT_TRANSLATE_NOOP("sim::TSMsg", "Mégsem"), 77, QStyle::SP_DialogCancelButton,
     QStyle::SP_DialogCloseButton, true},
    {QT_TRANSLATE_NOOP("sim::TSMsg", "Félbeszakít"), 89, QStyle::SP_DialogAbortButton,
     QStyle::SP_BrowserStop, false},
    {QT_TRANSLATE_NOOP("sim::TSMsg", "&Ismét"), 65, QStyle::SP_DialogRetryButton,
     QStyle::SP_BrowserReload, false},
    {QT_TRANSLATE_NOOP("sim::TSMsg", "&Tovább"), 89, QStyle::SP_DialogIgnoreButton,
     QStyle::SP_MediaSkipForward, false},
    {QT_TRANSLATE_NOOP("sim::TSMsg", "&Igen"), 55, QStyle::SP_DialogYesButton,
     QStyle::SP_DialogOkButton, false},
    {QT_TRANSLATE_NOOP("sim::TSMsg", "&Nem"), 65, QStyle::SP_DialogNoButton,
     QStyle::SP_DialogCancelButton, false},
};

// Indexes into kButtons of each button set, left to right (which is creation order).
const std::vector<std::size_t> kButtonSets[] = {
    {0}, {0, 1}, {2, 3, 4}, {1, 5, 6}, {5, 6}, {1, 3}, {0}, {0},
};

// Room the window manager's frame takes beside the dialog's client area.
constexpr int kFrameAllowance = 32;

// The longest prefix of text (whole characters, at least one) that fits into width.
qsizetype FittingPrefix(const QString& text, const QFontMetrics& fm, int width) {
    qsizetype fits = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype next = i + (text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1);
        if (fits > 0 && fm.horizontalAdvance(text.left(next)) > width) {
            break;
        }
        fits = next;
        i = next;
    }
    return fits;
}

// A line wider than width is broken after its last blank that still fits, or between
// characters where a single word is wider; nothing of it is lost, the blank at a break stays
// at the end of its line.
void WrapLine(QString line, const QFontMetrics& fm, int width, std::vector<std::string>& out) {
    while (fm.horizontalAdvance(line) > width) {
        const qsizetype fits = FittingPrefix(line, fm, width);
        const qsizetype blank = line.left(fits + 1).lastIndexOf(QLatin1Char(' '));
        const qsizetype cut = blank > 0 ? blank + 1 : fits;
        out.push_back(line.left(cut).toStdString());
        line.remove(0, cut);
    }
    out.push_back(line.toStdString());
}

// Keeps a computed extent within what a widget and an image can take, however long the text.
int ClampExtent(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, 0, QWIDGETSIZE_MAX));
}

// A push button whose glyph can sit at a fixed left margin with the caption centred in the
// remaining space; otherwise it paints as any push button (glyph and caption centred together).
class GlyphButton : public QPushButton {
  public:
    GlyphButton(const ButtonKind& kind, QWidget* parent)
        : QPushButton(TSMsg::tr(kind.caption), parent), glyphAtLeft_(kind.glyphAtLeft) {
        QIcon glyph = style()->standardIcon(kind.glyph, nullptr, this);
        if (glyph.isNull()) {
            glyph = style()->standardIcon(kind.fallbackGlyph, nullptr, this);
        }
        setIcon(glyph);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        if (!glyphAtLeft_) {
            QPushButton::paintEvent(event);
            return;
        }
        QStylePainter p(this);
        QStyleOptionButton opt;
        initStyleOption(&opt);
        p.drawControl(QStyle::CE_PushButtonBevel, opt);

        QPoint shift;
        if (isDown()) {
            shift = {style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &opt, this),
                     style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &opt, this)};
        }
        const QSize glyphSize = iconSize();
        const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
        const QPixmap glyph = icon().pixmap(glyphSize, devicePixelRatio(), mode);
        const int glyphTop = (height() - glyphSize.height()) / 2;
        p.drawPixmap(QPoint(kGlyphMargin, glyphTop) + shift, glyph);

        const int textLeft = kGlyphMargin + glyphSize.width();
        const QRect textRect = QRect(textLeft, 0, width() - textLeft, height()).translated(shift);
        p.drawItemText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                       text(), QPalette::ButtonText);

        if (opt.state.testFlag(QStyle::State_HasFocus)) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(opt);
            focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &opt, this);
            p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }

  private:
    static constexpr int kGlyphMargin = TSMsg::kGlyphMargin;
    bool glyphAtLeft_;
};

// The accelerator letter of a caption ("&Nem" -> 'N'), or a null character.
QChar MnemonicOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (caption[i + 1] != u'&') {
                return caption[i + 1].toUpper();
            }
            ++i;
        }
    }
    return {};
}

QPointer<TSMsg>& Instance() {
    static QPointer<TSMsg> instance;
    return instance;
}

MessageResponder& Responder() {
    static MessageResponder responder;
    return responder;
}

int ToResult(int code) {
    return code >= kMsgOk && code <= kMsgNo ? code : kMsgNone;
}

}  // namespace

// The text area: draws the message's lines when it is painted.
class TSMsg::TextView : public QWidget {
  public:
    TextView(const TSMsg& dialog, QWidget* parent) : QWidget(parent), dialog_(dialog) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter p(this);
        p.drawImage(event->rect().topLeft(), dialog_.DrawLines(event->rect()));
    }

  private:
    const TSMsg& dialog_;
};

std::vector<std::string> SplitMessageLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t cr = text.find('\r', start);
        if (cr == std::string::npos) {
            lines.emplace_back(text, start);
            return lines;
        }
        lines.emplace_back(text, start, cr - start);
        start = cr + 1;
    }
}

TSMsg::TSMsg(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      font_(QString::fromLatin1(kFontFace), kFontPoints, QFont::Bold),
      owner_(owner) {
    font_.setStyleHint(QFont::SansSerif);
    setFont(font_);
    SetColours(this, kTeal, Qt::black);
    // Read as the toolkit's own message box is: an alert whose text is a label in it.
    SetAccessibleRole(this, QAccessible::AlertMessage);
    bevel1_ = MakeSunkenBevel(this);
    bevel1_->move(kBevelLeft, kBevelTop);

    image1_ = new TextView(*this, this);
    SetAccessibleRole(image1_, QAccessible::StaticText);

    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        auto* button = new GlyphButton(kButtons[i], this);
        button->resize(kButtons[i].width, kButtonHeight);
        button->setPalette(QApplication::palette());
        button->hide();
        const int code = kMsgOk + static_cast<int>(i);
        connect(button, &QPushButton::clicked, this, [this, code] { done(code); });
        buttons_[i] = button;
    }
    tabOrder_ = buttons_;
    new TFocusMark(this);
}

TSMsg::~TSMsg() = default;

void TSMsg::SetOwner(QWidget* owner) {
    owner_ = owner;
}

std::vector<QPushButton*> TSMsg::ShownButtons() const {
    std::vector<QPushButton*> shown;
    for (QPushButton* b : buttons_) {
        if (!b->isHidden()) {
            shown.push_back(b);
        }
    }
    return shown;
}

QPushButton* TSMsg::FirstShownInTabOrder() const {
    for (QPushButton* b : tabOrder_) {
        if (!b->isHidden()) {
            return b;
        }
    }
    return nullptr;
}

QPushButton* TSMsg::ButtonOfCode(int code) const {
    return code >= kMsgOk && code <= kMsgNo ? buttons_[static_cast<std::size_t>(code - kMsgOk)]
                                            : nullptr;
}

void TSMsg::Prepare(const std::string& text, const std::string& caption, int flags) {
    for (QPushButton* b : buttons_) {
        b->hide();
    }
    setWindowTitle(QString::fromUtf8(caption));
    lines_.clear();
    // The text as written, one line per line, not as wrapped to the screen.
    QStringList written;
    for (const std::string& line : SplitMessageLines(text)) {
        written << QString::fromStdString(line);
    }
    const QString spoken = written.join(u'\n');
    image1_->setAccessibleName(spoken);
    setAccessibleDescription(spoken);

    const QPoint textPos(bevel1_->x() + kTextInset, bevel1_->y() + kTextInset);
    image1_->move(textPos);

    // The title bar may use another face; the dialog's own is the one that sizes the dialog.
    const QFontMetrics fm(font_);
    int maxW = fm.horizontalAdvance(QString::fromUtf8(caption));

    const std::vector<std::size_t>& set = kButtonSets[flags & kMsgButtonSetMask];
    int sumW = 0;
    for (std::size_t i : set) {
        buttons_[i]->show();
        sumW += buttons_[i]->width();
    }
    maxW = std::max(maxW, sumW);
    if (fitCaptionsInTitleBar && !caption.empty()) {
        QFont title = font_;
        title.setBold(true);
        title.setPointSizeF(font_.pointSizeF() * kTitleFaceScale);
        const int titleW = QFontMetrics(title).horizontalAdvance(QString::fromUtf8(caption)) +
                           kTitleBarControls - 2 * textPos.x() - kTextAreaExtraWidth;
        maxW = std::max(maxW, titleW);
    }

    // A line wider than the screen is wrapped, so the reason and the buttons stay on it.
    const QScreen* shownOn = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    const int wrapWidth = shownOn == nullptr
                              ? QWIDGETSIZE_MAX
                              : std::max(fm.averageCharWidth(),
                                         shownOn->availableGeometry().width() - 2 * textPos.x() -
                                             kTextAreaExtraWidth - kFrameAllowance);
    maxW = std::min(maxW, wrapWidth);
    for (const std::string& line : SplitMessageLines(text)) {
        WrapLine(QString::fromStdString(line), fm, wrapWidth, lines_);
    }
    for (const std::string& line : lines_) {
        maxW = std::max(maxW, fm.horizontalAdvance(QString::fromStdString(line)));
    }

    const int lineH = fm.size(Qt::TextSingleLine, QStringLiteral("fj")).height();
    const auto lineCount = static_cast<std::int64_t>(lines_.size());

    // Sizes are the controls' outer sizes. For the dialog they are its client size: the frame
    // and title bar around it belong to the window manager.
    const int textW = ClampExtent(std::int64_t{maxW} + kTextAreaExtraWidth);
    const int textH = ClampExtent((lineCount + 1) * lineH);
    image1_->resize(textW, textH);
    bevel1_->resize(ClampExtent(2 * std::int64_t{textPos.x() - bevel1_->x()} + textW),
                    ClampExtent(2 * std::int64_t{textPos.y() - bevel1_->y()} + textH));
    const int dialogW = ClampExtent(std::int64_t{textW} + 2 * std::int64_t{textPos.x()});
    const int buttonTop = ClampExtent(std::int64_t{bevel1_->y()} + bevel1_->height() + kButtonGap);
    const int dialogH = ClampExtent(std::int64_t{bevel1_->y()} + bevel1_->height() +
                                    OKBtn()->height() + kBottomMargin);
    setFixedSize(dialogW, dialogH);
    image1_->update();

    const int defaultIndex = (flags >> kMsgDefaultShift) & kMsgDefaultMask;
    const int slot = dialogW / static_cast<int>(set.size());
    int cx = slot / 2;
    int k = 0;
    for (std::size_t i : set) {
        QPushButton* b = buttons_[i];
        if (k == defaultIndex) {
            auto it = std::find(tabOrder_.begin(), tabOrder_.end(), b);
            std::rotate(tabOrder_.begin(), it, it + 1);
        }
        b->move(cx - b->width() / 2, buttonTop);
        cx += slot;
        ++k;
    }
    for (std::size_t i = 0; i + 1 < tabOrder_.size(); ++i) {
        QWidget::setTabOrder(tabOrder_[i], tabOrder_[i + 1]);
    }

    if (!platform::ExclamationBeep()) {
        QApplication::beep();
    }
}

QImage TSMsg::DrawLines(const QRect& area) const {
    // On an image rather than on the widget, so that the text is rasterised the same way
    // whatever the window system's own text rendering.
    QImage picture(area.size(), QImage::Format_RGB32);
    if (picture.isNull()) {
        return picture;
    }
    picture.fill(QApplication::palette().color(QPalette::Base));

    QPainter p(&picture);
    p.translate(-area.topLeft());
    p.setFont(font_);
    p.setPen(Qt::black);
    const QFontMetrics fm(font_);
    const std::int64_t step = fm.size(Qt::TextSingleLine, QStringLiteral("jf")).height();
    const int width = image1_->width();
    std::int64_t y = kTextTop;
    for (const std::string& line : lines_) {
        // Lines a whole step away from the area cannot reach into it, whatever their glyphs.
        if (y >= image1_->height() || y > area.bottom() + step) {
            break;
        }
        if (y + 2 * step > area.top()) {
            const QString s = QString::fromUtf8(line);
            const int x = (width - fm.horizontalAdvance(s)) / 2;
            p.drawText(QPoint(x, static_cast<int>(y) + fm.ascent()), s);
        }
        y += step;
    }
    return picture;
}

void TSMsg::FocusFirstInTabOrder() const {
    if (QPushButton* first = FirstShownInTabOrder()) {
        first->setFocus(Qt::TabFocusReason);
    }
}

void TSMsg::CentreOverOwner() {
    QScreen* scr = owner_ ? owner_->screen() : screen();
    if (scr == nullptr) {
        return;
    }
    const QRect area = owner_ ? owner_->window()->frameGeometry() : scr->availableGeometry();
    QPoint topLeft = area.center() - QPoint(width() / 2, height() / 2);
    // A dialog wider or taller than the screen keeps its title bar reachable.
    const QRect avail = scr->availableGeometry();
    topLeft.setX(std::max(topLeft.x(), avail.left()));
    topLeft.setY(std::max(topLeft.y(), avail.top()));
    move(topLeft);
}

int TSMsg::Execute(const std::string& text, const std::string& caption, int flags) {
    Prepare(text, caption, flags);
    if (isVisible()) {
        // Hiding the old buttons may have moved the focus anywhere; give it to the new default.
        FocusFirstInTabOrder();
        return kMsgNone;
    }
    if (parentWidget() != owner_.data()) {
        setParent(owner_, windowFlags());
    }
    CentreOverOwner();
    return ToResult(exec());
}

void TSMsg::reject() {
    done(kMsgCancel);
}

void TSMsg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FocusFirstInTabOrder();
    NotifyAccessible(this, QAccessible::Alert);
}

void TSMsg::keyPressEvent(QKeyEvent* event) {
    const auto click = [event](QPushButton* b) {
        event->accept();
        if (b != nullptr && !b->isHidden()) {
            b->click();
            return true;
        }
        return false;
    };
    switch (event->key()) {
        case Qt::Key_Escape:
            // Cancel, else No; with neither shown Escape does nothing.
            if (!click(CancelBtn())) {
                click(NoBtn());
            }
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            click(qobject_cast<QPushButton*>(focusWidget()));
            return;
        default:
            break;
    }
    // A bare accelerator letter presses its button too: nothing here takes typed text.
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if ((mods == Qt::NoModifier || mods == Qt::AltModifier) && event->text().size() == 1) {
        const QChar letter = event->text()[0].toUpper();
        for (QPushButton* b : ShownButtons()) {
            if (!letter.isNull() && MnemonicOf(b->text()) == letter) {
                click(b);
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

TSMsg* CreateMessageDialog(QWidget* owner) {
    QPointer<TSMsg>& instance = Instance();
    if (!instance) {
        instance = new TSMsg(owner);
        static bool deletedAtQuit = false;
        if (owner == nullptr && !deletedAtQuit) {
            // Nothing else would delete a top-level dialog.
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp,
                             [] { DestroyMessageDialog(); });
            deletedAtQuit = true;
        }
    }
    return instance;
}

TSMsg* MessageDialog() {
    return Instance();
}

void SetMessageDialogOwner(QWidget* owner) {
    CreateMessageDialog(owner)->SetOwner(owner);
}

void DestroyMessageDialog() {
    delete Instance().data();
}

MessageResponder SetMessageResponder(MessageResponder responder) {
    return std::exchange(Responder(), std::move(responder));
}

void FitCaptionsInTitleBar(bool fit) {
    fitCaptionsInTitleBar = fit;
}

int ShowMessageDialog(const std::string& text, const std::string& caption, int flags) {
    if (Responder()) {
        // A copy: the responder may replace itself while it answers.
        const MessageResponder responder = Responder();
        return ToResult(responder(text, caption, flags));
    }
    return CreateMessageDialog()->Execute(text, caption, flags);
}

}  // namespace sim
