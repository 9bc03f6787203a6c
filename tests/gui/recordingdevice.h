// A paint device that paints nothing and keeps what was drawn on it: each
// text with where it starts, and each straight line (a rectangle as its four
// sides), in device units. Its size and resolution are the caller's, so a
// page laid out on it comes out as on the printer or PDF it stands for.
#pragma once

#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QTransform>
#include <vector>

namespace belt::test {

class RecordingDevice : public QPaintDevice {
public:
    struct Text {
        QPointF at;  // the start of its baseline
        QString text;
    };

    explicit RecordingDevice(QSize size = QSize(1000, 1000), int dpi = 96) : size_(size), dpi_(dpi) {}

    std::vector<Text> texts;
    std::vector<QLineF> lines;

    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
            case PdmWidth:
                return size_.width();
            case PdmHeight:
                return size_.height();
            case PdmWidthMM:
                return size_.width() * 254 / dpi_ / 10;
            case PdmHeightMM:
                return size_.height() * 254 / dpi_ / 10;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return dpi_;
            case PdmDepth:
                return 32;
            case PdmNumColors:
                return 256;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
            default:
                return 0;
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(RecordingDevice& owner) : QPaintEngine(AllFeatures), owner_(owner) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}
        void drawLines(const QLineF* l, int count) override {
            for (int i = 0; i < count; ++i) owner_.lines.push_back(state->transform().map(l[i]));
        }
        void drawRects(const QRectF* r, int count) override {
            for (int i = 0; i < count; ++i) {
                const QPolygonF corners = state->transform().map(QPolygonF(r[i]));
                for (int k = 0; k + 1 < corners.size(); ++k)
                    owner_.lines.emplace_back(corners[k], corners[k + 1]);
            }
        }
        void drawTextItem(const QPointF& p, const QTextItem& item) override {
            owner_.texts.push_back({state->transform().map(p), item.text()});
        }
        Type type() const override { return User; }

    private:
        RecordingDevice& owner_;
    };
    QSize size_;
    int dpi_;
    mutable Engine engine_{*this};
};

}  // namespace belt::test
