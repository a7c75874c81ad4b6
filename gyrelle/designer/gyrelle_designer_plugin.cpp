#include "gyrelle_designer_plugin.h"

#include <gyrelle/gyrelle.h>

#include <QIcon>
#include <QPixmap>

GyrelleDesignerPlugin::GyrelleDesignerPlugin(QObject *parent)
    : QObject(parent)
{
}

QString GyrelleDesignerPlugin::name() const
{
    return QStringLiteral("Gyrelle");
}

QString GyrelleDesignerPlugin::group() const
{
    return QStringLiteral("Display Widgets");
}

QString GyrelleDesignerPlugin::toolTip() const
{
    return QStringLiteral("Animated busy spinner");
}

QString GyrelleDesignerPlugin::whatsThis() const
{
    return QStringLiteral(
        "Twelve rounded spokes that fade around a circle and turn while the application is busy. "
        "It is hidden while stopped unless displayedWhenStopped is set; start it with the "
        "startAnimation() slot.");
}

QString GyrelleDesignerPlugin::includeFile() const
{
    return QStringLiteral("gyrelle/gyrelle.h");
}

// The widget box shows the spinner itself, drawn at its size hint.
QIcon GyrelleDesignerPlugin::icon() const
{
    Gyrelle spinner;
    spinner.resize(spinner.sizeHint());
    spinner.setDisplayedWhenStopped(true);
    QPixmap pixmap(spinner.size());
    pixmap.fill(Qt::transparent);
    spinner.render(&pixmap, QPoint(), QRegion(), QWidget::RenderFlags());
    return QIcon(pixmap);
}

bool GyrelleDesignerPlugin::isContainer() const
{
    return false;
}

QWidget *GyrelleDesignerPlugin::createWidget(QWidget *parent)
{
    return new Gyrelle(parent);
}

bool GyrelleDesignerPlugin::isInitialized() const
{
    return initialized;
}

void GyrelleDesignerPlugin::initialize(QDesignerFormEditorInterface *)
{
    initialized = true;
}

QString GyrelleDesignerPlugin::domXml() const
{
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"Gyrelle\" name=\"gyrelle\"/>\n"
                          "</ui>\n");
}
