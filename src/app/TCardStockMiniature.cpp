#include "app/TCardStockMiniature.h"

#include <QPainter>

namespace cw::ui {

namespace {
constexpr double Border = 4; // pixels around the paper
}

TCardStockMiniature::TCardStockMiniature(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("StockMiniature"));
    setFixedSize(120, 160);
}

void TCardStockMiniature::SetStock(const model::TCardStock *stock)
{
    if (stock)
        m_stock = *stock;
    else
        m_stock.reset();
    update();
}

double TCardStockMiniature::scale() const
{
    if (!m_stock || m_stock->PaperWidth <= 0 || m_stock->PaperHeight <= 0)
        return 0;
    return std::min((width() - 2 * Border) / m_stock->PaperWidth,
                    (height() - 2 * Border) / m_stock->PaperHeight);
}

QRectF TCardStockMiniature::PaperRect() const
{
    const double s = scale();
    if (!m_stock || s <= 0)
        return QRectF();
    const QSizeF paper(m_stock->PaperWidth * s, m_stock->PaperHeight * s);
    return QRectF(QPointF((width() - paper.width()) / 2, (height() - paper.height()) / 2), paper);
}

QRectF TCardStockMiniature::CardRect(int row, int column) const
{
    const double s = scale();
    if (!m_stock || s <= 0)
        return QRectF();
    const QPointF origin = PaperRect().topLeft();
    return QRectF(origin.x() + (m_stock->Left + column * m_stock->HPitch) * s,
                  origin.y() + (m_stock->Top + row * m_stock->VPitch) * s, m_stock->Width * s,
                  m_stock->Height * s);
}

void TCardStockMiniature::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!m_stock)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    const QRectF paper = PaperRect();
    painter.drawRect(paper);
    painter.setClipRect(paper);
    painter.setPen(QColor(0x30, 0x50, 0x90));
    painter.setBrush(QColor(0xB0, 0xC8, 0xF0));
    const double radius = m_stock->Round * scale();
    for (int r = 0; r < m_stock->Down; ++r)
        for (int c = 0; c < m_stock->Across; ++c)
            painter.drawRoundedRect(CardRect(r, c), radius, radius);
}

} // namespace cw::ui
