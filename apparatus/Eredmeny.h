#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace sim {

// The auxiliary window: a text field and a button that empties it. Nothing shows it; the
// measurement start hides it.
class TForm2 : public QWidget {
    Q_OBJECT

  public:
    explicit TForm2(QWidget* parent = nullptr);
    void Button1Click() const;

    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;
};

}  // namespace sim
