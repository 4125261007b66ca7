#pragma once
// Drawing layers that lie over each other (text over its shadow or
// highlight, a shape's outline over its fill) on screen at a finer grid than
// the pixels, averaged down.
//
// Drawn one over the other at the pixels' own size, each smoothed edge
// covers its pixel as if nothing lay under it: where a thin gap of the text
// lies over the same gap of its shadow, the gap's pixel shows the shadow's
// colour through the text's half cover, although no shadow lies there; a
// fill's edge shows through the outline drawn over it.  Paper, drawn at the
// printer's resolution, shows neither.  At four times the resolution and
// averaged, each layer shows as much as it covers.

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <functional>

namespace cw::model {

// How many times finer the grid is at `zoom`: four times at 100 %, less
// when zoomed in, where a pixel is already small; 1 draws directly.
int FinerGridFactor(float zoom);

// The layer an object keeps of its last drawing at the finer grid, so a
// repaint that changes nothing draws one picture.
class TFinerGrid
{
public:
    // Runs `draw` (in the painter's coordinates, whole pixels) into a layer
    // covering `area` at the finer grid for `zoom` and draws the layer
    // averaged down onto `painter`.  The layer starts transparent, with the
    // painter's render hints, but pictures are enlarged without smoothing
    // so that a tiled bitmap comes back with its own pixels.  `key` names
    // everything the drawing depends on: while it, the area, the zoom and
    // the hints stay the same the last layer is drawn again.
    void Draw(QPainter &painter, const QRect &area, float zoom, const QByteArray &key,
              const std::function<void(QPainter &)> &draw);

    // Whether layers are kept (the default); tests turn keeping off to see
    // what a drawing from scratch gives.
    static void SetKeepingLayers(bool on);

private:
    QByteArray m_key;
    QRect m_area;
    float m_zoom = 0;
    QPainter::RenderHints m_hints;
    QImage m_layer;
};

} // namespace cw::model
