#pragma once
// The card as a picture: what the surface's RenderToBitmap, picture export
// and the command-line companion draw.  One routine for all of them, so an
// exported card looks exactly like the card on screen minus the editor's
// extras (grid, outline, selection handles).
//
// The picture is the surface's size at the objects' current zoom: white,
// then the background picture stretched over the whole area when there is
// one, then every visible object drawn with PaintTo at its own Left/Top in
// the order given (z-order, bottom first).

#include <QImage>
#include <QSize>

#include <vector>

class QPainter;

namespace cw::model {

class TGGraphicControl;
struct TCardLayout;

class TCardRenderer
{
public:
    // `size` is the surface size in pixels at the zoom the objects are at.
    // A null `background` draws none.  An object that throws while painting
    // ends the rendering with its exception (callers that export swallow it).
    static QImage Render(const std::vector<TGGraphicControl *> &objects, const QSize &size,
                         const QImage &background = QImage());
    // The objects' part of Render on any painter (an SVG file, say): every
    // visible object in the order given, nothing under them.
    static void PaintObjects(QPainter &painter, const std::vector<TGGraphicControl *> &objects);
    // The visible objects, in the order given, whose frame touches or
    // crosses an edge of a card of `size` pixels at the objects' zoom.
    static std::vector<TGGraphicControl *> EdgeObjects(const std::vector<TGGraphicControl *> &objects,
                                                       const QSize &size);

    // The black outline of the export's "border around the card": the
    // image's outermost `width` rows and columns (one pixel at the screen's
    // resolution, as many as one screen pixel covers at a finer one).
    static void DrawBorder(QImage &image, int width = 1);
    // The same outline on a painter whose picture is `size` pixels.
    static void DrawBorder(QPainter &painter, const QSize &size, int width = 1);

    // The surface size of a layout at zoom 1.0 (96 pixels per inch) ...
    static QSize CardSize(const TCardLayout &layout);
    // ... and at another zoom, each side Round(side × zoom), halves to even,
    // as the surface's own zoom rescales it.
    static QSize ZoomedSize(const QSize &size, float zoom);
};

} // namespace cw::model
