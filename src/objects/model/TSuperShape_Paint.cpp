// Painting on screen and printing through the engine.
#include "objects/model/TSuperShape.h"

#include "design/model/TGShapePainting.h"
#include "print/engine/TBaseReport.h"
#include "print/engine/Units.h"

#include <QPainter>
#include <QPainterPath>

namespace cw::model {

namespace {
int right(const QRect &r)
{
    return r.left() + r.width();
}
int bottom(const QRect &r)
{
    return r.top() + r.height();
}
} // namespace

void TSuperShape::BuildSolidBitmap()
{
    if (Width() <= 0 || Height() <= 0) {
        m_solidBitmap = QImage();
        return;
    }
    m_solidBitmap = QImage(Width(), Height(), QImage::Format_RGB32);
    m_solidBitmap.fill(TGColor::ToQColor(m_backColor));
}

QColor TSuperShape::GradientStartColor() const
{
    const bool toFirst = m_fillDirection == gdUp || m_fillDirection == gdLeft;
    return TGColor::ToQColor(toFirst ? m_gradientToColor : m_backColor).toRgb();
}

QColor TSuperShape::GradientEndColor() const
{
    const bool toFirst = m_fillDirection == gdUp || m_fillDirection == gdLeft;
    return TGColor::ToQColor(toFirst ? m_backColor : m_gradientToColor).toRgb();
}

void TSuperShape::BuildGradientBitmap()
{
    m_gradientBitmap =
        TSuperShapeFill::GradientBitmap(Width(), Height(), GradientStartColor(), GradientEndColor(),
                                        TSuperShapeFill::IsHorizontal(m_fillDirection));
}

const QImage *TSuperShape::tilePicture() const
{
    switch (m_surfaceType) {
    case stBrushPattern:
        return &m_solidBitmap;
    case stBrushImage:
        return &m_image.Image();
    case stGradientFill:
        return &m_gradientBitmap;
    case stBrushTransparent:
        break;
    }
    return nullptr;
}

void TSuperShape::drawKind(QPainter &painter, const QRect &r, const QPolygon &points, int penWidth) const
{
    const QRectF outline = TGShapePainting::OutlineRect(r, penWidth);
    switch (m_shape) {
    case gstRectangle:
        painter.drawRect(outline);
        return;
    case gstRoundRect: {
        const double c = RoundCorner() / 2.0;
        painter.drawRoundedRect(outline, c, c);
        return;
    }
    case gstEllipse:
        painter.drawEllipse(outline);
        return;
    default:
        break;
    }
    if (points.size() < 3)
        return;
    const double o = TGShapePainting::Offset(penWidth);
    painter.drawPolygon(QPolygonF(points).translated(o, o), Qt::WindingFill);
}

void TSuperShape::Paint(QPainter &painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (m_surfaceType == stBrushPattern && m_solidBitmap.isNull())
        BuildSolidBitmap();
    // A shape read from a card file gets its size before its colours: a
    // gradient built at the size of a new shape would show as stripes.
    if (gradientStale())
        BuildGradientBitmap();
    const QRect shape = ShapeRect();

    if (m_shadowOrient != soNone) {
        const QRect shadow = ShadowRect();
        painter.setBrush(TGColor::ToQColor(m_shadowColor));
        painter.setPen(QPen(Qt::black, 1));
        drawKind(painter, shadow, ShadowPoints(), 1);
    }

    if (const QImage *picture = tilePicture(); picture && !picture->isNull()) {
        QPainterPath clip;
        switch (m_shape) {
        case gstRectangle:
            clip.addRect(shape);
            break;
        case gstRoundRect:
            clip.addRoundedRect(shape, RoundCorner() / 2.0, RoundCorner() / 2.0);
            break;
        case gstEllipse:
            clip.addEllipse(shape);
            break;
        default:
            clip.addPolygon(QPolygonF(OutlinePoints(shape)));
            clip.closeSubpath();
            clip.setFillRule(Qt::WindingFill);
        }
        painter.save();
        painter.setClipPath(clip, Qt::IntersectClip);
        QSize tile = picture->size();
        if (m_surfaceType == stBrushImage && Zoom() != 1.0f)
            tile = QSize(Trunc(tile.width() * double(Zoom())), Trunc(tile.height() * double(Zoom())));
        TSuperShapeFill::TileOnScreen(painter, *picture, tile, Width(), Height());
        painter.restore();
    }

    if (m_outlineStyle != psClear) {
        TGPen pen;
        pen.Color = m_outlineColor;
        pen.Style = m_outlineStyle;
        pen.Width = m_outlineWidth;
        painter.setBrush(Qt::NoBrush);
        if (TGShapePainting::SetupPen(painter, pen, m_outlineWidth, Qt::SquareCap))
            drawKind(painter, shape, OutlinePoints(shape), std::max(m_outlineWidth, 1));
    }
    painter.restore();
    TGGraphicControl::BoundsChanged();
}

void TSuperShape::printKindInches(engine::TBaseReport &report, const QRect &r, double x0, double y0) const
{
    const double ppi = ScreenPixelsPerInch;
    const double x1 = (r.left() + Left()) / ppi + x0;
    const double y1 = (r.top() + Top()) / ppi + y0;
    const double x2 = (right(r) + Left()) / ppi + x0;
    const double y2 = (bottom(r) + Top()) / ppi + y0;
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
    const double x1 = (r.left() + Left()) / ppi + x0;
    const double y1 = (r.top() + Top()) / ppi + y0;
    const double x2 = (right(r) + Left()) / ppi + x0;
    const double y2 = (bottom(r) + Top()) / ppi + y0;
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
    const double ppi = ScreenPixelsPerInch;
    const int colours = TSuperShapeFill::ScreenColorCount();
    const double sx = report.XDPI() / ppi;
    const double sy = report.YDPI() / ppi;
    const int ox = Trunc(report.UnprintableLeft() * report.XDPI());
    const int oy = Trunc(report.UnprintableTop() * report.YDPI());
    const int gx = Trunc(X * report.XDPI());
    const int gy = Trunc(Y * report.YDPI());
    if (m_surfaceType == stBrushPattern && m_solidBitmap.isNull())
        BuildSolidBitmap();
    const QRect shape = ShapeRect();
    const QRect shadow = ShadowRect();

    auto toDevice = [&](const QPolygon &points) {
        QPolygon out;
        out.reserve(points.size());
        for (const QPoint &p : points)
            out.append(QPoint(Trunc((Left() + p.x()) * sx) + gx - ox, Trunc((Top() + p.y()) * sy) + gy - oy));
        return out;
    };
    auto polygon = [&](const QPolygon &device) {
        if (device.size() >= 3 && device.size() <= 60)
            report.Polygon(device);
    };
    const bool poly = IsPolygonKind();

    if (m_shadowOrient != soNone) {
        report.SetBrush(TGColor::ToQColor(m_shadowColor), Qt::SolidPattern);
        report.SetPen(Qt::black, Qt::SolidLine, -1, engine::TPenMode::pmCopy);
        if (poly)
            polygon(toDevice(ShadowPoints()));
        else
            printKindInches(report, shadow, X, Y);
    }

    const QPolygon shapeDevice = poly ? toDevice(OutlinePoints(shape)) : QPolygon();
    if (m_surfaceType != stBrushTransparent &&
        (!poly || (shapeDevice.size() >= 3 && shapeDevice.size() <= 60))) {
        report.SetBrush(TGColor::ToQColor(m_foreColor), Qt::SolidPattern);
        report.SelectClipRegion(printClipRegion(report, shape, shapeDevice, X, Y));
        const int L = Trunc(Left() * sx) + gx;
        const int T = Trunc(Top() * sy) + gy;
        const int R = L + Round(Width() * sx);
        const int B = T + Round(Height() * sy);
        if (m_surfaceType == stGradientFill) {
            // The bands span the object as the gradient bitmap does on
            // screen; the area filled reaches a pixel further right and a
            // quarter inch lower, which the outline clip cuts away.
            const QRect box(L - ox, T - oy, R - L, B - T);
            const QRect cover(L - ox, T - oy, R - L + 1, Trunc(0.25 * report.YDPI()) + B - T + 1);
            TSuperShapeFill::PrintGradient(report, box, cover, GradientStartColor(), GradientEndColor(),
                                           TSuperShapeFill::IsHorizontal(m_fillDirection));
        } else if (const QImage *picture = tilePicture()) {
            const bool composed = Host() && Host()->IsPreviewing() && colours <= 256;
            TSuperShapeFill::PrintTiles(report, *picture, QRect(L, T, R - L, B - T), sx, sy, composed);
        }
        report.ClearClip();
    }

    if (m_outlineStyle != psClear) {
        report.SetBrush(TGColor::ToQColor(m_foreColor), Qt::NoBrush);
        report.SetPen(TGColor::ToQColor(m_outlineColor), TGPen::ToQtStyle(m_outlineStyle), -m_outlineWidth,
                      engine::TPenMode::pmCopy);
        if (poly)
            polygon(shapeDevice);
        else
            printKindInches(report, shape, X, Y);
    }
}

} // namespace cw::model
