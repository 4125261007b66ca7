#pragma once
// A design object's font as card files keep it: name, height in pixels at
// 100 % (negative = character (em) height, positive = cell height), colour,
// pitch and style.  The point size is derived, never stored.

#include "design/model/TGColor.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace cw::model {

enum TFontPitch { fpDefault, fpVariable, fpFixed };
// Bits of TGFont::Style, in the order of the stored set members.
enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

struct TGFont
{
    QString Name = QStringLiteral("Arial");
    int Height = -13; // 10 points
    TColor Color = clBlack;
    TFontPitch Pitch = fpDefault;
    int Style = 0; // TFontStyle bits

    bool operator==(const TGFont &) const = default;

    static const QStringList &PitchNames();
    static const QStringList &StyleNames();

    // Point size = -MulDiv(Height, 72, 96) for character heights.
    int PointSize() const;
    void SetPointSize(int points);

    // The font to draw with at a zoom: pixel size |Height| × zoom, halves to even.
    QFont ToQFont(double zoom = 1.0) const;
    // Name, size and style of a chosen font; colour and pitch stay.
    void Assign(const QFont &font);
};

} // namespace cw::model
