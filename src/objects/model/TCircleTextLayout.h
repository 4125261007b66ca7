#pragma once
// Where the letters of a circle text go.  Pure arithmetic on the object's
// size, the font's full character height and average character width, so the
// layout can be checked without a canvas.  Coordinates are object pixels,
// y downwards; angles advance clockwise on the screen.

#include <QString>
#include <vector>

namespace cw::model {

enum TDegrees { dg90, dg180, dg270, dg360 };

struct TCircleGeometry
{
    int CenterX = 0;
    int CenterY = 0;
    int RoomX = 0;
    int RoomY = 0;
    int Radius = 0;
    int Start = 0;     // degrees where the first letter sits
    int Span = 0;      // degrees the text spans (355 for a full circle of more than 5 letters)
    float Step = 0.0f; // degrees between neighbouring letters
};

struct TCircleLetter
{
    QString Text; // one code point of the caption
    int X = 0;    // reference point: the middle of the letter's bottom edge
    int Y = 0;
    int Angle = 0;       // rotation in tenths of a degree, counter-clockwise, 0..3599
    bool Inside = false; // the point lies in the object; letters outside are not drawn
};

class TCircleTextLayout
{
public:
    struct TInput
    {
        int Width = 0;
        int Height = 0;
        int CharHeight = 0;   // the font's full height (ascent + descent)
        int AveCharWidth = 0; // the font's average character width
        TDegrees StartingVector = dg180;
        TDegrees Degrees = dg360;
        bool Mirror = false;
        bool Angled = true;
    };

    // Centre, room, radius and step for `letters` characters (at least 1).
    static TCircleGeometry Geometry(const TInput &in, int letters);
    // One entry per code point of `caption`, in drawing order (reversed when
    // mirrored); empty for an empty caption.
    static std::vector<TCircleLetter> Letters(const TInput &in, const QString &caption);
};

} // namespace cw::model
