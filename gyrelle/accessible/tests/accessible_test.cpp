#include "qt_warnings.h"

#include <gyrelle/gyrelle.h>

#include <QAccessible>
#include <QLabel>
#include <QtTest>

class AccessibleTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QtWarnings::install();
        // Where the build puts accessible/<plugin>, as Qt's own plugin folder has it.
        QCoreApplication::addLibraryPath(QStringLiteral(PLUGIN_ROOT));
    }
    QTWARNINGS_FAIL_TESTS

    void spinnerIsABusyIndicator()
    {
        Gyrelle spinner;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&spinner);
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::Indicator);
        QCOMPARE(accessible->object(), &spinner);

        QVERIFY(!accessible->state().busy);
        spinner.startAnimation();
        QVERIFY(accessible->state().busy);
        spinner.stopAnimation();
        QVERIFY(!accessible->state().busy);
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

    void otherWidgetsAreLeftAlone()
    {
        QWidget plain;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&plain);
        QVERIFY(accessible);
        QVERIFY(accessible->role() != QAccessible::Indicator);
    }
};

QTEST_MAIN(AccessibleTest)
#include "accessible_test.moc"
