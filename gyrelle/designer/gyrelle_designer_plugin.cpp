// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

#include "gyrelle_designer_plugin.h"

#include <gyrelle/gyrelle.h>

#include <QEvent>
#include <QIcon>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>

namespace {

// Draws the still frame of a spinner, whatever its own displayedWhenStopped
// says, through a hidden spinner of the same size and colour that is displayed
// when stopped: the library's own drawing, never a copy of it.
class StillFrame
{
public:
    StillFrame() { still.setDisplayedWhenStopped(true); }

    // The frame for SPINNER, at RATIO device pixels per pixel. Remade only when
    // the size, colour or ratio changed, so that painting stays cheap.
    const QPixmap &of(const Gyrelle &spinner, qreal ratio)
    {
        if (frame.isNull() || still.size() != spinner.size() || still.color() != spinner.color()
            || frame.devicePixelRatio() != ratio) {
            still.resize(spinner.size());
            still.setColor(spinner.color());
            // Rendered into a pixmap: QWidget::render onto a painter that is open
            // on a widget misplaces the drawing.
            frame = QPixmap(spinner.size() * ratio);
            frame.setDevicePixelRatio(ratio);
            frame.fill(Qt::transparent);
            still.render(&frame, QPoint(), QRegion(), QWidget::RenderFlags());
        }
        return frame;
    }

private:
    Gyrelle still; // never shown
    QPixmap frame;
};

// A spinner dropped on a form is stopped and not displayed when stopped, so it
// would draw nothing and could not be seen or selected. On a form editor's
// widgets only, this draws the still frame instead, without touching a property
// that the form editor would show or save.
class StillFrameInFormEditor : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *spinner = static_cast<Gyrelle *>(watched);
        if (event->type() != QEvent::Paint || spinner->isAnimated() || spinner->isDisplayedWhenStopped())
            return false;
        QPainter painter(spinner);
        if (!painter.isActive())
            return true;
        // The ratio of the device really painted on: the window's screen, or an
        // image that the spinner is rendered into.
        const qreal ratio = painter.paintEngine()->paintDevice()->devicePixelRatioF();
        painter.drawPixmap(0, 0, stillFrame.of(*spinner, ratio));
        return true;
    }

private:
    StillFrame stillFrame;
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
    return QStringLiteral("Twelve rounded spokes that fade around a circle and turn while the application is busy. "
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
    return QIcon(StillFrame().of(spinner, 1));
}

bool GyrelleDesignerPlugin::isContainer() const
{
    return false;
}

QWidget *GyrelleDesignerPlugin::createWidget(QWidget *parent)
{
    auto *spinner = new Gyrelle(parent);
    if (inFormEditor)
        spinner->installEventFilter(new StillFrameInFormEditor(spinner));
    return spinner;
}

bool GyrelleDesignerPlugin::isInitialized() const
{
    return initialized;
}

// Designer and Qt Creator pass their form editor. QUiLoader and QFormBuilder,
// which build forms in applications at run time, pass none or do not call this.
void GyrelleDesignerPlugin::initialize(QDesignerFormEditorInterface *formEditor)
{
    initialized = true;
    inFormEditor = formEditor != nullptr;
}

QString GyrelleDesignerPlugin::domXml() const
{
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"Gyrelle\" name=\"gyrelle\"/>\n"
                          "</ui>\n");
}
