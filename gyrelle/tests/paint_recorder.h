// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

// A paint device that records what a painter fills instead of drawing it:
// shared by the widget's tests and its fuzzer (gyrelle/fuzz).
#ifndef GYRELLE_TESTS_PAINT_RECORDER_H
#define GYRELLE_TESTS_PAINT_RECORDER_H

#include <QBrush>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <QVector>
#include <QWidget>

#include <climits>
#include <cmath>

// What a painter was asked to fill, with the state it was in at that moment.
struct DrawCall
{
    QTransform transform;
    QBrush brush;
    Qt::PenStyle penStyle = Qt::SolidLine;
    bool antialiased = false;
    QPainterPath path;
};

// A paint engine that draws nothing and remembers every fill. It claims every
// feature, so QPainter hands it transforms and shapes untouched.
class RecordingEngine : public QPaintEngine
{
public:
    RecordingEngine()
        : QPaintEngine(AllFeatures)
    {
    }

    QVector<DrawCall> calls;

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & DirtyTransform)
            current.transform = state.transform();
        if (state.state() & DirtyBrush)
            current.brush = state.brush();
        if (state.state() & DirtyPen)
            current.penStyle = state.pen().style();
        if (state.state() & DirtyHints)
            current.antialiased = state.renderHints().testFlag(QPainter::Antialiasing);
    }

    void drawPath(const QPainterPath &path) override { record(path); }

    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            QPainterPath path;
            path.addRect(rects[i]);
            record(path);
        }
    }

    void drawPolygon(const QPointF *points, int count, PolygonDrawMode) override
    {
        QPainterPath path;
        path.addPolygon(QPolygonF(QVector<QPointF>(points, points + count)));
        record(path);
    }

    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}

private:
    void record(const QPainterPath &path)
    {
        DrawCall call = current;
        call.path = path;
        calls.append(call);
    }

    DrawCall current;
};

class RecordingDevice : public QPaintDevice
{
public:
    explicit RecordingDevice(const QSize &size)
        : size(size)
    {
    }

    QPaintEngine *paintEngine() const override { return &engine; }
    mutable RecordingEngine engine;

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return size.width();
        case PdmHeight:
            return size.height();
        case PdmWidthMM:
            return size.width() * 254 / 960;
        case PdmHeightMM:
            return size.height() * 254 / 960;
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default: // the dots-per-inch metrics
            return 96;
        }
    }

private:
    QSize size;
};

// The fills a widget makes when it paints itself, without its background.
inline QVector<DrawCall> recordPainting(QWidget &widget)
{
    RecordingDevice device(widget.size());
    widget.render(&device, QPoint(), QRegion(), QWidget::RenderFlags());
    return device.engine.calls;
}

// The rotation, in whole degrees within [0, 360), of a recorded transform.
inline int rotationOf(const QTransform &transform)
{
    const int degrees = int(std::lround(std::atan2(transform.m12(), transform.m11()) * 180 / M_PI));
    return (degrees + 360) % 360;
}

#endif
