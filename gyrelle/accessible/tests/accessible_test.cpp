// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

#include "accessibility_update_recorder.h"
#include "qt_warnings.h"

#include <gyrelle/gyrelle.h>

#include <QAccessible>
#include <QLabel>
#include <QScopeGuard>
#include <QTranslator>
#include <QtTest>

// Counts the events that reach an object.
class EventCounter : public QObject
{
public:
    int events = 0;

protected:
    bool eventFilter(QObject * /*watched*/, QEvent * /*event*/) override
    {
        ++events;
        return false;
    }
};

// The interfaces Qt asked the factories for, for spinners.
int spinnerInterfacesAsked = 0;

QAccessibleInterface *countSpinnerInterfaces(const QString &key, QObject * /*object*/)
{
    if (key == QLatin1String("Gyrelle"))
        ++spinnerInterfacesAsked;
    return nullptr;
}

class AccessibleTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QtWarnings::install();
        // Where the build puts accessible/<plugin>, as Qt's own plugin folder has it.
        QCoreApplication::addLibraryPath(QStringLiteral(PLUGIN_ROOT));
        QLocale::setDefault(QLocale(QLocale::English));
    }
    QTWARNINGS_FAIL_TESTS

    // A busy progress bar while it turns; invisible while it draws nothing.
    void spinnerIsABusyProgressBar()
    {
        QWidget window;
        Gyrelle *spinner = new Gyrelle(&window);
        window.show();
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(spinner);
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::ProgressBar);
        QCOMPARE(accessible->object(), spinner);

        const auto states = [&] {
            const QAccessible::State state = accessible->state();
            return QVector<bool>{bool(state.busy), bool(state.invisible), bool(state.offscreen)};
        };
        QCOMPARE(states(), (QVector<bool>{false, true, true}));
        spinner->startAnimation();
        QCOMPARE(states(), (QVector<bool>{true, false, false}));
        spinner->stopAnimation();
        QCOMPARE(states(), (QVector<bool>{false, true, true}));
        spinner->setDisplayedWhenStopped(true);
        QCOMPARE(states(), (QVector<bool>{false, false, false}));
    }

    void nameIsTheApplicationsOrADefault()
    {
        QWidget window;
        auto *spinner = new Gyrelle(&window);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(spinner);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Busy"));

        auto *label = new QLabel(QStringLiteral("&Uploading"), &window);
        label->setBuddy(spinner);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Uploading"));

        spinner->setAccessibleName(QStringLiteral("Saving the report"));
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Saving the report"));
    }

    // In the application's language, unless the application translates it itself.
    void defaultNameIsTranslated()
    {
        if (!CATALOGUES_BUILT)
            QSKIP("built without Qt's Linguist tools: no catalogues");
        // For the cases after this one, when a comparison fails too.
        const auto restoreLocale = qScopeGuard([] { QLocale::setDefault(QLocale(QLocale::English)); });
        Gyrelle spinner;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&spinner);
        QVERIFY(accessible);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Beschäftigt"));

        QTranslator applications;
        QVERIFY(applications.load(QStringLiteral("gyrelle_fr"), QStringLiteral(TRANSLATIONS_DIR)));
        QCoreApplication::installTranslator(&applications);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Occupé"));
        QCoreApplication::removeTranslator(&applications);

        QLocale::setDefault(QLocale(QLocale::English));
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Busy"));
    }

    // Nothing is built or sent while no screen reader listens.
    void inactiveAccessibilityGetsNothing()
    {
        QVERIFY(!QAccessible::isActive());
        Gyrelle spinner;
        EventCounter counter;
        spinner.installEventFilter(&counter);
        QAccessible::installFactory(countSpinnerInterfaces);
        const auto removeFactory = qScopeGuard([] { QAccessible::removeFactory(countSpinnerInterfaces); });
        spinnerInterfacesAsked = 0;
        passedToQt.clear();
        spinner.startAnimation();
        spinner.setAnimationDelay(20);
        spinner.stopAnimation();
        spinner.setDisplayedWhenStopped(true);
        spinner.setColor(Qt::red);
        QCOMPARE(passedToQt, QVector<QAccessible::Event>{});
        QCOMPARE(counter.events, 0);
        // No interface built: not even asked for.
        QCOMPARE(spinnerInterfacesAsked, 0);
        QVERIFY(QAccessible::queryAccessibleInterface(&spinner));
        QCOMPARE(spinnerInterfacesAsked, 1);
    }

    void otherWidgetsAreLeftAlone()
    {
        QWidget plain;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&plain);
        QVERIFY(accessible);
        QVERIFY(accessible->role() != QAccessible::ProgressBar);
    }
};

QTEST_MAIN(AccessibleTest)
#include "accessible_test.moc"
