#include "widgets/Accessibility.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "widgets/Meter.h"
#include "widgets/Shapes.h"

namespace sim {

namespace {

constexpr char kRoleProperty[] = "simAccessibleRole";

// A meter reads like a dial gauge: its name is the caption, its value and description the
// reading as the meter shows it ("Nyomás: 2.54·10⁻⁵ mbar"), its numeric value that number.
// AT-SPI carries no value text in this toolkit version, so screen readers get the reading from
// the description.
class MeterAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit MeterAccessible(TMuszer* meter) : QAccessibleWidget(meter, QAccessible::Dial) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override {
        switch (type) {
            case QAccessible::Name:
                return widget()->accessibleName().isEmpty()
                           ? QString::fromStdString(Meter()->Caption()).trimmed()
                           : widget()->accessibleName();
            case QAccessible::Value:
            case QAccessible::Description:
                return Meter()->AccessibleReading();
            default:
                return QAccessibleWidget::text(type);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }

    QVariant currentValue() const override { return Meter()->ShownValue(); }
    // A display: its reading follows the apparatus alone.
    void setCurrentValue(const QVariant& /*value*/) override {}
    QVariant maximumValue() const override { return Meter()->FullScale(); }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return Meter()->Resolution(); }

  private:
    TMuszer* Meter() const { return static_cast<TMuszer*>(widget()); }
};

// The speed arrows read as a spin box whose value is the text of the edit they are bound to;
// raising or lowering it presses the arrows, so it changes only as a person's press would.
class UpDownAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit UpDownAccessible(TUpDown* upDown) : QAccessibleWidget(upDown, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Value && UpDown()->Buddy() != nullptr) {
            return UpDown()->Buddy()->text();
        }
        return QAccessibleWidget::text(type);
    }

    QVariant currentValue() const override { return UpDown()->Value(); }
    void setCurrentValue(const QVariant& value) override {
        const int wanted = value.toInt();
        // Each press moves one step or, at an end, nothing: at most a full sweep of presses.
        const int presses = (UpDown()->Maximum() - UpDown()->Minimum()) / UpDown()->Step() + 1;
        for (int i = 0; i < presses && UpDown()->Value() != wanted; ++i) {
            const int before = UpDown()->Value();
            const bool up = wanted > before;
            if (std::abs(wanted - before) < UpDown()->Step()) {
                break;
            }
            UpDown()->Press(up);
            if (UpDown()->Value() == before) {
                break;
            }
        }
    }
    QVariant maximumValue() const override { return UpDown()->Maximum(); }
    QVariant minimumValue() const override { return UpDown()->Minimum(); }
    QVariant minimumStepSize() const override { return UpDown()->Step(); }

    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << QAccessibleActionInterface::increaseAction()
                                                << QAccessibleActionInterface::decreaseAction();
    }
    void doAction(const QString& action) override {
        if (action == QAccessibleActionInterface::increaseAction()) {
            UpDown()->Press(true);
        } else if (action == QAccessibleActionInterface::decreaseAction()) {
            UpDown()->Press(false);
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == QAccessibleActionInterface::increaseAction()) {
            return {QStringLiteral("Up")};
        }
        if (action == QAccessibleActionInterface::decreaseAction()) {
            return {QStringLiteral("Down")};
        }
        return QAccessibleWidget::keyBindingsForAction(action);
    }

  private:
    TUpDown* UpDown() const { return static_cast<TUpDown*>(widget()); }
};

std::map<const QObject*, std::vector<AccessibleAction>>& Actions() {
    static std::map<const QObject*, std::vector<AccessibleAction>> actions;
    return actions;
}

// A widget with actions of the program's own beside the toolkit's.
class ActingAccessible : public QAccessibleWidget {
  public:
    ActingAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        for (const AccessibleAction& action : Own()) {
            names << action.Name;
        }
        return names;
    }
    void doAction(const QString& name) override {
        for (const AccessibleAction& action : Own()) {
            if (action.Name == name) {
                QTimer::singleShot(0, widget(), action.Run);
                return;
            }
        }
        QAccessibleWidget::doAction(name);
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        for (const AccessibleAction& action : Own()) {
            if (action.Name == name) {
                return {action.KeyBinding};
            }
        }
        return QAccessibleWidget::keyBindingsForAction(name);
    }

  private:
    const std::vector<AccessibleAction>& Own() const {
        static const std::vector<AccessibleAction> none;
        const auto it = Actions().find(object());
        return it != Actions().end() ? it->second : none;
    }
};

// The views and the widgets shown in them, both ways.
std::map<const QObject*, QWidget*>& Embeddings() {
    static std::map<const QObject*, QWidget*> embeddings;
    return embeddings;
}

class ViewAccessible : public QAccessibleWidget {
  public:
    ViewAccessible(QWidget* view, QWidget* embedded)
        : QAccessibleWidget(view, QAccessible::Client), embedded_(embedded) {}
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(embedded_) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == embedded_ ? 0 : -1;
    }

  private:
    QWidget* embedded_;
};

class EmbeddedAccessible : public QAccessibleWidget {
  public:
    EmbeddedAccessible(QWidget* embedded, QWidget* view)
        : QAccessibleWidget(embedded, QAccessible::Client), view_(view) {}
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(view_);
    }
    QRect rect() const override {
        return QRect(view_->mapToGlobal(QPoint(0, 0)), view_->size());
    }

  private:
    QWidget* view_;
};

QAccessibleInterface* AccessibleFactory(const QString& key, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    if (const auto it = Embeddings().find(object); it != Embeddings().end()) {
        auto* widget = static_cast<QWidget*>(object);
        if (Embeddings().count(it->second) != 0 && Embeddings().at(it->second) == widget &&
            widget->isWindow()) {
            return new EmbeddedAccessible(widget, it->second);
        }
        return new ViewAccessible(widget, it->second);
    }
    if (Actions().count(object) != 0) {
        const QVariant role = object->property(kRoleProperty);
        return new ActingAccessible(
            static_cast<QWidget*>(object),
            role.isValid() ? static_cast<QAccessible::Role>(role.toInt()) : QAccessible::Graphic);
    }
    if (key == QLatin1String("sim::TMuszer")) {
        return new MeterAccessible(static_cast<TMuszer*>(object));
    }
    if (key == QLatin1String("sim::TUpDown")) {
        return new UpDownAccessible(static_cast<TUpDown*>(object));
    }
    const QVariant role = object->property(kRoleProperty);
    if (role.isValid()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object),
                                     static_cast<QAccessible::Role>(role.toInt()));
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(AccessibleFactory);
        return true;
    }();
    (void)installed;
}

void EmbedAccessibly(QWidget* view, QWidget* embedded) {
    InstallAccessibleFactory();
    // An interface made before knows nothing of the embedding.
    for (QWidget* widget : {view, embedded}) {
        if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget)) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        }
    }
    Embeddings()[view] = embedded;
    Embeddings()[embedded] = view;
    for (QWidget* widget : {view, embedded}) {
        QObject::connect(widget, &QObject::destroyed, [widget] { Embeddings().erase(widget); });
    }
}

void SetAccessibleRole(QWidget* widget, QAccessible::Role role) {
    InstallAccessibleFactory();
    widget->setProperty(kRoleProperty, static_cast<int>(role));
}

void SetAccessibleActions(QWidget* widget, std::vector<AccessibleAction> actions) {
    InstallAccessibleFactory();
    const bool first = Actions().count(widget) == 0;
    Actions()[widget] = std::move(actions);
    if (first) {
        QObject::connect(widget, &QObject::destroyed, [widget] { Actions().erase(widget); });
    }
}

void NotifyAccessible(QObject* object, QAccessible::Event type) {
    QAccessibleEvent event(object, type);
    QAccessible::updateAccessibility(&event);
}

void NotifyAccessibleValue(QObject* object, double value) {
    QAccessibleValueChangeEvent event(object, value);
    QAccessible::updateAccessibility(&event);
}

TAnnouncer::TAnnouncer(QWidget* parent) : QWidget(parent) {
    SetAccessibleRole(this, QAccessible::Notification);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
    hide();
}

void TAnnouncer::Announce(const QString& text) {
    text_ = text;
    // Shown anew each time, so that a repeated text is spoken again.
    hide();
    setAccessibleName(text);
    show();
    NotifyAccessible(this, QAccessible::ObjectShow);
}

}  // namespace sim
