#include "gyrelle_designer_plugin.h"

#include <gyrelle/gyrelle.h>

#include <QEvent>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace {

// The still frame of a spinner shaped like SOURCE (size, colour), whatever
// SOURCE's own displayedWhenStopped says. (Rendered into a pixmap: QWidget::render
// onto a painter that is open on a widget misplaces the drawing.)
QPixmap stillFrame(const Gyrelle &source)
{
    Gyrelle still;
    still.resize(source.size());
    still.setColor(source.color());
    still.setDisplayedWhenStopped(true);
    QPixmap pixmap(still.size());
    pixmap.fill(Qt::transparent);
    still.render(&pixmap, QPoint(), QRegion(), QWidget::RenderFlags());
    return pixmap;
}

// A spinner dropped on a form is stopped and not displayed when stopped, so it
// would draw nothing and could not be seen or selected. On Designer's widgets
// only, this draws the still frame instead, without touching a property that
// Designer would show or save.
class StillFrameInDesigner : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *spinner = static_cast<Gyrelle *>(watched);
        if (event->type() != QEvent::Paint || spinner->isAnimated() || spinner->isDisplayedWhenStopped())
            return false;
        QPainter(spinner).drawPixmap(0, 0, stillFrame(*spinner));
        return true;
    }
};

} // namespace

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
    return QIcon(stillFrame(spinner));
}

bool GyrelleDesignerPlugin::isContainer() const
{
    return false;
}

QWidget *GyrelleDesignerPlugin::createWidget(QWidget *parent)
{
    auto *spinner = new Gyrelle(parent);
    spinner->installEventFilter(new StillFrameInDesigner(spinner));
    return spinner;
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
