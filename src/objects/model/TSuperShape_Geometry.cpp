// Shape and shadow rectangles and the outline points of the polygon kinds,
// in the object's own pixels.
#include "objects/model/TSuperShape.h"

#include "print/engine/Units.h"

#include <cmath>
#include <numbers>

namespace cw::model {

int TSuperShape::shadowOffset() const
{
    return Zoom() != 1.0f ? Trunc(double(Zoom()) * m_shadowDepth) : m_shadowDepth;
}

std::pair<QRect, QRect> TSuperShape::shapeAndShadow() const
{
    const int h = OutlineWidth() / 2;
    const int W = Width() - OutlineWidth() + 1;
    const int H = Height() - OutlineWidth() + 1;
    const int d = shadowOffset();
    // The shape gives way to its shadow; a diamond's shadow moves sideways only.
    const bool diamond = m_shape == gstDiamond;
    switch (m_shadowOrient) {
    case soNone:
        break;
    case soLowerRight:
        if (diamond)
            return {ltrb(h, h, W - d, H), ltrb(h + d, h, W, H)};
        return {ltrb(h, h, W - d, H - d), ltrb(h + d, h + d, W, H)};
    case soUpperRight:
        if (diamond)
            return {ltrb(h, h, W - d, H), ltrb(h + d, h, W, H)};
        return {ltrb(h, h + d, W - d, H), ltrb(h + d, h, W, H - d)};
    case soUpperLeft:
        if (diamond)
            return {ltrb(h + d, h, W, H), ltrb(h, h, W - d, H)};
        return {ltrb(h + d, h + d, W, H), ltrb(h, h, W - d, H - d)};
    case soLowerLeft:
        if (diamond)
            return {ltrb(h + d, h, W, H), ltrb(h, h, W - d, H)};
        return {ltrb(h + d, h, W, H - d), ltrb(h, h + d, W - d, H)};
    }
    return {ltrb(h, h, W, H), QRect()};
}

QRect TSuperShape::ShapeRect() const
{
    return shapeAndShadow().first;
}

QRect TSuperShape::ShadowRect() const
{
    return shapeAndShadow().second;
}

bool TSuperShape::IsPolygonKind() const
{
    return m_shape != gstRectangle && m_shape != gstRoundRect && m_shape != gstEllipse;
}

int TSuperShape::RoundCorner() const
{
    return Trunc(double(std::max(Width(), Height())) * m_roundPerc / 100.0);
}

QPolygon TSuperShape::OutlinePoints(const QRect &r) const
{
    const int L = r.left();
    const int T = r.top();
    const int w = r.width();
    const int v = r.height();
    switch (m_shape) {
    case gstRectangle:
    case gstRoundRect:
    case gstEllipse:
        return {};
    case gstDiamond:
        return QPolygon({QPoint(L + w / 2, T), QPoint(L + w - 1, T + v / 2), QPoint(L + w / 2, T + v - 1),
                         QPoint(L, T + v / 2)});
    case gstTriangleLeft:
        return QPolygon({QPoint(L + w - 1, T), QPoint(L + w - 1, T + v - 1), QPoint(L, T + v / 2)});
    case gstTriangleRight:
        return QPolygon({QPoint(L, T), QPoint(L + w - 1, T + v / 2), QPoint(L, T + v - 1)});
    case gstTriangleUp:
        return QPolygon({QPoint(L + w / 2, T), QPoint(L, T + v - 1), QPoint(L + w - 1, T + v - 1)});
    case gstTriangleDown:
        return QPolygon({QPoint(L, T), QPoint(L + w / 2, T + v - 1), QPoint(L + w - 1, T)});
    case gstStar:
    case gstPolyGon:
        break;
    }
    const int cx = L + w / 2;
    const int cy = T + v / 2;
    const int outer = std::min(w / 2, v / 2) - 4;
    const double inner = m_shape == gstPolyGon ? outer : outer * (100.0 - m_inVectorPercent) / 100.0;
    QPolygon points;
    points.reserve(m_vectors);
    for (int k = 0; k < m_vectors; ++k) {
        const double degrees = 360.0 / m_vectors * k - m_startingAngle;
        const double a = degrees * std::numbers::pi / 180.0;
        const double radius = (k % 2 == 0) ? outer : inner;
        points.append(QPoint(cx + Round(std::cos(a) * radius), cy + Round(std::sin(a) * radius)));
    }
    return points;
}

QPolygon TSuperShape::ShadowPoints() const
{
    const QRect s = ShadowRect();
    if (s.isNull())
        return {};
    // The shadow keeps the shape's own width and height at the shadow's corner.
    const QRect shape = ShapeRect();
    return OutlinePoints(QRect(s.topLeft(), shape.size()));
}

} // namespace cw::model
