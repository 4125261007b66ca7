#include "design/model/TGPen.h"

#include <QPainter>

namespace cw::model {

const QStringList &TGPen::StyleNames()
{
    static const QStringList names{"psSolid",      "psDash",  "psDot",        "psDashDot",
                                   "psDashDotDot", "psClear", "psInsideFrame"};
    return names;
}

const QStringList &TGPen::ModeNames()
{
    static const QStringList names{"pmBlack",       "pmWhite",      "pmNop",         "pmNot",
                                   "pmCopy",        "pmNotCopy",    "pmMergePenNot", "pmMaskPenNot",
                                   "pmMergeNotPen", "pmMaskNotPen", "pmMerge",       "pmNotMerge",
                                   "pmMask",        "pmNotMask",    "pmXor",         "pmNotXor"};
    return names;
}

Qt::PenStyle TGPen::ToQtStyle(TPenStyle style)
{
    switch (style) {
    case psDash:
        return Qt::DashLine;
    case psDot:
        return Qt::DotLine;
    case psDashDot:
        return Qt::DashDotLine;
    case psDashDotDot:
        return Qt::DashDotDotLine;
    case psClear:
        return Qt::NoPen;
    case psSolid:
    case psInsideFrame:
        break;
    }
    return Qt::SolidLine;
}

QPen TGPen::ToQPen(double width) const
{
    QPen pen(TGColor::ToQColor(Color));
    pen.setWidthF(width);
    pen.setStyle(ToQtStyle(Style));
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

bool TGPen::ApplyMode(QPainter &painter, TPenMode mode, QPen &pen)
{
    switch (mode) {
    case pmNop:
        return false;
    case pmBlack:
        pen.setColor(Qt::black);
        break;
    case pmWhite:
        pen.setColor(Qt::white);
        break;
    case pmNot:
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        break;
    case pmNotCopy:
        painter.setCompositionMode(QPainter::RasterOp_NotSource);
        break;
    case pmXor:
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    case pmNotXor:
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        break;
    case pmMerge:
        painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        break;
    case pmMask:
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        break;
    case pmNotMerge:
        painter.setCompositionMode(QPainter::RasterOp_NotSourceAndNotDestination);
        break;
    case pmNotMask:
        painter.setCompositionMode(QPainter::RasterOp_NotSourceOrNotDestination);
        break;
    case pmMaskPenNot:
        painter.setCompositionMode(QPainter::RasterOp_SourceAndNotDestination);
        break;
    case pmMaskNotPen:
        painter.setCompositionMode(QPainter::RasterOp_NotSourceAndDestination);
        break;
    case pmMergePenNot:
        painter.setCompositionMode(QPainter::RasterOp_SourceOrNotDestination);
        break;
    case pmMergeNotPen:
        painter.setCompositionMode(QPainter::RasterOp_NotSourceOrDestination);
        break;
    case pmCopy:
        break;
    }
    return true;
}

} // namespace cw::model
