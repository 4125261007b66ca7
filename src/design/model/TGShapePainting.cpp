#include "design/model/TGShapePainting.h"

namespace cw::model {

bool TGShapePainting::SetupPen(QPainter &painter, const TGPen &pen, int width, Qt::PenCapStyle cap)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    // A width of 0 draws one pixel, as the platform's pens do.
    QPen qpen = pen.ToQPen(std::max(width, 1));
    qpen.setCapStyle(cap);
    if (pen.Style == psClear) {
        painter.setPen(Qt::NoPen);
        return false;
    }
    if (!TGPen::ApplyMode(painter, pen.Mode, qpen)) {
        painter.setPen(Qt::NoPen);
        return false;
    }
    painter.setPen(qpen);
    return true;
}

QRectF TGShapePainting::OutlineRect(const QRect &r, int width)
{
    // r is (left, top, right, bottom) exclusive: the outline runs through the
    // pixels left .. right − 1 and top .. bottom − 1.
    const double o = Offset(std::max(width, 1));
    return QRectF(QPointF(r.left() + o, r.top() + o),
                  QPointF(r.left() + r.width() - 1 + o, r.top() + r.height() - 1 + o));
}

} // namespace cw::model
