#pragma once
// Fonts of the text objects as they are drawn: the design font scaled by the
// zoom the way the objects scale it, and the symbol-font substitution.

#include "design/model/TGFont.h"
#include "text/model/TSymbolFonts.h"

#include <QFont>

namespace cw::model {

class TTextFonts
{
public:
    // The font at a zoom: at 1.0 the design font itself; otherwise its point
    // size becomes Trunc(points × zoom) (so 10 points at 1.5 draw at 15, at
    // 0.75 at 7), and the pixel size follows from the points at 96 ppi.
    static QFont ZoomedFont(const TGFont &font, float zoom);
    // ZoomedFont with `text` resolved for symbol fonts (TSymbolFonts).
    static TSymbolFonts::TDisplay Display(const TGFont &font, float zoom, const QString &text);
};

} // namespace cw::model
