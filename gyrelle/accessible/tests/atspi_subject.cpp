// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

// A window with one spinner, driven by commands on standard input (start, stop,
// hide, show, "stall": a delay that no timer takes, "keep": displayed when
// stopped, "add": a second, undrawn spinner into the window, "inspect", quit),
// for an AT-SPI client to watch. After each command
// the window's accessible name becomes "done N" (N counting commands from 1),
// once the event loop has run: every event the command caused is sent before it.
#include "accessibility_update_recorder.h"

#include <gyrelle/gyrelle.h>

#include <QApplication>
#include <QListView>
#include <QMetaEnum>
#include <QSocketNotifier>
#include <QStandardItemModel>
#include <QStringList>
#include <QTextStream>
#include <QVBoxLayout>

#include <unistd.h>

namespace {

QVector<QAccessible::Event> handled;
QAccessible::UpdateHandler handlerBefore = nullptr;

// An update handler as accessibility inspectors install one: it passes every
// event on to the one it replaced. (It ends what reaches the AT-SPI bridge.)
void recordAndPassOn(QAccessibleEvent *event)
{
    handled.append(event->type());
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
// while a list view's model changes and the spinner's drawing changes twice.
void inspect(Gyrelle &spinner, QWidget &window)
{
    QListView view(&window);
    QStandardItemModel model(1, 1);
    view.setModel(&model);
    passedToQt.clear();
    handlerBefore = QAccessible::installUpdateHandler(recordAndPassOn);
    model.insertRow(0);
    spinner.setDisplayedWhenStopped(!spinner.isDisplayedWhenStopped());
    spinner.setDisplayedWhenStopped(!spinner.isDisplayedWhenStopped());
    QAccessible::installUpdateHandler(handlerBefore);
    QTextStream(stdout) << "passed to Qt: " << names(passedToQt) << "; handled: " << names(handled) << Qt::endl;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    auto *spinner = new Gyrelle(&window);
    (new QVBoxLayout(&window))->addWidget(spinner);
    window.show();

    QSocketNotifier commands(STDIN_FILENO, QSocketNotifier::Read);
    QTextStream input(stdin);
    int done = 0;
    QObject::connect(&commands, &QSocketNotifier::activated, [&] {
        const QString command = input.readLine();
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
        else if (command == QLatin1String("inspect"))
            inspect(*spinner, window);
        else
            application.quit();
        QMetaObject::invokeMethod(
            &window, [&] { window.setAccessibleName(QStringLiteral("done %1").arg(++done)); },
            Qt::QueuedConnection);
    });
    return application.exec();
}
