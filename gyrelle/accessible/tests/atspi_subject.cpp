// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

// A window with one spinner, driven by commands on standard input (start, stop,
// hide, show, "stall": a delay that no timer takes, "keep": displayed when
// stopped, "add": a second, undrawn spinner into the window, "interface": the
// spinner's accessible interface made, "read": its state read by the
// application, "minimise", "restore", "windowed", "swallow", "paints", "inspect", quit),
// for an AT-SPI client to watch. A line may hold several commands, which run
// one after the other before the event loop runs again. After each line the
// window's accessible name becomes "done N" (N counting lines from 1), once the
// event loop has run: every event the commands caused is sent before it.
// Commands given as arguments run first, without a "done", and then "ready" is
// printed.
#include "accessibility_update_recorder.h"

#include <gyrelle/gyrelle.h>

#include <QApplication>
#include <QEventLoop>
#include <QListView>
#include <QMetaEnum>
#include <QSocketNotifier>
#include <QStandardItemModel>
#include <QStringList>
#include <QTextStream>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>

#include <unistd.h>

namespace {

QVector<QAccessible::Event> handled;
QAccessible::UpdateHandler handlerBefore = nullptr;

// An update handler as accessibility inspectors install one: it reads the state
// of what each event is about and passes the event on to the handler it
// replaced. (It ends what reaches the AT-SPI bridge.)
void recordAndPassOn(QAccessibleEvent *event)
{
    handled.append(event->type());
    if (QAccessibleInterface *accessible = event->accessibleInterface())
        accessible->state();
    if (handlerBefore)
        handlerBefore(event);
}

QString names(const QVector<QAccessible::Event> &events)
{
    QStringList names;
    for (QAccessible::Event event : events)
        names.append(QString::fromLatin1(QMetaEnum::fromType<QAccessible::Event>().valueToKey(event)));
    return names.join(QLatin1Char(' '));
}

// Prints which events reached Qt and which a handler installed now received
// while a list view's model changes, the stopped spinner is told what it is
// already (no change), and then stops drawing, starts, stops and draws again.
void inspect(Gyrelle &spinner, QWidget &window)
{
    QListView view(&window);
    QStandardItemModel model(1, 1);
    view.setModel(&model);
    passedToQt.clear();
    handlerBefore = QAccessible::installUpdateHandler(recordAndPassOn);
    model.insertRow(0);
    spinner.stopAnimation();
    spinner.setDisplayedWhenStopped(spinner.isDisplayedWhenStopped());
    spinner.setDisplayedWhenStopped(!spinner.isDisplayedWhenStopped());
    spinner.setAnimationDelay(40); // after "stall"
    spinner.startAnimation();
    spinner.stopAnimation();
    spinner.setDisplayedWhenStopped(!spinner.isDisplayedWhenStopped());
    QAccessible::installUpdateHandler(handlerBefore);
    QTextStream(stdout) << "passed to Qt: " << names(passedToQt) << "; handled: " << names(handled) << Qt::endl;
}

// Counts the events of one type (or only the spontaneous ones) that reach an
// object, and swallows them once told to.
class EventCounter : public QObject
{
public:
    explicit EventCounter(QEvent::Type type, bool onlySpontaneous = false)
        : type(type)
        , onlySpontaneous(onlySpontaneous)
    {
    }
    int count = 0;
    bool swallow = false;

protected:
    bool eventFilter(QObject * /*watched*/, QEvent *event) override
    {
        if (event->type() != type || (onlySpontaneous && !event->spontaneous()))
            return false;
        ++count;
        return swallow;
    }

private:
    QEvent::Type type;
    bool onlySpontaneous;
};

// An application-wide filter on frame events (QEvent::StyleAnimationUpdate),
// which "swallow" makes swallow them all, as applications that turn style
// animations off do.
EventCounter frames(QEvent::StyleAnimationUpdate);

// The spinner's paint events that get past every event filter installed after
// this one: the accessibility plugin's too.
EventCounter paints(QEvent::Paint);

// The spinner's hides and shows that the window system caused ("minimise",
// "restore"), printed by "windowed".
EventCounter systemHides(QEvent::Hide, true);
EventCounter systemShows(QEvent::Show, true);

// How often the spinner paints after start, stall and stop, and while it
// turns at 40 ms for a while; and how many frame events the application saw.
void countPaints(Gyrelle &spinner)
{
    const auto paintsAfter = [](const std::function<void()> &action) {
        paints.count = 0;
        action();
        QEventLoop loop;
        QTimer::singleShot(300, &loop, &QEventLoop::quit);
        loop.exec();
        return paints.count;
    };
    spinner.setAnimationDelay(60000); // no tick while counting
    paintsAfter([] {}); // what the window still had to paint
    const int start = paintsAfter([&] { spinner.startAnimation(); });
    const int stall = paintsAfter([&] { spinner.setAnimationDelay(-1); });
    const int stop = paintsAfter([&] { spinner.stopAnimation(); });
    spinner.setAnimationDelay(40);
    const int turning = paintsAfter([&] { spinner.startAnimation(); });
    spinner.stopAnimation();
    QTextStream(stdout) << "paints: start " << start << ", stall " << stall << ", stop " << stop << ", turning "
                        << turning << "; frame events: " << frames.count << Qt::endl;
}

// Makes the spinner's accessible interface, as an application may while
// accessibility is still off, and lets the plugin do what it left to the event loop.
void makeInterface(Gyrelle &spinner)
{
    QAccessible::queryAccessibleInterface(&spinner);
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    auto *spinner = new Gyrelle(&window);
    (new QVBoxLayout(&window))->addWidget(spinner);
    application.installEventFilter(&frames);
    spinner->installEventFilter(&paints);
    spinner->installEventFilter(&systemHides);
    spinner->installEventFilter(&systemShows);
    window.show();

    const auto run = [&](const QString &command) {
        if (command == QLatin1String("start"))
            spinner->startAnimation();
        else if (command == QLatin1String("stop"))
            spinner->stopAnimation();
        else if (command == QLatin1String("stall"))
            spinner->setAnimationDelay(-1);
        else if (command == QLatin1String("keep"))
            spinner->setDisplayedWhenStopped(true);
        else if (command == QLatin1String("hide"))
            window.hide();
        else if (command == QLatin1String("show"))
            window.show();
        else if (command == QLatin1String("add"))
            (new Gyrelle(&window))->show();
        else if (command == QLatin1String("interface"))
            makeInterface(*spinner);
        else if (command == QLatin1String("read"))
            QAccessible::queryAccessibleInterface(spinner)->state();
        // As when the window system minimises the window and restores it: Qt
        // hides and shows the window's widgets spontaneously.
        else if (command == QLatin1String("minimise"))
            window.setWindowState(window.windowState() | Qt::WindowMinimized);
        else if (command == QLatin1String("restore"))
            window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        else if (command == QLatin1String("windowed"))
            QTextStream(stdout) << "hidden " << systemHides.count << ", shown " << systemShows.count
                                << " by the window system" << Qt::endl;
        else if (command == QLatin1String("swallow"))
            frames.swallow = true;
        else if (command == QLatin1String("paints"))
            countPaints(*spinner);
        else if (command == QLatin1String("inspect"))
            inspect(*spinner, window);
        else
            application.quit();
    };
    for (const QString &command : application.arguments().mid(1))
        run(command);
    QTextStream(stdout) << "ready" << Qt::endl;

    QSocketNotifier commands(STDIN_FILENO, QSocketNotifier::Read);
    QTextStream input(stdin);
    int done = 0;
    QObject::connect(&commands, &QSocketNotifier::activated, [&] {
        const QStringList line = input.readLine().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString &command : line.isEmpty() ? QStringList{QString()} : line)
            run(command);
        QMetaObject::invokeMethod(
            &window, [&] { window.setAccessibleName(QStringLiteral("done %1").arg(++done)); }, Qt::QueuedConnection);
    });
    return application.exec();
}
