#pragma once
// Where things go on the page of a print-shop export, in inches from the
// page's top-left corner.  The card (the trim box) sits in the middle; the
// bleed box is the card grown by the bleed on every side; with crop marks the
// page leaves room around the bleed for eight short marks, two at each
// corner, each in line with a trim edge and starting CropMarkGapMm outside
// the bleed, so that no mark reaches into the picture a shop cuts from.
// Without crop marks the page is the bleed box.

#include "print/model/TPrintShopOptions.h"

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QSizeF>

namespace cw::model {

class TPrintShopLayout
{
public:
    static constexpr double CropMarkGapMm = 2.0;
    static constexpr double CropMarkLengthMm = 5.0;
    // Paper left beyond the end of each mark.
    static constexpr double CropMarkSlugMm = 1.0;
    // Line width of the marks, in points (a hairline a shop's cutter sees).
    static constexpr double CropMarkWidthPoints = 0.25;

    // `card`: the card's width and height in inches.
    TPrintShopLayout(const QSizeF &card, const TPrintShopOptions &options);

    const TPrintShopOptions &Options() const { return m_options; }
    // Distance from the page edge to the trim edge.
    double Margin() const;
    QSizeF PageSize() const;
    QRectF TrimBox() const;
    QRectF BleedBox() const;
    // The marks as lines (empty without crop marks).
    QList<QLineF> CropMarks() const;

private:
    QSizeF m_card;
    TPrintShopOptions m_options;
};

} // namespace cw::model
