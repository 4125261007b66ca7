#pragma once
// A card as a print shop asks for it: a PDF of one page per side (the front,
// then the back of a double-sided card) holding the card,
// its bleed and (when chosen) crop marks, laid out by TPrintShopLayout and
// composed by TPrintShopCard through the print engine, so text stays text
// (with its fonts embedded), shapes stay vectors and pictures keep their full
// resolution, exactly as on a printed sheet.  The page's TrimBox is the card
// and its BleedBox the card plus the bleed (TPdfPageBoxes).

#include "print/model/TPrintShopCard.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace cw::printer {

class TPrintShopPdf
{
public:
    // Resolution of the drawing on the PDF page: fine enough that the trim
    // and bleed edges of the drawing fall within a hair of the boxes.
    static constexpr int Dpi = 1200;

    // One side of the card: its background, its objects, and what paints
    // the objects that touch the card's edge (see TPrintShopCard; empty,
    // nothing runs on into the bleed but the background).
    struct TSide
    {
        const model::TSheetBackground &Background;
        model::TPrintShopCard::TPrintObjects PrintObjects;
        model::TPrintShopCard::TPaintObjects PaintEdgeObjects = {};
    };

    // The PDF document's bytes, a page for each side in order, every page
    // with the same boxes.  Throws cw::Exception when it cannot be made.
    static QByteArray Compose(const model::TPrintShopLayout &layout, const std::vector<TSide> &sides,
                              const QString &title = QStringLiteral("Cardwright"));
    // Composes and replaces `path` whole or not at all.  Throws
    // cw::EInOutError naming the file when it cannot be written.
    static void Write(const QString &path, const model::TPrintShopLayout &layout,
                      const std::vector<TSide> &sides, const QString &title = QStringLiteral("Cardwright"));
    // A one-sided card.
    static QByteArray Compose(const model::TPrintShopLayout &layout,
                              const model::TSheetBackground &background,
                              const model::TPrintShopCard::TPrintObjects &printObjects,
                              const QString &title = QStringLiteral("Cardwright"),
                              const model::TPrintShopCard::TPaintObjects &paintEdgeObjects = {});
    static void Write(const QString &path, const model::TPrintShopLayout &layout,
                      const model::TSheetBackground &background,
                      const model::TPrintShopCard::TPrintObjects &printObjects,
                      const QString &title = QStringLiteral("Cardwright"),
                      const model::TPrintShopCard::TPaintObjects &paintEdgeObjects = {});
};

} // namespace cw::printer
