#pragma once
// Enumerations the text objects publish, with the value names card files use.

#include <QStringList>

namespace cw::model {

// Horizontal placement of text in its box.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
// Direction of the highlight copy of a 3D label (it never moves down).
enum THighlightDirection { hdNone, hdright, hdLeft, hdUpRight, hdUpLeft, hdUp };
// Direction of the shadow copy of a 3D label (it never moves up).
enum TShadowDirection { sdNone, sdRight, sdLeft, sdDownRight, sdDownLeft, sdDown };
// A one-pixel black frame around a label's box, or none.
enum TLabelBorderStyle { bsNone, bsSingle };

struct TTextTypeNames
{
    static const QStringList &Alignment()
    {
        static const QStringList names{"taLeftJustify", "taRightJustify", "taCenter"};
        return names;
    }
    static const QStringList &HighlightDirection()
    {
        static const QStringList names{"hdNone", "hdright", "hdLeft", "hdUpRight", "hdUpLeft", "hdUp"};
        return names;
    }
    static const QStringList &ShadowDirection()
    {
        static const QStringList names{"sdNone", "sdRight", "sdLeft", "sdDownRight", "sdDownLeft", "sdDown"};
        return names;
    }
    static const QStringList &BorderStyle()
    {
        static const QStringList names{"bsNone", "bsSingle"};
        return names;
    }
};

} // namespace cw::model
