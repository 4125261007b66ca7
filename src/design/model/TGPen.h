#pragma once
// The pen of shape and line objects, with the enumerations card files name
// ("psSolid", "pmCopy", …) in their stored order.  The brush is in TGBrush.h.

#include "design/model/TGBrush.h"
#include "design/model/TGColor.h"

#include <QPen>
#include <QStringList>

class QPainter;

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

    // A cosmetic-free QPen of the given width in the painter's units, with
    // square caps and mitred joins as the platform's geometric pens draw.
    QPen ToQPen(double width) const;
    // Sets the painter's raster operation for Mode; returns false for pmNop
    // (nothing is to be drawn).  pmBlack/pmWhite change the pen's colour.
    static bool ApplyMode(QPainter &painter, TPenMode mode, QPen &pen);
};

} // namespace cw::model
