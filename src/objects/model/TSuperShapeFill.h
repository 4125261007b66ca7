#pragma once
// Fills shared by the SuperShape and SuperText objects: the 256-band
// gradient, tiling a picture through the current clip on screen, and the
// printer-resolution texture tiles and gradient bands sent through the print
// engine.  Colours are taken as RGB (system colours resolved first).

#include "design/model/TGColor.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <functional>

class QPainter;

namespace cw::engine {
class TBaseReport;
}

namespace cw::model {

enum TFillDirection { gdUp, gdDown, gdLeft, gdRight };

class TSuperShapeFill
{
public:
    static const QStringList &FillDirectionNames();

    // Colour of band i (0..255) running from `start` to `end`: each channel
    // is start + MulDiv(i, end − start, 255), so band 255 is exactly `end`.
    static QColor BandColor(const QColor &start, const QColor &end, int i);
    // Band i's rectangle inside an area of w x h pixels: horizontal bands
    // (x from MulDiv(i, w, 256) to MulDiv(i + 1, w, 256), full height) or
    // vertical ones (y likewise over h, full width).  Right/bottom exclusive.
    static QRect BandRect(int i, int w, int h, bool horizontal);
    // A w x h bitmap of 256 bands from `start` (top or left) to `end`; a null
    // image for an empty size.
    static QImage GradientBitmap(int w, int h, const QColor &start, const QColor &end, bool horizontal);
    // Whether a direction runs across (left/right) rather than down.
    static bool IsHorizontal(TFillDirection d) { return d == gdLeft || d == gdRight; }

    // Tiles `picture` from (0, 0) over w x h pixels, each tile stretched to
    // tileSize, through whatever clip the painter has.  Nothing for an empty
    // picture or tile.
    static void TileOnScreen(QPainter &painter, const QImage &picture, QSize tileSize, int w, int h);

    // Colours the screen shows: 2 ^ bits per pixel, 256 when unknown.  Tests
    // may replace the query.
    static int ScreenColorCount();
    static void SetScreenColorCountQuery(std::function<int()> query);

    // Tiles `picture` into the printer-pixel rectangle `box` (device pixels
    // with the sheet's corner at the origin, i.e. before the unprintable
    // offset) at scale (sx, sy) printer pixels per picture pixel.  Composed:
    // one bitmap of the whole box is built from the tiles and printed once;
    // otherwise each tile is printed alone, 0.01 inch larger than its cell so
    // that neighbouring tiles overlap and no seam shows.
    static void PrintTiles(engine::TBaseReport &report, const QImage &picture, const QRect &box, double sx,
                           double sy, bool composed);
    // Fills `cover` (printable-area printer pixels) with the gradient whose
    // 256 bands are laid over `box`, the object's own rectangle, exactly as
    // the screen's gradient bitmap spans the object: a colour falls at the
    // same place on paper as on screen.  What `cover` holds beyond the box
    // (room for glyph edges and rounding) takes the start colour before the
    // box and the end colour after it.  Solid brushes, no outline.
    static void PrintGradient(engine::TBaseReport &report, const QRect &box, const QRect &cover,
                              const QColor &start, const QColor &end, bool horizontal);
};

} // namespace cw::model
