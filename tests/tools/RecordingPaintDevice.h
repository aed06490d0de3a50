#pragma once

// A paint device that remembers where text and rectangles were drawn on it, in its own pixels.

#include <QFont>
#include <QFontMetrics>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QTextItem>
#include <QTransform>

struct RecordedText {
    QString text;
    QPointF topLeft; // the top of the text's line, as the painter's font metrics give it
    QFont font;
};

struct Recording {
    QList<RecordedText> texts;
    QList<QRectF> rectangles;

    QStringList Texts() const {
        QStringList lines;
        for (const RecordedText& text : texts)
            lines.append(text.text);
        return lines;
    }
};

class RecordingPaintDevice : public QPaintDevice {
public:
    RecordingPaintDevice(QSize size, int dotsPerInch) : size(size), dotsPerInch(dotsPerInch) {
        engine.device = this;
    }
    ~RecordingPaintDevice() override = default;

    QPaintEngine* paintEngine() const override { return &engine; }

    Recording recording;

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return size.width();
        case PdmHeight:
            return size.height();
        case PdmWidthMM:
            return size.width() * 254 / (10 * dotsPerInch);
        case PdmHeightMM:
            return size.height() * 254 / (10 * dotsPerInch);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return dotsPerInch;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    class Engine : public QPaintEngine {
    public:
        Engine() : QPaintEngine(AllFeatures) {}
        RecordingPaintDevice* device = nullptr;
        QTransform transform;

        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        Type type() const override { return User; }
        void updateState(const QPaintEngineState& state) override {
            if (state.state() & DirtyTransform)
                transform = state.transform();
        }
        void drawTextItem(const QPointF& baseline, const QTextItem& item) override {
            const int ascent = QFontMetrics(item.font(), device).ascent();
            device->recording.texts.append(
                {item.text(), transform.map(baseline - QPointF(0, ascent)), item.font()});
        }
        void drawRects(const QRectF* rects, int count) override {
            for (int i = 0; i < count; ++i)
                device->recording.rectangles.append(transform.mapRect(rects[i]));
        }
        void drawRects(const QRect* rects, int count) override {
            for (int i = 0; i < count; ++i)
                device->recording.rectangles.append(transform.mapRect(QRectF(rects[i])));
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawImage(const QRectF&, const QImage&, const QRectF&,
                       Qt::ImageConversionFlags) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}
    };

    QSize size;
    int dotsPerInch;
    mutable Engine engine;
};
