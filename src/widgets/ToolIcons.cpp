#include "widgets/ToolIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

namespace cw::ui {

namespace {

const QColor kInk(0x20, 0x30, 0x50);
const QColor kAccent(0x1e, 0x6f, 0xd9);
const QColor kWarm(0xe0, 0x7a, 0x1f);

// Draws one glyph in a 24 x 24 design box.
void drawGlyph(QPainter &p, ToolGlyph glyph)
{
    p.setRenderHint(QPainter::Antialiasing);
    QPen ink(kInk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(ink);
    p.setBrush(Qt::NoBrush);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(14);
    f.setBold(true);
    switch (glyph) {
    case ToolGlyph::Pointer: {
        QPainterPath arrow;
        arrow.moveTo(7, 3);
        arrow.lineTo(7, 19);
        arrow.lineTo(11, 15);
        arrow.lineTo(14, 21);
        arrow.lineTo(16.5, 20);
        arrow.lineTo(13.5, 14);
        arrow.lineTo(19, 14);
        arrow.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(arrow);
        break;
    }
    case ToolGlyph::Text:
        f.setPixelSize(18);
        p.setFont(f);
        p.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, QStringLiteral("A"));
        break;
    case ToolGlyph::MultiLineText:
        for (int y : {6, 10, 14, 18})
            p.drawLine(QPointF(4, y), QPointF(y == 18 ? 14 : 20, y));
        break;
    case ToolGlyph::Symbol: {
        QPainterPath heart;
        heart.moveTo(12, 20);
        heart.cubicTo(2, 13, 4, 4, 12, 9);
        heart.cubicTo(20, 4, 22, 13, 12, 20);
        p.setBrush(QColor(0xd0, 0x30, 0x40));
        p.setPen(Qt::NoPen);
        p.drawPath(heart);
        break;
    }
    case ToolGlyph::Rectangle:
        p.drawRect(QRectF(4, 6, 16, 12));
        break;
    case ToolGlyph::Ellipse:
        p.drawEllipse(QRectF(3, 6, 18, 12));
        break;
    case ToolGlyph::RoundRectangle:
        p.drawRoundedRect(QRectF(4, 6, 16, 12), 4, 4);
        break;
    case ToolGlyph::Line:
        p.drawLine(QPointF(5, 19), QPointF(19, 5));
        break;
    case ToolGlyph::ClipArt:
        p.drawRect(QRectF(3.5, 5.5, 17, 13));
        p.setBrush(kAccent);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(5, 17), QPointF(10, 10), QPointF(14, 15), QPointF(16, 12),
                                 QPointF(19, 17)}));
        p.setBrush(kWarm);
        p.drawEllipse(QPointF(16, 9), 1.8, 1.8);
        break;
    case ToolGlyph::SuperShape: {
        QLinearGradient g(0, 4, 0, 20);
        g.setColorAt(0, kAccent);
        g.setColorAt(1, kWarm);
        p.setBrush(g);
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double r = i % 2 ? 4.0 : 9.0;
            const double a = -M_PI / 2 + i * M_PI / 5;
            star << QPointF(12 + r * std::cos(a), 12.5 + r * std::sin(a));
        }
        p.drawPolygon(star);
        break;
    }
    case ToolGlyph::RichText:
        f.setPixelSize(13);
        p.setFont(f);
        p.drawText(QRectF(1, 2, 12, 20), Qt::AlignCenter, QStringLiteral("A"));
        f.setItalic(true);
        f.setBold(false);
        p.setFont(f);
        p.setPen(QColor(0xc0, 0x20, 0x20));
        p.drawText(QRectF(11, 2, 12, 20), Qt::AlignCenter, QStringLiteral("b"));
        break;
    case ToolGlyph::SuperText: {
        f.setPixelSize(19);
        QPainterPath text;
        text.addText(4, 19, f, QStringLiteral("S"));
        QLinearGradient g(0, 4, 0, 20);
        g.setColorAt(0, kWarm);
        g.setColorAt(1, kAccent);
        p.setBrush(g);
        p.setPen(QPen(kInk, 0.8));
        p.drawPath(text);
        break;
    }
    case ToolGlyph::CircleText:
        p.drawArc(QRectF(4, 4, 16, 16), 30 * 16, 300 * 16);
        f.setPixelSize(9);
        p.setFont(f);
        p.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, QStringLiteral("ab"));
        break;
    case ToolGlyph::QRCode:
        // Three finder squares and a few data modules.
        p.setPen(Qt::NoPen);
        p.setBrush(ink.color());
        for (const QPointF &corner : {QPointF(3, 3), QPointF(14, 3), QPointF(3, 14)}) {
            p.drawRect(QRectF(corner, QSizeF(7, 7)));
            p.fillRect(QRectF(corner + QPointF(1, 1), QSizeF(5, 5)), Qt::white);
            p.drawRect(QRectF(corner + QPointF(2, 2), QSizeF(3, 3)));
        }
        for (const QPointF &m :
             {QPointF(14, 14), QPointF(17, 16), QPointF(15, 19), QPointF(19, 19), QPointF(12, 12)})
            p.drawRect(QRectF(m, QSizeF(2, 2)));
        break;
    case ToolGlyph::Barcode: {
        p.setPen(Qt::NoPen);
        p.setBrush(ink.color());
        const int bars[] = {1, 2, 1, 1, 3, 1, 2, 1, 1, 2};
        double x = 3;
        for (int i = 0; i < 10; ++i) {
            if (i % 2 == 0)
                p.drawRect(QRectF(x, 4, bars[i], 16));
            x += bars[i];
        }
        break;
    }
    case ToolGlyph::ShowGrid:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x00, 0x80, 0x00));
        for (int y = 5; y <= 19; y += 7)
            for (int x = 5; x <= 19; x += 7)
                p.drawEllipse(QPointF(x, y), 1.5, 1.5);
        break;
    case ToolGlyph::SnapToGrid:
        p.setBrush(QColor(0x00, 0x80, 0x00));
        p.setPen(Qt::NoPen);
        for (int y = 5; y <= 19; y += 7)
            for (int x = 5; x <= 19; x += 7)
                p.drawEllipse(QPointF(x, y), 1.2, 1.2);
        p.setPen(ink);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(5, 5, 7, 7));
        break;
    case ToolGlyph::Background: {
        QLinearGradient g(0, 4, 24, 20);
        g.setColorAt(0, QColor(0xbf, 0xdc, 0xff));
        g.setColorAt(1, QColor(0xff, 0xe2, 0xb8));
        p.setBrush(g);
        p.drawRect(QRectF(3.5, 5.5, 17, 13));
        break;
    }
    case ToolGlyph::QuickTips:
        p.setBrush(QColor(0xff, 0xe0, 0x66));
        p.drawEllipse(QRectF(7, 3, 10, 11));
        p.drawLine(QPointF(10, 17), QPointF(14, 17));
        p.drawLine(QPointF(10.5, 20), QPointF(13.5, 20));
        break;
    case ToolGlyph::WhatsThis:
        f.setPixelSize(17);
        p.setFont(f);
        p.setPen(kAccent);
        p.drawText(QRectF(0, 0, 15, 24), Qt::AlignCenter, QStringLiteral("?"));
        p.setPen(ink);
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(13, 9), QPointF(13, 21), QPointF(16, 18), QPointF(18.5, 22),
                                 QPointF(20, 21), QPointF(17.5, 17), QPointF(21, 17)}));
        break;
    case ToolGlyph::Exit:
        p.drawRect(QRectF(4, 4, 10, 16));
        p.drawLine(QPointF(10, 12), QPointF(21, 12));
        p.drawLine(QPointF(18, 9), QPointF(21, 12));
        p.drawLine(QPointF(18, 15), QPointF(21, 12));
        break;
    case ToolGlyph::Print:
        p.drawRect(QRectF(7, 3.5, 10, 6));
        p.setBrush(QColor(0xe8, 0xec, 0xf2));
        p.drawRoundedRect(QRectF(3.5, 9.5, 17, 8), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 14.5, 10, 6));
        break;
    case ToolGlyph::Preview:
        p.drawRect(QRectF(4.5, 3.5, 12, 16));
        p.drawEllipse(QRectF(10, 10, 7, 7));
        p.drawLine(QPointF(16, 16), QPointF(20, 20));
        break;
    case ToolGlyph::Help:
        p.drawEllipse(QRectF(3, 3, 18, 18));
        p.setFont(f);
        p.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, QStringLiteral("?"));
        break;
    case ToolGlyph::Save:
        p.drawRoundedRect(QRectF(4, 4, 16, 16), 1.5, 1.5);
        p.drawRect(QRectF(8, 4, 8, 5));
        p.drawRect(QRectF(7, 13, 10, 7));
        break;
    case ToolGlyph::Cancel:
        p.setPen(QPen(QColor(0xc0, 0x20, 0x20), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6, 6), QPointF(18, 18));
        p.drawLine(QPointF(18, 6), QPointF(6, 18));
        break;
    case ToolGlyph::Application: {
        p.setBrush(Qt::white);
        p.setPen(QPen(kInk, 1.2));
        p.drawRoundedRect(QRectF(2.5, 6.5, 19, 11), 1.5, 1.5);
        p.setPen(QPen(kAccent, 1.6));
        p.drawLine(QPointF(5, 10), QPointF(13, 10));
        p.setPen(QPen(kInk, 1));
        p.drawLine(QPointF(5, 13), QPointF(11, 13));
        p.drawLine(QPointF(5, 15), QPointF(10, 15));
        break;
    }
    }
}

class GlyphEngine : public QIconEngine
{
public:
    explicit GlyphEngine(ToolGlyph glyph) : m_glyph(glyph) {}
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 24.0, rect.height() / 24.0);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.35);
        drawGlyph(*painter, m_glyph);
        painter->restore();
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QPixmap pm(size * scale);
        pm.setDevicePixelRatio(scale);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }
    QIconEngine *clone() const override { return new GlyphEngine(m_glyph); }

private:
    ToolGlyph m_glyph;
};

} // namespace

QIcon toolIcon(ToolGlyph glyph) { return QIcon(new GlyphEngine(glyph)); }

} // namespace cw::ui
