// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

#include "paint_recorder.h"
#include "qt_warnings.h"

#include <gyrelle/gyrelle.h>

#include <QCoreApplication>
#include <QImage>
#include <QTimerEvent>
#include <QtTest>

namespace {

// Advances the spinner as its timer would.
void tick(Gyrelle &spinner, int steps)
{
    for (int i = 0; i < steps; ++i) {
        QTimerEvent event(0);
        QCoreApplication::sendEvent(&spinner, &event);
    }
}

// The 16-bit alphas of the twelve spokes: 1 - i/12 in single precision. Double
// precision would give 54613 for spoke 2 and 10922 for spoke 10.
const int spokeAlphas[12] = {65535, 60074, 54612, 49151, 43690, 38229, 32768, 27306, 21845, 16384, 10923, 5461};

QPainterPath spokePath(const QRectF &rect, int cornerRadius)
{
    QPainterPath path;
    if (cornerRadius > 0)
        path.addRoundedRect(rect, cornerRadius, cornerRadius, Qt::AbsoluteSize);
    else
        path.addRect(rect);
    return path;
}

QString describe(const QRectF &rect)
{
    return QStringLiteral("(%1, %2, %3, %4)").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

} // namespace

class PaintingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    QTWARNINGS_FAIL_TESTS

    void stoppedSpinnerDrawsOnlyWhenAsked()
    {
        Gyrelle spinner;
        spinner.resize(20, 20);
        QVERIFY(recordPainting(spinner).isEmpty());

        spinner.startAnimation();
        tick(spinner, 2);
        spinner.stopAnimation();
        QVERIFY(recordPainting(spinner).isEmpty());

        spinner.setDisplayedWhenStopped(true);
        const QVector<DrawCall> calls = recordPainting(spinner);
        QCOMPARE(calls.size(), 12);
        QCOMPARE(rotationOf(calls.first().transform), 60); // where it stopped
    }

    void spokes_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRectF>("rect");
        QTest::addColumn<int>("cornerRadius");
        QTest::addColumn<QPointF>("centre");

        QTest::newRow("20x20") << QSize(20, 20) << QRectF(-1, -9, 2, 6) << 1 << QPointF(9, 9);
        QTest::newRow("12x12") << QSize(12, 12) << QRectF(0, -5, 1, 3) << 0 << QPointF(5, 5);
        QTest::newRow("32x32") << QSize(32, 32) << QRectF(-1, -15, 3, 10) << 1 << QPointF(15, 15);
        QTest::newRow("33x33") << QSize(33, 33) << QRectF(-1, -16, 2, 10) << 1 << QPointF(16, 16);
        QTest::newRow("100x60") << QSize(100, 60) << QRectF(-2, -29, 4, 18) << 2 << QPointF(49, 29);
        QTest::newRow("200x200") << QSize(200, 200) << QRectF(-7, -99, 14, 62) << 7 << QPointF(99, 99);
        QTest::newRow("2x2") << QSize(2, 2) << QRectF(0, 0, 0, 0) << 0 << QPointF(0, 0);
        QTest::newRow("20x100") << QSize(20, 100) << QRectF(-1, -9, 2, 6) << 1 << QPointF(9, 49);
    }

    void spokes()
    {
        QFETCH(QSize, size);
        QFETCH(QRectF, rect);
        QFETCH(int, cornerRadius);
        QFETCH(QPointF, centre);

        Gyrelle spinner;
        spinner.resize(size);
        spinner.setColor(QColor(10, 120, 230, 40)); // its own alpha must not matter
        spinner.startAnimation();
        tick(spinner, 3);

        const QVector<DrawCall> calls = recordPainting(spinner);
        QCOMPARE(calls.size(), 12);
        for (int i = 0; i < 12; ++i) {
            const DrawCall &call = calls.at(i);
            const QString spoke = QStringLiteral("spoke %1").arg(i);
            QVERIFY2(call.path == spokePath(rect, cornerRadius),
                     qPrintable(spoke + QStringLiteral(" drawn in ") + describe(call.path.boundingRect())));
            QCOMPARE(call.transform, QTransform().translate(centre.x(), centre.y()).rotate(90 - 30 * i));
            QCOMPARE(call.penStyle, Qt::NoPen);
            QCOMPARE(call.brush.style(), Qt::SolidPattern);
            QCOMPARE(call.brush.color().rgb(), qRgb(10, 120, 230));
            QVERIFY2(call.brush.color().rgba64().alpha() == spokeAlphas[i],
                     qPrintable(spoke + QStringLiteral(" alpha %1").arg(call.brush.color().rgba64().alpha())));
            QVERIFY(call.antialiased);
        }
    }

    void pixels_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("alphaAbove");
        QTest::addColumn<int>("alphaRight");

        // Spoke i trails the leading one by 30 * i degrees, counter-clockwise.
        QTest::newRow("angle 0") << 0 << 255 << 64;
        QTest::newRow("angle 90") << 3 << 191 << 255;
    }

    void pixels()
    {
        QFETCH(int, steps);
        QFETCH(int, alphaAbove);
        QFETCH(int, alphaRight);

        Gyrelle spinner;
        spinner.resize(64, 64);
        spinner.startAnimation();
        tick(spinner, steps);
        QImage image(64, 64, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        spinner.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());

        // The centre is (31, 31); spokes run from 11 to 31 pixels out.
        QVERIFY(qAbs(qAlpha(image.pixel(31, 10)) - alphaAbove) <= 2);
        QVERIFY(qAbs(qAlpha(image.pixel(52, 31)) - alphaRight) <= 2);
        QCOMPARE(qAlpha(image.pixel(31, 31)), 0);
        QCOMPARE(qRed(image.pixel(31, 10)), 0);
    }
};

QTEST_MAIN(PaintingTest)
#include "painting_test.moc"
