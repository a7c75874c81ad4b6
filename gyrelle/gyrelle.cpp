// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

#include <gyrelle/gyrelle.h>

#include <gyrelle/accessible_change_p.h>

#include <QAccessible>
#include <QPainter>

namespace {

constexpr int spokeCount = 12;
constexpr int degreesPerStep = 360 / spokeCount;

// QObject::startTimer answers 0 when it cannot start a timer (no event
// dispatcher, another thread). Storing that 0 would make the widget report
// itself animated while nothing moves. A negative interval starts none either:
// Qt up to 6.10 refuses it that way, later Qt would turn it every millisecond.
int startTimerOrNone(QObject &object, int interval)
{
    if (interval < 0)
        return -1;
    const int id = object.startTimer(interval);
    return id == 0 ? -1 : id;
}

// Opacity of spoke i: 1 - i/12 in single precision, which the look depends on
// (spoke 2 gets the 16-bit alpha 54612 and spoke 10 10923, where double
// precision would give 54613 and 10922).
void setSpokeAlpha(QColor &color, int i)
{
    const float alpha = 1.0f - float(i) / float(spokeCount);
#if QT_VERSION_MAJOR >= 6
    // Qt 6's setAlphaF takes a float and scales it to 16 bits in single precision,
    // which rounds spoke 2 up to 54613. Scale in double as Qt 5 does, and hand
    // over the float that Qt 6 maps back to exactly that 16-bit value.
    color.setAlphaF(float(qRound(double(alpha) * 65535)) / 65535.0f);
#else
    color.setAlphaF(alpha);
#endif
}

// The look depends on these exact truncations: every step rounds toward zero.
struct SpokeGeometry
{
    int outerRadius;
    int spokeLength;
    int spokeWidth;
    int cornerRadius;

    explicit SpokeGeometry(int side)
    {
        const double half = (side - 1) * 0.5;
        outerRadius = int(half);
        // From the untruncated half, not from outerRadius: side 12 gives 2, not 1.
        const int innerRadius = int(half * 0.38);
        spokeLength = outerRadius - innerRadius;
        // Larger spinners get relatively thinner spokes.
        spokeWidth = int(spokeLength * (side > 32 ? 0.23 : 0.35));
        cornerRadius = spokeWidth / 2;
    }
};

// What assistive technology is told about: whether the spinner turns, and
// whether it draws anything at all.
struct AccessibleState
{
    bool busy;
    bool drawn;

    explicit AccessibleState(const Gyrelle &spinner)
        : busy(spinner.isAnimated())
        , drawn(busy || spinner.isDisplayedWhenStopped())
    {
    }
};

// Screen readers cache states and learn of changes only through events. The
// change of drawing reaches them as a change of "invisible". Without an active
// accessibility client nothing is built or sent.
void announceChange(Gyrelle &spinner, AccessibleState before)
{
    if (!QAccessible::isActive())
        return;
    const AccessibleState now(spinner);
    QAccessible::State changed;
    changed.busy = before.busy != now.busy;
    changed.invisible = before.drawn != now.drawn;
    if (!changed.busy && !changed.invisible)
        return;
    QAccessibleStateChangeEvent event(&spinner, changed);
    // Qt's AT-SPI bridge drops these states, so the accessibility plugin sends
    // them itself; it is told first, before update handlers can read the states.
    if (QAccessibleInterface *accessible = event.accessibleInterface())
        accessible->setText(gyrelleStateChangeText, QString());
    QAccessible::updateAccessibility(&event);
}

} // namespace

Gyrelle::Gyrelle(QWidget *parent)
    : QWidget(parent)
    , angle(0)
    , timerId(-1)
    , delay(40)
    , displayedWhenStopped(false)
    , spokeColor(Qt::black)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::NoFocus);
}

Gyrelle::~Gyrelle() = default;

bool Gyrelle::isAnimated() const
{
    return timerId != -1;
}

bool Gyrelle::isDisplayedWhenStopped() const
{
    return displayedWhenStopped;
}

QSize Gyrelle::sizeHint() const
{
    return QSize(20, 20);
}

int Gyrelle::heightForWidth(int w) const
{
    return w;
}

void Gyrelle::startAnimation()
{
    angle = 0;
    if (timerId != -1)
        return;
    const AccessibleState before(*this);
    timerId = startTimerOrNone(*this, delay);
    announceChange(*this, before);
}

void Gyrelle::stopAnimation()
{
    const AccessibleState before(*this);
    if (timerId != -1)
        killTimer(timerId);
    timerId = -1;
    update();
    announceChange(*this, before);
}

void Gyrelle::setAnimationDelay(int delay)
{
    this->delay = delay;
    if (timerId == -1)
        return;
    const AccessibleState before(*this);
    killTimer(timerId);
    timerId = startTimerOrNone(*this, delay);
    announceChange(*this, before);
}

void Gyrelle::setDisplayedWhenStopped(bool state)
{
    const AccessibleState before(*this);
    displayedWhenStopped = state;
    update();
    announceChange(*this, before);
}

void Gyrelle::setColor(const QColor &color)
{
    spokeColor = color;
    update();
}

void Gyrelle::timerEvent(QTimerEvent * /*event*/)
{
    angle = (angle + degreesPerStep) % 360;
    update();
}

void Gyrelle::paintEvent(QPaintEvent * /*event*/)
{
    if (!displayedWhenStopped && !isAnimated())
        return;

    const SpokeGeometry geometry(qMin(width(), height()));
    const QRectF spoke(-geometry.cornerRadius, -geometry.outerRadius, geometry.spokeWidth, geometry.spokeLength);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < spokeCount; ++i) {
        QColor color = spokeColor;
        setSpokeAlpha(color, i);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QBrush(color, Qt::SolidPattern));
        painter.save();
        painter.translate(QPointF(rect().center()));
        // Single precision, like the alpha.
        painter.rotate(float(angle) - float(degreesPerStep) * float(i));
        painter.drawRoundedRect(spoke, geometry.cornerRadius, geometry.cornerRadius, Qt::AbsoluteSize);
        painter.restore();
    }
}
