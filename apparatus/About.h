#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace sim {

// The About box: the program's icon, the competition and the task.
class TAboutBox : public QDialog {
    Q_OBJECT

  public:
    explicit TAboutBox(QWidget* parent = nullptr);
    void FormActivate() const;

    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QPushButton* OKButton = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace sim
