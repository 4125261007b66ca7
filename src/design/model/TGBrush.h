#pragma once
// The fill brush of shapes, with the style names card files use ("bsSolid",
// "bsClear", …) in their stored order.

#include "design/model/TGColor.h"

#include <QBrush>
#include <QStringList>

namespace cw::model {

enum TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
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
