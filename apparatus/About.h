#pragma once

#include <QDialog>

#include <string>

class QFrame;
class QLabel;
class QPushButton;

namespace sim {

// The About box: the program's icon, the competition and the task, the version, and the work
// folder, so that a contestant or a supervisor can find the files.
class TAboutBox : public QDialog {
    Q_OBJECT

  public:
    explicit TAboutBox(QWidget* parent = nullptr);
    void FormActivate() const;
    // Shows the folder in full; the box widens for a long one, up to a limit past which the
    // middle of the path gives way (the tooltip keeps it whole).
    void SetWorkFolder(const std::string& folder);
    // Which edition runs, beside the version.
    void SetMode(const QString& text);

    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* ProgramVersion = nullptr;
    QLabel* ProgramMode = nullptr;
    QLabel* WorkFolderCaption = nullptr;
    QLabel* WorkFolderPath = nullptr;
    QPushButton* OKButton = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Layout();
    QFrame* panel_ = nullptr;
};

}  // namespace sim
