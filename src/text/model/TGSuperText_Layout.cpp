// The layout of the text in its box and the fit of the box to the text.
#include "text/model/TGSuperText.h"

#include "print/engine/Units.h"
#include "text/model/TSymbolFonts.h"

#include <QFontMetrics>

namespace cw::model {

QPoint TGSuperText::ShadowOffset() const
{
    const int d = m_shadowDepth;
    switch (m_shadowOrientation) {
    case sdNone:
        return {0, 0};
    case sdRight:
        return {d, 0};
    case sdLeft:
        return {-d, 0};
    case sdDownRight:
        return {d, d};
    case sdDownLeft:
        return {-d, d};
    case sdDown:
        return {0, d};
    }
    return {0, 0};
}

QFont TGSuperText::ScreenFont() const
{
    TGFont f = Font();
    if (Zoom() != 1.0f)
        f.SetPointSize(Trunc(f.PointSize() * double(Zoom())));
    return f.ToQFont(1.0);
}

void TGSuperText::Layout()
{
    if (!m_layoutDirty || m_inLayout)
        return;
    m_inLayout = true;
    struct Release
    {
        TGSuperText &t;
        ~Release()
        {
            t.m_inLayout = false;
            t.m_layoutDirty = false;
        }
    } release{*this};

    QPoint s = ShadowOffset();
    if (Zoom() != 1.0f)
        s = QPoint(Trunc(s.x() * double(Zoom())), Trunc(s.y() * double(Zoom())));
    const QFontMetrics fm(ScreenFont());
    const int th = fm.height();
    const int tw = fm.horizontalAdvance(m_caption + QLatin1Char(' '));
    m_textMargin = QPoint(s.x() < 0 ? -s.x() : 0, s.y() < 0 ? -s.y() : 0);
    // The box fits the text twice: what is shown to the text at this zoom,
    // the design's own geometry to the text at 100 %.  Zoomed glyphs do not
    // scale exactly with the zoom, so a fit at a zoom taken back to 100 %
    // would change the design each time it is shown at another zoom.
    const QFontMetrics stored(Font().ToQFont(1.0));
    const int storedShadow = std::abs(ShadowOffset().y());
    const auto fit = [this](QSize box, int textWidth, int lineHeight) {
        if (box.width() <= 5)
            box.setWidth(textWidth);
        if (1.2 * lineHeight < box.height() && m_controlTransparent && m_borderStyle == bsNone)
            box.setHeight(Trunc(1.2 * lineHeight));
        if (lineHeight > box.height())
            box.setHeight(lineHeight);
        return box;
    };
    // What is shown follows from the design's geometry alone, so it is the
    // same after Undo, Redo or reopening as when the fit was first made.
    const QSize design =
        Zoom() == 1.0f ? fit(BoundsRect().size(), tw, th + std::abs(s.y()))
                       : fit(StoredBounds().size(), stored.horizontalAdvance(m_caption + QLatin1Char(' ')),
                             stored.height() + storedShadow);
    const QSize shown =
        Zoom() == 1.0f ? design
                       : fit(ZoomedBounds(QRect(QPoint(), design), Zoom()).size(), tw, th + std::abs(s.y()));
    SetFittedDesignSize(shown, design);
    m_textRect =
        QRect(QPoint(m_textMargin.x() + 5, m_textMargin.y()), QPoint(Width() - 1, m_textMargin.y() + th - 1));
    m_shadowRect = m_textRect.translated(s);
    m_textOrigin = m_textRect.topLeft();
    m_shadowOrigin = QPoint(m_textRect.left() + s.x(), m_shadowRect.top());
}

QString TGSuperText::FittedText() const
{
    // The cut is made on the design's own geometry (100 %), in the font and
    // characters that are drawn: the same letters show at every zoom and on
    // paper (zoomed glyph widths do not scale exactly with the zoom).  The
    // room is the width left of the text's start, 5 pixels in plus the
    // shadow's sideways offset.
    const double room = Width() / double(Zoom()) - (5 + std::abs(ShadowOffset().x()));
    const QFont font = Font().ToQFont(1.0);
    auto width = [&](const QString &s) {
        const TSymbolFonts::TDisplay shown = TSymbolFonts::Resolve(font, Font().Name, s);
        return QFontMetrics(shown.Font).horizontalAdvance(shown.Text);
    };
    QString s = m_caption;
    while (!s.isEmpty() && width(s) > room)
        s.chop(1);
    return s;
}

void TGSuperText::FitToText()
{
    const QFontMetrics stored(Font().ToQFont(1.0));
    const int a = stored.horizontalAdvance(m_caption);
    const int b = stored.height();
    m_layoutDirty = true;
    Layout();
    const int c = std::max(m_textRect.left(), m_shadowRect.left());
    const int d = std::max(m_textRect.top(), m_shadowRect.top());
    SetBounds(Left(), Top(), Trunc(c + 1.2 * a), Trunc(1.2 * (b + d)));
    if (Height() < b)
        SetHeight(Trunc(1.5 * b));
    if (Width() < a)
        SetWidth(Trunc(1.5 * a));
}

} // namespace cw::model
