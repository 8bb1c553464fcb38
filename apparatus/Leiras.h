#pragma once

#include <QDialog>

class QTextBrowser;

namespace sim {

// The program's own user guide, shown by "Leírás" when the task document is not beside the
// program: a page built into the program, in the language in use (Hungarian where a language
// has no guide of its own). It is a window of its own, so it can stay open beside the work.
class TLeiras : public QDialog {
    Q_OBJECT

  public:
    explicit TLeiras(QWidget* parent = nullptr);
    // Another page of the guide in the same kind of window (the class edition's physics).
    TLeiras(QWidget* parent, const QString& title, const QString& page);

    // Shows the guide from its top, or brings it forward if it is open.
    void ShowGuide();

    QTextBrowser* Browser = nullptr;
};

}  // namespace sim
