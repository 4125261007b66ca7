#include "design/model/TGShapePainting.h"

#include <QPainterPath>
#include <QPainterPathStroker>

namespace cw::model {

bool TGShapePainting::SetupPen(QPainter &painter, const TGPen &pen, int width, Qt::PenCapStyle cap,
                               double zoom)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (pen.Style == psClear || !pen.Ink(pen.Color)) {
        painter.setPen(Qt::NoPen);
        return false;
    }
    // A width of 0 draws one pixel, as the platform's pens do.
    QPen qpen = pen.ToQPen(std::max(width, 1), zoom);
    if (qpen.style() == Qt::SolidLine)
        qpen.setCapStyle(cap);
    painter.setPen(qpen);
    return true;
}

QBrush TGShapePainting::Fill(const TGBrush &brush, const TGPen &pen)
{
    QBrush fill = brush.ToQBrush();
    if (fill.style() == Qt::NoBrush)
        return fill;
    const std::optional<QColor> ink = pen.Ink(brush.Color);
    if (!ink)
        return QBrush(Qt::NoBrush);
    fill.setColor(*ink);
    return fill;
}

QRectF TGShapePainting::OutlineRect(const QRect &r, int width)
{
    // r is (left, top, right, bottom) exclusive: the outline runs through the
    // pixels left .. right − 1 and top .. bottom − 1.
    const double o = Offset(std::max(width, 1));
    return QRectF(QPointF(r.left() + o, r.top() + o),
                  QPointF(r.left() + r.width() - 1 + o, r.top() + r.height() - 1 + o));
}

void TGShapePainting::DrawPath(QPainter &painter, const QPainterPath &path)
{
    const QPen pen = painter.pen();
    if (pen.style() == Qt::NoPen || pen.style() == Qt::SolidLine) {
        painter.drawPath(path);
        return;
    }
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.drawPath(path);
    painter.setBrush(pen.brush());
    painter.drawPath(QPainterPathStroker(pen).createStroke(path));
    painter.restore();
}

} // namespace cw::model
