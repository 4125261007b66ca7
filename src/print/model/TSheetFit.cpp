#include "print/model/TSheetFit.h"

#include "print/model/TLabelPrintJob.h"

#include <QRectF>
#include <QStringList>
#include <algorithm>

namespace cw::model {

std::vector<int> TSheetFit::CardsOffThePage(const TLabelPrintSettings &s, const QSizeF &sheetInches,
                                            const QMarginsF &unprintable, bool onlySelected)
{
    // A thousandth of an inch of slack: the layout's single-precision inches
    // must not make a card that ends exactly at the edge count as off.
    constexpr double Slack = 0.001;
    const QRectF area = QRectF(QPointF(0, 0), sheetInches).marginsRemoved(unprintable).adjusted(-Slack, -Slack,
                                                                                                 Slack, Slack);
    std::vector<int> off;
    const int across = std::max(0, s.Across);
    const int positions = across * std::max(0, s.Down);
    for (int k = 0; k < positions; ++k) {
        if (onlySelected && (k >= int(s.Selection.size()) || !s.Selection[std::size_t(k)]))
            continue;
        const int c = k % across;
        const int r = k / across;
        const QRectF card(s.LeftMargin + c * s.HorizontalPitch, s.TopMargin + r * s.VerticalPitch, s.CardWidth,
                          s.CardHeight);
        if (!area.contains(card))
            off.push_back(k + 1);
    }
    return off;
}

QString TSheetFit::PositionList(const std::vector<int> &positions)
{
    QStringList numbers;
    for (int p : positions)
        numbers << QString::number(p);
    if (numbers.size() < 2)
        return numbers.join(QString());
    const QString last = numbers.takeLast();
    return numbers.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

} // namespace cw::model
