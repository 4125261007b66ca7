#include "print/engine/TReportTypes.h"

namespace cw::engine {

QSizeF PaperSizeInches(int paperCode)
{
    if (paperCode == PaperA4)
        return QSizeF(210.0 / 25.4, 297.0 / 25.4);
    return QSizeF(8.5, 11.0);
}

} // namespace cw::engine
