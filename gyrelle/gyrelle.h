// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

#ifndef GYRELLE_GYRELLE_H
#define GYRELLE_GYRELLE_H

#include <gyrelle/gyrelle_export.h>

#include <QColor>
#include <QWidget>

/// An animated busy indicator: twelve rounded spokes in a circle, fading around
/// it, turned clockwise by 30 degrees on every timer tick.
///
/// The widget is stopped and hidden until startAnimation(); its size policy is
/// fixed at the 20x20 size hint unless resized explicitly. Drive it through the
/// calls below or through its slots and properties. Use it on the GUI thread.
///
/// The fields, virtual functions and meta-object are the binary interface of
/// libgyrelle.so.1: do not reorder or retype them.
class GYRELLE_EXPORT Gyrelle : public QWidget
{
    Q_OBJECT
    /// Milliseconds between two steps of the animation; default 40.
    Q_PROPERTY(int delay READ animationDelay WRITE setAnimationDelay)
    /// Whether the spinner is drawn while stopped; default false.
    Q_PROPERTY(bool displayedWhenStopped READ isDisplayedWhenStopped WRITE setDisplayedWhenStopped)
    /// Colour of the spokes; default black. Its alpha is ignored.
    Q_PROPERTY(QColor color READ color WRITE setColor)

public:
    /// A stopped spinner; a parent, if given, owns it.
    explicit Gyrelle(QWidget *parent = nullptr);
    ~Gyrelle() override;

    /// Milliseconds between steps, as last set (not validated).
    int animationDelay() const { return delay; }
    /// Whether the animation timer runs.
    bool isAnimated() const;
    /// Whether the spinner is drawn while stopped; default false.
    bool isDisplayedWhenStopped() const;
    /// The spokes' colour, as last set; default black.
    QColor color() const { return spokeColor; }

    /// Always 20x20.
    QSize sizeHint() const override;
    /// A square: returns @p w.
    int heightForWidth(int w) const override;

public Q_SLOTS:
    /// Turns the spinner back to its start position and runs the timer, if it is
    /// not running yet. The first repaint comes with the first tick. If Qt cannot
    /// start a timer (a negative delay, say), the spinner stays stopped.
    void startAnimation();
    /// Stops the timer, keeping the position, and repaints.
    void stopAnimation();
    /// Sets the milliseconds between steps; a running animation goes on at the
    /// new rate (or stops if Qt cannot start a timer with it).
    void setAnimationDelay(int delay);
    /// Sets whether the spinner is drawn while stopped, and repaints.
    void setDisplayedWhenStopped(bool state);
    /// Sets the spokes' colour (its alpha is ignored), and repaints.
    void setColor(const QColor &color);

protected:
    /// Advances by 30 degrees and repaints, whichever timer sent the event.
    void timerEvent(QTimerEvent *event) override;
    /// Draws the twelve spokes at the current position; nothing while stopped
    /// unless displayedWhenStopped is set.
    void paintEvent(QPaintEvent *event) override;

private:
    int angle;
    int timerId;
    int delay;
    bool displayedWhenStopped;
    QColor spokeColor;
};

#endif
