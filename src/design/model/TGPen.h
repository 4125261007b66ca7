#pragma once
// The pen and brush of shape and line objects, with the enumerations card
// files name ("psSolid", "pmCopy", "bsClear", …) in their stored order.

#include "design/model/TGColor.h"

#include <QBrush>
#include <QPen>
#include <QStringList>

class QPainter;

namespace cw::model {

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

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

struct TGBrush
{
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;

    bool operator==(const TGBrush &) const = default;

    static const QStringList &StyleNames();
    QBrush ToQBrush() const;
};

} // namespace cw::model
