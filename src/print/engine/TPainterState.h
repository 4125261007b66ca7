#pragma once
// The one painter state every object starts drawing from, on screen, in the
// picture export and on paper.
//
// A recorded picture (QPicture) holds only the state changes made while it
// was recorded, measured from a fresh painter: a label that draws black text
// with a clear brush records no pen and no brush at all, because both were
// already the fresh painter's.  Replayed on a painter that still carries the
// pen and brush of the shape printed before it, the label would take that
// shape's colours.  So before an object draws, and before a picture plays,
// the painter is put back to a fresh painter's drawing state.

class QPainter;

namespace cw::engine {

class TPainterState
{
public:
    // Pen (black, one unit, solid), brush (none), background (white,
    // transparent mode), opacity, composition (source over) and brush
    // origin go back to a fresh painter's.  The
    // transform, the clip, the font and the render hints are left alone: they
    // place the drawing (the object's position and zoom, the card cell), or
    // are the device's choice of quality; every object sets its own font.
    static void Reset(QPainter &painter);
};

} // namespace cw::engine
