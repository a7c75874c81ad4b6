// A window with one spinner, driven by commands on standard input (start, stop,
// hide, show, "stall": a delay that no timer takes, quit), for an AT-SPI client
// to watch.
#include <gyrelle/gyrelle.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QTextStream>
#include <QVBoxLayout>

#include <unistd.h>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    auto *spinner = new Gyrelle(&window);
    (new QVBoxLayout(&window))->addWidget(spinner);
    window.show();

    QSocketNotifier commands(STDIN_FILENO, QSocketNotifier::Read);
    QTextStream input(stdin);
    QObject::connect(&commands, &QSocketNotifier::activated, [&] {
        const QString command = input.readLine();
        if (command == QLatin1String("start"))
            spinner->startAnimation();
        else if (command == QLatin1String("stop"))
            spinner->stopAnimation();
        else if (command == QLatin1String("stall"))
            spinner->setAnimationDelay(-1);
        else if (command == QLatin1String("hide"))
            window.hide();
        else if (command == QLatin1String("show"))
            window.show();
        else
            application.quit();
    });
    return application.exec();
}
