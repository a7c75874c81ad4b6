// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

#include "paint_recorder.h"
#include "qt_warnings.h"

#include <gyrelle/gyrelle.h>

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QMetaProperty>
#include <QPointer>
#include <QTimerEvent>
#include <QtTest>

#include <functional>

using Action = std::function<void(Gyrelle &)>;
Q_DECLARE_METATYPE(Action)

namespace {

QList<QAbstractEventDispatcher::TimerInfo> timersOf(QObject &object)
{
    return QAbstractEventDispatcher::instance()->registeredTimers(&object);
}

// The interval of the one timer running on the spinner, or -1 when none runs.
int runningInterval(Gyrelle &spinner)
{
    const auto timers = timersOf(spinner);
    if (timers.isEmpty())
        return -1;
    // Exactly one timer; the animation's steps are not precise to the millisecond.
    if (timers.size() != 1 || timers.first().timerType != Qt::CoarseTimer)
        return -2;
    return timers.first().interval;
}

void tick(Gyrelle &spinner, int steps = 1)
{
    for (int i = 0; i < steps; ++i) {
        QTimerEvent event(0);
        QCoreApplication::sendEvent(&spinner, &event);
    }
}

// The direction of the leading spoke, in degrees, read off what the spinner paints.
int angleOf(Gyrelle &spinner)
{
    const QVector<DrawCall> calls = recordPainting(spinner);
    return calls.isEmpty() ? -1 : rotationOf(calls.first().transform);
}

// Counts the events of one type that reach an object.
class EventCounter : public QObject
{
public:
    EventCounter(QObject &watched, QEvent::Type type)
        : type(type)
    {
        watched.installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == type)
            ++count;
        return false;
    }

private:
    QEvent::Type type;
};

// A spinner that stays visible when stopped, so that its angle can always be read.
struct VisibleSpinner : Gyrelle
{
    VisibleSpinner()
    {
        resize(20, 20);
        setDisplayedWhenStopped(true);
    }
};

} // namespace

class GyrelleTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    QTWARNINGS_FAIL_TESTS

    void newSpinnerIsStoppedAndSmall()
    {
        Gyrelle spinner;
        QVERIFY(!spinner.isAnimated());
        QCOMPARE(runningInterval(spinner), -1);
        QCOMPARE(spinner.animationDelay(), 40);
        QCOMPARE(spinner.color(), QColor(Qt::black));
        QVERIFY(!spinner.isDisplayedWhenStopped());
        QCOMPARE(spinner.sizeHint(), QSize(20, 20));
        QCOMPARE(spinner.heightForWidth(57), 57);
        QCOMPARE(spinner.sizePolicy(), QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed));
        QCOMPARE(spinner.focusPolicy(), Qt::NoFocus);
    }

    void metaObject_data()
    {
        QTest::addColumn<bool>("isProperty");
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("name"); // a slot's signature or a property's name
        QTest::addColumn<QByteArray>("details"); // a slot's parameter names or a property's type

        QTest::newRow("slot 0") << false << 0 << QByteArray("startAnimation()") << QByteArray();
        QTest::newRow("slot 1") << false << 1 << QByteArray("stopAnimation()") << QByteArray();
        QTest::newRow("slot 2") << false << 2 << QByteArray("setAnimationDelay(int)") << QByteArray("delay");
        QTest::newRow("slot 3") << false << 3 << QByteArray("setDisplayedWhenStopped(bool)") << QByteArray("state");
        QTest::newRow("slot 4") << false << 4 << QByteArray("setColor(QColor)") << QByteArray("color");
        QTest::newRow("property 0") << true << 0 << QByteArray("delay") << QByteArray("int");
        QTest::newRow("property 1") << true << 1 << QByteArray("displayedWhenStopped") << QByteArray("bool");
        QTest::newRow("property 2") << true << 2 << QByteArray("color") << QByteArray("QColor");
    }

    void metaObject()
    {
        QFETCH(bool, isProperty);
        QFETCH(int, index);
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, details);

        const QMetaObject &meta = Gyrelle::staticMetaObject;
        QCOMPARE(meta.className(), "Gyrelle");
        QCOMPARE(meta.superClass(), &QWidget::staticMetaObject);
        QCOMPARE(meta.methodCount() - meta.methodOffset(), 5);
        QCOMPARE(meta.propertyCount() - meta.propertyOffset(), 3);
        QCOMPARE(meta.enumeratorCount(), meta.enumeratorOffset());
        QCOMPARE(meta.classInfoCount(), meta.classInfoOffset());
        QCOMPARE(meta.constructorCount(), 0);

        if (isProperty) {
            const QMetaProperty property = meta.property(meta.propertyOffset() + index);
            QCOMPARE(property.name(), name.constData());
            QCOMPARE(property.typeName(), details.constData());
            QVERIFY(property.isReadable() && property.isWritable() && property.isDesignable() && property.isScriptable()
                    && property.isStored());
            QVERIFY(!property.hasNotifySignal() && !property.isResettable() && !property.isUser()
                    && !property.isConstant() && !property.isFinal());
        } else {
            const QMetaMethod method = meta.method(meta.methodOffset() + index);
            QCOMPARE(method.methodSignature(), name);
            QCOMPARE(method.parameterNames().join(','), details);
            QCOMPARE(method.methodType(), QMetaMethod::Slot);
            QCOMPARE(method.access(), QMetaMethod::Public);
            QCOMPARE(method.returnType(), int(QMetaType::Void));
        }
    }

    void metaObjectReachesTheAccessors()
    {
        VisibleSpinner spinner;
        QVERIFY(QMetaObject::invokeMethod(&spinner, "startAnimation"));
        QCOMPARE(runningInterval(spinner), 40);

        QVERIFY(spinner.setProperty("delay", 70));
        QCOMPARE(spinner.animationDelay(), 70);
        QCOMPARE(runningInterval(spinner), 70); // replaced like setAnimationDelay does
        QVERIFY(QMetaObject::invokeMethod(&spinner, "setAnimationDelay", Q_ARG(int, 90)));
        QCOMPARE(spinner.property("delay"), QVariant(90));
        QCOMPARE(runningInterval(spinner), 90);

        QVERIFY(QMetaObject::invokeMethod(&spinner, "stopAnimation"));
        QVERIFY(!spinner.isAnimated());

        QVERIFY(spinner.setProperty("color", QColor(Qt::red)));
        QCOMPARE(spinner.color(), QColor(Qt::red));
        QVERIFY(QMetaObject::invokeMethod(&spinner, "setColor", Q_ARG(QColor, QColor(Qt::blue))));
        QCOMPARE(spinner.property("color"), QVariant(QColor(Qt::blue)));

        QVERIFY(spinner.setProperty("displayedWhenStopped", false));
        QVERIFY(!spinner.isDisplayedWhenStopped());
        QVERIFY(QMetaObject::invokeMethod(&spinner, "setDisplayedWhenStopped", Q_ARG(bool, true)));
        QCOMPARE(spinner.property("displayedWhenStopped"), QVariant(true));
    }

    void startResetsAngleAndRunsOneTimer()
    {
        VisibleSpinner spinner;
        spinner.startAnimation();
        tick(spinner, 2);
        QCOMPARE(angleOf(spinner), 60);
        spinner.startAnimation();
        QCOMPARE(angleOf(spinner), 0);
        QVERIFY(spinner.isAnimated());
        QCOMPARE(runningInterval(spinner), 40);

        tick(spinner, 12);
        QCOMPARE(angleOf(spinner), 0);
    }

    void stopKeepsAngle()
    {
        VisibleSpinner spinner;
        spinner.startAnimation();
        tick(spinner, 5);
        spinner.stopAnimation();
        QVERIFY(!spinner.isAnimated());
        QCOMPARE(runningInterval(spinner), -1);
        QCOMPARE(angleOf(spinner), 150);
        spinner.stopAnimation();
        QCOMPARE(angleOf(spinner), 150);
    }

    void delayChangeWhileStoppedOnlyStoresIt()
    {
        VisibleSpinner spinner;
        spinner.setAnimationDelay(120);
        QVERIFY(!spinner.isAnimated());
        QCOMPARE(runningInterval(spinner), -1);
        spinner.startAnimation();
        QCOMPARE(runningInterval(spinner), 120);
    }

    void delayChangeWhileRunningReplacesTimerAndKeepsAngle()
    {
        VisibleSpinner spinner;
        spinner.startAnimation();
        tick(spinner, 4);
        spinner.setAnimationDelay(250);
        QCOMPARE(runningInterval(spinner), 250);
        QCOMPARE(angleOf(spinner), 120);
        QCOMPARE(spinner.animationDelay(), 250);
    }

    // A negative interval starts no timer, on every Qt (newer Qt would run one at 1 ms).
    void timerThatCannotStartLeavesSpinnerStopped()
    {
        VisibleSpinner spinner;
        spinner.setAnimationDelay(-5);
        spinner.startAnimation();
        QVERIFY(!spinner.isAnimated());
        QCOMPARE(spinner.animationDelay(), -5);

        spinner.setAnimationDelay(40);
        spinner.startAnimation();
        QVERIFY(spinner.isAnimated());
        spinner.setAnimationDelay(-1);
        QVERIFY(!spinner.isAnimated());
        QCOMPARE(runningInterval(spinner), -1);
        QCOMPARE(spinner.property("delay"), QVariant(-1));

        spinner.setAnimationDelay(30);
        QVERIFY(!spinner.isAnimated()); // stopped means stopped: no timer comes back
        spinner.startAnimation();
        QCOMPARE(runningInterval(spinner), 30);
    }

    void repaintRequests_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("paints");

        const auto start = [](Gyrelle &s) { s.startAnimation(); };
        QTest::newRow("setColor") << Action([](Gyrelle &s) { s.setColor(Qt::red); }) << 1;
        QTest::newRow("setDisplayedWhenStopped") << Action([](Gyrelle &s) { s.setDisplayedWhenStopped(true); }) << 1;
        QTest::newRow("stop while stopped") << Action([](Gyrelle &s) { s.stopAnimation(); }) << 1;
        QTest::newRow("stop while running") << Action([=](Gyrelle &s) {
            start(s);
            s.stopAnimation();
        }) << 1;
        QTest::newRow("tick") << Action([=](Gyrelle &s) {
            start(s);
            tick(s);
        }) << 1;
        QTest::newRow("start") << Action(start) << 0;
        QTest::newRow("delay while stopped") << Action([](Gyrelle &s) { s.setAnimationDelay(20000); }) << 0;
        QTest::newRow("delay while running") << Action([=](Gyrelle &s) {
            start(s);
            s.setAnimationDelay(30000);
        }) << 0;
        QTest::newRow("color property") << Action([](Gyrelle &s) { s.setProperty("color", QColor(Qt::red)); }) << 1;
        QTest::newRow("displayedWhenStopped property")
            << Action([](Gyrelle &s) { s.setProperty("displayedWhenStopped", true); }) << 1;
        QTest::newRow("delay property") << Action([](Gyrelle &s) { s.setProperty("delay", 25000); }) << 0;
    }

    void repaintRequests()
    {
        QFETCH(Action, action);
        QFETCH(int, paints);

        Gyrelle spinner;
        spinner.setAnimationDelay(10000); // no real tick during the test
        spinner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&spinner));
        QCoreApplication::processEvents();

        EventCounter counter(spinner, QEvent::Paint);
        action(spinner);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(counter.count, paints);
    }

    void ticksComeAtTheSetRate()
    {
        Gyrelle spinner;
        EventCounter ticks(spinner, QEvent::Timer);
        // Steps a second over a stretch of the event loop.
        const auto rate = [&](int milliseconds) {
            ticks.count = 0;
            QElapsedTimer clock;
            clock.start();
            QTest::qWait(milliseconds);
            return ticks.count * 1000.0 / clock.elapsed();
        };

        spinner.setAnimationDelay(20);
        spinner.startAnimation();
        const double fast = rate(600);
        QVERIFY2(fast > 25 && fast < 55, qPrintable(QString::number(fast)));

        spinner.setAnimationDelay(100);
        const double slow = rate(600);
        QVERIFY2(slow > 4 && slow < 11, qPrintable(QString::number(slow)));

        spinner.stopAnimation();
        QCOMPARE(rate(150), 0.0);
    }

    void deletingRunningSpinnerStopsItsTimer()
    {
        auto *parent = new QWidget;
        QPointer<Gyrelle> spinner = new Gyrelle(parent);
        spinner->setAnimationDelay(5);
        spinner->startAnimation();
        QTest::qWait(20);
        delete parent;
        QVERIFY(spinner.isNull());
        QTest::qWait(30); // a timer still registered would be delivered to freed memory
    }
};

QTEST_MAIN(GyrelleTest)
#include "gyrelle_test.moc"
