#pragma once
// The graphics objects and the device-context state a metafile player keeps
// while it plays records: pens, brushes, fonts, the object table's entries,
// and everything SaveDC saves and RestoreDC brings back.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QTransform>
#include <QVector>
#include <optional>

namespace cw::model {

// A COLORREF (0x00BBGGRR); palette-relative values are taken as their RGB.
inline QColor MfColor(quint32 ref)
{
    return QColor(int(ref & 0xFF), int((ref >> 8) & 0xFF), int((ref >> 16) & 0xFF));
}

struct TMfPen
{
    quint32 Style = 0; // PS_ style word: style, end cap, join, geometric flag
    double Width = 0;  // logical units; 0 = one device pixel
    QColor Color = Qt::black;
    QVector<double> UserDashes; // PS_USERSTYLE entries, in logical units
    bool IsNull() const { return (Style & 0x0F) == 5; }
};

struct TMfBrush
{
    enum Kind { Solid, Null, Hatched, Pattern };
    Kind Style = Solid;
    QColor Color = Qt::white;
    int Hatch = 0;
    // ARGB pattern for pattern brushes (device pixels); a monochrome pattern
    // keeps MonoMask so that it can take the text and background colours.
    QImage PatternImage;
    bool Mono = false;
};

struct TMfFont
{
    double Height = 0; // logical units; negative = em height, positive = cell height
    double Width = 0;
    int Escapement = 0; // tenths of a degree, counter-clockwise
    int Weight = 400;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    int CharSet = 0;
    QString FaceName;
};

// One entry of the object table.  Palettes and regions take a slot so that
// the indices of later objects stay right, and select as nothing.
struct TMfObject
{
    enum Kind { Pen, Brush, Font, Other };
    Kind Type = Other;
    TMfPen PenValue;
    TMfBrush BrushValue;
    TMfFont FontValue;
};

struct TMfDcState
{
    int MapMode = 1; // MM_TEXT
    QPointF WindowOrg;
    QSizeF WindowExt = QSizeF(1, 1);
    QPointF ViewportOrg;
    QSizeF ViewportExt = QSizeF(1, 1);
    QTransform World;

    TMfPen Pen;
    TMfBrush Brush;
    TMfFont Font;
    QColor TextColor = Qt::black;
    QColor BkColor = Qt::white;
    int BkMode = 2;       // OPAQUE
    int PolyFillMode = 1; // ALTERNATE
    int Rop2 = 13;        // R2_COPYPEN
    quint32 TextAlign = 0;
    bool ClockwiseArcs = false;
    QPointF CurrentPos; // logical units

    // Clip in reference-device coordinates; none = no clip of our own.
    std::optional<QPainterPath> Clip;
};

} // namespace cw::model
