#pragma once
// Pixel-exact outline drawing shared by the shape and line objects.  Lines
// and rectangles are given in the platform's integer convention (a 1-pixel
// line at x covers pixel x; rectangles exclude their right and bottom edge);
// these helpers place the QPainter geometry so the same pixels are inked.
//
// Pen modes and styles come out as TPenRendering decides for every output:
// a mode is an ink colour for the outline and the fill alike, never a raster
// operation, so the screen shows what the printer can print.

#include "design/model/TGBrush.h"
#include "design/model/TGPen.h"

#include <QPainter>

namespace cw::model {

class TGShapePainting
{
public:
    // Prepares the painter for an outline of `width` pixels: the ink and
    // dashes of `pen` (dash lengths scaled by `zoom`), no antialiasing.
    // Returns false when no outline is to be drawn (pmNop or psClear; the
    // pen is then cleared so a fill can still be drawn).  A zero width draws
    // one pixel.  Dashed outlines have flat ends whatever `cap` says.
    static bool SetupPen(QPainter &painter, const TGPen &pen, int width, Qt::PenCapStyle cap,
                         double zoom = 1.0);
    // The fill of a shape whose outline is drawn with `pen`: the brush in the
    // ink the pen's mode gives it; no fill for pmNop.
    static QBrush Fill(const TGBrush &brush, const TGPen &pen);
    // Offset that puts a pen of `width` on whole pixels (odd widths centre on
    // a pixel, even widths on a pixel edge).
    static double Offset(int width) { return (std::max(width, 1) % 2) ? 0.5 : 0.0; }
    // The path rectangle of an outline drawn around (x1, y1)-(x2, y2).
    static QRectF OutlineRect(const QRect &windowsRect, int width);
    // Fills and outlines `path` with the painter's brush and pen.  A dashed
    // pen is laid out along the path's true length, as paper lays it out:
    // Qt's thin-line stroker counts a dash in steps along the major axis, so
    // dashes on slants and curves came out longer on screen than printed.
    static void DrawPath(QPainter &painter, const QPainterPath &path);
};

} // namespace cw::model
