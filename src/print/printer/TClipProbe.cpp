#include "print/printer/TClipProbe.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTextItem>

namespace cw::printer {

// Measures every drawing in logical coordinates against the painter's clip,
// also in logical coordinates, and keeps the device extent of what shows.
class TClipProbe::Engine : public QPaintEngine
{
public:
    Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    Type type() const override { return QPaintEngine::User; }

    void drawPath(const QPainterPath &path) override { note(path.boundingRect()); }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        Q_UNUSED(mode);
        note(QPolygonF(QList<QPointF>(points, points + count)).boundingRect());
    }
    void drawPixmap(const QRectF &r, const QPixmap &, const QRectF &) override { note(r); }
    void drawImage(const QRectF &r, const QImage &, const QRectF &, Qt::ImageConversionFlags) override
    {
        note(r);
    }
    void drawTiledPixmap(const QRectF &r, const QPixmap &, const QPointF &) override { note(r); }
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        // The ink of the letters, not the line's full height: a label's
        // text cell may be cut just below the font's ascent and descent.
        note(QFontMetricsF(item.font()).tightBoundingRect(item.text()).translated(p));
    }

    bool cut = false;
    bool rasterOp = false;
    bool pattern = false;
    QRectF painted;

private:
    void note(QRectF area)
    {
        QPainter *p = painter();
        if (p->compositionMode() != QPainter::CompositionMode_SourceOver)
            rasterOp = true;
        const Qt::BrushStyle fill = p->brush().style();
        if (fill != Qt::NoBrush && fill != Qt::SolidPattern && fill != Qt::LinearGradientPattern &&
            fill != Qt::RadialGradientPattern)
            pattern = true;
        // A stroke reaches half the pen's width beyond the path.
        if (p->pen().style() != Qt::NoPen) {
            const double half = std::max(1.0, p->pen().widthF()) / 2;
            area.adjust(-half, -half, half, half);
        }
        if (p->hasClipping()) {
            // Up to a pixel past the clip is no cut anyone sees (a frame
            // drawn on the clip's edge, say).
            const QPainterPath clip = p->clipPath();
            if (!clip.contains(area.adjusted(1, 1, -1, -1)))
                cut = true;
            area = area.intersected(clip.boundingRect());
        }
        if (!area.isEmpty())
            painted |= p->transform().mapRect(area);
    }
};

TClipProbe::TClipProbe(const QSize &size) : m_size(size), m_engine(std::make_unique<Engine>()) {}

TClipProbe::~TClipProbe() = default;

bool TClipProbe::ClipCuts(const QSize &size, const std::function<void(QPainter &)> &paint)
{
    TClipProbe probe(size);
    QPainter painter(&probe);
    paint(painter);
    painter.end();
    return probe.Cut();
}

bool TClipProbe::Cut() const
{
    return m_engine->cut;
}

bool TClipProbe::RasterOp() const
{
    return m_engine->rasterOp;
}

bool TClipProbe::PatternFill() const
{
    return m_engine->pattern;
}

QRectF TClipProbe::Painted() const
{
    return m_engine->painted;
}

QPaintEngine *TClipProbe::paintEngine() const
{
    return m_engine.get();
}

int TClipProbe::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return m_size.width();
    case PdmHeight:
        return m_size.height();
    case PdmWidthMM:
        return qRound(m_size.width() * 25.4 / 96);
    case PdmHeightMM:
        return qRound(m_size.height() * 25.4 / 96);
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(QPaintDevice::devicePixelRatioFScale());
    }
    return 0;
}

} // namespace cw::printer
