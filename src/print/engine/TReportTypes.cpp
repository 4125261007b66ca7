#include "print/engine/TReportTypes.h"

namespace cw::engine {

QSizeF PaperSizeInches(int paperCode)
{
    if (paperCode == PaperA4)
        return QSizeF(210.0 / 25.4, 297.0 / 25.4);
    return QSizeF(8.5, 11.0);
}

QPainter::CompositionMode CompositionModeFor(TPenMode mode)
{
    switch (mode) {
    case TPenMode::pmBlack:
        return QPainter::RasterOp_ClearDestination;
    case TPenMode::pmWhite:
        return QPainter::RasterOp_SetDestination;
    case TPenMode::pmNop:
        return QPainter::CompositionMode_Destination;
    case TPenMode::pmNot:
        return QPainter::RasterOp_NotDestination;
    case TPenMode::pmCopy:
        return QPainter::CompositionMode_SourceOver;
    case TPenMode::pmNotCopy:
        return QPainter::RasterOp_NotSource;
    case TPenMode::pmMergePenNot:
        return QPainter::RasterOp_SourceOrNotDestination;
    case TPenMode::pmMaskPenNot:
        return QPainter::RasterOp_SourceAndNotDestination;
    case TPenMode::pmMergeNotPen:
        return QPainter::RasterOp_NotSourceOrDestination;
    case TPenMode::pmMaskNotPen:
        return QPainter::RasterOp_NotSourceAndDestination;
    case TPenMode::pmMerge:
        return QPainter::RasterOp_SourceOrDestination;
    case TPenMode::pmNotMerge:
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case TPenMode::pmMask:
        return QPainter::RasterOp_SourceAndDestination;
    case TPenMode::pmNotMask:
        return QPainter::RasterOp_NotSourceOrNotDestination;
    case TPenMode::pmXor:
        return QPainter::RasterOp_SourceXorDestination;
    case TPenMode::pmNotXor:
        return QPainter::RasterOp_NotSourceXorDestination;
    }
    return QPainter::CompositionMode_SourceOver;
}

} // namespace cw::engine
