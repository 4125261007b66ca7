#pragma once
// Printing both sides of a card sheet.
//
// The back page of a sheet holds the back of the card printed on the other
// side at each position.  The sheet is turned over about one of its edges
// (the binding of a duplex printer, or the way the user turns the stack),
// which mirrors the page: about its vertical axis for long-edge binding
// (portrait paper turned like a book page), about its horizontal axis for
// short-edge binding (turned like a notepad).  A back card therefore sits
// at the mirror image of its front card's cell, and is drawn upright there.
//
// The back-side registration offset, in 1/32 inch, moves every back card on
// its own page (positive: right and down as the back is looked at), so that
// a printer that does not put the back page exactly behind the front can be
// tuned.
//
// The back job is an ordinary TLabelPrintJob whose grid is the mirror of the
// front's: a mirrored axis starts at the far edge and steps backwards (a
// negative pitch), so selection, copies and composition stay the front's.

#include "print/model/TBackRegistration.h"
#include "print/model/TLabelPrintJob.h"

#include <QSizeF>

namespace cw::model {

class TTwoSidedSheet
{
public:
    // The settings that put each back card behind its front card on a page
    // of `pageInches`.  Everything but the grid's origin and pitch is the
    // front's (the back background is the caller's to set).
    static TLabelPrintSettings BackSettings(const TLabelPrintSettings &front, const QSizeF &pageInches,
                                            const TBackRegistration &registration);

    enum class TPages { Both, FrontsOnly, BacksOnly };
    // Composes `sheets` sheets on `report`: for Both, each sheet's front page
    // and then its back page (the order a duplex printer needs); otherwise
    // one side's pages only (the two passes of a printer without duplex).
    // Each job composes one page per call; their SheetCount is set to 1.
    // Stops when either job is stopped.
    static void PrintSheets(TLabelPrintJob &front, TLabelPrintJob &back, engine::TBaseReport &report,
                            int sheets, TPages pages);

    // Hooks that print a registration mark in place of the design: a cross
    // through the cell's centre, a quarter of an inch each way, and a small
    // circle round it.  Used for both sides of the registration test page.
    static void PrintRegistrationMark(engine::TBaseReport &report, double x, double y, double cardWidth,
                                      double cardHeight);
};

} // namespace cw::model
