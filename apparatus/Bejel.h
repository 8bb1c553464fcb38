#pragma once

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

#include "apparatus/core/Form1Logic.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace sim {

// The login: asks for the participant's identifier. On OK the identifier becomes
// "Brk2017_" + the typed text; one that could not be part of a file name is refused and the
// dialog stays open.
class TBejelentkez : public QDialog {
    Q_OBJECT

  public:
    explicit TBejelentkez(QWidget* parent = nullptr);

    void FormActivate();
    // Whether the dialog may close with the given result; sets the identifier on OK.
    bool FormCloseQuery(int result);
    const std::string& ParticipantId() const { return participantId_; }
    // Claims a typed identifier, or returns why it cannot be used (another window has it).
    std::function<std::optional<std::string>(const std::string&)> Claim;

    QLabel* Label1 = nullptr;
    QLineEdit* Password = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

  public slots:
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    std::string participantId_;
};

}  // namespace sim
