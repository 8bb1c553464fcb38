#pragma once

// Mymsg: the one dialog through which every error message and yes/no question is shown.
//
// The main window creates the single TSMsg as the first of its dialogs (CreateMessageDialog);
// messages are shown with the free ShowMessageDialog. Tests of windows that meet messages
// install a responder (SetMessageResponder, or ScopedMessageRecorder in
// widgets/MessageRecorder.h) instead of answering a real modal dialog.

#include <QDialog>
#include <QFont>
#include <QImage>
#include <QPointer>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "common/DialogCodes.h"

class QFrame;
class QPushButton;

namespace sim {

// The lines of a message: split at every character 13, which is dropped; character 10 stays in
// its line. k separators give k + 1 lines, so "" gives one empty line and a trailing separator
// an empty last line. Works on UTF-8 bytes (13 never occurs inside a multi-byte character).
std::vector<std::string> SplitMessageLines(const std::string& text);

class TSMsg : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kBevelLeft = 16;
    static constexpr int kBevelTop = 8;
    static constexpr int kTextInset = 4;  // text area inside the bevel
    static constexpr int kButtonHeight = 27;
    static constexpr int kButtonGap = 5;      // bevel bottom to button top
    static constexpr int kBottomMargin = 35;  // button bottom to dialog bottom
    static constexpr int kTextTop = 2;        // first line's top in the text area
    static constexpr int kGlyphMargin = 2;    // OK and Cancel glyphs from their left edge

    // The dialog is a child window of owner (nullptr: a top-level window) and is centred over
    // it whenever it opens.
    explicit TSMsg(QWidget* owner = nullptr);
    ~TSMsg() override;

    // Shows the message and waits, running the event loop, until a button or the close box
    // ends it; returns the button's code (1..7), else 0. Called while the dialog is already
    // open, it rewrites the open dialog with the new text, title and buttons and returns 0 at
    // once; the earlier call then returns the code of the button that closes it.
    int Execute(const std::string& text, const std::string& caption, int flags);

    // Takes the new owner at the next opening; call it while no message is open.
    void SetOwner(QWidget* owner);

    // The lines of the current message.
    const std::vector<std::string>& Lines() const { return lines_; }
    // The buttons of the last call, left to right.
    std::vector<QPushButton*> ShownButtons() const;
    // The button that is first in the tab order among the shown ones: it has the focus when
    // the dialog opens.
    QPushButton* FirstShownInTabOrder() const;
    // The button of a code (kMsgOk..kMsgNo), or nullptr.
    QPushButton* ButtonOfCode(int code) const;

    QFrame* Bevel1() const { return bevel1_; }
    QWidget* Image1() const { return image1_; }
    QPushButton* OKBtn() const { return buttons_[0]; }
    QPushButton* CancelBtn() const { return buttons_[1]; }
    QPushButton* AbortBtn() const { return buttons_[2]; }
    QPushButton* RetryBtn() const { return buttons_[3]; }
    QPushButton* IgnoreBtn() const { return buttons_[4]; }
    QPushButton* YesBtn() const { return buttons_[5]; }
    QPushButton* NoBtn() const { return buttons_[6]; }

  public slots:
    // Closing from the title bar (and any other rejection) counts as Cancel.
    void reject() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    static constexpr int kButtonCount = 7;
    class TextView;

    void Prepare(const std::string& text, const std::string& caption, int flags);
    // A part of the text area, with the lines that fall into it.
    QImage DrawLines(const QRect& area) const;
    void FocusFirstInTabOrder() const;
    void CentreOverOwner();

    QFont font_;
    std::vector<std::string> lines_;
    QPointer<QWidget> owner_;

    QFrame* bevel1_ = nullptr;
    QWidget* image1_ = nullptr;
    std::array<QPushButton*, kButtonCount> buttons_{};  // in creation order: OK .. No
    std::array<QPushButton*, kButtonCount> tabOrder_{};
};

// The program's one message dialog. CreateMessageDialog makes it, as a child window of owner
// (the main window, right after that is created); later calls return the same instance and
// leave its owner alone. Without an earlier CreateMessageDialog the first ShowMessageDialog
// makes it without owner, and it is then deleted when the application quits. Deleting its
// owner deletes it too; the next message then makes a new one.
TSMsg* CreateMessageDialog(QWidget* owner = nullptr);
// The instance, or nullptr if none exists.
TSMsg* MessageDialog();
// Sets the window the dialog centres over, from its next opening (creates the dialog).
void SetMessageDialogOwner(QWidget* owner);
// Deletes the instance, for an orderly end of a program or test that made it without owner.
void DestroyMessageDialog();

// Answers messages instead of the dialog, for tests: gets text, caption and flags and returns
// the code of the button "pressed".
using MessageResponder =
    std::function<int(const std::string& text, const std::string& caption, int flags)>;
// Installs a responder (an empty one restores the real dialog); returns the previous one.
MessageResponder SetMessageResponder(MessageResponder responder);

// The one road for messages and questions: text (UTF-8, lines separated by "\r"), caption and
// flags to the code of the pressed button (see TSMsg::Execute). Goes to the responder if one is
// installed, else to the single dialog.
int ShowMessageDialog(const std::string& text, const std::string& caption, int flags);

// The dialog's width follows its text, its buttons and its caption measured in the dialog's own
// font, which the Hungarian captions fit. A translated caption may be longer than its text: with
// this set, the dialog is also wide enough for the caption in a title bar's larger, bold face and
// beside the title bar's buttons, so the window manager need not cut it.
void FitCaptionsInTitleBar(bool fit);

}  // namespace sim
