#pragma once
// The miniature sheet of the "Print Cards" dialog: the card positions at a
// 20 % scale with their selection flags.  Figures are paint-box pixels with
// s = 0.2 x the screen's pixels per inch and every product truncated toward
// zero, so the miniature matches the stock as it has always been drawn.
//
// Every position of the layout is shown and can be changed; the flags past
// Across x Down are handed back as they came.

#include "print/model/TCardSelection.h"
#include <QMarginsF>
#include <QRect>
#include <QSizeF>

#include <array>

namespace cw::model {

class TCardSelectionSheet
{
public:
    static constexpr int Count = TCardSelection::Count;
    static constexpr int Offset = 10; // the sheet's corner in the paint box

    // Layout numbers without nudges (inches).
    double CardHeight = 2.0;
    double CardWidth = 3.5;
    int Across = 2;
    int Down = 5;
    double TopMargin = 0.5;
    double LeftMargin = 0.75;
    double HorizontalPitch = 3.5;
    double VerticalPitch = 2.0;
    QSizeF SheetSize{8.5, 11.0};
    // The margins the printer cannot print (inches); none for a PDF.
    QMarginsF Unprintable;
    double PixelsPerInch = 96;

    TCardSelection Selected;

    // The positions the dialog shows: Across x Down (at most Count).
    int PositionCount() const;
    // Computes the rectangle of every shown position (DetermineRectangles).
    void DetermineRectangles();
    // Rectangle of position k (c + r x Across); right and bottom exclusive
    // as Left + trunc(width x s), Top + trunc(height x s).
    QRect Rectangle(int position) const { return m_rects[std::size_t(position)]; }
    // The sheet: (10, 10) to (trunc(width x s) + 10, trunc(height x s) + 10).
    QRect SheetRect() const;

    // A click: in every row, the first shown position whose rectangle holds
    // the point is switched.  Returns the positions switched (-1 past the end).
    std::array<int, Count> Toggle(const QPoint &point);
    void SelectAll(bool on);
    bool AnySelected() const;
    // The card of position k falls (partly) outside the paper or into the
    // printer's unprintable margins: it would print cut off.
    bool OffThePage(int position) const;
    bool AnyOffThePage() const;

private:
    double Scale() const { return 0.2 * PixelsPerInch; }
    std::array<QRect, Count> m_rects{};
};

} // namespace cw::model
