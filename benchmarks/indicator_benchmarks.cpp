// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

// The spinner against what a Qt developer would otherwise show while busy: a
// QProgressBar in busy mode (minimum = maximum = 0) under the Fusion style, and
// a QLabel playing a spinner GIF through QMovie. Same size, same painting path
// (QWidget::render into an image).
#include <gyrelle/gyrelle.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QImage>
#include <QLabel>
#include <QMovie>
#include <QProgressBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QTimerEvent>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

QStyle *fusion()
{
    static QStyle *const style = QStyleFactory::create(QStringLiteral("Fusion"));
    return style;
}

// One kind of busy indicator, made at a size, that can show its next frame.
struct Indicator
{
    std::unique_ptr<QWidget> widget;
    std::unique_ptr<QMovie> movie;

    void advance()
    {
        if (movie) {
            movie->jumpToNextFrame();
        } else if (auto *spinner = qobject_cast<Gyrelle *>(widget.get())) {
            QTimerEvent tick(0);
            QCoreApplication::sendEvent(spinner, &tick);
        }
        // A busy QProgressBar moves with the time on its own.
    }
};

enum Kind { Spinner, ProgressBar, MovieLabel };

Indicator make(Kind kind, int size)
{
    Indicator indicator;
    switch (kind) {
    case Spinner: {
        auto *spinner = new Gyrelle;
        spinner->startAnimation();
        indicator.widget.reset(spinner);
        break;
    }
    case ProgressBar: {
        auto *bar = new QProgressBar;
        bar->setStyle(fusion());
        bar->setRange(0, 0);
        bar->setTextVisible(false);
        indicator.widget.reset(bar);
        break;
    }
    case MovieLabel: {
        auto *label = new QLabel;
        indicator.movie = std::make_unique<QMovie>(QStringLiteral(GIF_DIR "/spinner-%1.gif").arg(size));
        label->setMovie(indicator.movie.get());
        indicator.movie->start();
        indicator.widget.reset(label);
        break;
    }
    }
    indicator.widget->resize(size, size);
    return indicator;
}

// The cost of one frame: the next step of the animation, then painting it.
void frame(benchmark::State &state, Kind kind)
{
    const int size = int(state.range(0));
    Indicator indicator = make(kind, size);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        indicator.advance();
        indicator.widget->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK_CAPTURE(frame, gyrelle, Spinner)->Arg(20)->Arg(64)->Arg(200);
BENCHMARK_CAPTURE(frame, progress_bar, ProgressBar)->Arg(20)->Arg(64)->Arg(200);
BENCHMARK_CAPTURE(frame, movie_label, MovieLabel)->Arg(20)->Arg(64)->Arg(200);

// Counts the paint events one widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// One second of animation in a shown window, at the size of each indicator; the
// benchmark's CPU time is what the animation costs the GUI thread.
void animation_second(benchmark::State &state, Kind kind)
{
    Indicator indicator = make(kind, int(state.range(0)));
    PaintCounter counter;
    indicator.widget->installEventFilter(&counter);
    indicator.widget->show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        QEventLoop loop;
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    state.counters["paints_per_second"] = benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(animation_second, gyrelle, Spinner)->Arg(64)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(animation_second, progress_bar, ProgressBar)->Arg(64)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(animation_second, movie_label, MovieLabel)->Arg(64)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
