#include "print/engine/TPenRendering.h"

#include <algorithm>

namespace cw::engine {

std::optional<QColor> TPenRendering::Ink(TPenMode mode, const QColor &colour)
{
    // Each mode as its bitwise operation on the pen (p) and the device (d),
    // evaluated with d = white.
    const QRgb p = colour.rgb() & 0xFFFFFF;
    const QRgb d = 0xFFFFFF;
    QRgb result = p;
    switch (mode) {
    case TPenMode::pmNop:
        return std::nullopt;
    case TPenMode::pmBlack:
        result = 0;
        break;
    case TPenMode::pmWhite:
        result = 0xFFFFFF;
        break;
    case TPenMode::pmNot:
        result = ~d;
        break;
    case TPenMode::pmCopy:
        result = p;
        break;
    case TPenMode::pmNotCopy:
        result = ~p;
        break;
    case TPenMode::pmMergePenNot:
        result = p | ~d;
        break;
    case TPenMode::pmMaskPenNot:
        result = p & ~d;
        break;
    case TPenMode::pmMergeNotPen:
        result = ~p | d;
        break;
    case TPenMode::pmMaskNotPen:
        result = ~p & d;
        break;
    case TPenMode::pmMerge:
        result = p | d;
        break;
    case TPenMode::pmNotMerge:
        result = ~(p | d);
        break;
    case TPenMode::pmMask:
        result = p & d;
        break;
    case TPenMode::pmNotMask:
        result = ~(p & d);
        break;
    case TPenMode::pmXor:
        result = p ^ d;
        break;
    case TPenMode::pmNotXor:
        result = ~(p ^ d);
        break;
    }
    QColor ink = QColor::fromRgb(result & 0xFFFFFF);
    ink.setAlpha(colour.alpha());
    return ink;
}

QList<qreal> TPenRendering::Dashes(Qt::PenStyle style)
{
    switch (style) {
    case Qt::DashLine:
        return {18, 6};
    case Qt::DotLine:
        return {3, 3};
    case Qt::DashDotLine:
        return {9, 6, 3, 6};
    case Qt::DashDotDotLine:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

void TPenRendering::ApplyStyle(QPen &pen, Qt::PenStyle style, double scale)
{
    if (style == Qt::NoPen) {
        pen.setStyle(Qt::NoPen);
        return;
    }
    QList<qreal> dashes = Dashes(style);
    if (dashes.isEmpty()) {
        pen.setStyle(Qt::SolidLine);
        return;
    }
    // Qt counts dash lengths in pen widths (a zero width counts as one).
    const double width = std::max(1.0, pen.widthF());
    for (qreal &length : dashes)
        length = length * scale / width;
    pen.setDashPattern(dashes);
    pen.setCapStyle(Qt::FlatCap);
}

} // namespace cw::engine
