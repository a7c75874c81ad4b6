// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

#include "qt_warnings.h"

#include <gyrelle/gyrelle.h>

#include <QPluginLoader>
#include <QXmlStreamReader>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtTest>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class DesignerPluginTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QtWarnings::install();
        loader.setFileName(QStringLiteral(DESIGNER_PLUGIN));
        QVERIFY2(loader.load(), qPrintable(loader.errorString()));
        plugin = qobject_cast<QDesignerCustomWidgetInterface *>(loader.instance());
        QVERIFY(plugin);
        // As Designer and Qt Creator do; QUiLoader never does (designer_form_test).
        plugin->initialize(&formEditor);
        QVERIFY(plugin->isInitialized());
    }
    QTWARNINGS_FAIL_TESTS

    void describesTheWidget()
    {
        QCOMPARE(plugin->name(), QStringLiteral("Gyrelle"));
        QCOMPARE(plugin->includeFile(), QStringLiteral("gyrelle/gyrelle.h"));
        QVERIFY(!plugin->isContainer());
        QCOMPARE(plugin->group(), QStringLiteral("Display Widgets"));
        QVERIFY(!plugin->toolTip().isEmpty());
        QVERIFY(!plugin->whatsThis().isEmpty());
    }

    void iconShowsTheSpinner()
    {
        const QIcon icon = plugin->icon();
        QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(20, 20)});
        QVERIFY(isStillFrame(icon.pixmap(20, 20).toImage()));
    }

    void domXmlNamesTheClass()
    {
        QXmlStreamReader xml(plugin->domXml());
        QStringList widgets;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("widget")) {
                const QXmlStreamAttributes attributes = xml.attributes();
                widgets.append(attributes.value(QLatin1String("class")).toString() + QLatin1Char(' ')
                               + attributes.value(QLatin1String("name")).toString());
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(widgets, QStringList{QStringLiteral("Gyrelle gyrelle")});
    }

    // On a form, the spinner shows its still frame while its properties keep
    // their defaults, so that Designer saves none of them.
    void createsADefaultSpinnerThatShowsItsStillFrame()
    {
        QWidget parent;
        QWidget *widget = plugin->createWidget(&parent);
        auto *spinner = qobject_cast<Gyrelle *>(widget);
        QVERIFY(spinner);
        QCOMPARE(widget->parentWidget(), &parent);
        QCOMPARE(widget->property("delay"), QVariant(40));
        QCOMPARE(widget->property("displayedWhenStopped"), QVariant(false));
        QCOMPARE(widget->property("color"), QVariant(QColor(Qt::black)));
        QVERIFY(!spinner->isAnimated());
        spinner->resize(20, 20);
        QVERIFY(isStillFrame(rendered(*spinner)));
        Gyrelle applications;
        applications.resize(20, 20);
        QVERIFY(!isStillFrame(rendered(applications))); // draws nothing

        QVERIFY(widget->setProperty("delay", 75));
        QVERIFY(widget->setProperty("displayedWhenStopped", true));
        QVERIFY(widget->setProperty("color", QColor(Qt::darkGreen)));
        QCOMPARE(spinner->animationDelay(), 75);
        QVERIFY(spinner->isDisplayedWhenStopped());
        QCOMPARE(spinner->color(), QColor(Qt::darkGreen));
    }

    // The still frame is what the library draws for a spinner displayed when
    // stopped, in the spinner's size and colour, at the device pixel ratio it is
    // painted at (not a frame drawn for ratio 1 and scaled up). The frame is kept
    // between paints, so each row changes one thing alone after a first paint:
    // a kept frame that missed the change would show.
    void stillFrameFollowsEachChangeAlone_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QSize>("size");
        QTest::newRow("device pixel ratio") << 2.0 << firstColor << firstSize;
        QTest::newRow("colour") << 1.0 << QColor(Qt::blue) << firstSize;
        QTest::newRow("size") << 1.0 << firstColor << QSize(40, 40);
    }
    void stillFrameFollowsEachChangeAlone()
    {
        QFETCH(qreal, ratio);
        QFETCH(QColor, color);
        QFETCH(QSize, size);
        QWidget parent;
        auto *spinner = qobject_cast<Gyrelle *>(plugin->createWidget(&parent));
        Gyrelle displayed;
        displayed.setDisplayedWhenStopped(true);
        const auto setBoth = [&](const QColor &newColor, QSize newSize) {
            for (Gyrelle *each : {spinner, &displayed}) {
                each->resize(newSize);
                each->setColor(newColor);
            }
        };
        setBoth(firstColor, firstSize);
        const QImage first = rendered(displayed);
        QCOMPARE(first.pixelColor(14, 3), firstColor); // the leading spoke
        QCOMPARE(rendered(*spinner), first);

        setBoth(color, size);
        QCOMPARE(rendered(*spinner, ratio), rendered(displayed, ratio));
    }

private:
    static QImage rendered(QWidget &widget, qreal ratio = 1)
    {
        QImage image(widget.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        widget.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        return image;
    }

    // The leading spoke straight up, fully opaque, and nothing in the corner.
    static bool isStillFrame(const QImage &image)
    {
        return image.size() == QSize(20, 20) && qAlpha(image.pixel(9, 3)) == 255 && qAlpha(image.pixel(0, 0)) == 0;
    }

    static inline const QColor firstColor{200, 40, 30};
    static constexpr QSize firstSize{30, 30};

    QPluginLoader loader;
    QDesignerCustomWidgetInterface *plugin = nullptr;
    QDesignerFormEditorInterface formEditor;
};

QTEST_MAIN(DesignerPluginTest)
#include "designer_plugin_test.moc"
