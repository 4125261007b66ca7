// Enhanced metafile records.  Offsets below are from the record's first
// byte; every read is checked against the record's own length, and offsets
// inside a record (bitmaps, strings, advances) are checked the same way.

#include "design/model/TMetafilePlayer.h"

#include "design/model/TMetafileEmfRecord.h"

#include <QPainterPathStroker>

namespace cw::model {

namespace {

using Rec = TMfEmfRecord;

QPolygonF readPoints(const Rec &r, qint64 off, qint64 count, bool small)
{
    QPolygonF poly;
    const qint64 each = small ? 4 : 8;
    if (count <= 0 || !r.inside(off, count * each))
        return poly;
    poly.reserve(count);
    for (qint64 k = 0; k < count; ++k) {
        const qint64 o = off + k * each;
        poly.append(small ? QPointF(r.s(o), r.s(o + 2)) : QPointF(r.i(o), r.i(o + 4)));
    }
    return poly;
}

QTransform readXform(const Rec &r, qint64 off)
{
    return QTransform(r.f(off), r.f(off + 4), r.f(off + 8), r.f(off + 12), r.f(off + 16), r.f(off + 20));
}

// A region's rectangles (RGNDATA) in reference coordinates.
QPainterPath readRegion(const Rec &r, qint64 off, qint64 size)
{
    QPainterPath path;
    if (!r.inside(off, size) || size < 32)
        return path;
    const qint64 count = r.u(off + 8);
    if (count < 0 || !r.inside(off + 32, count * 16))
        return path;
    for (qint64 k = 0; k < count; ++k)
        path.addRect(r.rect(off + 32 + k * 16).normalized());
    return path.simplified();
}

TMfBrush brushFromStyle(quint32 style, quint32 colour, quint32 hatch)
{
    TMfBrush b;
    b.Color = MfColor(colour);
    b.Hatch = int(hatch);
    b.Style = style == 1 ? TMfBrush::Null : style == 2 ? TMfBrush::Hatched : TMfBrush::Solid;
    return b;
}

} // namespace

void TMetafilePlayer::PlayEmf(const TMetafileRecord &record)
{
    const Rec r{m_mf.Bytes(), record.Offset, record.Offset + record.Size};
    const quint32 type = record.Type;
    switch (type) {
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 85:
    case 86:
    case 87:
    case 88:
    case 89:
    case 90:
    case 91:
        PlayEmfPoly(type, record.Offset, record.Offset + record.Size);
        break;
    case 9:
        m_dc.WindowExt = QSizeF(r.i(8), r.i(12));
        break;
    case 10:
        m_dc.WindowOrg = r.point(8);
        break;
    case 11:
        m_dc.ViewportExt = QSizeF(r.i(8), r.i(12));
        break;
    case 12:
        m_dc.ViewportOrg = r.point(8);
        break;
    case 15: {
        const QPointF at = LogicalTransform().map(r.point(8));
        m_p.setTransform(m_base);
        m_p.fillRect(QRectF(at, QSizeF(1, 1)), MfColor(r.u(16)));
        break;
    }
    case 17:
        m_dc.MapMode = int(r.u(8));
        break;
    case 18:
        m_dc.BkMode = int(r.u(8));
        break;
    case 19:
        m_dc.PolyFillMode = int(r.u(8));
        break;
    case 20:
        m_dc.Rop2 = int(r.u(8));
        break;
    case 22:
        m_dc.TextAlign = r.u(8);
        break;
    case 24:
        m_dc.TextColor = MfColor(r.u(8));
        break;
    case 25:
        m_dc.BkColor = MfColor(r.u(8));
        break;
    case 26:
        if (m_dc.Clip) {
            const QTransform t = LogicalTransform();
            m_dc.Clip->translate(t.map(r.point(8)) - t.map(QPointF(0, 0)));
            ApplyClip();
        }
        break;
    case 27:
        MoveTo(r.point(8));
        break;
    case 29:
        ExcludeClip(r.rect(8));
        break;
    case 30:
        IntersectClip(r.rect(8));
        break;
    case 31:
    case 32: {
        if (r.i(12) == 0 || r.i(20) == 0)
            break;
        QSizeF &ext = type == 31 ? m_dc.ViewportExt : m_dc.WindowExt;
        ext = QSizeF(ext.width() * r.i(8) / r.i(12), ext.height() * r.i(16) / r.i(20));
        break;
    }
    case 33:
        SaveDC();
        break;
    case 34:
        RestoreDC(r.i(8));
        break;
    case 35:
        m_dc.World = readXform(r, 8);
        break;
    case 36: {
        const QTransform x = readXform(r, 8);
        switch (r.u(32)) {
        case 1:
            m_dc.World = QTransform();
            break;
        case 2:
            m_dc.World = x * m_dc.World;
            break;
        case 3:
            m_dc.World = m_dc.World * x;
            break;
        case 4:
            m_dc.World = x;
            break;
        default:
            break;
        }
        break;
    }
    case 37: {
        const quint32 index = r.u(8);
        if (index & 0x80000000u)
            SelectStockObject(index & 0x7FFFFFFFu);
        else
            SelectObject(index);
        break;
    }
    case 38: {
        TMfObject o;
        o.Type = TMfObject::Pen;
        o.PenValue.Style = r.u(12);
        o.PenValue.Width = std::abs(r.i(16));
        o.PenValue.Color = MfColor(r.u(24));
        CreateObject(o, r.u(8));
        break;
    }
    case 39: {
        TMfObject o;
        o.Type = TMfObject::Brush;
        o.BrushValue = brushFromStyle(r.u(12), r.u(16), r.u(20));
        CreateObject(o, r.u(8));
        break;
    }
    case 40:
        DeleteObject(r.u(8));
        break;
    case 41: {
        const QPointF c = r.point(8);
        const double radius = r.u(16);
        const double start = r.f(20), sweep = r.f(24);
        const QRectF box(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius);
        QPainterPath path;
        path.moveTo(m_dc.CurrentPos);
        QPainterPath arc;
        arc.arcMoveTo(box, start);
        path.lineTo(arc.currentPosition());
        path.arcTo(box, start, sweep);
        m_dc.CurrentPos = path.currentPosition();
        DrawPath(path, false, true);
        break;
    }
    case 42:
    case 43: {
        QPainterPath path;
        if (type == 42)
            path.addEllipse(r.rect(8).normalized());
        else
            path.addRect(r.rect(8).normalized());
        DrawPath(path, true, true);
        break;
    }
    case 44: {
        QPainterPath path;
        path.addRoundedRect(r.rect(8).normalized(), std::abs(r.i(24)) / 2.0, std::abs(r.i(28)) / 2.0);
        DrawPath(path, true, true);
        break;
    }
    case 45:
    case 46:
    case 47:
    case 55: {
        const int kind = type == 46 ? 1 : type == 47 ? 2 : 0;
        QPainterPath path = ArcPath(r.rect(8), r.point(24), r.point(32), kind);
        if (type == 55 && !path.isEmpty()) {
            QPainterPath joined;
            joined.moveTo(m_dc.CurrentPos);
            joined.lineTo(path.elementAt(0));
            joined.connectPath(path);
            path = joined;
            m_dc.CurrentPos = path.currentPosition();
        }
        DrawPath(path, kind != 0, true);
        break;
    }
    case 54:
        LineTo(r.point(8));
        break;
    case 57:
        m_dc.ClockwiseArcs = r.u(8) == 2;
        break;
    case 59:
        m_inPath = true;
        m_path = QPainterPath();
        break;
    case 60:
        m_inPath = false;
        break;
    case 61:
        m_path.closeSubpath();
        break;
    case 62:
        FillOrStrokePath(true, false);
        break;
    case 63:
        FillOrStrokePath(true, true);
        break;
    case 64:
        FillOrStrokePath(false, true);
        break;
    case 66: {
        QPainterPathStroker stroker;
        stroker.setWidth(std::max(1.0, m_dc.Pen.Width * LogicalScale()));
        if (!m_path.isEmpty())
            m_path = stroker.createStroke(m_path);
        break;
    }
    case 67:
        m_inPath = false;
        CombineClip(m_path, int(r.u(8)));
        m_path = QPainterPath();
        break;
    case 68:
        m_inPath = false;
        m_path = QPainterPath();
        break;
    case 71:
    case 74: {
        // FILLRGN names its brush; PAINTRGN uses the selected one.
        const QPainterPath region = type == 71 ? readRegion(r, 32, r.u(24)) : readRegion(r, 28, r.u(24));
        if (region.isEmpty() || m_inPath)
            break;
        const TMfBrush saved = m_dc.Brush;
        if (type == 71) {
            const quint32 index = r.u(28);
            if (index & 0x80000000u)
                SelectStockObject(index & 0x7FFFFFFFu);
            else
                SelectObject(index);
        }
        m_p.setTransform(m_base);
        m_p.fillPath(region, MakeBrush());
        m_dc.Brush = saved;
        break;
    }
    case 75: {
        const quint32 size = r.u(8);
        const int mode = int(r.u(12));
        if (size == 0 && mode == 5) {
            m_dc.Clip.reset();
            ApplyClip();
        } else {
            CombineClip(readRegion(r, 16, size), mode);
        }
        break;
    }
    case 76:
    case 77:
    case 80:
    case 81:
    case 114:
        PlayEmfBitmap(record, record.Offset);
        break;
    case 82: {
        TMfObject o;
        o.Type = TMfObject::Font;
        TMfFont &f = o.FontValue;
        f.Height = r.i(12);
        f.Width = r.i(16);
        f.Escapement = r.i(20);
        f.Weight = r.i(28);
        f.Italic = r.byte(32) != 0;
        f.Underline = r.byte(33) != 0;
        f.StrikeOut = r.byte(34) != 0;
        f.CharSet = r.byte(35);
        QString face;
        for (int k = 0; k < 32; ++k) {
            const qint16 c = r.s(40 + 2 * k);
            if (c == 0)
                break;
            face.append(QChar(char16_t(c)));
        }
        f.FaceName = face;
        CreateObject(o, r.u(8));
        break;
    }
    case 83:
    case 84:
    case 108:
        PlayEmfText(record, record.Offset);
        break;
    case 93:
    case 94: {
        TMfObject o;
        o.Type = TMfObject::Brush;
        const QImage image = DecodeDib(r.bytes(r.u(16), r.u(20)), r.bytes(r.u(24), r.u(28)))
                                 .convertToFormat(QImage::Format_ARGB32);
        o.BrushValue.Style = image.isNull() ? TMfBrush::Solid : TMfBrush::Pattern;
        o.BrushValue.Color = Qt::black;
        o.BrushValue.PatternImage = image;
        o.BrushValue.Mono = type == 93;
        CreateObject(o, r.u(8));
        break;
    }
    case 95: {
        TMfObject o;
        o.Type = TMfObject::Pen;
        o.PenValue.Style = r.u(28);
        o.PenValue.Width = r.u(32);
        o.PenValue.Color = MfColor(r.u(40));
        if (r.u(36) == 1)
            o.PenValue.Style = (o.PenValue.Style & ~0x0Fu) | 5u; // a hollow brush draws nothing
        const quint32 entries = r.u(48);
        if (entries <= 16 && r.inside(52, qint64(entries) * 4))
            for (quint32 k = 0; k < entries; ++k)
                o.PenValue.UserDashes.append(r.u(52 + 4 * k));
        CreateObject(o, r.u(8));
        break;
    }
    case 49:
        CreateObject(TMfObject{}, r.u(8));
        break;
    default:
        break; // header, comments (EMF+ included), palettes, colour management
    }
}

void TMetafilePlayer::PlayEmfPoly(quint32 type, qsizetype at, qsizetype end)
{
    const Rec r{m_mf.Bytes(), at, end};
    const bool small = type >= 85;
    const quint32 base = small ? type - 83 : type; // 16-bit kinds map onto 2..8
    if (base == 7 || base == 8) {
        const qint64 polys = r.u(24);
        const qint64 total = r.u(28);
        if (polys <= 0 || !r.inside(32, polys * 4))
            return;
        const QPolygonF all = readPoints(r, 32 + polys * 4, total, small);
        QPainterPath path;
        qint64 next = 0;
        for (qint64 k = 0; k < polys; ++k) {
            const qint64 n = r.u(32 + 4 * k);
            if (n < 0 || next + n > all.size())
                break;
            const QPolygonF poly = all.mid(next, n);
            next += n;
            if (base == 8) {
                path.addPolygon(poly);
                path.closeSubpath();
            } else if (poly.size() >= 2) {
                path.addPolygon(poly);
            }
        }
        DrawPath(path, base == 8, true);
        return;
    }
    const QPolygonF poly = readPoints(r, 28, r.u(24), small);
    if (poly.isEmpty())
        return;
    switch (base) {
    case 2: {
        QPainterPath path;
        path.moveTo(poly[0]);
        for (qsizetype k = 1; k + 2 < poly.size(); k += 3)
            path.cubicTo(poly[k], poly[k + 1], poly[k + 2]);
        DrawPath(path, false, true);
        break;
    }
    case 3: {
        QPainterPath path;
        path.addPolygon(poly);
        path.closeSubpath();
        DrawPath(path, true, true);
        break;
    }
    case 4:
        if (m_inPath) {
            QPainterPath path;
            path.addPolygon(poly);
            AddToPath(path);
        } else {
            DrawPolyline(poly);
        }
        break;
    case 5:
        PolylineTo(poly, true);
        break;
    case 6:
        PolylineTo(poly, false);
        break;
    default:
        break;
    }
}

} // namespace cw::model
