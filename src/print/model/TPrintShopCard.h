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

#include "print/model/TPrintShopLayout.h"

#include <QImage>
#include <functional>

namespace cw::engine {
class TBaseReport;
class TBoundedCanvasReport;
} // namespace cw::engine

namespace cw::model {

class TSheetBackground;

class TPrintShopCard
{
public:
    // Prints every design object for the card whose top-left corner is at
    // (x, y) inches, as the sheet's print job does.
    using TPrintObjects = std::function<void(engine::TBaseReport &, double x, double y)>;

    TPrintShopCard(const TPrintShopLayout &layout, const TSheetBackground &background,
                   TPrintObjects printObjects);

    // Draws the card's page on a report whose job is running, at the page's
    // top-left corner.
    void Compose(engine::TBoundedCanvasReport &report) const;

    // The bitmap grown by mirrored strips of `left`/`right` columns and
    // `top`/`bottom` rows (each at most the picture's own width or height):
    // the picture as if reflected in each of its edges.
    static QImage MirrorExtended(const QImage &image, int left, int top, int right, int bottom);

private:
    void PrintBackground(engine::TBaseReport &report) const;
    void PrintCropMarks(engine::TBaseReport &report) const;

    TPrintShopLayout m_layout;
    const TSheetBackground &m_background;
    TPrintObjects m_printObjects;
};

} // namespace cw::model
