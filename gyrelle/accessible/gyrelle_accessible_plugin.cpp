// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

// Lets screen readers meet the spinner as an indeterminate progress bar that is
// busy while it turns and invisible while it draws nothing.
#include <gyrelle/accessible_change_p.h>
#include <gyrelle/gyrelle.h>

#include <QAccessiblePlugin>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <utility>

#include <dlfcn.h>

namespace {

bool isDrawn(const Gyrelle &spinner)
{
    return spinner.isAnimated() || spinner.isDisplayedWhenStopped();
}

// Qt's AT-SPI bridge (Qt 5 and 6) forwards a state change only for "checked",
// "active" and "disabled". So the spinner's busy and visibility changes are sent
// here, as the bridge sends its own signals, on the bridge's connection to the
// accessibility bus, which Qt names "a11y". Where there is none (no AT-SPI bus,
// another platform) nothing is sent.
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
    QDBusMessage signal =
        QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"));
    signal << state << int(on) << 0 << QVariant::fromValue(QDBusVariant(QVariant::fromValue(QDBusObjectPath(path))))
           << QVariant::fromValue(application);
    bus.send(signal);
}

QString qtTranslationsFolder()
{
#if QT_VERSION_MAJOR >= 6
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
}

// Where this plugin's catalogues lie when it is installed into a prefix of its
// own (and in the build tree): <plugins>/../translations, as in Qt's own layout.
QString translationsBesidePlugins()
{
    Dl_info plugin;
    if (!dladdr(reinterpret_cast<void *>(&translationsBesidePlugins), &plugin) || !plugin.dli_fname)
        return QString();
    return QFileInfo(QString::fromLocal8Bit(plugin.dli_fname)).dir().filePath(QStringLiteral("../../translations"));
}

// The default name in the application's language. The plugin keeps its own
// translator rather than installing one: installing sends every widget of the
// application a LanguageChange event.
QString translatedDefaultName()
{
    //: Accessible name of a busy spinner the application gave no name
    const char *const source = QT_TRANSLATE_NOOP("Gyrelle", "Busy");
    // The application's own translator wins.
    const QString byApplication = QCoreApplication::translate("Gyrelle", source);
    if (byApplication != QLatin1String(source))
        return byApplication;
    static QTranslator catalogue;
    static QLocale loadedFor(QLocale::c());
    if (QLocale() != loadedFor) {
        loadedFor = QLocale();
        for (const QString &folder : {translationsBesidePlugins(), qtTranslationsFolder()}) {
            if (catalogue.load(loadedFor, QStringLiteral("gyrelle"), QStringLiteral("_"), folder))
                break;
        }
    }
    const QString translated = catalogue.translate("Gyrelle", source);
    return translated.isEmpty() ? byApplication : translated;
}

// The states a screen reader caches from the spinner's events, as the bridge
// derives them from QAccessible::State.
struct ClientStates
{
    bool busy;
    bool visible;
    bool showing;

    explicit ClientStates(QAccessible::State state)
        : busy(state.busy)
        , visible(!state.invisible)
        , showing(!state.invisible && !state.offscreen)
    {
    }
};

class GyrelleAccessible;

// Follows the spinner's events for its accessible interface, which is no QObject.
class SpinnerWatcher : public QObject
{
public:
    explicit SpinnerWatcher(GyrelleAccessible &accessible)
        : accessible(accessible)
    {
    }

    // After what Qt's bridge announces for the event being delivered.
    void publishChangesLater();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    GyrelleAccessible &accessible;
};

class GyrelleAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    // Qt's AT-SPI bridge reports QAccessible::Indicator as "unknown"; a busy
    // progress bar is how QProgressBar and WAI-ARIA present loading indicators.
    explicit GyrelleAccessible(Gyrelle *spinner)
        : QAccessibleWidget(spinner, QAccessible::ProgressBar)
        , watcher(*this)
        , told(currentState())
    {
        spinner->installEventFilter(&watcher);
        // Qt creates the interface when it first needs one, which may be while its
        // bridge announces the spinner shown or hidden.
        retellShowingLater();
    }

    // Whoever reads the states holds them from then on, a screen reader that
    // starts late too: only later changes need an event. Not a read between a
    // show or hide and the correction that follows it: that may be the
    // application's own (or a handler's in it), which reaches no client.
    QAccessible::State state() const override
    {
        const QAccessible::State state = currentState();
        if (!showingInDoubt)
            told = ClientStates(state);
        return state;
    }

    // The application's accessible name (or a buddy label) when it gave one.
    QString text(QAccessible::Text kind) const override
    {
        const QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            return translatedDefaultName();
        return text;
    }

    // The widget's call when it starts or stops turning or drawing.
    void setText(QAccessible::Text kind, const QString &text) override
    {
        if (kind == gyrelleStateChangeText)
            publishChanges();
        else
            QAccessibleWidget::setText(kind, text);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // No progress to tell: an indeterminate progress bar, as a busy QProgressBar
    // presents itself (minimum = maximum = 0).
    QVariant currentValue() const override { return 0; }
    void setCurrentValue(const QVariant & /*value*/) override {}
    QVariant maximumValue() const override { return 0; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 0; }

    // Tells the client every state that differs from what it was last told.
    void publishChanges()
    {
        const ClientStates now(currentState());
        publish(QStringLiteral("busy"), told.busy, now.busy);
        publish(QStringLiteral("visible"), told.visible, now.visible);
        publish(QStringLiteral("showing"), told.showing, now.showing, std::exchange(showingInDoubt, false));
    }

    // When the spinner is shown or hidden Qt's bridge announces "showing" as the
    // widget's visibility, drawn or not, but only to the listeners it knows of:
    // not to a screen reader that registered on a bus already running when the
    // application started (Qt 6; Qt 5 for a few seconds). So the plugin tells
    // "showing" once more, whatever it told before; a repeated value is harmless.
    void retellShowingLater()
    {
        showingInDoubt = true;
        watcher.publishChangesLater();
    }

private:
    QAccessible::State currentState() const
    {
        QAccessible::State state = QAccessibleWidget::state();
        const auto *spinner = static_cast<const Gyrelle *>(widget());
        state.busy = spinner->isAnimated();
        if (!isDrawn(*spinner))
            state.invisible = state.offscreen = true;
        return state;
    }

    void publish(const QString &name, bool &toldValue, bool value, bool evenIfTold = false)
    {
        if (toldValue == value && !evenIfTold)
            return;
        toldValue = value;
        sendStateChanged(this, name, value);
    }

    SpinnerWatcher watcher;
    mutable ClientStates told;
    bool showingInDoubt = false;
};

// Qt's bridge announces "showing" after the show or hide event, so the plugin's
// own follows once the event loop runs again. Every event goes on to the spinner.
bool SpinnerWatcher::eventFilter(QObject * /*watched*/, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
        // Spontaneous ones (a minimised window) change no state and Qt announces nothing.
        if (event->spontaneous())
            break;
        accessible.retellShowingLater();
        break;
    default:
        break;
    }
    return false;
}

void SpinnerWatcher::publishChangesLater()
{
    QMetaObject::invokeMethod(
        this, [this] { accessible.publishChanges(); }, Qt::QueuedConnection);
}

} // namespace

class GyrelleAccessiblePlugin : public QAccessiblePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleFactoryInterface_iid FILE "gyrelle_accessible_plugin.json")

public:
    using QAccessiblePlugin::QAccessiblePlugin;

    QAccessibleInterface *create(const QString &key, QObject *object) override
    {
        auto *spinner = qobject_cast<Gyrelle *>(object);
        if (key != QLatin1String("Gyrelle") || !spinner)
            return nullptr;
        return new GyrelleAccessible(spinner);
    }
};

#include "gyrelle_accessible_plugin.moc"
