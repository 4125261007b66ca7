// Windows metafile records.  Parameters are 16-bit words stored in reverse
// order of the call's arguments; every read stays inside its record.

#include "design/model/TMetafilePlayer.h"

#include "design/model/Win1252.h"

namespace cw::model {

namespace {

struct Params
{
    const QByteArray &b;
    qsizetype start; // first parameter byte
    qsizetype end;   // one past the record
    qint16 w(int i) const { return inside(2 * i, 2) ? TMetafile::I16(b, start + 2 * i) : 0; }
    quint16 u(int i) const { return quint16(w(i)); }
    quint32 u32(int i) const { return inside(2 * i, 4) ? TMetafile::U32(b, start + 2 * i) : 0; }
    quint8 byte(qsizetype off) const { return inside(off, 1) ? quint8(b[start + off]) : 0; }
    bool inside(qsizetype off, qsizetype n) const { return off >= 0 && n >= 0 && start + off + n <= end; }
    QByteArray bytes(qsizetype off, qsizetype n) const
    {
        return inside(off, n) ? b.mid(start + off, n) : QByteArray();
    }
    qsizetype words() const { return (end - start) / 2; }
};

QRectF box(const Params &p, int firstWord)
{
    // bottom, right, top, left
    return QRectF(QPointF(p.w(firstWord + 3), p.w(firstWord + 2)),
                  QPointF(p.w(firstWord + 1), p.w(firstWord)));
}

QPolygonF points(const Params &p, qsizetype off, int count)
{
    QPolygonF poly;
    if (count <= 0 || !p.inside(off, qsizetype(count) * 4))
        return poly;
    poly.reserve(count);
    for (int i = 0; i < count; ++i)
        poly.append(QPointF(TMetafile::I16(p.b, p.start + off + 4 * i),
                            TMetafile::I16(p.b, p.start + off + 4 * i + 2)));
    return poly;
}

TMfBrush brushFromDib(const QImage &image)
{
    TMfBrush brush;
    brush.Style = TMfBrush::Pattern;
    brush.PatternImage = image.convertToFormat(QImage::Format_ARGB32);
    return brush;
}

} // namespace

void TMetafilePlayer::PlayWmf(const TMetafileRecord &r)
{
    const Params p{m_mf.Bytes(), r.Offset + 6, r.Offset + r.Size};
    switch (r.Type) {
    case 0x0201:
        m_dc.BkColor = MfColor(p.u32(0));
        break;
    case 0x0102:
        m_dc.BkMode = p.u(0);
        break;
    case 0x0103:
        // The metafile's window always maps onto the picture; only the
        // isotropic mode (one scale for both axes) changes the mapping.
        m_dc.MapMode = p.u(0) == 7 ? 7 : 8;
        break;
    case 0x0104:
        m_dc.Rop2 = p.u(0);
        break;
    case 0x0106:
        m_dc.PolyFillMode = p.u(0);
        break;
    case 0x0209:
        m_dc.TextColor = MfColor(p.u32(0));
        break;
    case 0x012E:
        m_dc.TextAlign = p.u(0);
        break;
    case 0x020B:
        m_dc.WindowOrg = QPointF(p.w(1), p.w(0));
        break;
    case 0x020C:
        m_dc.WindowExt = QSizeF(p.w(1), p.w(0));
        break;
    case 0x020F:
        m_dc.WindowOrg += QPointF(p.w(1), p.w(0));
        break;
    case 0x0410:
        if (p.w(0) != 0 && p.w(2) != 0)
            m_dc.WindowExt =
                QSizeF(m_dc.WindowExt.width() * p.w(3) / p.w(2), m_dc.WindowExt.height() * p.w(1) / p.w(0));
        break;
    case 0x020D:
    case 0x020E:
    case 0x0211:
    case 0x0412:
        break; // the viewport is the target rectangle the picture is played into
    case 0x0213:
        LineTo(QPointF(p.w(1), p.w(0)));
        break;
    case 0x0214:
        MoveTo(QPointF(p.w(1), p.w(0)));
        break;
    case 0x0415:
        ExcludeClip(box(p, 0));
        break;
    case 0x0416:
        IntersectClip(box(p, 0));
        break;
    case 0x0220:
        if (m_dc.Clip) {
            const QTransform t = LogicalTransform();
            const QPointF d = t.map(QPointF(p.w(1), p.w(0))) - t.map(QPointF(0, 0));
            m_dc.Clip->translate(d);
            ApplyClip();
        }
        break;
    case 0x0817:
    case 0x081A:
    case 0x0830: {
        const int kind = r.Type == 0x0817 ? 0 : r.Type == 0x0830 ? 1 : 2;
        const QPainterPath path = ArcPath(box(p, 4), QPointF(p.w(3), p.w(2)), QPointF(p.w(1), p.w(0)), kind);
        DrawPath(path, kind != 0, true);
        break;
    }
    case 0x0418: {
        QPainterPath path;
        path.addEllipse(box(p, 0).normalized());
        DrawPath(path, true, true);
        break;
    }
    case 0x041B: {
        QPainterPath path;
        path.addRect(box(p, 0).normalized());
        DrawPath(path, true, true);
        break;
    }
    case 0x061C: {
        QPainterPath path;
        path.addRoundedRect(box(p, 2).normalized(), std::abs(p.w(1)) / 2.0, std::abs(p.w(0)) / 2.0);
        DrawPath(path, true, true);
        break;
    }
    case 0x061D:
        PatBlt(QRectF(p.w(5), p.w(4), p.w(3), p.w(2)), p.u32(0));
        break;
    case 0x001E:
        SaveDC();
        break;
    case 0x0127:
        RestoreDC(p.w(0));
        break;
    case 0x041F: {
        const QPointF at = LogicalTransform().map(QPointF(p.w(3), p.w(2)));
        m_p.setTransform(m_base);
        m_p.fillRect(QRectF(at, QSizeF(1, 1)), MfColor(p.u32(0)));
        break;
    }
    case 0x0521: {
        const int count = p.u(0);
        const QByteArray text = p.bytes(2, count);
        const qsizetype after = 2 + ((count + 1) & ~1);
        if (text.size() == count)
            DrawText(QPointF(p.w(int(after / 2) + 1), p.w(int(after / 2))), Win1252::decode(text), {}, 0,
                     QRectF());
        break;
    }
    case 0x0A32: {
        const int count = p.u(2);
        const quint16 options = p.u(3);
        qsizetype off = 8;
        QRectF rect;
        if (options & 0x0006) {
            rect = QRectF(QPointF(p.w(4), p.w(5)), QPointF(p.w(6), p.w(7)));
            off += 8;
        }
        const QByteArray text = p.bytes(off, count);
        if (text.size() != count)
            break;
        off += (count + 1) & ~1;
        QVector<double> dx;
        if (count > 0 && p.inside(off, qsizetype(count) * 2))
            for (int i = 0; i < count; ++i)
                dx.append(TMetafile::I16(p.b, p.start + off + 2 * i));
        DrawText(QPointF(p.w(1), p.w(0)), Win1252::decode(text), dx, options, rect);
        break;
    }
    case 0x0324:
    case 0x0325: {
        const QPolygonF poly = points(p, 2, p.u(0));
        if (r.Type == 0x0325) {
            DrawPolyline(poly);
        } else if (poly.size() >= 2) {
            QPainterPath path;
            path.addPolygon(poly);
            path.closeSubpath();
            DrawPath(path, true, true);
        }
        break;
    }
    case 0x0538: {
        const int polys = p.u(0);
        if (polys <= 0 || !p.inside(2, qsizetype(polys) * 2))
            break;
        QPainterPath path;
        qsizetype off = 2 + qsizetype(polys) * 2;
        for (int i = 0; i < polys; ++i) {
            const int n = p.u(1 + i);
            const QPolygonF poly = points(p, off, n);
            if (poly.isEmpty())
                break;
            path.addPolygon(poly);
            path.closeSubpath();
            off += qsizetype(n) * 4;
        }
        DrawPath(path, true, true);
        break;
    }
    case 0x012D:
        SelectObject(p.u(0));
        break;
    case 0x01F0:
        DeleteObject(p.u(0));
        break;
    case 0x02FA: {
        TMfObject o;
        o.Type = TMfObject::Pen;
        o.PenValue.Style = p.u(0);
        o.PenValue.Width = std::abs(p.w(1));
        o.PenValue.Color = MfColor(p.u32(3));
        CreateObject(o, -1);
        break;
    }
    case 0x02FC: {
        TMfObject o;
        o.Type = TMfObject::Brush;
        const quint16 style = p.u(0);
        o.BrushValue.Color = MfColor(p.u32(1));
        o.BrushValue.Hatch = p.u(3);
        o.BrushValue.Style = style == 1 ? TMfBrush::Null : style == 2 ? TMfBrush::Hatched : TMfBrush::Solid;
        CreateObject(o, -1);
        break;
    }
    case 0x0142: {
        TMfObject o;
        o.Type = TMfObject::Brush;
        const QByteArray dib = p.bytes(4, p.end - p.start - 4);
        const qsizetype infoSize = DibInfoSize(dib);
        if (infoSize > 0) {
            o.BrushValue = brushFromDib(DecodeDib(dib.left(infoSize), dib.mid(infoSize)));
        } else {
            o.BrushValue.Color = Qt::black;
        }
        CreateObject(o, -1);
        break;
    }
    case 0x02FB: {
        TMfObject o;
        o.Type = TMfObject::Font;
        TMfFont &f = o.FontValue;
        f.Height = p.w(0);
        f.Width = p.w(1);
        f.Escapement = p.w(2);
        f.Weight = p.w(4);
        f.Italic = p.byte(10) != 0;
        f.Underline = p.byte(11) != 0;
        f.StrikeOut = p.byte(12) != 0;
        f.CharSet = p.byte(13);
        QByteArray face = p.bytes(18, qMin<qsizetype>(32, p.end - p.start - 18));
        const qsizetype nul = face.indexOf('\0');
        if (nul >= 0)
            face.truncate(nul);
        f.FaceName = Win1252::decode(face);
        CreateObject(o, -1);
        break;
    }
    case 0x00F7:
    case 0x06FF:
    case 0x01F9: {
        // Palettes, regions and old-style pattern brushes keep their slot.
        TMfObject o;
        if (r.Type == 0x01F9) {
            o.Type = TMfObject::Brush;
            o.BrushValue.Color = QColor(0x80, 0x80, 0x80);
        }
        CreateObject(o, -1);
        break;
    }
    case 0x0940:
    case 0x0B41:
    case 0x0F43:
    case 0x0D33: {
        // Blits with a device-independent bitmap (or, without one, a pattern fill).
        const qsizetype words = p.words();
        quint32 rop = p.u32(0);
        QRectF dest, source;
        int dibWord = 0;
        if (r.Type == 0x0940) {
            if (words == 9) {
                PatBlt(QRectF(p.w(8), p.w(7), p.w(6), p.w(5)), rop);
                break;
            }
            dest = QRectF(p.w(7), p.w(6), p.w(5), p.w(4));
            source = QRectF(p.w(3), p.w(2), p.w(5), p.w(4));
            dibWord = 8;
        } else if (r.Type == 0x0B41) {
            if (words == 11) {
                PatBlt(QRectF(p.w(10), p.w(9), p.w(8), p.w(7)), rop);
                break;
            }
            dest = QRectF(p.w(9), p.w(8), p.w(7), p.w(6));
            source = QRectF(p.w(5), p.w(4), p.w(3), p.w(2));
            dibWord = 10;
        } else if (r.Type == 0x0F43) {
            dest = QRectF(p.w(10), p.w(9), p.w(8), p.w(7));
            source = QRectF(p.w(6), p.w(5), p.w(4), p.w(3));
            dibWord = 11;
        } else {
            rop = 0x00CC0020;
            dest = QRectF(p.w(8), p.w(7), p.w(6), p.w(5));
            source = QRectF(p.w(4), p.w(3), p.w(6), p.w(5));
            dibWord = 9;
        }
        const QByteArray dib = p.bytes(2 * dibWord, p.end - p.start - 2 * dibWord);
        const QImage image = m_mf.CachedImage(r.Offset * 4, [&dib] {
            const qsizetype infoSize = DibInfoSize(dib);
            return infoSize > 0 ? DecodeDib(dib.left(infoSize), dib.mid(infoSize)) : QImage();
        });
        if (image.isNull())
            break;
        // Source rows count from the bottom of a bottom-up bitmap.
        const bool bottomUp = TMetafile::U32(dib, 0) == 12 || TMetafile::I32(dib, 8) > 0;
        if (bottomUp)
            source.moveTop(image.height() - source.top() - source.height());
        DrawBitmap(image, dest, source, rop);
        break;
    }
    default:
        break; // EOF, palettes, escapes, regions and other records draw nothing
    }
}

} // namespace cw::model
