#pragma once

#include <QWidget>

#include <deque>
#include <optional>
#include <string>

#include "apparatus/core/Form1Logic.h"
#include "apparatus/core/MeasurementLog.h"
#include "runner/core/Plot.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace sim {


// The runner's plot, painted to the widget's size with its proportions kept.
class TPlotView : public QWidget {
  public:
    explicit TPlotView(QWidget* parent);
    void SetData(PlotData shown);
    const PlotData& Data() const { return data_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PlotData data_;
};

// The class edition's measurement log: a window beside the main window with a table of every
// finished count and series point, a live plot of the counts against the rotor speed with
// their error bars (the runner's plot), the progress of a running series, and export.
class TNaplo : public QWidget {
    Q_OBJECT

  public:
    explicit TNaplo(QWidget* owner);

    // A single count or a series point, as the logic reports it.
    void AddCount(const FinishedCount& count);
    // Where the running series is (none once it has ended, which is then said).
    void ShowProgress(const std::optional<SeriesProgress>& progress);
    // The speed of time, shown beside the progress.
    void ShowSpeed(int factor);
    // Shows the log beside its owner, or brings it forward.
    void ShowLog();

    void SaveCsv();
    void SavePng();
    void CopyToClipboard() const;
    void ClearLog();

    const MeasurementLog& Log() const { return log_; }
    QString StatusText() const;

    QTableWidget* Table = nullptr;
    TPlotView* Plot = nullptr;
    QLabel* Status = nullptr;
    QPushButton* SaveCsvButton = nullptr;
    QPushButton* SavePngButton = nullptr;
    QPushButton* CopyButton = nullptr;
    QPushButton* ClearButton = nullptr;
    // Answers for the save dialogs, taken in order instead of showing them (for tests).
    std::deque<std::optional<std::string>> FileDialogAnswers;

  private:
    std::optional<std::string> AskForFile(const QString& title, const QString& filter,
                                          const QString& suffix);
    void WriteFile(const std::string& path, const std::string& content);
    void Refresh();
    void PlaceBesideOwner();

    QWidget* owner_;
    MeasurementLog log_;
    std::optional<SeriesProgress> shownProgress_;
    int seriesPoints_ = 0;  // of the running series, once known
    int speed_ = 1;
    QString outcome_;  // how the last series ended
    bool placed_ = false;
};

}  // namespace sim
