#include "qt_warnings.h"

#include <gyrelle/gyrelle.h>

#include <QPluginLoader>
#include <QXmlStreamReader>
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
    }
    QTWARNINGS_FAIL_TESTS

    void describesTheWidget()
    {
        QCOMPARE(plugin->name(), QStringLiteral("Gyrelle"));
        QCOMPARE(plugin->includeFile(), QStringLiteral("gyrelle/gyrelle.h"));
        QVERIFY(!plugin->isContainer());
        QVERIFY(!plugin->group().isEmpty());
        QVERIFY(!plugin->toolTip().isEmpty());
        QVERIFY(!plugin->whatsThis().isEmpty());
    }

    void iconShowsTheSpinner()
    {
        const QImage icon = plugin->icon().pixmap(20, 20).toImage();
        QVERIFY(!icon.isNull());
        QCOMPARE(qAlpha(icon.pixel(9, 3)), 255); // the leading spoke, straight up
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    }

    void domXmlNamesTheClass()
    {
        QXmlStreamReader xml(plugin->domXml());
        QStringList widgets;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("widget"))
                widgets.append(xml.attributes().value(QLatin1String("class")).toString());
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(widgets, QStringList{QStringLiteral("Gyrelle")});
    }

    void createsADefaultSpinnerWhosePropertiesWork()
    {
        QWidget parent;
        QWidget *widget = plugin->createWidget(&parent);
        auto *spinner = qobject_cast<Gyrelle *>(widget);
        QVERIFY(spinner);
        QCOMPARE(widget->parentWidget(), &parent);
        QCOMPARE(widget->property("delay"), QVariant(40));
        QCOMPARE(widget->property("displayedWhenStopped"), QVariant(false));
        QCOMPARE(widget->property("color"), QVariant(QColor(Qt::black)));

        QVERIFY(widget->setProperty("delay", 75));
        QVERIFY(widget->setProperty("displayedWhenStopped", true));
        QVERIFY(widget->setProperty("color", QColor(Qt::darkGreen)));
        QCOMPARE(spinner->animationDelay(), 75);
        QVERIFY(spinner->isDisplayedWhenStopped());
        QCOMPARE(spinner->color(), QColor(Qt::darkGreen));
    }

    void initializesOnce()
    {
        QVERIFY(!plugin->isInitialized());
        plugin->initialize(nullptr);
        QVERIFY(plugin->isInitialized());
    }

private:
    QPluginLoader loader;
    QDesignerCustomWidgetInterface *plugin = nullptr;
};

QTEST_MAIN(DesignerPluginTest)
#include "designer_plugin_test.moc"
