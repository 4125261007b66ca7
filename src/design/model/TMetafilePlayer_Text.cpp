// Text records: the selected font in reference pixels, escapement as a
// rotation about the reference point, alignment, opaque backgrounds and
// per-character advances.

#include "design/model/TMetafilePlayer.h"

#include "design/model/TMetafileEmfRecord.h"
#include "design/model/Win1252.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace cw::model {

namespace {

constexpr quint32 TA_UPDATECP = 1, TA_RIGHT = 2, TA_CENTER = 6, TA_BOTTOM = 8, TA_BASELINE = 24;
constexpr quint32 ETO_OPAQUE = 2, ETO_CLIPPED = 4;
constexpr double DefaultFontPixels = 16; // the system font of a fresh device context
// Letters larger than this on the device (pixels) are filled as outlines.
constexpr double LargestGlyphPixels = 512;

} // namespace

void TMetafilePlayer::DrawText(const QPointF &at, const QString &text, const QVector<double> &dx,
                               quint32 options, const QRectF &rect)
{
    if (m_inPath)
        return;
    const QTransform logical = LogicalTransform();
    const double scaleX = QLineF(logical.map(QPointF(0, 0)), logical.map(QPointF(1, 0))).length();
    const double scaleY = QLineF(logical.map(QPointF(0, 0)), logical.map(QPointF(0, 1))).length();
    if (!(scaleX > 0) || !(scaleY > 0) || !std::isfinite(scaleX) || !std::isfinite(scaleY))
        return;

    if ((options & ETO_OPAQUE) && rect.isValid()) {
        SetFullTransform();
        m_p.fillRect(rect.normalized(), m_dc.BkColor);
    }
    if (text.isEmpty())
        return;

    const TMfFont &lf = m_dc.Font;
    QFont font(lf.FaceName.isEmpty() ? QStringLiteral("Arial") : lf.FaceName);
    double pixels = lf.Height == 0 ? DefaultFontPixels : std::abs(lf.Height) * scaleY;
    if (lf.Height > 0) {
        // A positive height is the cell height: ascent plus descent.
        QFont probe = font;
        probe.setPixelSize(100);
        const QFontMetricsF pm(probe);
        if (pm.height() > 0)
            pixels = pixels * 100.0 / (pm.ascent() + pm.descent());
    }
    if (!(pixels >= 0.5) || pixels > 10000)
        return;
    const int pixelSize = std::max(1, int(std::lround(pixels)));
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Weight(qBound(100, lf.Weight == 0 ? 400 : lf.Weight, 900)));
    font.setItalic(lf.Italic);
    font.setUnderline(lf.Underline);
    font.setStrikeOut(lf.StrikeOut);
    const double s = pixels / pixelSize;
    if (lf.Width != 0) {
        // A width other than 0 asks for that average character width: the
        // font is stretched or condensed to it.
        const double average = QFontMetricsF(font).averageCharWidth();
        const double wanted = std::abs(lf.Width) * scaleX / s;
        if (average > 0 && wanted > 0)
            font.setStretch(qBound(1, int(std::lround(wanted / average * 100)), 4000));
    }

    QString shown = text;
    if (lf.CharSet == 2 && QFontDatabase::families().contains(lf.FaceName, Qt::CaseInsensitive)) {
        // Symbol fonts are byte-coded: code N is the font's private-use glyph N.
        for (QChar &c : shown)
            if (c.unicode() < 0x100)
                c = QChar(0xF000 + c.unicode());
    }

    const QFontMetricsF fm(font);
    QVector<double> advances; // reference pixels / s, i.e. font pixels
    double width = 0;
    if (!dx.isEmpty()) {
        for (qsizetype i = 0; i < shown.size(); ++i) {
            const double a = i < dx.size() ? dx[i] * scaleX / s : fm.horizontalAdvance(shown[i]);
            advances.append(a);
            width += a;
        }
    } else {
        width = fm.horizontalAdvance(shown);
    }

    const QPointF origin = (m_dc.TextAlign & TA_UPDATECP) ? m_dc.CurrentPos : at;
    const QPointF ref = logical.map(origin);
    double x = 0;
    if ((m_dc.TextAlign & TA_CENTER) == TA_CENTER)
        x = -width / 2;
    else if (m_dc.TextAlign & TA_RIGHT)
        x = -width;
    double baseline = fm.ascent();
    if ((m_dc.TextAlign & TA_BASELINE) == TA_BASELINE)
        baseline = 0;
    else if (m_dc.TextAlign & TA_BOTTOM)
        baseline = -fm.descent();

    if ((m_dc.TextAlign & TA_UPDATECP) && (m_dc.TextAlign & TA_CENTER) != TA_CENTER) {
        // The current position moves past the text along its direction
        // (back to its start for right-aligned text).
        const double angle = lf.Escapement / 10.0 * M_PI / 180.0;
        const double advance = (m_dc.TextAlign & TA_RIGHT) ? -width * s : width * s;
        bool invertible = false;
        const QTransform back = logical.inverted(&invertible);
        if (invertible)
            m_dc.CurrentPos = back.map(ref + QPointF(std::cos(angle), -std::sin(angle)) * advance);
    }

    QTransform t;
    t.translate(ref.x(), ref.y());
    t.rotate(-lf.Escapement / 10.0);
    t.scale(s, s);
    const QTransform full = t * m_base;
    if (!full.isAffine() ||
        !std::isfinite(full.m11() + full.m12() + full.m21() + full.m22() + full.dx() + full.dy()))
        return;
    // Letters much wider or taller on the device than a glyph cache holds (a
    // stretched font in a distorted window) make the font engine fail, and
    // Qt then reads from a glyph that was never made: such text is filled as
    // outlines instead.  The Frobenius norm bounds the transform's largest
    // scale.
    const double norm = std::hypot(std::hypot(full.m11(), full.m12()), std::hypot(full.m21(), full.m22()));
    const bool asOutlines = pixelSize * std::max(1.0, font.stretch() / 100.0) * norm > LargestGlyphPixels;
    if (!ApplyRop())
        return;
    if (options & ETO_CLIPPED) {
        m_p.save();
        SetFullTransform();
        m_p.setClipRect(rect.normalized(), Qt::IntersectClip);
    }
    m_p.setTransform(full);
    m_p.setFont(font);
    if (m_dc.BkMode == 2)
        m_p.fillRect(QRectF(x, baseline - fm.ascent(), width, fm.ascent() + fm.descent()), m_dc.BkColor);
    m_p.setPen(m_dc.TextColor);
    auto drawRun = [this, &font, asOutlines](const QPointF &at, const QString &run) {
        if (!asOutlines) {
            m_p.drawText(at, run);
            return;
        }
        QPainterPath outline;
        outline.addText(at, font, run);
        m_p.fillPath(outline, m_dc.TextColor);
    };
    if (advances.isEmpty()) {
        drawRun(QPointF(x, baseline), shown);
    } else {
        double cx = x;
        for (qsizetype i = 0; i < shown.size(); ++i) {
            if (shown[i].isHighSurrogate() && i + 1 < shown.size()) {
                drawRun(QPointF(cx, baseline), shown.mid(i, 2));
                cx += advances[i] + advances[i + 1];
                ++i;
                continue;
            }
            drawRun(QPointF(cx, baseline), QString(shown[i]));
            cx += advances[i];
        }
    }
    if (options & ETO_CLIPPED)
        m_p.restore();
    m_p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TMetafilePlayer::PlayEmfText(const TMetafileRecord &record, qsizetype at)
{
    const TMfEmfRecord r{m_mf.Bytes(), at, at + record.Size};
    bool wide = record.Type == 84;
    QPointF ref;
    qint64 count = 0, offString = 0, offDx = 0;
    quint32 options = 0;
    QRectF rect;
    if (record.Type == 108) {
        // EMR_SMALLTEXTOUT: no advances; the clip rectangle only when present.
        ref = r.point(8);
        count = r.u(16);
        options = r.u(20);
        wide = !(options & 0x200); // ETO_SMALL_CHARS: one byte a character
        offString = 36;
        if (!(options & 0x100)) { // ETO_NO_RECT
            rect = r.rect(36);
            offString += 16;
        }
    } else {
        ref = r.point(36);
        count = r.u(44);
        offString = r.u(48);
        options = r.u(52);
        rect = r.rect(56);
        offDx = r.u(72);
    }
    if (count < 0 || count > 65536 || (options & 0x10)) // glyph indices carry no characters
        return;
    const QByteArray raw = r.bytes(offString, count * (wide ? 2 : 1));
    if (raw.size() != count * (wide ? 2 : 1))
        return;
    QString text;
    if (wide) {
        text.resize(count);
        for (qint64 k = 0; k < count; ++k)
            text[k] = QChar(char16_t(TMetafile::U16(raw, k * 2)));
    } else {
        text = Win1252::decode(raw);
    }
    QVector<double> dx;
    const qint64 step = (options & 0x2000) ? 8 : 4; // ETO_PDY: x and y advances
    if (offDx > 0 && r.inside(offDx, count * step))
        for (qint64 k = 0; k < count; ++k)
            dx.append(r.i(offDx + k * step));
    DrawText(ref, text, dx, options & ~0x100u, rect);
}

} // namespace cw::model
