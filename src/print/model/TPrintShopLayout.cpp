#include "print/model/TPrintShopLayout.h"

#include <algorithm>

namespace cw::model {

namespace {
double inches(double mm)
{
    return mm / TPrintShopOptions::MmPerInch;
}
} // namespace

TPrintShopLayout::TPrintShopLayout(const QSizeF &card, const TPrintShopOptions &options)
    : m_card(std::max(0.0, card.width()), std::max(0.0, card.height())), m_options(options)
{
    m_options.BleedMm = std::clamp(m_options.BleedMm, 0.0, TPrintShopOptions::MaxBleedMm);
}

double TPrintShopLayout::Margin() const
{
    double margin = m_options.BleedInches();
    if (m_options.CropMarks)
        margin += inches(CropMarkGapMm + CropMarkLengthMm + CropMarkSlugMm);
    return margin;
}

QSizeF TPrintShopLayout::PageSize() const
{
    return m_card + QSizeF(2 * Margin(), 2 * Margin());
}

QRectF TPrintShopLayout::TrimBox() const
{
    return QRectF(QPointF(Margin(), Margin()), m_card);
}

QRectF TPrintShopLayout::BleedBox() const
{
    const double bleed = m_options.BleedInches();
    return TrimBox().adjusted(-bleed, -bleed, bleed, bleed);
}

QList<QLineF> TPrintShopLayout::CropMarks() const
{
    if (!m_options.CropMarks)
        return {};
    const QRectF trim = TrimBox();
    const double start = m_options.BleedInches() + inches(CropMarkGapMm);
    const double end = start + inches(CropMarkLengthMm);
    QList<QLineF> marks;
    for (const double y : {trim.top(), trim.bottom()}) {
        marks << QLineF(trim.left() - end, y, trim.left() - start, y);
        marks << QLineF(trim.right() + start, y, trim.right() + end, y);
    }
    for (const double x : {trim.left(), trim.right()}) {
        marks << QLineF(x, trim.top() - end, x, trim.top() - start);
        marks << QLineF(x, trim.bottom() + start, x, trim.bottom() + end);
    }
    return marks;
}

} // namespace cw::model
