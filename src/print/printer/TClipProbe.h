#pragma once
// Tells whether a painting relies on clipping: a paint device that draws
// nothing and notes, for everything painted on it, whether it reaches beyond
// the clip in force.  Qt's SVG generator writes no clip paths, so a drawing
// that a clip cuts (a text label's text cut at its frame, SuperText letters
// filled through their outlines) would come out uncut in an SVG file; the
// SVG export draws such objects as pictures instead, and likewise those
// painted with raster operations or filled with patterns.

#include <QPaintDevice>
#include <QRectF>
#include <QSize>
#include <functional>
#include <memory>

namespace cw::printer {

class TClipProbe : public QPaintDevice
{
public:
    // The probe covers `size` device pixels at 96 per inch.
    explicit TClipProbe(const QSize &size);
    ~TClipProbe() override;

    // Paints `paint` on a fresh probe; true when a clip cut any of it.
    static bool ClipCuts(const QSize &size, const std::function<void(QPainter &)> &paint);

    bool Cut() const;
    // True when anything was painted with a raster operation (a pen mode
    // other than copy), which mixes with what lies below it: SVG has no such
    // drawing either.
    bool RasterOp() const;
    // True when anything was filled with a hatch, a texture or another
    // pattern: the generator writes SVG patterns, which SVG Tiny readers
    // (Qt's own among them) do not draw.
    bool PatternFill() const;
    // Device area of everything painted, as far as it shows (the clip's
    // bounds where one was in force).
    QRectF Painted() const;

    QPaintEngine *paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    QSize m_size;
    std::unique_ptr<Engine> m_engine;
};

} // namespace cw::printer
