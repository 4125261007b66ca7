#include "design/model/TGFont.h"

#include "print/engine/Units.h"

#include <cstdlib>

namespace cw::model {

const QStringList &TGFont::PitchNames()
{
    static const QStringList names{"fpDefault", "fpVariable", "fpFixed"};
    return names;
}

const QStringList &TGFont::StyleNames()
{
    static const QStringList names{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
    return names;
}

int TGFont::PointSize() const
{
    return -MulDiv(Height, 72, ScreenPixelsPerInch);
}

void TGFont::SetPointSize(int points)
{
    Height = -MulDiv(points, ScreenPixelsPerInch, 72);
}

QFont TGFont::ToQFont(double zoom) const
{
    QFont font(Name);
    font.setPixelSize(std::max(1, Round(std::abs(Height) * zoom)));
    font.setBold(Style & fsBold);
    font.setItalic(Style & fsItalic);
    font.setUnderline(Style & fsUnderline);
    font.setStrikeOut(Style & fsStrikeOut);
    // Glyphs keep their true outlines on screen, unhinted: hinting snaps
    // stems and baselines to the 96 dpi pixel grid, so the surface showed
    // text up to a pixel away from where paper prints the same outlines.
    font.setHintingPreference(QFont::PreferNoHinting);
    if (Pitch == fpFixed)
        font.setFixedPitch(true);
    return font;
}

void TGFont::Assign(const QFont &font)
{
    Name = font.family();
    if (font.pixelSize() > 0)
        Height = -font.pixelSize();
    else
        SetPointSize(Round(font.pointSizeF()));
    Style = (font.bold() ? fsBold : 0) | (font.italic() ? fsItalic : 0) |
            (font.underline() ? fsUnderline : 0) | (font.strikeOut() ? fsStrikeOut : 0);
}

} // namespace cw::model
