// Drawing records onto the painter: shapes and lines (or into the path
// under construction), arcs, pattern fills, bitmaps with their raster
// operations, and the clip region.

#include "design/model/TMetafilePlayer.h"

#include <cmath>

namespace cw::model {

// ---- drawing --------------------------------------------------------------

void TMetafilePlayer::DrawPath(const QPainterPath &logical, bool fill, bool stroke)
{
    if (m_inPath) {
        AddToPath(logical);
        return;
    }
    if (!ApplyRop())
        return;
    QPainterPath path = logical;
    path.setFillRule(m_dc.PolyFillMode == 2 ? Qt::WindingFill : Qt::OddEvenFill);
    SetFullTransform();
    QPen pen = stroke ? MakePen() : QPen(Qt::NoPen);
    QBrush brush = fill ? MakeBrush() : QBrush(Qt::NoBrush);
    if (m_dc.Rop2 == 1 || m_dc.Rop2 == 16) {
        const QColor c = m_dc.Rop2 == 1 ? Qt::black : Qt::white;
        if (pen.style() != Qt::NoPen)
            pen.setColor(c);
        if (brush.style() != Qt::NoBrush)
            brush = QBrush(c);
    }
    m_p.setPen(pen);
    m_p.setBrush(brush);
    m_p.drawPath(path);
    m_p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TMetafilePlayer::DrawPolyline(const QPolygonF &logical)
{
    if (logical.size() < 2)
        return;
    QPainterPath path;
    path.addPolygon(logical);
    DrawPath(path, false, true);
}

void TMetafilePlayer::MoveTo(const QPointF &p)
{
    m_dc.CurrentPos = p;
    if (m_inPath)
        m_path.moveTo(LogicalTransform().map(p));
}

void TMetafilePlayer::LineTo(const QPointF &p)
{
    if (m_inPath) {
        if (m_path.elementCount() == 0)
            m_path.moveTo(LogicalTransform().map(m_dc.CurrentPos));
        m_path.lineTo(LogicalTransform().map(p));
    } else {
        DrawPolyline(QPolygonF({m_dc.CurrentPos, p}));
    }
    m_dc.CurrentPos = p;
}

void TMetafilePlayer::PolylineTo(const QPolygonF &points, bool bezier)
{
    if (points.isEmpty())
        return;
    QPainterPath path;
    path.moveTo(m_dc.CurrentPos);
    if (bezier) {
        for (qsizetype i = 0; i + 2 < points.size(); i += 3)
            path.cubicTo(points[i], points[i + 1], points[i + 2]);
    } else {
        for (const QPointF &p : points)
            path.lineTo(p);
    }
    m_dc.CurrentPos = path.currentPosition();
    if (m_inPath) {
        const QTransform t = LogicalTransform();
        if (m_path.elementCount() == 0)
            m_path.moveTo(t.map(path.elementAt(0)));
        for (int i = 1; i < path.elementCount(); ++i) {
            const QPainterPath::Element e = path.elementAt(i);
            if (e.type == QPainterPath::CurveToElement && i + 2 < path.elementCount()) {
                m_path.cubicTo(t.map(QPointF(e)), t.map(QPointF(path.elementAt(i + 1))),
                               t.map(QPointF(path.elementAt(i + 2))));
                i += 2;
            } else {
                m_path.lineTo(t.map(QPointF(e)));
            }
        }
        return;
    }
    DrawPath(path, false, true);
}

QPainterPath TMetafilePlayer::ArcPath(const QRectF &box, const QPointF &start, const QPointF &end,
                                      int kind) const
{
    // kind 0 arc, 1 chord, 2 pie.  Angles are taken on the ellipse (parametric),
    // counter-clockwise on screen from the start radial to the end radial.
    const QRectF r = box.normalized();
    const QPointF c = r.center();
    const double rx = std::max(r.width() / 2, 1e-9), ry = std::max(r.height() / 2, 1e-9);
    auto angleOf = [&](const QPointF &p) {
        return std::atan2(-(p.y() - c.y()) / ry, (p.x() - c.x()) / rx) * 180.0 / M_PI;
    };
    const double a0 = angleOf(start);
    double sweep = angleOf(end) - a0;
    if (m_dc.ClockwiseArcs) {
        while (sweep >= 0)
            sweep -= 360;
    } else {
        while (sweep <= 0)
            sweep += 360;
    }
    QPainterPath path;
    if (kind == 2)
        path.moveTo(c);
    else
        path.arcMoveTo(r, a0);
    path.arcTo(r, a0, sweep);
    if (kind != 0)
        path.closeSubpath();
    return path;
}

void TMetafilePlayer::PatBlt(const QRectF &dest, quint32 rop)
{
    if (m_inPath)
        return;
    SetFullTransform();
    m_p.setPen(Qt::NoPen);
    switch (rop) {
    case 0x00000042:
        m_p.fillRect(dest, Qt::black);
        break; // BLACKNESS
    case 0x00FF0062:
        m_p.fillRect(dest, Qt::white);
        break;       // WHITENESS
    case 0x00550009: // DSTINVERT
        if (m_rasterOps) {
            m_p.setCompositionMode(QPainter::RasterOp_NotDestination);
            m_p.fillRect(dest, Qt::black);
            m_p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
        break;
    case 0x005A0049: // PATINVERT
        if (m_rasterOps)
            m_p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        m_p.fillRect(dest, MakeBrush());
        m_p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        break;
    case 0x00AA0029:
        break; // leaves the destination
    default:
        m_p.fillRect(dest, MakeBrush());
        break; // PATCOPY and the rest
    }
}

void TMetafilePlayer::DrawBitmap(const QImage &image, const QRectF &dest, QRectF source, quint32 rop)
{
    if (m_inPath || image.isNull() || dest.width() == 0 || dest.height() == 0)
        return;
    if (source.width() == 0 || source.height() == 0)
        source = QRectF(image.rect());
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (rop) {
    case 0x00CC0020:
        break; // SRCCOPY
    case 0x008800C6:
        mode = QPainter::RasterOp_SourceAndDestination;
        break; // SRCAND
    case 0x00EE0086:
        mode = QPainter::RasterOp_SourceOrDestination;
        break; // SRCPAINT
    case 0x00660046:
        mode = QPainter::RasterOp_SourceXorDestination;
        break; // SRCINVERT
    case 0x00330008:
        mode = QPainter::RasterOp_NotSource;
        break; // NOTSRCCOPY
    case 0x00AA0029:
        return; // destination kept
    case 0x00000042:
    case 0x00FF0062:
    case 0x00F00021:
    case 0x00550009:
    case 0x005A0049:
        PatBlt(dest, rop);
        return;
    default:
        break;
    }
    QImage shown = image;
    if (mode != QPainter::CompositionMode_SourceOver && !m_rasterOps) {
        // Without raster operations the usual mask pairs are drawn as what
        // they leave on paper: an AND mask paints its non-white pixels, an OR
        // (or XOR) image its non-black pixels.
        const bool andMask = rop == 0x008800C6;
        const qsizetype key = (m_record ? m_record->Offset : 0) * 4 + (andMask ? 1 : 2);
        shown = m_mf.CachedImage(key, [&image, andMask] {
            QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
            const QRgb drop = andMask ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
            for (int y = 0; y < keyed.height(); ++y) {
                QRgb *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
                for (int x = 0; x < keyed.width(); ++x)
                    if ((line[x] | 0xFF000000u) == drop)
                        line[x] = 0;
            }
            return keyed;
        });
        mode = QPainter::CompositionMode_SourceOver;
    }
    // A negative extent mirrors that axis.
    SetFullTransform();
    QTransform t = m_p.transform();
    QRectF d = dest;
    QTransform mirror;
    mirror.translate(d.center().x(), d.center().y());
    mirror.scale(d.width() < 0 ? -1 : 1, d.height() < 0 ? -1 : 1);
    mirror.translate(-d.center().x(), -d.center().y());
    m_p.setTransform(mirror * t);
    m_p.setCompositionMode(mode);
    m_p.drawImage(d.normalized(), shown, source);
    m_p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// ---- clipping -------------------------------------------------------------

void TMetafilePlayer::IntersectClip(const QRectF &logical)
{
    QPainterPath p;
    p.addRect(logical.normalized());
    CombineClip(LogicalTransform().map(p), 1);
}

void TMetafilePlayer::ExcludeClip(const QRectF &logical)
{
    QPainterPath p;
    p.addRect(logical.normalized());
    CombineClip(LogicalTransform().map(p), 4);
}

void TMetafilePlayer::CombineClip(const QPainterPath &reference, int mode)
{
    // mode: 1 AND, 2 OR, 3 XOR, 4 DIFF, 5 COPY (region combination modes).
    QPainterPath everything;
    everything.addRect(QRectF(-1e7, -1e7, 2e7, 2e7));
    const QPainterPath current = m_dc.Clip ? *m_dc.Clip : everything;
    // Qt's path clipper has a shortcut for operands that are plain rectangles
    // which fails when the result is empty; the operands are therefore given
    // as general polygons, and empty or disjoint operands are handled here.
    auto general = [](const QPainterPath &p) {
        if (p.elementCount() != 5)
            return p;
        QPainterPath g;
        const QPointF first = p.elementAt(0), second = p.elementAt(1);
        g.moveTo(first);
        g.lineTo((first + second) / 2);
        for (int i = 1; i < 5; ++i)
            g.lineTo(p.elementAt(i));
        g.setFillRule(p.fillRule());
        return g;
    };
    auto disjoint = [](const QPainterPath &a, const QPainterPath &b) {
        return a.isEmpty() || b.isEmpty() || !a.controlPointRect().intersects(b.controlPointRect());
    };
    auto intersect = [&](const QPainterPath &a, const QPainterPath &b) {
        return disjoint(a, b) ? QPainterPath() : general(a).intersected(general(b));
    };
    auto unite = [&](const QPainterPath &a, const QPainterPath &b) {
        return a.isEmpty() ? b : b.isEmpty() ? a : general(a).united(general(b));
    };
    auto subtract = [&](const QPainterPath &a, const QPainterPath &b) {
        return disjoint(a, b) ? a : general(a).subtracted(general(b));
    };
    QPainterPath result;
    switch (mode) {
    case 1:
        result = intersect(current, reference);
        break;
    case 2:
        result = m_dc.Clip ? unite(current, reference) : everything;
        break;
    case 3:
        result = unite(subtract(current, reference), subtract(reference, current));
        break;
    case 4:
        result = subtract(current, reference);
        break;
    case 5:
        result = reference;
        break;
    default:
        return;
    }
    m_dc.Clip = result;
    ApplyClip();
}

void TMetafilePlayer::ApplyClip()
{
    m_p.setTransform(QTransform());
    if (!m_dc.Clip) {
        if (m_startClip)
            m_p.setClipPath(*m_startClip, Qt::ReplaceClip);
        else
            m_p.setClipping(false);
        return;
    }
    const QPainterPath mine = m_base.map(*m_dc.Clip);
    if (m_startClip) {
        m_p.setClipPath(*m_startClip, Qt::ReplaceClip);
        m_p.setClipPath(mine, Qt::IntersectClip);
    } else {
        m_p.setClipPath(mine, Qt::ReplaceClip);
    }
}

// ---- paths ----------------------------------------------------------------

void TMetafilePlayer::AddToPath(const QPainterPath &logical)
{
    m_path.addPath(LogicalTransform().map(logical));
}

void TMetafilePlayer::FillOrStrokePath(bool fill, bool stroke)
{
    m_inPath = false;
    bool invertible = false;
    const QTransform back = LogicalTransform().inverted(&invertible);
    if (invertible)
        DrawPath(back.map(m_path), fill, stroke);
    m_path = QPainterPath();
}

} // namespace cw::model
