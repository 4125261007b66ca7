// Layout, drawing, auto-sizing and printing of the text label.
#include "text/model/TGBaseLabel.h"

#include "print/engine/TBaseReport.h"
#include "print/engine/Units.h"
#include "text/model/TTextFonts.h"

#include <QDataStream>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace cw::model {

namespace {
// The fit compares against 1.2 lines in extended precision (1.2 is not
// exact in binary), so boxes of stored cards come out as they always have.
constexpr long double LineFit = 1.2L;

int Fit(int lines)
{
    return static_cast<int>(LineFit * lines);
}
bool Above(int value, int lines)
{
    return LineFit * lines < value;
}
} // namespace

int TGBaseLabel::LineHeight(float zoom) const
{
    const TSymbolFonts::TDisplay display = TTextFonts::Display(Font(), zoom, ShownCaption());
    const QFontMetrics fm(display.Font);
    const int th = fm.height() + std::max(0, fm.leading());
    const auto zoomed = [z = double(zoom)](QPoint d) {
        return z == 1.0 ? d : QPoint(Round(d.x() * z), Round(d.y() * z));
    };
    return th + zoomed(m_shadowOffset).y() - zoomed(m_highlightOffset).y();
}

void TGBaseLabel::FitStoredToLines()
{
    // The same rule as the layout's, on the 100 % box.
    const int lh = LineHeight(1.0f);
    QRect stored = StoredBounds();
    const bool upright = m_angle == 0 || m_angle == 180;
    int across = upright ? stored.height() : stored.width();
    if (Above(across, lh))
        across = Fit(lh);
    if (lh > across)
        across = lh;
    if (upright)
        stored.setHeight(across);
    else
        stored.setWidth(across);
    if (stored != StoredBounds())
        SetStoredBounds(stored);
}

void TGBaseLabel::CalcLayout()
{
    if (Font() != m_layoutFont || Zoom() != m_layoutZoom)
        m_layoutDirty = true;
    if (!m_layoutDirty)
        return;

    // 1-4: measure the line on the label's font (rotation does not change the
    // metrics of a line, only its direction).
    const TSymbolFonts::TDisplay display = TTextFonts::Display(Font(), Zoom(), ShownCaption());
    const QFontMetrics fm(display.Font);
    const int th = fm.height() + std::max(0, fm.leading());
    const int tw = fm.horizontalAdvance(display.Text + QLatin1Char(' '));
    m_textWidth = tw;

    // 5: free space left of and above the text for copies that go left/up.
    // The copies' offsets are card pixels and scale with the zoom like the
    // font, so the effect keeps its proportions on screen as on paper.
    const auto zoomed = [zoom = double(Zoom())](QPoint d) {
        return zoom == 1.0 ? d : QPoint(Round(d.x() * zoom), Round(d.y() * zoom));
    };
    const QPoint S = zoomed(m_shadowOffset), L = zoomed(m_highlightOffset);
    QPoint M(0, 0);
    if (S.x() < 0)
        M.setX(-S.x());
    if (L.x() < 0)
        M.setX(std::max(-L.x(), M.x()));
    if (S.y() < 0)
        M.setY(-S.y());
    if (L.y() < 0)
        M.setY(std::max(-L.y(), M.y()));
    m_textMargin = M;

    // 6: line height including both copies.
    const int lh = th + S.y() - L.y();

    // 7: fit the box to between one and 1.2 lines (turned text: in width).
    const auto fit = [this](QSize box, int textWidth, int lineHeight) {
        int w = box.width(), h = box.height();
        int &along = m_angle == 0 || m_angle == 180 ? w : h;
        int &across = m_angle == 0 || m_angle == 180 ? h : w;
        if (m_angle == 0 || m_angle == 180) {
            if (m_angle == 180 && 2 * textWidth < along)
                along = 2 * textWidth;
            if (along <= 5)
                along = textWidth;
        } else {
            if (Above(along, textWidth))
                along = Fit(textWidth);
            if (along < 5)
                along = textWidth;
        }
        if (Above(across, lineHeight))
            across = Fit(lineHeight);
        if (lineHeight > across)
            across = lineHeight;
        return QSize(w, h);
    };
    if (Zoom() == 1.0f || !FitsToLines()) {
        const QSize box = fit(BoundsRect().size(), tw, lh);
        if (box != BoundsRect().size())
            SetBounds(Left(), Top(), box.width(), box.height());
    } else {
        // At a zoom the box fits twice: the design's own geometry to the
        // text at 100 %, what is shown to the text at this zoom.  Zoomed
        // glyphs do not scale exactly with the zoom, so a fit made at a zoom
        // and taken back to 100 % would give a pixel more or less, and what
        // Undo, Redo or reopening show would differ from the first fit.
        const TSymbolFonts::TDisplay atFull = TTextFonts::Display(Font(), 1.0f, ShownCaption());
        const QFontMetrics full(atFull.Font);
        const QSize design = fit(StoredBounds().size(),
                                 full.horizontalAdvance(atFull.Text + QLatin1Char(' ')), LineHeight(1.0f));
        const QSize shown = fit(ZoomedBounds(QRect(QPoint(), design), Zoom()).size(), tw, lh);
        SetFittedDesignSize(shown, design);
    }
    const int W = Width(), H = Height();

    // 8: the text's clip rectangle.
    TLabelRect r;
    if (m_angle == 0 || m_angle == 180)
        r = {M.x(), M.y(), W, M.y() + th};
    else
        r = {M.y(), M.x(), M.y() + th, H - M.y()};
    const int rw = r.Right - r.Left + 1;
    const int rh = r.Bottom - r.Top + 1;
    if (m_angle == 90)
        r.Offset(0, H - rh + L.x());
    else if (m_angle == 180)
        r.Offset(W - rw - S.y(), 0);
    m_textRect = r;

    // 9: the copies' rectangles, offsets turned with the text.
    auto turned = [this](QPoint d) {
        switch (m_angle) {
        case 90:
            return QPoint(d.y(), -d.x());
        case 180:
            return QPoint(-d.x(), -d.y());
        case 270:
            return QPoint(-d.y(), d.x());
        default:
            return d;
        }
    };
    const QPoint ts = turned(S), tl = turned(L);
    m_shadowRect = r.Moved(ts.x(), ts.y());
    m_highlightRect = r.Moved(tl.x(), tl.y());

    // 10: each reference point is the corner where the turned text cell starts.
    auto origin = [this](const TLabelRect &rect) {
        switch (m_angle) {
        case 90:
            return QPoint(rect.Left, rect.Bottom);
        case 180:
            return QPoint(rect.Right, rect.Bottom);
        case 270:
            return QPoint(rect.Right, rect.Top);
        default:
            return QPoint(rect.Left, rect.Top);
        }
    };
    m_textOrigin = origin(m_textRect);
    m_shadowOrigin = origin(m_shadowRect);
    m_highlightOrigin = origin(m_highlightRect);

    // 11: horizontal alignment applies to unrotated text only.
    if (m_angle == 0) {
        int x = r.Left;
        if (m_alignment == taRightJustify)
            x = r.Right - tw;
        else if (m_alignment == taCenter)
            x = (r.Right - r.Left) / 2 - tw / 2;
        m_textOrigin.setX(x);
        m_highlightOrigin.setX(x + L.x());
        m_shadowOrigin.setX(x + S.x());
    }

    m_layoutFont = Font();
    m_layoutZoom = Zoom();
    m_layoutDirty = false;
}

void TGBaseLabel::DrawLabel(QPainter &painter, bool pixels)
{
    CalcLayout();
    const int W = Width(), H = Height();
    painter.save();
    if (!m_transparent)
        painter.fillRect(QRect(0, 0, W, H), TGColor::ToQColor(m_backColor));

    const TSymbolFonts::TDisplay display = TTextFonts::Display(Font(), Zoom(), ShownCaption());
    const int ascent = QFontMetrics(display.Font).ascent();
    const bool shadow = m_depthShadow > 0 && m_directionShadow != sdNone;
    const bool highlight = m_depthHighlight > 0 && m_directionHighlight != hdNone;
    auto drawCopies = [&](QPainter &p) {
        p.setFont(display.Font);
        p.setBrush(Qt::NoBrush);
        // Each copy is drawn from the top-left of its text cell, turned
        // about that point, and cut to its own rectangle.
        auto drawCopy = [&](const TLabelRect &clip, const QPoint &origin, TColor color) {
            p.save();
            p.setClipRect(clip.ToQRect(), Qt::IntersectClip);
            p.translate(origin);
            if (m_angle != 0)
                p.rotate(-m_angle);
            p.setPen(TGColor::ToQColor(color));
            TTextFonts::DrawText(p, QPointF(0, ascent), display.Font, display.Text);
            p.restore();
        };
        if (shadow)
            drawCopy(m_shadowRect, m_shadowOrigin, m_colorShadow);
        if (highlight)
            drawCopy(m_highlightRect, m_highlightOrigin, m_colorHighlight);
        drawCopy(m_textRect, m_textOrigin, Font().Color);
    };
    if (pixels && (shadow || highlight)) {
        // On pixels the text and its copies are drawn at a finer grid, so a
        // thin gap of the text does not show the copy's colour.  The copies
        // are cut to their own cells, which may reach past the box (an
        // underline does): the layer holds all of them.
        QRect area = m_textRect.ToQRect();
        if (shadow)
            area |= m_shadowRect.ToQRect();
        if (highlight)
            area |= m_highlightRect.ToQRect();
        QByteArray key;
        QDataStream out(&key, QIODevice::WriteOnly);
        out << display.Font << display.Text << ascent << m_angle << m_textRect.ToQRect() << m_textOrigin
            << Font().Color;
        if (shadow)
            out << m_shadowRect.ToQRect() << m_shadowOrigin << m_colorShadow;
        if (highlight)
            out << m_highlightRect.ToQRect() << m_highlightOrigin << m_colorHighlight;
        m_finerGrid.Draw(painter, area, Zoom(), key, drawCopies);
    } else {
        drawCopies(painter);
    }

    if (m_borderStyle == bsSingle) {
        painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(0.5, 0.5, W - 1, H - 1));
    }
    painter.restore();
}

void TGBaseLabel::AutoSizeToText()
{
    if (m_angle != 0)
        return;
    const int x0 = std::max({m_textRect.Left, m_shadowRect.Left, m_highlightRect.Left});
    const int y0 = std::max({m_textRect.Top, m_shadowRect.Top, m_highlightRect.Top});
    const TSymbolFonts::TDisplay display = TTextFonts::Display(Font(), Zoom(), ShownCaption());
    const QFontMetrics fm(display.Font);
    const int w = x0 + fm.horizontalAdvance(display.Text + QStringLiteral("     "));
    const int h = y0 + fm.height();
    if (w > Width())
        SetWidth(w);
    if (h > Height())
        SetHeight(h);
    m_layoutDirty = true;
    Invalidate();
}

void TGBaseLabel::Paint(QPainter &painter)
{
    if (Width() < 5 || Height() < 5)
        m_layoutDirty = true;
    DrawLabel(painter, true);
}

void TGBaseLabel::PrintTo(engine::TBaseReport &report, double leftInches, double topInches)
{
    const double ppi = ScreenPixelsPerInch;
    // Lay out first: the layout may still fit the box, and the drawing and
    // its frame must have the same size.
    CalcLayout();
    const QRectF rect =
        report.CreateRectF(leftInches + Left() / ppi, topInches + Top() / ppi,
                           leftInches + (Left() + Width()) / ppi, topInches + (Top() + Height()) / ppi);
    report.StretchDraw(rect, QSizeF(Width(), Height()), [this](QPainter &painter) { DrawLabel(painter); });
}

} // namespace cw::model
