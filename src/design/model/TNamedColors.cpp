#include "design/model/TNamedColors.h"

namespace cw::model {

QStringList TNamedColors::Idents()
{
    static const QStringList idents = [] {
        QStringList names;
        for (TColor c : {clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clGray, clSilver,
                         clRed, clLime, clYellow, clBlue, clFuchsia, clAqua, clWhite, clNone})
            names.append(*TGColor::Name(c));
        for (TColor n = 0; n < 25; ++n)
            names.append(*TGColor::Name(clSystemBase + n));
        return names;
    }();
    return idents;
}

} // namespace cw::model
