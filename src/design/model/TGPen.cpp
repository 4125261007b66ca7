#include "design/model/TGPen.h"

#include "print/engine/TPenRendering.h"

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

QPen TGPen::ToQPen(double width, double scale) const
{
    QPen pen(Ink(Color).value_or(Qt::transparent));
    pen.setWidthF(width);
    pen.setCapStyle(Qt::SquareCap);
    // A corner too sharp for the miter limit is bevelled, as PDF and
    // PostScript printers cut it; Qt's own miter join would clip it at the
    // limit instead and leave a longer point on screen than on paper.
    pen.setJoinStyle(Qt::SvgMiterJoin);
    engine::TPenRendering::ApplyStyle(pen, ToQtStyle(Style), scale);
    return pen;
}

std::optional<QColor> TGPen::Ink(TColor colour) const
{
    return engine::TPenRendering::Ink(engine::TPenMode(Mode), TGColor::ToQColor(colour));
}

} // namespace cw::model
