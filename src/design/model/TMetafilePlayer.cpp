#include "design/model/TMetafilePlayer.h"

#include <QLineF>
#include <QPaintEngine>
#include <cmath>

namespace cw::model {

namespace {

constexpr int MM_TEXT = 1, MM_LOMETRIC = 2, MM_HIMETRIC = 3, MM_LOENGLISH = 4, MM_HIENGLISH = 5, MM_TWIPS = 6,
              MM_ISOTROPIC = 7, MM_ANISOTROPIC = 8;

TMfBrush stockBrush(TMfBrush::Kind kind, const QColor &colour)
{
    TMfBrush b;
    b.Style = kind;
    b.Color = colour;
    return b;
}

TMfPen stockPen(quint32 style, const QColor &colour)
{
    TMfPen p;
    p.Style = style;
    p.Color = colour;
    return p;
}

QColor argbOf(const QColor &c, const QColor &fallback)
{
    return c.isValid() ? c : fallback;
}

} // namespace

TMetafilePlayer::TMetafilePlayer(const TMetafile &metafile, QPainter &painter, const QRectF &target)
    : m_mf(metafile), m_p(painter), m_target(target)
{
    m_painterStart = painter.transform();
    const QRectF frame = metafile.ReferenceFrame();
    QTransform toTarget;
    if (frame.width() != 0 && frame.height() != 0) {
        toTarget.translate(target.left(), target.top());
        toTarget.scale(target.width() / frame.width(), target.height() / frame.height());
        toTarget.translate(-frame.left(), -frame.top());
    }
    m_base = toTarget * m_painterStart;
    if (painter.hasClipping())
        m_startClip = m_painterStart.map(painter.clipPath());
    // Raster operations only where pixels are combined at once (images,
    // widgets); recorded pages and PDF output cannot replay them.
    m_rasterOps = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;

    if (!metafile.IsEnhanced()) {
        // A Windows metafile's window is mapped onto its natural size; its
        // own SetWindowOrg/SetWindowExt records replace the bounding box.
        const QRect box = metafile.WmfBounds();
        m_dc.MapMode = MM_ANISOTROPIC;
        m_dc.WindowOrg = QPointF(box.left(), box.top());
        m_dc.WindowExt = QSizeF(box.right() - box.left(), box.bottom() - box.top());
        m_dc.ViewportOrg = QPointF(0, 0);
        m_dc.ViewportExt = QSizeF(metafile.Width(), metafile.Height());
    }
    m_objects.resize(size_t(qBound(0, metafile.ObjectCount(), MaxObjects)));
}

void TMetafilePlayer::Play()
{
    m_p.save();
    for (const TMetafileRecord &r : m_mf.Records()) {
        m_record = &r;
        if (m_mf.IsEnhanced())
            PlayEmf(r);
        else
            PlayWmf(r);
    }
    m_record = nullptr;
    m_p.restore();
}

QTransform TMetafilePlayer::PageTransform() const
{
    double sx = 1, sy = 1;
    const QSizeF device = m_mf.EmfDevicePixels();
    const QSizeF mm = m_mf.EmfDeviceMillimetres();
    const double pxPerMmX = m_mf.IsEnhanced() ? device.width() / mm.width() : 96.0 / 25.4;
    const double pxPerMmY = m_mf.IsEnhanced() ? device.height() / mm.height() : 96.0 / 25.4;
    switch (m_dc.MapMode) {
    case MM_LOMETRIC: sx = pxPerMmX / 10; sy = -pxPerMmY / 10; break;
    case MM_HIMETRIC: sx = pxPerMmX / 100; sy = -pxPerMmY / 100; break;
    case MM_LOENGLISH: sx = pxPerMmX * 0.254; sy = -pxPerMmY * 0.254; break;
    case MM_HIENGLISH: sx = pxPerMmX * 0.0254; sy = -pxPerMmY * 0.0254; break;
    case MM_TWIPS: sx = pxPerMmX * 25.4 / 1440; sy = -pxPerMmY * 25.4 / 1440; break;
    case MM_ISOTROPIC:
    case MM_ANISOTROPIC:
        if (m_dc.WindowExt.width() != 0 && m_dc.WindowExt.height() != 0) {
            sx = m_dc.ViewportExt.width() / m_dc.WindowExt.width();
            sy = m_dc.ViewportExt.height() / m_dc.WindowExt.height();
            if (m_dc.MapMode == MM_ISOTROPIC) {
                // One scale for both axes: the smaller, keeping each axis' direction.
                const double s = std::min(std::abs(sx), std::abs(sy));
                sx = std::copysign(s, sx);
                sy = std::copysign(s, sy);
            }
        }
        break;
    default: break; // MM_TEXT: one logical unit is one device pixel
    }
    QTransform t;
    t.translate(m_dc.ViewportOrg.x(), m_dc.ViewportOrg.y());
    t.scale(sx, sy);
    t.translate(-m_dc.WindowOrg.x(), -m_dc.WindowOrg.y());
    return t;
}

void TMetafilePlayer::SetFullTransform()
{
    m_p.setTransform(LogicalTransform() * m_base);
}

double TMetafilePlayer::LogicalScale() const
{
    return std::sqrt(std::abs(LogicalTransform().determinant()));
}

// ---- objects ------------------------------------------------------------

void TMetafilePlayer::CreateObject(const TMfObject &object, qint64 index)
{
    if (index < 0) {
        // Windows metafiles put a new object into the lowest free slot.
        for (size_t i = 0; i < m_objects.size(); ++i) {
            if (!m_objects[i]) {
                m_objects[i] = object;
                return;
            }
        }
        if (m_objects.size() < size_t(MaxObjects))
            m_objects.push_back(object);
        return;
    }
    if (index >= MaxObjects)
        return;
    if (size_t(index) >= m_objects.size())
        m_objects.resize(size_t(index) + 1);
    m_objects[size_t(index)] = object;
}

void TMetafilePlayer::SelectObject(qint64 index)
{
    if (index < 0 || size_t(index) >= m_objects.size() || !m_objects[size_t(index)])
        return;
    const TMfObject &o = *m_objects[size_t(index)];
    switch (o.Type) {
    case TMfObject::Pen: m_dc.Pen = o.PenValue; break;
    case TMfObject::Brush: m_dc.Brush = o.BrushValue; break;
    case TMfObject::Font: m_dc.Font = o.FontValue; break;
    case TMfObject::Other: break;
    }
}

void TMetafilePlayer::DeleteObject(qint64 index)
{
    // A selected object stays in use: the state holds its own copy.
    if (index >= 0 && size_t(index) < m_objects.size())
        m_objects[size_t(index)].reset();
}

void TMetafilePlayer::SelectStockObject(quint32 stock)
{
    switch (stock) {
    case 0: m_dc.Brush = stockBrush(TMfBrush::Solid, Qt::white); break;
    case 1: m_dc.Brush = stockBrush(TMfBrush::Solid, QColor(0xC0, 0xC0, 0xC0)); break;
    case 2: m_dc.Brush = stockBrush(TMfBrush::Solid, QColor(0x80, 0x80, 0x80)); break;
    case 3: m_dc.Brush = stockBrush(TMfBrush::Solid, QColor(0x40, 0x40, 0x40)); break;
    case 4: m_dc.Brush = stockBrush(TMfBrush::Solid, Qt::black); break;
    case 5: m_dc.Brush = stockBrush(TMfBrush::Null, Qt::white); break;
    case 6: m_dc.Pen = stockPen(0, Qt::white); break;
    case 7: m_dc.Pen = stockPen(0, Qt::black); break;
    case 8: m_dc.Pen = stockPen(5, Qt::black); break;
    case 10: case 11: case 12: case 13: case 14: case 16: case 17:
        m_dc.Font = TMfFont{};
        break;
    default: break;
    }
}

void TMetafilePlayer::SaveDC()
{
    if (int(m_saved.size()) < MaxSavedStates)
        m_saved.push_back(m_dc);
}

void TMetafilePlayer::RestoreDC(int which)
{
    // Negative: relative to the newest saved state; positive: absolute depth.
    const int count = int(m_saved.size());
    const int keep = which < 0 ? count + which : which - 1;
    if (keep < 0 || keep >= count)
        return;
    m_dc = m_saved[size_t(keep)];
    m_saved.resize(size_t(keep));
    ApplyClip();
}

// ---- pens, brushes, raster operations ---------------------------------------

QPen TMetafilePlayer::MakePen() const
{
    const TMfPen &pen = m_dc.Pen;
    if (pen.IsNull())
        return QPen(Qt::NoPen);
    const double scale = LogicalScale();
    if (scale <= 0 || !std::isfinite(scale))
        return QPen(Qt::NoPen);
    const bool geometric = (pen.Style & 0x10000) != 0;
    const double refWidth = std::max(1.0, pen.Width * scale);
    const bool thin = refWidth <= 1.0;
    const double deviceScale = std::sqrt(std::abs(m_base.determinant()));

    QPen q(argbOf(pen.Color, Qt::black));
    if (refWidth * deviceScale < 1.0) {
        q.setCosmetic(true);
        q.setWidthF(1.0);
    } else {
        q.setWidthF(refWidth / scale);
    }
    QVector<qreal> dashes;
    switch (pen.Style & 0x0F) {
    case 1: dashes = thin ? QVector<qreal>{18, 6} : QVector<qreal>{3, 1}; break;
    case 2: dashes = thin ? QVector<qreal>{3, 3} : QVector<qreal>{1, 1}; break;
    case 3: dashes = thin ? QVector<qreal>{9, 6, 3, 6} : QVector<qreal>{3, 1, 1, 1}; break;
    case 4: dashes = thin ? QVector<qreal>{9, 3, 3, 3, 3, 3} : QVector<qreal>{3, 1, 1, 1, 1, 1}; break;
    case 7:
        for (double e : pen.UserDashes)
            dashes.append(std::max(0.01, geometric ? e * scale / refWidth : e / refWidth));
        if (dashes.size() % 2)
            dashes.append(dashes.last());
        break;
    case 8: dashes = {1, 1}; break;
    default: break;
    }
    // Wide cosmetic pens draw their dashed styles solid.
    if (!dashes.isEmpty() && (thin || geometric || (pen.Style & 0x0F) == 7))
        q.setDashPattern(dashes);
    if (thin) {
        q.setCapStyle(Qt::FlatCap);
        q.setJoinStyle(Qt::MiterJoin);
    } else {
        switch (pen.Style & 0x0F00) {
        case 0x100: q.setCapStyle(Qt::SquareCap); break;
        case 0x200: q.setCapStyle(Qt::FlatCap); break;
        default: q.setCapStyle(Qt::RoundCap); break;
        }
        switch (pen.Style & 0xF000) {
        case 0x1000: q.setJoinStyle(Qt::BevelJoin); break;
        case 0x2000: q.setJoinStyle(Qt::MiterJoin); break;
        default: q.setJoinStyle(Qt::RoundJoin); break;
        }
    }
    return q;
}

QImage TMetafilePlayer::HatchTile(int hatch, const QColor &fore, const QColor &back)
{
    QImage tile(8, 8, QImage::Format_ARGB32);
    tile.fill(back.isValid() ? back.rgba() : qRgba(0, 0, 0, 0));
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            bool ink = false;
            switch (hatch) {
            case 0: ink = y == 7; break;                 // horizontal
            case 1: ink = x == 7; break;                 // vertical
            case 2: ink = x == y; break;                 // forward diagonal, top-left to bottom-right
            case 3: ink = x + y == 7; break;             // backward diagonal
            case 4: ink = x == 7 || y == 7; break;       // cross
            default: ink = x == y || x + y == 7; break;  // diagonal cross
            }
            if (ink)
                tile.setPixel(x, y, fore.rgba());
        }
    }
    return tile;
}

QBrush TMetafilePlayer::MakeBrush() const
{
    const TMfBrush &b = m_dc.Brush;
    QImage tile;
    switch (b.Style) {
    case TMfBrush::Null: return QBrush(Qt::NoBrush);
    case TMfBrush::Solid: return QBrush(argbOf(b.Color, Qt::white));
    case TMfBrush::Hatched:
        tile = HatchTile(b.Hatch, argbOf(b.Color, Qt::black), m_dc.BkMode == 2 ? m_dc.BkColor : QColor());
        break;
    case TMfBrush::Pattern:
        tile = b.PatternImage;
        if (tile.isNull())
            return QBrush(argbOf(b.Color, Qt::black));
        if (b.Mono) {
            // Monochrome patterns take the text colour for 0 bits and the background colour for 1 bits.
            tile = tile.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < tile.height(); ++y)
                for (int x = 0; x < tile.width(); ++x)
                    tile.setPixel(x, y, qGray(tile.pixel(x, y)) < 128 ? m_dc.TextColor.rgba() : m_dc.BkColor.rgba());
        }
        break;
    }
    QBrush brush(tile);
    // Patterns stay in reference pixels whatever the logical mapping.
    bool invertible = false;
    const QTransform inverse = LogicalTransform().inverted(&invertible);
    if (invertible)
        brush.setTransform(inverse);
    return brush;
}

bool TMetafilePlayer::ApplyRop()
{
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (m_dc.Rop2) {
    case 11: return false; // R2_NOP
    case 7: mode = QPainter::RasterOp_SourceXorDestination; break;
    case 9: mode = QPainter::RasterOp_SourceAndDestination; break;
    case 15: mode = QPainter::RasterOp_SourceOrDestination; break;
    case 6: mode = QPainter::RasterOp_NotDestination; break;
    case 4: mode = QPainter::RasterOp_NotSource; break;
    case 10: mode = QPainter::RasterOp_NotSourceXorDestination; break;
    default: break;
    }
    if (mode != QPainter::CompositionMode_SourceOver && !m_rasterOps)
        mode = QPainter::CompositionMode_SourceOver;
    m_p.setCompositionMode(mode);
    return true;
}

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

QPainterPath TMetafilePlayer::ArcPath(const QRectF &box, const QPointF &start, const QPointF &end, int kind) const
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
    case 0x00000042: m_p.fillRect(dest, Qt::black); break; // BLACKNESS
    case 0x00FF0062: m_p.fillRect(dest, Qt::white); break; // WHITENESS
    case 0x00550009:                                       // DSTINVERT
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
    case 0x00AA0029: break; // leaves the destination
    default: m_p.fillRect(dest, MakeBrush()); break; // PATCOPY and the rest
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
    case 0x00CC0020: break;                                                     // SRCCOPY
    case 0x008800C6: mode = QPainter::RasterOp_SourceAndDestination; break;     // SRCAND
    case 0x00EE0086: mode = QPainter::RasterOp_SourceOrDestination; break;      // SRCPAINT
    case 0x00660046: mode = QPainter::RasterOp_SourceXorDestination; break;     // SRCINVERT
    case 0x00330008: mode = QPainter::RasterOp_NotSource; break;                // NOTSRCCOPY
    case 0x00AA0029: return;                                                    // destination kept
    case 0x00000042: case 0x00FF0062: case 0x00F00021: case 0x00550009: case 0x005A0049:
        PatBlt(dest, rop);
        return;
    default: break;
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
    case 1: result = intersect(current, reference); break;
    case 2: result = m_dc.Clip ? unite(current, reference) : everything; break;
    case 3: result = unite(subtract(current, reference), subtract(reference, current)); break;
    case 4: result = subtract(current, reference); break;
    case 5: result = reference; break;
    default: return;
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
