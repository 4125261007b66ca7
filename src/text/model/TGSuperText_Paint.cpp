// Painting on screen through the letters' clip path, and printing through the
// engine at printer resolution.
#include "text/model/TGSuperText.h"

#include "print/engine/TBaseReport.h"
#include "print/engine/Units.h"
#include "text/model/TSymbolFonts.h"

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

    if (m_shadowDepth >= 1 && m_shadowOrientation != sdNone) {
        painter.save();
        painter.setClipPath(textPath(s, m_shadowOrigin, font), Qt::IntersectClip);
        painter.fillRect(client, TGColor::ToQColor(m_shadowColor));
        painter.restore();
    }

    if (m_surfaceType != stBrushTransparent) {
        painter.save();
        painter.setClipPath(textPath(s, m_textOrigin, font), Qt::IntersectClip);
        switch (m_surfaceType) {
        case stNormal:
            painter.fillRect(client, TGColor::ToQColor(Font().Color));
            break;
        case stBrushImage: {
            QSize tile = m_image.Size();
            if (Zoom() != 1.0f)
                tile = QSize(Trunc(tile.width() * double(Zoom())), Trunc(tile.height() * double(Zoom())));
            TSuperShapeFill::TileOnScreen(painter, m_image.Image(), tile, Width(), Height());
            break;
        }
        case stGradientFill:
            // Kept at the box size; a box that changed while loading gets its
            // gradient here, once.
            if (m_gradientBitmap.size() != QSize(Width(), Height()))
                m_gradientBitmap = TSuperShapeFill::GradientBitmap(
                    Width(), Height(), GradientStartColor(), GradientEndColor(),
                    TSuperShapeFill::IsHorizontal(m_fillDirection));
            TSuperShapeFill::TileOnScreen(painter, m_gradientBitmap, m_gradientBitmap.size(), Width(),
                                          Height());
            break;
        case stBrushTransparent:
            break;
        }
        painter.restore();
    }

    if (m_outlineStyle != psClear && m_outlineWidth >= 1) {
        QPen pen(TGColor::ToQColor(m_outlineColor), m_outlineWidth, TGPen::ToQtStyle(m_outlineStyle));
        painter.strokePath(textPath(s, m_textOrigin, font), pen);
    }
    painter.restore();
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
    const QFont font = Font().ToQFont(1.0);
    const double ascent = QFontMetricsF(TSymbolFonts::Resolve(font, Font().Name, text).Font).ascent();
    report.GotoXY(x, y + ascent / ppi);
    report.SetLineTop(y);
    report.Print(text);
}

void TGSuperText::PrintTo(engine::TBaseReport &report, double X0, double Y0)
{
    const double ppi = ScreenPixelsPerInch;
    const int colours = TSuperShapeFill::ScreenColorCount();
    const double scaleX = report.XDPI() / ppi;
    const double scaleY = report.YDPI() / ppi;
    const int marginLeft = Trunc(report.UnprintableLeft() * report.XDPI());
    const int marginTop = Trunc(report.UnprintableTop() * report.YDPI());

    m_layoutDirty = true;
    Layout();

    const TGFont &f = Font();
    report.SetFont(f.Name, f.PointSize());
    report.SetFontStyle(f.Style & fsBold, f.Style & fsItalic, f.Style & fsUnderline);

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
        report.SetFontColor(TGColor::ToQColor(m_shadowColor));
        printText(report, s, m_shadowOrigin, X0, Y0);
    }

    report.SetFontColor(TGColor::ToQColor(f.Color));
    // The area the fill covers: the box grown by 0.03 inch at the left and
    // top, for glyph edges that reach out of it.  The texture's tiles and the
    // gradient's bands are laid from the object's own corner, as on screen.
    const QRect box = report.CreateRect(bx1 - 0.03, by1 - 0.03, bx2, by2);
    const QRect object = report.CreateRect(bx1, by1, bx2, by2);

    if (m_surfaceType != stBrushTransparent) {
        report.BeginPath();
        printText(report, s, m_textOrigin, X0, Y0);
        report.EndPath();
        report.SelectClipPath();
        switch (m_surfaceType) {
        case stNormal:
            report.SetBrush(TGColor::ToQColor(f.Color), Qt::SolidPattern);
            report.FillRect(box);
            break;
        case stBrushImage: {
            const bool composed = Host() && Host()->IsPreviewing() && colours < 257;
            // The tile grid starts whole tiles before the object's corner so
            // that it also covers the grown margin.  Tiles are placed from
            // the sheet's corner: device pixels plus the unprintable margin.
            const int tw = Round(m_image.Width() * scaleX);
            const int th = Round(m_image.Height() * scaleY);
            QRect tiled = box;
            if (tw > 0 && th > 0) {
                const int before = (object.left() - box.left() + tw - 1) / tw * tw;
                const int above = (object.top() - box.top() + th - 1) / th * th;
                tiled.setTopLeft(object.topLeft() - QPoint(before, above));
            }
            TSuperShapeFill::PrintTiles(report, m_image.Image(), tiled.translated(marginLeft, marginTop),
                                        scaleX, scaleY, composed);
            break;
        }
        case stGradientFill: {
            const QRect cover(box.topLeft(), QSize(Trunc(0.25 * report.XDPI()) + box.width() + 1,
                                                   Trunc(0.25 * report.YDPI()) + box.height() + 1));
            TSuperShapeFill::PrintGradient(report, object, cover, GradientStartColor(), GradientEndColor(),
                                           TSuperShapeFill::IsHorizontal(m_fillDirection));
            break;
        }
        case stBrushTransparent:
            break;
        }
        report.ClearClip();
    }

    if (m_outlineStyle != psClear && m_outlineWidth > 0) {
        report.SetBrush(TGColor::ToQColor(f.Color), Qt::NoBrush);
        report.SetPen(TGColor::ToQColor(m_outlineColor), TGPen::ToQtStyle(m_outlineStyle), -m_outlineWidth,
                      engine::TPenMode::pmCopy);
        report.BeginPath();
        printText(report, s, m_textOrigin, X0, Y0);
        report.EndPath();
        report.StrokePath();
    }
}

} // namespace cw::model
