#include "design/model/TMetafilePlayer.h"

#include "print/engine/Units.h"

#include <QLineF>
#include <QPaintDevice>
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
    if (const QPaintDevice *device = painter.device(); device && device->logicalDpiX() > 0)
        m_designPixel = std::max(1.0, std::round(device->logicalDpiX() / ScreenPixelsPerInch * 100) / 100);

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
    case MM_LOMETRIC:
        sx = pxPerMmX / 10;
        sy = -pxPerMmY / 10;
        break;
    case MM_HIMETRIC:
        sx = pxPerMmX / 100;
        sy = -pxPerMmY / 100;
        break;
    case MM_LOENGLISH:
        sx = pxPerMmX * 0.254;
        sy = -pxPerMmY * 0.254;
        break;
    case MM_HIENGLISH:
        sx = pxPerMmX * 0.0254;
        sy = -pxPerMmY * 0.0254;
        break;
    case MM_TWIPS:
        sx = pxPerMmX * 25.4 / 1440;
        sy = -pxPerMmY * 25.4 / 1440;
        break;
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
    default:
        break; // MM_TEXT: one logical unit is one device pixel
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
    case TMfObject::Pen:
        m_dc.Pen = o.PenValue;
        break;
    case TMfObject::Brush:
        m_dc.Brush = o.BrushValue;
        break;
    case TMfObject::Font:
        m_dc.Font = o.FontValue;
        break;
    case TMfObject::Other:
        break;
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
    case 0:
        m_dc.Brush = stockBrush(TMfBrush::Solid, Qt::white);
        break;
    case 1:
        m_dc.Brush = stockBrush(TMfBrush::Solid, QColor(0xC0, 0xC0, 0xC0));
        break;
    case 2:
        m_dc.Brush = stockBrush(TMfBrush::Solid, QColor(0x80, 0x80, 0x80));
        break;
    case 3:
        m_dc.Brush = stockBrush(TMfBrush::Solid, QColor(0x40, 0x40, 0x40));
        break;
    case 4:
        m_dc.Brush = stockBrush(TMfBrush::Solid, Qt::black);
        break;
    case 5:
        m_dc.Brush = stockBrush(TMfBrush::Null, Qt::white);
        break;
    case 6:
        m_dc.Pen = stockPen(0, Qt::white);
        break;
    case 7:
        m_dc.Pen = stockPen(0, Qt::black);
        break;
    case 8:
        m_dc.Pen = stockPen(5, Qt::black);
        break;
    case 10:
    case 11:
    case 12:
    case 13:
    case 14:
    case 16:
    case 17:
        m_dc.Font = TMfFont{};
        break;
    default:
        break;
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
    if (refWidth * deviceScale < m_designPixel) {
        q.setCosmetic(true);
        q.setWidthF(m_designPixel);
    } else {
        q.setWidthF(refWidth / scale);
    }
    QVector<qreal> dashes;
    switch (pen.Style & 0x0F) {
    case 1:
        dashes = thin ? QVector<qreal>{18, 6} : QVector<qreal>{3, 1};
        break;
    case 2:
        dashes = thin ? QVector<qreal>{3, 3} : QVector<qreal>{1, 1};
        break;
    case 3:
        dashes = thin ? QVector<qreal>{9, 6, 3, 6} : QVector<qreal>{3, 1, 1, 1};
        break;
    case 4:
        dashes = thin ? QVector<qreal>{9, 3, 3, 3, 3, 3} : QVector<qreal>{3, 1, 1, 1, 1, 1};
        break;
    case 7:
        for (double e : pen.UserDashes)
            dashes.append(std::max(0.01, geometric ? e * scale / refWidth : e / refWidth));
        if (dashes.size() % 2)
            dashes.append(dashes.last());
        break;
    case 8:
        dashes = {1, 1};
        break;
    default:
        break;
    }
    // Wide cosmetic pens draw their dashed styles solid.
    if (!dashes.isEmpty() && (thin || geometric || (pen.Style & 0x0F) == 7))
        q.setDashPattern(dashes);
    if (thin) {
        q.setCapStyle(Qt::FlatCap);
        q.setJoinStyle(Qt::MiterJoin);
    } else {
        switch (pen.Style & 0x0F00) {
        case 0x100:
            q.setCapStyle(Qt::SquareCap);
            break;
        case 0x200:
            q.setCapStyle(Qt::FlatCap);
            break;
        default:
            q.setCapStyle(Qt::RoundCap);
            break;
        }
        switch (pen.Style & 0xF000) {
        case 0x1000:
            q.setJoinStyle(Qt::BevelJoin);
            break;
        case 0x2000:
            q.setJoinStyle(Qt::MiterJoin);
            break;
        default:
            q.setJoinStyle(Qt::RoundJoin);
            break;
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
            case 0:
                ink = y == 7;
                break; // horizontal
            case 1:
                ink = x == 7;
                break; // vertical
            case 2:
                ink = x == y;
                break; // forward diagonal, top-left to bottom-right
            case 3:
                ink = x + y == 7;
                break; // backward diagonal
            case 4:
                ink = x == 7 || y == 7;
                break; // cross
            default:
                ink = x == y || x + y == 7;
                break; // diagonal cross
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
    case TMfBrush::Null:
        return QBrush(Qt::NoBrush);
    case TMfBrush::Solid:
        return QBrush(argbOf(b.Color, Qt::white));
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
                    tile.setPixel(
                        x, y, qGray(tile.pixel(x, y)) < 128 ? m_dc.TextColor.rgba() : m_dc.BkColor.rgba());
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
    case 11:
        return false; // R2_NOP
    case 7:
        mode = QPainter::RasterOp_SourceXorDestination;
        break;
    case 9:
        mode = QPainter::RasterOp_SourceAndDestination;
        break;
    case 15:
        mode = QPainter::RasterOp_SourceOrDestination;
        break;
    case 6:
        mode = QPainter::RasterOp_NotDestination;
        break;
    case 4:
        mode = QPainter::RasterOp_NotSource;
        break;
    case 10:
        mode = QPainter::RasterOp_NotSourceXorDestination;
        break;
    default:
        break;
    }
    if (mode != QPainter::CompositionMode_SourceOver && !m_rasterOps)
        mode = QPainter::CompositionMode_SourceOver;
    m_p.setCompositionMode(mode);
    return true;
}

} // namespace cw::model
