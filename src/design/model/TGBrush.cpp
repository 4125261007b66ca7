#include "design/model/TGBrush.h"

namespace cw::model {

const QStringList &TGBrush::StyleNames()
{
    static const QStringList names{"bsSolid",     "bsClear",     "bsHorizontal", "bsVertical",
                                   "bsFDiagonal", "bsBDiagonal", "bsCross",      "bsDiagCross"};
    return names;
}

QBrush TGBrush::ToQBrush() const
{
    const QColor c = TGColor::ToQColor(Color);
    switch (Style) {
    case bsClear:
        return QBrush(Qt::NoBrush);
    case bsHorizontal:
        return QBrush(c, Qt::HorPattern);
    case bsVertical:
        return QBrush(c, Qt::VerPattern);
    case bsFDiagonal:
        return QBrush(c, Qt::FDiagPattern);
    case bsBDiagonal:
        return QBrush(c, Qt::BDiagPattern);
    case bsCross:
        return QBrush(c, Qt::CrossPattern);
    case bsDiagCross:
        return QBrush(c, Qt::DiagCrossPattern);
    case bsSolid:
        break;
    }
    return QBrush(c);
}

} // namespace cw::model
