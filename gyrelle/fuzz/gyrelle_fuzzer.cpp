// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

// libFuzzer target: input bytes become slot calls and property writes through
// the meta-object, resizes, timer ticks, event processing and renders of one
// spinner, offscreen. After every step: the leading spoke's angle is one of 0,
// 30, ..., 330, and the spinner counts as animated exactly when a timer runs.
#include "fuzz_input.h"
#include "paint_recorder.h"

#include <gyrelle/gyrelle.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QImage>
#include <QTimerEvent>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// A width or height from 0 to 4096.
int side(FuzzInput &input)
{
    return (input.byte() << 8 | input.byte()) % 4097;
}

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// Qt warns about the negative delays and huge sizes the fuzzer tries; only a
// fatal message should end the run.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        std::abort();
    }
}

void step(Gyrelle &spinner, FuzzInput &input)
{
    switch (input.byte() % 11) {
    case 0:
        QMetaObject::invokeMethod(&spinner, "startAnimation");
        break;
    case 1:
        QMetaObject::invokeMethod(&spinner, "stopAnimation");
        break;
    case 2:
        QMetaObject::invokeMethod(&spinner, "setAnimationDelay", Q_ARG(int, input.number()));
        break;
    case 3:
        spinner.setProperty("delay", input.number());
        break;
    case 4:
        spinner.setProperty("displayedWhenStopped", bool(input.byte() & 1));
        break;
    case 5:
        spinner.setProperty("color", QColor::fromRgba(uint32_t(input.number())));
        break;
    case 6:
        QMetaObject::invokeMethod(&spinner, "setColor",
                                  Q_ARG(QColor, QColor(input.byte(), input.byte(), input.byte())));
        break;
    case 7: {
        const int width = side(input);
        spinner.resize(width, side(input));
        break;
    }
    case 8: {
        QTimerEvent tick(input.number());
        QCoreApplication::sendEvent(&spinner, &tick);
        break;
    }
    case 9:
        QCoreApplication::processEvents();
        break;
    default: {
        QImage image(48, 48, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        spinner.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        break;
    }
    }
}

void check(Gyrelle &spinner)
{
    const int timers = QAbstractEventDispatcher::instance()->registeredTimers(&spinner).size();
    require(timers == (spinner.isAnimated() ? 1 : 0), "isAnimated() disagrees with the running timers");
    const QVector<DrawCall> calls = recordPainting(spinner);
    // Qt sends no paint event to a widget without area.
    if ((!spinner.isAnimated() && !spinner.isDisplayedWhenStopped()) || spinner.size().isEmpty()) {
        require(calls.isEmpty(), "a stopped or empty spinner painted");
        return;
    }
    require(calls.size() == 12, "not twelve spokes");
    const int angle = rotationOf(calls.first().transform);
    require(angle % 30 == 0 && angle >= 0 && angle <= 330, "angle off the twelve steps");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    new QApplication(*argc, *argv); // lives as long as the fuzzing process
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    Gyrelle spinner;
    while (!input.empty()) {
        step(spinner, input);
        check(spinner);
    }
    return 0;
}
