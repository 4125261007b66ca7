#pragma once
// Which card positions of a sheet the paper cannot hold: a layout for other
// stock (three cards across on Letter, say) or large nudges can put cards
// partly or wholly off the paper, or into the margins a printer cannot print.
// Those cards would come out cut off; the print commands warn before
// printing them and the card selection marks them.

#include <QMarginsF>
#include <QSizeF>
#include <QString>
#include <vector>

namespace cw::model {

struct TLabelPrintSettings;

class TSheetFit
{
public:
    // Positions (1 = top left, row by row) whose card cell is not wholly
    // inside the paper of sheetInches less the unprintable margins (inches;
    // null margins: the whole paper).  With onlySelected, only the positions
    // that print (selected, among the first ten).
    static std::vector<int> CardsOffThePage(const TLabelPrintSettings &settings, const QSizeF &sheetInches,
                                            const QMarginsF &unprintable = QMarginsF(), bool onlySelected = true);

    // "3", "3 and 6", "3, 6 and 9".
    static QString PositionList(const std::vector<int> &positions);
};

} // namespace cw::model
