// Painting on screen and printing through the engine.
#include "objects/model/TSuperShape.h"

#include "design/model/TGShapePainting.h"
#include "print/engine/TBaseReport.h"
#include "print/engine/Units.h"

#include <QDataStream>
#include <QPainter>
#include <QPainterPath>

namespace cw::model {

void TSuperShape::drawKind(QPainter &painter, const QRect &r, const QPolygon &points, int penWidth) const
{
    // The same paths paper strokes, so dashes start where they print.
    const QRectF outline = TGShapePainting::OutlineRect(r, penWidth);
    QPainterPath path;
    switch (m_shape) {
    case gstRectangle:
        path.addRect(outline);
        break;
    case gstRoundRect: {
        const double c = RoundCorner() / 2.0;
        path.addRoundedRect(outline, c, c);
        break;
    }
    case gstEllipse:
        path.addEllipse(outline);
        break;
    default: {
        if (points.size() < 3)
            return;
        const double o = TGShapePainting::Offset(penWidth);
        path.setFillRule(Qt::WindingFill);
        path.addPolygon(QPolygonF(points).translated(o, o));
        path.closeSubpath();
        break;
    }
    }
    TGShapePainting::DrawPath(painter, path);
}

QPainterPath TSuperShape::outlinePath(const QRect &r) const
{
    QPainterPath path;
    switch (m_shape) {
    case gstRectangle:
        path.addRect(r);
        break;
    case gstRoundRect:
        path.addRoundedRect(r, RoundCorner() / 2.0, RoundCorner() / 2.0);
        break;
    case gstEllipse:
        path.addEllipse(r);
        break;
    default: {
        // The outline runs through the centres of the points' pixels (the
        // pen's offset); the fill takes the same polygon, so the two meet
        // without a seam of background between them.
        const double o = TGShapePainting::Offset(std::max(OutlineWidth(), 1));
        path.addPolygon(QPolygonF(OutlinePoints(r)).translated(o, o));
        path.closeSubpath();
        path.setFillRule(Qt::WindingFill);
    }
    }
    return path;
}

void TSuperShape::Paint(QPainter &painter)
{
    painter.save();
    // Smoothed edges, as paper has them: a slanted edge drawn hard on screen
    // and smooth on paper leaves thin strips of another colour along it.
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRect shape = ShapeRect();
    const QPolygon outline = OutlinePoints(shape);
    const QPolygon shadow = m_shadowOrient != soNone ? ShadowPoints() : QPolygon();
    auto drawLayers = [&](QPainter &p) {
        if (m_shadowOrient != soNone) {
            p.setBrush(TGColor::ToQColor(ShadowColor()));
            p.setPen(QPen(Qt::black, 1));
            drawKind(p, ShadowRect(), shadow, 1);
        }
        m_fill.PaintSurface(p, outlinePath(shape), QColor());
        if (m_fill.SetupOutline(p))
            drawKind(p, shape, outline, std::max(OutlineWidth(), 1));
    };
    // The outline lies over the fill's edge and the fill over the shadow:
    // drawn at a finer grid, the fill does not show through the outline's
    // smoothed edge, as on paper it does not.
    const TFillPainter &fill = m_fill;
    QByteArray key;
    QDataStream out(&key, QIODevice::WriteOnly);
    out << int(m_shape) << shape << outline << RoundCorner() << int(m_shadowOrient) << ShadowRect() << shadow
        << ShadowColor() << int(fill.Surface()) << int(fill.FillDirection()) << fill.FromColor()
        << fill.ToColor() << fill.Image().Image().cacheKey() << fill.GradientBitmap().cacheKey()
        << fill.SolidBitmap().cacheKey() << fill.OutlineColor() << int(fill.OutlineStyle())
        << fill.OutlineWidth() << m_foreColor << int(m_pattern);
    const int reach = std::max(OutlineWidth(), 1) + 2;
    m_finerGrid.Draw(painter, QRect(0, 0, Width(), Height()).adjusted(-reach, -reach, reach, reach), Zoom(),
                     key, drawLayers);
    painter.restore();
    TGGraphicControl::BoundsChanged();
}

std::array<double, 4> TSuperShape::inchCorners(const QRect &r, double x0, double y0) const
{
    const double ppi = ScreenPixelsPerInch;
    return {(r.left() + Left()) / ppi + x0, (r.top() + Top()) / ppi + y0,
            (r.left() + r.width() + Left()) / ppi + x0, (r.top() + r.height() + Top()) / ppi + y0};
}

void TSuperShape::printKindInches(engine::TBaseReport &report, const QRect &r, int penWidth, double x0,
                                  double y0) const
{
    const double ppi = ScreenPixelsPerInch;
    // The screen centres the pen on the line through OutlineRect; the report
    // keeps a pen inside the rectangle it is given, so it gets that line
    // grown by half the pen on every side.
    const QRectF line = TGShapePainting::OutlineRect(r, penWidth);
    const double half = std::max(penWidth, 1) / 2.0;
    const double x1 = (line.left() - half + Left()) / ppi + x0;
    const double y1 = (line.top() - half + Top()) / ppi + y0;
    const double x2 = (line.right() + half + Left()) / ppi + x0;
    const double y2 = (line.bottom() + half + Top()) / ppi + y0;
    switch (m_shape) {
    case gstRectangle:
        report.Rectangle(x1, y1, x2, y2);
        break;
    case gstRoundRect:
        report.RoundRect(x1, y1, x2, y2, RoundCorner() / ppi, RoundCorner() / ppi);
        break;
    case gstEllipse:
        report.Ellipse(x1, y1, x2, y2);
        break;
    default:
        break;
    }
}

QPainterPath TSuperShape::printClipRegion(engine::TBaseReport &report, const QRect &r, const QPolygon &device,
                                          double x0, double y0) const
{
    const double ppi = ScreenPixelsPerInch;
    const auto [x1, y1, x2, y2] = inchCorners(r, x0, y0);
    switch (m_shape) {
    case gstRectangle:
        return report.CreateRectRegion(x1, y1, x2, y2);
    case gstRoundRect:
        return report.CreateRoundRectRegion(x1, y1, x2, y2, RoundCorner() / ppi, RoundCorner() / ppi);
    case gstEllipse:
        return report.CreateEllipticRegion(x1, y1, x2, y2);
    default:
        break;
    }
    return report.CreatePolygonRegion(device);
}

void TSuperShape::PrintTo(engine::TBaseReport &report, double X, double Y)
{
    const double sx = report.XDPI() / ScreenPixelsPerInch;
    const double sy = report.YDPI() / ScreenPixelsPerInch;
    const int ox = report.UnprintableLeftPixels();
    const int oy = report.UnprintableTopPixels();
    const int gx = Trunc(X * report.XDPI());
    const int gy = Trunc(Y * report.YDPI());
    const QRect shape = ShapeRect();

    // The screen draws a polygon through the centres of its points' pixels
    // (or their corners for even pens), the fill on the same polygon.
    auto toDevice = [&](const QPolygon &points, int penWidth) {
        const double o = TGShapePainting::Offset(penWidth);
        QPolygon out;
        out.reserve(points.size());
        for (const QPoint &p : points)
            out.append(QPoint(Round((Left() + p.x() + o) * sx) + gx - ox,
                              Round((Top() + p.y() + o) * sy) + gy - oy));
        return out;
    };
    auto polygon = [&](const QPolygon &device) {
        if (device.size() >= 3 && device.size() <= 60)
            report.Polygon(device);
    };
    const bool poly = IsPolygonKind();

    if (m_shadowOrient != soNone) {
        report.SetBrush(TGColor::ToQColor(ShadowColor()), Qt::SolidPattern);
        report.SetPen(Qt::black, Qt::SolidLine, -1, engine::TPenMode::pmCopy);
        if (poly)
            polygon(toDevice(ShadowPoints(), 1));
        else
            printKindInches(report, ShadowRect(), 1, X, Y);
    }

    const int outlineWidth = std::max(OutlineWidth(), 1);
    const QPolygon shapeDevice = poly ? toDevice(OutlinePoints(shape), outlineWidth) : QPolygon();
    if (m_surfaceType != stBrushTransparent &&
        (!poly || (shapeDevice.size() >= 3 && shapeDevice.size() <= 60))) {
        report.SetBrush(TGColor::ToQColor(m_foreColor), Qt::SolidPattern);
        report.SelectClipRegion(printClipRegion(report, shape, shapeDevice, X, Y));
        // The object's box in device pixels, exactly where the object lies;
        // the clip keeps the fill inside the outline.
        const double ppi = ScreenPixelsPerInch;
        const QRectF box(report.XI2DF(X + Left() / ppi), report.YI2DF(Y + Top() / ppi), Width() * sx,
                         Height() * sy);
        m_fill.PrintSurface(report, box, box.toRect(), QColor());
        report.ClearClip();
    }

    if (m_fill.SetupOutline(report, TGColor::ToQColor(m_foreColor))) {
        if (poly)
            polygon(shapeDevice);
        else
            printKindInches(report, shape, outlineWidth, X, Y);
    }
}

} // namespace cw::model
