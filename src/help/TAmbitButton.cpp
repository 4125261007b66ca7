#include "help/TAmbitButton.h"

#include <QEnterEvent>
#include <QPainter>
#include <QPainterPath>

namespace cw::ui {

namespace {
constexpr int GlyphSize = 14;

// The glyph: a small round lamp, lit ("on") or dark ("off").
void drawGlyph(QPainter &p, const QRect &r, bool on, bool enabled)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(r.center() - QPointF(2, 2), r.width() * 0.7);
    if (!enabled) {
        g.setColorAt(0, QColor(225, 225, 225));
        g.setColorAt(1, QColor(160, 160, 160));
    } else if (on) {
        g.setColorAt(0, QColor(255, 255, 200));
        g.setColorAt(1, QColor(230, 150, 0));
    } else {
        g.setColorAt(0, QColor(210, 230, 255));
        g.setColorAt(1, QColor(40, 90, 170));
    }
    p.setBrush(g);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawEllipse(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
}
} // namespace

TAmbitButton::TAmbitButton(const QString &caption, QWidget *parent) : QAbstractButton(parent)
{
    setText(caption);
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
}

void TAmbitButton::SetShowing(bool showing)
{
    if (m_showing == showing)
        return;
    m_showing = showing;
    update();
}

QSize TAmbitButton::sizeHint() const
{
    const QFontMetrics fm(font());
    return QSize(CaptionX + fm.horizontalAdvance(text().trimmed()) + 8, std::max(fm.height() + 10, 26));
}

void TAmbitButton::enterEvent(QEnterEvent *event)
{
    m_hot = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TAmbitButton::leaveEvent(QEvent *event)
{
    m_hot = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void TAmbitButton::paintEvent(QPaintEvent *)
{
    if (!m_showing)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -2.5, -2.5);
    const bool down = isDown();
    const bool on = isEnabled() && (m_hot || down);

    QPainterPath outline;
    outline.addRoundedRect(face, RoundedCornerSize / 2.0, RoundedCornerSize / 2.0);
    // Shadow: the outline moved one and two pixels right and down.
    if (!down) {
        p.setPen(QPen(ShadowColor, 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(outline.translated(1, 1));
        p.drawPath(outline.translated(2, 2));
    }
    const QColor faceColour =
        on ? QColor(255, 255, 255) : palette().color(QPalette::ToolTipBase).lighter(103);
    p.setBrush(faceColour);
    p.setPen(QPen(on ? palette().color(QPalette::Highlight) : BorderColor, 1));
    p.drawPath(down ? outline.translated(1, 1) : outline);

    const int shift = down ? 1 : 0;
    const int glyphY = GlyphPos.y() < 0 ? (height() - 2 - GlyphSize) / 2 : GlyphPos.y();
    drawGlyph(p, QRect(GlyphPos.x() + shift, glyphY + shift, GlyphSize, GlyphSize), on, isEnabled());

    p.setPen(isEnabled() ? palette().color(QPalette::ToolTipText)
                         : palette().color(QPalette::Disabled, QPalette::Text));
    p.setFont(font());
    const QRect captionRect(CaptionX + shift, 2 + shift, width() - CaptionX - 6, height() - 6);
    p.drawText(captionRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, text().trimmed());
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(face.adjusted(2, 2, -2, -2), RoundedCornerSize / 3.0, RoundedCornerSize / 3.0);
    }
}

} // namespace cw::ui
