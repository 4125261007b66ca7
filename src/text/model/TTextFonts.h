#pragma once
// Fonts of the text objects as they are drawn: the design font scaled by the
// zoom the way the objects scale it, and the symbol-font substitution.

#include "design/model/TGFont.h"
#include "text/model/TSymbolFonts.h"

#include <QFont>
#include <QPointF>

class QPainter;

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

    // The family that draws a design font name here: the name itself when a
    // family of that name is installed; the fallback for a symbol font that
    // is not; otherwise the family the font system substitutes (Arial draws
    // as Liberation Sans).
    static QString DrawnFamily(const QString &name);
    // A font dialog lists installed families only and falls back to a
    // default one for any other name, so confirming it unchanged would
    // silently turn Arial or Wingdings into that default (a telephone into a
    // bracket).  The dialog is therefore opened on the drawn family, and a
    // font confirmed with that same family keeps the design's own name.
    static QFont ForFontDialog(const QFont &design);
    static QFont FromFontDialog(const QFont &design, const QFont &chosen);

    // True when bold `text` in `font` is drawn by thickening a regular face
    // (the symbol fallback and the CJK families have no bold face).
    static bool IsSyntheticBold(const QFont &font, const QString &text);
    // Draws `text` with its baseline starting at `baseline` in the painter's
    // pen colour.  Synthetic bold is drawn as the thickened glyph outlines:
    // the screen's glyph cache and the PDF writer each thicken in their own
    // way (the PDF writer only doubles the glyphs a hair apart), so a bold
    // symbol would print thinner than it shows; outlines are the same on
    // every device.
    //
    // Underline and strike-out are drawn as bars on whole pixels of the
    // design, placed by the screen font's metrics: left to the font, each
    // device puts them by its own metrics, up to a pixel apart on paper.
    static void DrawText(QPainter &painter, const QPointF &baseline, const QFont &font, const QString &text);
};

} // namespace cw::model
