#pragma once

// What the program's own widgets tell assistive technology (a screen reader through AT-SPI):
// roles for plain widgets, events for changes, and short spoken notices. The toolkit's own
// widgets (buttons, edits, check boxes, labels) describe themselves.

#include <QAccessible>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

namespace sim {

// Lets the program's widgets (the meter, the speed arrows) and roles given below describe
// themselves; the widgets that need it call it, any number of times.
void InstallAccessibleFactory();

// Makes a plain widget report this role (without it a plain widget is an anonymous filler).
// Call it before anything asks for the widget's accessible interface.
void SetAccessibleRole(QWidget* widget, QAccessible::Role role);

// An action assistive technology may perform on a widget, as a screen reader's "do action".
struct AccessibleAction {
    QString Name;
    QString KeyBinding;  // the key that does the same, as a key sequence's text
    std::function<void()> Run;
};
// Gives a widget these actions besides its own. They run from the event loop once the request
// has been answered, since one may open a modal dialog that waits for the same client.
void SetAccessibleActions(QWidget* widget, std::vector<AccessibleAction> actions);

// A widget shown inside another through a scaled view (an embedding the toolkit does not tell
// assistive technology of): the embedded widget becomes the view's child, so its controls are
// read as they are anywhere else.
void EmbedAccessibly(QWidget* view, QWidget* embedded);

// Sends an accessibility event about object when assistive technology listens.
void NotifyAccessible(QObject* object, QAccessible::Event type);
// A value change: listeners read the new value from the object.
void NotifyAccessibleValue(QObject* object, double value);

// Says a short text to assistive technology without taking the focus. The toolkit here has no
// announcement event, and AT-SPI drops its Alert event, so the text is a notification that
// appears each time: screen readers speak a notification as it is shown. Nothing is drawn.
class TAnnouncer : public QWidget {
    Q_OBJECT

  public:
    explicit TAnnouncer(QWidget* parent);

    void Announce(const QString& text);
    // The last text announced; also the notification's accessible name.
    const QString& Text() const { return text_; }

  private:
    QString text_;
};

}  // namespace sim
