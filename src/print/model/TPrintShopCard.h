#pragma once
// One card composed for a print shop on a page of its own (see
// TPrintShopLayout): the background, extended into the bleed, then the
// design objects, then the crop marks.
//
// The background keeps its place and scale on the card; the bleed beyond
// each trim edge shows the picture mirrored at that edge, so the colours at
// the edge run on past the cut and a cut a little off the line shows no white
// sliver.  Design objects print through the same routine as on the sheet,
// with the card's top-left corner at the trim box; what they draw beyond the
// trim edge stays up to the bleed edge and is cut off there, so that nothing
// but the crop marks lies outside the bleed.
//
// Objects that touch the card's edge run on into the bleed the same way as
// the background: the strip of them along each edge, as wide as the bleed,
// is shown mirrored at that edge (drawn as the card's picture at the
// screen's 96 pixels per inch, exactly as the surface shows the objects,
// under their own printing), so a colour band or picture at the edge shows
// no white line after a cut a little off the trim line.

#include "print/model/TPrintShopLayout.h"

#include <QImage>
#include <functional>

class QPainter;

namespace cw::engine {
class TBaseReport;
} // namespace cw::engine

namespace cw::model {

class TSheetBackground;

class TPrintShopCard
{
public:
    // Prints every design object for the card whose top-left corner is at
    // (x, y) inches, as the sheet's print job does.
    using TPrintObjects = std::function<void(engine::TBaseReport &, double x, double y)>;
    // Paints the objects that touch the card's edge on a painter whose units
    // are the card's pixels at 96 per inch, top-left corner at the origin.
    using TPaintObjects = std::function<void(QPainter &)>;

    TPrintShopCard(const TPrintShopLayout &layout, const TSheetBackground &background,
                   TPrintObjects printObjects, TPaintObjects paintEdgeObjects = {});

    // Draws the card's page on a report whose job is running, at the page's
    // top-left corner.
    void Compose(engine::TBaseReport &report) const;

    // The bitmap grown by mirrored strips of `left`/`right` columns and
    // `top`/`bottom` rows (each at most the picture's own width or height):
    // the picture as if reflected in each of its edges.
    static QImage MirrorExtended(const QImage &image, int left, int top, int right, int bottom);

private:
    void PrintBackground(engine::TBaseReport &report) const;
    void PrintEdgeObjects(engine::TBaseReport &report) const;
    void PrintCropMarks(engine::TBaseReport &report) const;

    TPrintShopLayout m_layout;
    const TSheetBackground &m_background;
    TPrintObjects m_printObjects;
    TPaintObjects m_paintEdgeObjects;
};

} // namespace cw::model
