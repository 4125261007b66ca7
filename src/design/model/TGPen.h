#pragma once
// The pen of shape and line objects, with the enumerations card files name
// ("psSolid", "pmCopy", …) in their stored order.  The brush is in TGBrush.h.

#include "design/model/TGBrush.h"
#include "design/model/TGColor.h"

#include <QPen>
#include <QStringList>
#include <optional>

namespace cw::model {

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};

struct TGPen
{
    TColor Color = clBlack;
    TPenMode Mode = pmCopy;
    TPenStyle Style = psSolid;
    int Width = 1; // pixels at 100 %

    bool operator==(const TGPen &) const = default;

    static const QStringList &StyleNames();
    static const QStringList &ModeNames();
    static Qt::PenStyle ToQtStyle(TPenStyle style);

    // A QPen of the given width in the painter's units, in the pen's colour
    // as its mode inks it (TPenRendering), with square caps and mitred joins
    // as the platform's geometric pens draw, and the dashes of Style at
    // `scale` painter units per card pixel (the zoom on screen).
    QPen ToQPen(double width, double scale = 1.0) const;
    // The colour this pen's mode paints for a pen or brush of `colour`;
    // nothing for pmNop.  The same answer on screen, in pictures and on paper.
    std::optional<QColor> Ink(TColor colour) const;
};

} // namespace cw::model
