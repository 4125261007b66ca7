#include "print/engine/TReportTypes.h"

namespace cw::engine {

QSizeF PaperSizeInches(int paperCode)
{
    switch (paperCode) {
    case PaperA4:
        return QSizeF(210.0 / 25.4, 297.0 / 25.4);
    case PaperA3:
        return QSizeF(297.0 / 25.4, 420.0 / 25.4);
    case PaperA5:
        return QSizeF(148.0 / 25.4, 210.0 / 25.4);
    case PaperLegal:
        return QSizeF(8.5, 14.0);
    default:
        return QSizeF(8.5, 11.0);
    }
}

} // namespace cw::engine
