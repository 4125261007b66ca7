#pragma once
// What a pen's mode and style mean on every output.  The design surface,
// picture export and the print engine all take a pen's ink and dashes from
// here, so a shape or line comes out the same on screen, in a picture and on
// paper.
//
// Pen modes
//   The classic modes are raster operations that combine the pen with what is
//   already on the device.  A printer or a PDF cannot read back what lies
//   under a stroke, so every output evaluates the operation against white card
//   stock (the one background all outputs share) and paints the result as
//   ordinary ink, over whatever lies beneath:
//     pmCopy, pmMask, pmMergePenNot, pmNotXor     the pen's colour
//     pmNotCopy, pmNotMask, pmMaskNotPen, pmXor   the pen's colour inverted
//     pmBlack, pmNot, pmMaskPenNot, pmNotMerge    black
//     pmWhite, pmMerge, pmMergeNotPen             white
//     pmNop                                       nothing at all
//   The fill of a shape goes through the same operation as its outline (the
//   mode is the device's drawing mode, not a property of the outline alone),
//   and the gaps of a hatch stay unpainted.
//
// Pen styles
//   Dashes have fixed lengths in card pixels (1/96 inch) whatever the pen's
//   width, so they scale with the zoom and the printer's resolution alike:
//     psDash 18 on, 6 off; psDot 3, 3; psDashDot 9, 6, 3, 6;
//     psDashDotDot 9, 3, 3, 3, 3, 3.
//   A dash is as long as the pattern says (flat ends).  Solid and inside-frame
//   pens are solid; a clear pen draws no outline.

#include "print/engine/TReportTypes.h"

#include <QColor>
#include <QList>
#include <QPen>
#include <optional>

namespace cw::engine {

class TPenRendering
{
public:
    // The colour `mode` paints for a pen or brush of `colour`; nothing for
    // pmNop.  Alpha is kept.
    static std::optional<QColor> Ink(TPenMode mode, const QColor &colour);

    // The on/off lengths of a style in card pixels; empty for solid pens.
    static QList<qreal> Dashes(Qt::PenStyle style);

    // Gives `pen` (already of its device width) the dashes of `style` on a
    // device with `scale` device units per card pixel; NoPen for Qt::NoPen.
    static void ApplyStyle(QPen &pen, Qt::PenStyle style, double scale);
};

} // namespace cw::engine
