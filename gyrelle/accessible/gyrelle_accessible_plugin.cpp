// Lets screen readers meet the spinner as an indeterminate progress bar that is
// busy while it turns and invisible while it draws nothing.
#include <gyrelle/gyrelle.h>

#include <QAccessibleWidget>
#include <QAccessiblePlugin>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace {

bool isDrawn(const Gyrelle &spinner)
{
    return spinner.isAnimated() || spinner.isDisplayedWhenStopped();
}

class GyrelleAccessible : public QAccessibleWidget
{
public:
    // Qt's AT-SPI bridge reports QAccessible::Indicator as "unknown"; a busy
    // progress bar is how QProgressBar and WAI-ARIA present loading indicators.
    explicit GyrelleAccessible(Gyrelle *spinner)
        : QAccessibleWidget(spinner, QAccessible::ProgressBar)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        const auto *spinner = static_cast<const Gyrelle *>(widget());
        state.busy = spinner->isAnimated();
        if (!isDrawn(*spinner))
            state.invisible = state.offscreen = true;
        return state;
    }

    // The application's accessible name (or a buddy label) when it gave one.
    QString text(QAccessible::Text kind) const override
    {
        const QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            return QCoreApplication::translate("Gyrelle", "Busy");
        return text;
    }
};

// Qt's AT-SPI bridge (Qt 5 and 6) forwards a state change only for "checked",
// "active" and "disabled", and ObjectShow as "showing" alone. So the spinner's
// busy and visibility changes are sent here, as the bridge sends its own
// signals, on the bridge's connection to the accessibility bus, which Qt names
// "a11y". Where there is none (no AT-SPI bus, another platform) nothing is sent.
void sendStateChanged(QAccessibleInterface *accessible, const QString &state, bool on)
{
    QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected())
        return;
    const QString path =
        QStringLiteral("/org/a11y/atspi/accessible/") + QString::number(QAccessible::uniqueId(accessible));
    QDBusArgument application; // (so): who sends, as the registry knows the application
    application.beginStructure();
    application << bus.baseService() << QDBusObjectPath(QStringLiteral("/org/a11y/atspi/accessible/root"));
    application.endStructure();
    QDBusMessage signal = QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"),
                                                     QStringLiteral("StateChanged"));
    signal << state << int(on) << 0 << QVariant::fromValue(QDBusVariant(QVariant::fromValue(QDBusObjectPath(path))))
           << QVariant::fromValue(application);
    bus.send(signal);
}

QAccessible::UpdateHandler previousHandler = nullptr;
void handleUpdate(QAccessibleEvent *event);

// Hands EVENT on to whoever handled updates before us: another handler, or Qt's
// own platform bridge, which QAccessible calls when no handler is installed.
void passOn(QAccessibleEvent *event)
{
    if (previousHandler) {
        previousHandler(event);
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(handleUpdate);
}

// The widget announces its busy and drawn changes (as "invisible"); Qt announces
// every child as shown or hidden with its window, an undrawn spinner included.
void handleUpdate(QAccessibleEvent *event)
{
    const auto *spinner = qobject_cast<Gyrelle *>(event->object());
    const QAccessible::Event type = event->type();
    if (!spinner || !QAccessible::isActive()) {
        passOn(event);
        return;
    }
    // An undrawn spinner was never announced as showing: neither shown nor hidden.
    if ((type == QAccessible::ObjectShow || type == QAccessible::ObjectHide) && !isDrawn(*spinner))
        return;
    if (type == QAccessible::StateChanged) {
        QAccessibleInterface *accessible = event->accessibleInterface();
        const QAccessible::State state = accessible->state();
        const QAccessible::State changed = static_cast<QAccessibleStateChangeEvent *>(event)->changedStates();
        if (changed.busy)
            sendStateChanged(accessible, QStringLiteral("busy"), state.busy);
        if (changed.invisible) {
            sendStateChanged(accessible, QStringLiteral("visible"), !state.invisible);
            sendStateChanged(accessible, QStringLiteral("showing"), !state.invisible && !state.offscreen);
        }
    }
    passOn(event);
}

} // namespace

class GyrelleAccessiblePlugin : public QAccessiblePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleFactoryInterface_iid FILE "gyrelle_accessible_plugin.json")

public:
    // Qt creates the plugin before it asks for the first spinner's interface,
    // which it does before it delivers that spinner's first event.
    explicit GyrelleAccessiblePlugin(QObject *parent = nullptr)
        : QAccessiblePlugin(parent)
    {
        previousHandler = QAccessible::installUpdateHandler(handleUpdate);
    }

    // Leaves a handler installed after ours in place.
    ~GyrelleAccessiblePlugin() override
    {
        const QAccessible::UpdateHandler current = QAccessible::installUpdateHandler(previousHandler);
        if (current != handleUpdate)
            QAccessible::installUpdateHandler(current);
    }

    QAccessibleInterface *create(const QString &key, QObject *object) override
    {
        auto *spinner = qobject_cast<Gyrelle *>(object);
        if (key != QLatin1String("Gyrelle") || !spinner)
            return nullptr;
        return new GyrelleAccessible(spinner);
    }
};

#include "gyrelle_accessible_plugin.moc"
