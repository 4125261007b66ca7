#pragma once
// Page boxes of a finished PDF that Qt's PDF writer cannot set: the trim box
// (where the sheet is cut), the bleed box (how far the picture runs on past
// the cut) and the media box (the page itself).  The document is read and
// rewritten by qpdf, which rebuilds the file's cross-reference table; the
// page contents are not touched.
//
// Boxes are given in points from the page's top-left corner, as Qt draws;
// they are set on every page, measured from the top of that page's media box
// as Qt wrote it (PDF counts from the bottom), so a media box that Qt
// rounded to whole points does not shift the other boxes.

#include <QByteArray>
#include <QRectF>

namespace cw::printer {

class TPdfPageBoxes
{
public:
    struct TBoxes
    {
        QRectF Media;
        QRectF Bleed;
        QRectF Trim;
    };

    // The PDF in `pdf` with the boxes set.  Throws cw::EInOutError when the
    // bytes are no PDF qpdf can read.
    static QByteArray Apply(const QByteArray &pdf, const TBoxes &boxes);
};

} // namespace cw::printer
