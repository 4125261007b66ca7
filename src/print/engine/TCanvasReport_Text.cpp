// Text, paths, clip regions and pictures of the canvas report.
#include "print/engine/TCanvasReport.h"

#include "print/engine/TPainterState.h"
#include "print/engine/TPicturePlayer.h"
#include "print/engine/Units.h"

#include <QFontMetricsF>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace cw::engine {

// ---- Fonts and text --------------------------------------------------------------

void TCanvasReport::SetFont(const QString &name, double points)
{
    if (!name.isEmpty())
        m_fontName = name;
    if (points > 0)
        m_fontPoints = points;
}

void TCanvasReport::SetFontStyle(bool bold, bool italic, bool underline, bool strikeOut)
{
    m_bold = bold;
    m_italic = italic;
    m_underline = underline;
    m_strikeOut = strikeOut;
}

QFont TCanvasReport::DeviceFont() const
{
    QFont font(m_fontName);
    // Pixel sizes keep text independent of the logical resolution Qt assumes
    // for the paint device (a recorded picture claims the screen's).
    font.setPixelSize(std::max(1, cw::Round(m_fontPoints / 72.0 * YDPI())));
    font.setBold(m_bold);
    font.setItalic(m_italic);
    font.setUnderline(m_underline);
    font.setStrikeOut(m_strikeOut);
    return font;
}

double TCanvasReport::FontHeight() const
{
    return m_fontPoints / 72.0 * UnitsFactor();
}

double TCanvasReport::TextWidth(const QString &text) const
{
    const QFontMetricsF metrics(DeviceFont());
    return metrics.horizontalAdvance(text) / XDPI() * UnitsFactor();
}

void TCanvasReport::GotoXY(double x, double y)
{
    m_xPos = x;
    m_yPos = y;
}

void TCanvasReport::PrintXY(double x, double y, const QString &text)
{
    GotoXY(x, y);
    Print(text);
}

void TCanvasReport::Print(const QString &text)
{
    if (!text.isEmpty())
        DrawText(text);
    // The position advances along the text's direction.
    const double width = TextWidth(text);
    const double radians = m_fontRotation * M_PI / 180.0;
    m_xPos += width * std::cos(radians);
    m_yPos -= width * std::sin(radians) * XDPI() / YDPI();
}

void TCanvasReport::DrawText(const QString &text)
{
    const QFont font = DeviceFont();
    // Where the text starts, unrounded: the screen sets it on its own
    // pixel, which falls between printer dots.
    const QPointF origin(XI2DF(m_xPos), YI2DF(m_yPos));
    QTransform turn;
    turn.translate(origin.x(), origin.y());
    turn.rotate(-m_fontRotation);

    if (m_pathOpen) {
        // The outline is made at the design's size (96 pixels an inch) and
        // scaled up: letters, underline and strike-out then have the very
        // geometry of the outline the screen draws, where the font engine
        // would round the decorations' place and thickness anew at the
        // printer's size.
        QFont design = font;
        design.setPixelSize(std::max(1, cw::Round(m_fontPoints / 72.0 * cw::ScreenPixelsPerInch)));
        design.setHintingPreference(QFont::PreferNoHinting);
        QPainterPath glyphs;
        glyphs.addText(QPointF(0, 0), design, text);
        const QTransform toDevice =
            QTransform::fromScale(XDPI() / cw::ScreenPixelsPerInch, YDPI() / cw::ScreenPixelsPerInch);
        QPainterPath turned = turn.map(toDevice.map(glyphs));
        turned.setFillRule(Qt::WindingFill);
        m_path.setFillRule(Qt::WindingFill);
        m_path.addPath(turned);
        return;
    }
    if (!Drawing())
        return;

    m_painter.save();
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.setTransform(turn, true);
    m_painter.setFont(font);
    if (!m_transparentText && m_brushStyle != Qt::NoBrush) {
        const QFontMetricsF metrics(font);
        m_painter.fillRect(QRectF(0, -metrics.ascent(), metrics.horizontalAdvance(text), metrics.height()),
                           m_brushColor);
    }
    m_painter.setPen(m_fontColor);
    m_painter.drawText(QPointF(0, 0), text);
    m_painter.restore();
}

// ---- Paths ---------------------------------------------------------------------------

void TCanvasReport::BeginPath()
{
    m_path = QPainterPath();
    m_pathOpen = true;
}

void TCanvasReport::EndPath()
{
    m_pathOpen = false;
}

// Like the device interface, selecting or drawing a path uses it up.
void TCanvasReport::SelectClipPath()
{
    if (m_pathOpen)
        m_pathOpen = false;
    QPainterPath path = m_path;
    m_path = QPainterPath();
    if (!Drawing())
        return;
    path.closeSubpath();
    m_painter.setClipPath(path, Qt::ReplaceClip);
    ApplyBound();
}

void TCanvasReport::StrokePath()
{
    m_pathOpen = false;
    const QPainterPath path = m_path;
    m_path = QPainterPath();
    if (!Drawing() || m_penStyle == Qt::NoPen)
        return;
    ApplyPen(true);
    m_painter.strokePath(path, DevicePen());
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TCanvasReport::FillPath()
{
    m_pathOpen = false;
    const QPainterPath path = m_path;
    m_path = QPainterPath();
    if (!Drawing() || m_brushStyle == Qt::NoBrush)
        return;
    ApplyBrush();
    m_painter.fillPath(path, DeviceBrush());
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// ---- Clip regions ----------------------------------------------------------------------

namespace {
QRectF RegionRect(const TBaseReport &report, double x1, double y1, double x2, double y2)
{
    const double left = std::min(report.XI2D(x1), report.XI2D(x2));
    const double right = std::max(report.XI2D(x1), report.XI2D(x2));
    const double top = std::min(report.YI2D(y1), report.YI2D(y2));
    const double bottom = std::max(report.YI2D(y1), report.YI2D(y2));
    return QRectF(left, top, right - left, bottom - top);
}
} // namespace

QPainterPath TCanvasReport::CreateRectRegion(double x1, double y1, double x2, double y2) const
{
    QPainterPath region;
    region.addRect(RegionRect(*this, x1, y1, x2, y2));
    return region;
}

QPainterPath TCanvasReport::CreateEllipticRegion(double x1, double y1, double x2, double y2) const
{
    QPainterPath region;
    region.addEllipse(RegionRect(*this, x1, y1, x2, y2));
    return region;
}

QPainterPath TCanvasReport::CreateRoundRectRegion(double x1, double y1, double x2, double y2,
                                                  double cornerWidth, double cornerHeight) const
{
    QPainterPath region;
    region.addRoundedRect(RegionRect(*this, x1, y1, x2, y2), std::abs(WidthToDevice(cornerWidth)) / 2.0,
                          std::abs(HeightToDevice(cornerHeight)) / 2.0);
    return region;
}

QPainterPath TCanvasReport::CreatePolygonRegion(const QPolygon &points) const
{
    QPainterPath region;
    region.setFillRule(Qt::OddEvenFill);
    if (points.size() >= 3) {
        region.addPolygon(QPolygonF(points));
        region.closeSubpath();
    }
    return region;
}

void TCanvasReport::SelectClipRegion(const QPainterPath &region)
{
    if (!Drawing())
        return;
    m_painter.setClipPath(region, Qt::ReplaceClip);
    ApplyBound();
}

// The clip is dropped, not merely switched off: a painter keeps a switched-off
// clip and turns it back on when a recorded picture played later enables
// clipping (a text label's picture does), which would hide that picture
// behind the letters or outline of the last clip.
void TCanvasReport::ClearClip()
{
    if (!Drawing())
        return;
    m_painter.setClipPath(QPainterPath(), Qt::NoClip);
    ApplyBound();
}

void TCanvasReport::SetBound(const QRectF &inches)
{
    m_bound = inches;
    if (!Drawing())
        return;
    m_painter.setClipPath(QPainterPath(), Qt::NoClip);
    ApplyBound();
}

void TCanvasReport::ApplyBound()
{
    if (!Drawing() || m_bound.isEmpty())
        return;
    m_painter.setClipPath(CreateRectRegion(m_bound.left(), m_bound.top(), m_bound.right(), m_bound.bottom()),
                          Qt::IntersectClip);
}

// ---- Pictures ----------------------------------------------------------------------------

void TCanvasReport::StretchDraw(const QRect &rect, const QPicture &picture, const QRectF &frame)
{
    if (!Drawing() || rect.isEmpty() || picture.isNull())
        return;
    const QRectF source = frame.isEmpty() ? QRectF(picture.boundingRect()) : frame;
    if (source.isEmpty())
        return;
    m_painter.save();
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    PlayPicture(m_painter, picture, source, QRectF(rect));
    m_painter.restore();
}

void TCanvasReport::StretchDraw(const QRect &rect, const QImage &image)
{
    if (!Drawing() || rect.isEmpty() || image.isNull())
        return;
    m_painter.save();
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.drawImage(QRectF(rect), image);
    m_painter.restore();
}

void TCanvasReport::StretchDraw(const QRectF &rect, const QSizeF &sourceSize,
                                const std::function<void(QPainter &)> &paint)
{
    if (!Drawing() || rect.isEmpty() || sourceSize.isEmpty() || !paint)
        return;
    m_painter.save();
    TPainterState::Reset(m_painter);
    m_painter.translate(rect.topLeft());
    m_painter.scale(rect.width() / sourceSize.width(), rect.height() / sourceSize.height());
    paint(m_painter);
    m_painter.restore();
}

void TCanvasReport::PrintBitmapRect(double x1, double y1, double x2, double y2, const QImage &image)
{
    // Into the exact inch rectangle, between dots where it falls there, as
    // the screen places the picture.
    const QRectF rect = CreateRectF(x1, y1, x2, y2);
    if (!Drawing() || rect.isEmpty() || image.isNull())
        return;
    m_painter.save();
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.drawImage(rect, image);
    m_painter.restore();
}

} // namespace cw::engine
