#include "apparatus/Naplo.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTime>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>

#include "common/Format.h"
#include "common/ReplaceFile.h"
#include "runner/PngPlot.h"
#include "runner/core/Plot.h"
#include "widgets/FileDialogs.h"
#include "widgets/MessageDialog.h"

namespace sim {

namespace {

constexpr QSize kInitialSize(760, 640);
constexpr int kGap = 8;  // between the main window and the log
constexpr int kPlotMinimumHeight = 280;
constexpr int kMinimumWidth = 400;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

PlotData PlotOf(const MeasurementLog& log) {
    PlotData data;
    data.BarsFromCounts = true;
    data.ShowExpected = false;
    const std::vector<const LogRow*> rows = log.PlotRows();
    for (const LogRow* row : rows) {
        RunPoint point;
        point.Setpoint = row->Count.Speed;
        point.Counts = row->Count.Counts;
        point.Expected = row->Count.Counts;
        data.Points.push_back(point);
    }
    data.Title = rows.empty() || rows.front()->Series == 0
                     ? TNaplo::tr("Egyes mérések").toStdString()
                     : TNaplo::tr("%1. sorozat").arg(rows.front()->Series).toStdString();
    return data;
}

}  // namespace

TPlotView::TPlotView(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(kPlotMinimumHeight);
    setAccessibleName(TNaplo::tr("Grafikon"));
}

void TPlotView::SetData(PlotData shown) {
    data_ = std::move(shown);
    update();
}

void TPlotView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const double scale = std::min(width() / double{kPlotWidth}, height() / double{kPlotHeight});
    painter.translate((width() - kPlotWidth * scale) / 2, (height() - kPlotHeight * scale) / 2);
    painter.scale(scale, scale);
    PaintPlot(data_, painter);
}

TNaplo::TNaplo(QWidget* owner) : QWidget(owner, Qt::Window), owner_(owner) {
    setWindowTitle(tr("Mérési napló"));
    resize(kInitialSize);
    Status = new QLabel(this);
    Status->setWordWrap(true);
    Table = new QTableWidget(0, static_cast<int>(kLogColumnCount), this);
    QStringList headers;
    for (const TrText& column : kLogColumns) {
        headers << Q(Tr(column));
    }
    Table->setHorizontalHeaderLabels(headers);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->verticalHeader()->setVisible(false);
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Table->setAccessibleName(windowTitle());
    Plot = new TPlotView(this);

    SaveCsvButton = new QPushButton(tr("Mentés CSV-fájlba…"), this);
    SavePngButton = new QPushButton(tr("Grafikon mentése PNG-be…"), this);
    CopyButton = new QPushButton(tr("Másolás a vágólapra"), this);
    ClearButton = new QPushButton(tr("Napló törlése"), this);
    connect(SaveCsvButton, &QPushButton::clicked, this, [this] { SaveCsv(); });
    connect(SavePngButton, &QPushButton::clicked, this, [this] { SavePng(); });
    connect(CopyButton, &QPushButton::clicked, this, [this] { CopyToClipboard(); });
    connect(ClearButton, &QPushButton::clicked, this, [this] { ClearLog(); });

    // Two rows of two, so that the log fits a narrow room beside the main window.
    auto* buttons = new QGridLayout;
    buttons->addWidget(SaveCsvButton, 0, 0);
    buttons->addWidget(SavePngButton, 0, 1);
    buttons->addWidget(CopyButton, 1, 0);
    buttons->addWidget(ClearButton, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Status);
    layout->addWidget(Table, 1);
    layout->addWidget(Plot, 1);
    layout->addLayout(buttons);
    Refresh();
}

void TNaplo::AddCount(const FinishedCount& count) {
    log_.Add(count, QTime::currentTime().toString(QStringLiteral("HH:mm:ss")).toStdString());
    Refresh();
    Table->scrollToBottom();
}

void TNaplo::ShowProgress(const std::optional<SeriesProgress>& progress) {
    const bool same = progress.has_value() == shownProgress_.has_value() &&
                      (!progress || (progress->Point == shownProgress_->Point &&
                                     progress->Setpoint == shownProgress_->Setpoint));
    if (same) {
        return;
    }
    if (progress) {
        seriesPoints_ = progress->Points;
        outcome_.clear();
    } else if (shownProgress_) {
        // The series has ended: completely, or stopped by an error before its last point.
        const std::vector<const LogRow*> rows = log_.PlotRows();
        const int measured = rows.empty() || rows.front()->Series == 0
                                 ? 0
                                 : static_cast<int>(rows.size());
        outcome_ = measured >= seriesPoints_
                       ? tr("A sorozat véget ért: %1 pont.").arg(measured)
                       : tr("A sorozat megszakadt: %1 pont készült el a(z) %2 közül.")
                             .arg(measured)
                             .arg(seriesPoints_);
    }
    shownProgress_ = progress;
    Status->setText(StatusText());
}

void TNaplo::ShowSpeed(int factor) {
    speed_ = factor;
    Status->setText(StatusText());
}

QString TNaplo::StatusText() const {
    QString text = tr("Idő: ×%1").arg(speed_);
    if (shownProgress_) {
        text += QStringLiteral(" · ") + tr("%1. pont / %2, %3 1/s")
                                            .arg(shownProgress_->Point)
                                            .arg(shownProgress_->Points)
                                            .arg(Q(Format("%.0f", shownProgress_->Setpoint)));
    } else if (!outcome_.isEmpty()) {
        text += QStringLiteral(" · ") + outcome_;
    }
    return text;
}

void TNaplo::Refresh() {
    const std::vector<LogRow>& rows = log_.Rows();
    Table->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::vector<std::string> cells = MeasurementLog::Cells(rows[r]);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(Q(cells[c]));
            item->setTextAlignment(c == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
            Table->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    Plot->SetData(PlotOf(log_));
    const bool any = !rows.empty();
    for (QPushButton* button : {SaveCsvButton, SavePngButton, CopyButton, ClearButton}) {
        button->setEnabled(any);
    }
    Status->setText(StatusText());
}

void TNaplo::ShowLog() {
    if (!placed_) {
        PlaceBesideOwner();
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

void TNaplo::PlaceBesideOwner() {
    const QScreen* screen = owner_->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QRect main = owner_->frameGeometry();
    // Beside the main window, narrower where the room there is less, on the side with more
    // room; over the main window's right edge only where neither side has enough.
    const int right = area.right() - main.right() - kGap;
    const int left = main.left() - kGap - area.left();
    const int room = std::max(right, left);
    if (room >= kMinimumWidth) {
        resize(std::min(width(), room), height());
    }
    QPoint at(right >= left ? main.right() + kGap : main.left() - kGap - width(), main.top());
    if (room < kMinimumWidth) {
        at.setX(area.right() - width());
    }
    at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - height())));
    move(at);
}

std::optional<std::string> TNaplo::AskForFile(const QString& title, const QString& filter,
                                              const QString& suffix) {
    if (!FileDialogAnswers.empty()) {
        auto answer = FileDialogAnswers.front();
        FileDialogAnswers.pop_front();
        return answer;
    }
    QFileDialog dialog(this, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    PrepareFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front().toStdString();
}

void TNaplo::WriteFile(const std::string& path, const std::string& content) {
    if (const auto failure = ReplaceFile(path, content)) {
        ShowMessageDialog(tr("A fájl nem írható:\r%1 (%2)")
                              .arg(Q(path), Q(std::strerror(failure->Error)))
                              .toStdString(),
                          Tr(kInputErrorCaption), kMsgOkOnly);
    }
}

void TNaplo::SaveCsv() {
    if (const auto path = AskForFile(tr("Napló mentése"), tr("CSV-fájlok (*.csv)"), "csv")) {
        WriteFile(*path, log_.Csv());
    }
}

void TNaplo::SavePng() {
    if (const auto path = AskForFile(tr("Grafikon mentése"), tr("PNG-képek (*.png)"), "png")) {
        const std::string png = RenderPngPlot(Plot->Data());
        WriteFile(*path, png);
    }
}

void TNaplo::CopyToClipboard() const {
    QApplication::clipboard()->setText(Q(log_.Text()));
}

void TNaplo::ClearLog() {
    log_.Clear();
    Refresh();
}

}  // namespace sim
