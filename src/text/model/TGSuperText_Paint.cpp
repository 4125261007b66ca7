// Painting on screen through the letters' clip path, and printing through the
// engine at printer resolution.
#include "text/model/TGSuperText.h"

#include "print/engine/TBaseReport.h"
#include "print/engine/Units.h"
#include "text/model/TSymbolFonts.h"

#include <QDataStream>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace cw::model {

QPainterPath TGSuperText::textPath(const QString &text, QPoint origin, const QFont &font) const
{
    // The origin is the top-left of the text cell; the path wants the
    // baseline.  Symbol fonts that are not installed draw their Unicode
    // equivalents.
    for (const auto &cached : m_pathCache)
        if (cached && cached->Origin == origin && cached->Text == text && cached->Font == font &&
            cached->Font.family() == font.family())
            return cached->Path;
    const TSymbolFonts::TDisplay shown = TSymbolFonts::Resolve(font, Font().Name, text);
    QPainterPath path;
    path.addText(QPointF(origin.x(), origin.y() + QFontMetrics(shown.Font).ascent()), shown.Font, shown.Text);
    // Nonzero winding, as paper fills it: under the even-odd rule the
    // underline and strike-out left holes where they cross the letters.
    path.setFillRule(Qt::WindingFill);
    m_pathCache[size_t(m_nextPathCache)] = TPathCache{text, origin, font, path};
    m_nextPathCache = (m_nextPathCache + 1) % int(m_pathCache.size());
    return path;
}

void TGSuperText::Paint(QPainter &painter)
{
    if (m_inPaint)
        return;
    m_inPaint = true;
    struct Release
    {
        bool &flag;
        ~Release() { flag = false; }
    } release{m_inPaint};

    if (Width() < 5 || Height() < 5)
        m_layoutDirty = true;
    Layout();
    const QFont font = ScreenFont();
    const QRect client(0, 0, Width(), Height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);

    if (!m_controlTransparent || m_borderStyle == bsSingle) {
        painter.setBrush(m_controlTransparent ? QBrush(Qt::NoBrush) : QBrush(TGColor::ToQColor(m_bgColor)));
        if (m_borderStyle == bsSingle)
            painter.setPen(QPen(Qt::black, 1));
        else
            painter.setPen(Qt::NoPen);
        painter.drawRect(QRectF(0.5, 0.5, Width() - 1, Height() - 1));
        if (!m_controlTransparent && m_borderStyle != bsSingle)
            painter.fillRect(client, TGColor::ToQColor(m_bgColor));
    }

    painter.setBrush(Qt::NoBrush);
    const QString s = FittedText();
    if (s.isEmpty()) {
        // Nothing fits: the box with both diagonals shows where the object is.
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(QRectF(0.5, 0.5, Width() - 1, Height() - 1));
        painter.drawLine(0, 0, Width(), Height());
        painter.drawLine(Width(), 0, 0, Height());
        painter.restore();
        return;
    }

    // The letters are smoothed like every other text; the frame above stays
    // on whole pixels.
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const bool shadow = m_shadowDepth >= 1 && m_shadowOrientation != sdNone;
    auto drawLetters = [&](QPainter &p) {
        if (shadow) {
            p.save();
            p.setClipPath(textPath(s, m_shadowOrigin, font), Qt::IntersectClip);
            p.fillRect(client, TGColor::ToQColor(Shadowcolor()));
            p.restore();
        }
        if (m_fill.Surface() != TFillPainter::fsClear)
            m_fill.PaintSurface(p, textPath(s, m_textOrigin, font), TGColor::ToQColor(Font().Color));
        if (OutlineWidth() >= 1 && m_fill.SetupOutline(p))
            p.drawPath(textPath(s, m_textOrigin, font));
    };
    if (shadow) {
        // Over their shadow the letters are drawn at a finer grid, so a
        // sliver of shadow under a smoothed edge shows only where it lies.
        const int reach = OutlineWidth() + 2;
        const TFillPainter &fill = m_fill;
        QByteArray key;
        QDataStream out(&key, QIODevice::WriteOnly);
        out << s << font << m_textOrigin << m_shadowOrigin << client.size() << Shadowcolor() << Font().Color
            << int(fill.Surface()) << int(fill.FillDirection()) << fill.FromColor() << fill.ToColor()
            << fill.Image().Image().cacheKey() << fill.GradientBitmap().cacheKey()
            << fill.SolidBitmap().cacheKey() << fill.OutlineColor() << int(fill.OutlineStyle())
            << fill.OutlineWidth();
        m_finerGrid.Draw(painter, client.adjusted(-reach, -reach, reach, reach), Zoom(), key, drawLetters);
    } else {
        drawLetters(painter);
    }
    painter.restore();
}

double TGSuperText::printPoints() const
{
    // The screen's size exactly: whole points would print a 34-pixel font
    // as 26 points, a third of a pixel taller.
    const TGFont &f = Font();
    return std::abs(f.ToQFont(1.0).pixelSize()) * 72.0 / ScreenPixelsPerInch;
}

void TGSuperText::printText(engine::TBaseReport &report, const QString &text, QPoint origin, double x0,
                            double y0) const
{
    const double ppi = ScreenPixelsPerInch;
    const double x = x0 + (Left() + origin.x()) / ppi;
    const double y = y0 + (Top() + origin.y()) / ppi;
    // The engine writes on the baseline.  It lies the font's ascent below
    // the cell's top, as the screen's text path puts it (a fixed 0.88 em
    // printed tall typefaces visibly higher than the screen shows them).
    // A symbol font that is not installed prints the Unicode equivalents of
    // its symbols in the fallback family, exactly as the screen draws them.
    const TSymbolFonts::TDisplay shown = TSymbolFonts::Resolve(Font().ToQFont(1.0), Font().Name, text);
    report.SetFont(shown.Font.family(), printPoints());
    report.GotoXY(x, y + QFontMetrics(shown.Font).ascent() / ppi);
    report.SetLineTop(y);
    report.Print(shown.Text);
}

void TGSuperText::PrintTo(engine::TBaseReport &report, double X0, double Y0)
{
    const double ppi = ScreenPixelsPerInch;
    m_layoutDirty = true;
    Layout();

    const TGFont &f = Font();
    report.SetFont(f.Name, printPoints());
    report.SetFontStyle(f.Style & fsBold, f.Style & fsItalic, f.Style & fsUnderline, f.Style & fsStrikeOut);

    const double bx1 = X0 + Left() / ppi;
    const double by1 = Y0 + Top() / ppi;
    const double bx2 = X0 + (Left() + Width()) / ppi;
    const double by2 = Y0 + (Top() + Height()) / ppi;
    if (!m_controlTransparent || m_borderStyle == bsSingle) {
        if (m_controlTransparent)
            report.SetBrush(Qt::white, Qt::NoBrush);
        else
            report.SetBrush(TGColor::ToQColor(m_bgColor), Qt::SolidPattern);
        // The frame is one screen pixel wide on paper too (a hundredth of an
        // inch), as a text label's frame prints; one printer dot would
        // all but vanish at printer resolution.
        report.SetPen(Qt::black, m_borderStyle == bsSingle ? Qt::SolidLine : Qt::NoPen, -1,
                      engine::TPenMode::pmCopy);
        report.Rectangle(bx1, by1, bx2, by2);
    }

    report.SetBrush(Qt::white, Qt::NoBrush);
    const QString s = FittedText();
    if (s.isEmpty())
        return;
    report.SetTransparentText(true);

    if (m_shadowDepth > 0 && m_shadowOrientation != sdNone) {
        // The shadow fills the letters' outline, as the screen fills its
        // clip path: printed as text, its underline and strike-out would
        // fall where the printer font puts them, a pixel off.
        report.SetBrush(TGColor::ToQColor(Shadowcolor()), Qt::SolidPattern);
        report.BeginPath();
        printText(report, s, m_shadowOrigin, X0, Y0);
        report.EndPath();
        report.FillPath();
    }

    const QColor colour = TGColor::ToQColor(f.Color);
    report.SetFontColor(colour);
    if (m_fill.Surface() != TFillPainter::fsClear) {
        report.BeginPath();
        printText(report, s, m_textOrigin, X0, Y0);
        report.EndPath();
        report.SelectClipPath();
        // The fill covers the box grown by 0.03 inch at the left and top, for
        // glyph edges that reach out of it.
        m_fill.PrintSurface(report, report.CreateRectF(bx1, by1, bx2, by2),
                            report.CreateRect(bx1 - 0.03, by1 - 0.03, bx2, by2), colour);
        report.ClearClip();
    }

    if (OutlineWidth() > 0 && m_fill.SetupOutline(report, colour)) {
        report.BeginPath();
        printText(report, s, m_textOrigin, X0, Y0);
        report.EndPath();
        report.StrokePath();
    }
}

} // namespace cw::model
