// Job, pen, brush and shapes of the canvas report.  Text, paths, clip
// regions and pictures are in TCanvasReport_Text.cpp.
#include "print/engine/TCanvasReport.h"

#include "print/engine/TPenRendering.h"
#include "print/engine/Units.h"

#include <algorithm>

namespace cw::engine {

TCanvasReport::TCanvasReport() = default;

TCanvasReport::TCanvasReport(QPaintDevice &target, double xdpi, double ydpi, int leftWaste, int topWaste)
    : m_target(&target)
{
    SetDeviceMetrics(xdpi, ydpi, leftWaste, topWaste, 0, 0);
}

TCanvasReport::~TCanvasReport()
{
    if (m_painter.isActive())
        m_painter.end();
}

void TCanvasReport::RefreshDeviceMetrics()
{
    // The metrics of a caller's device are what the caller said they are.
}

// ---- Device side --------------------------------------------------------------

void TCanvasReport::BeginPainting(QPaintDevice &device, const QPoint &originOffset)
{
    if (m_painter.isActive())
        m_painter.end();
    m_originOffset = originOffset;
    m_painter.begin(&device);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::LosslessImageRendering, true);
    m_painter.translate(originOffset);
    m_pathOpen = false;
    m_path = QPainterPath();
}

void TCanvasReport::EndPainting()
{
    if (m_painter.isActive())
        m_painter.end();
}

void TCanvasReport::DiscardPainting()
{
    EndPainting();
    m_discard = QPicture();
    m_painter.begin(&m_discard);
}

void TCanvasReport::BeginJob()
{
    if (m_target)
        BeginPainting(*m_target);
}

void TCanvasReport::BeginDevicePage()
{
    // One device for every page: only the page's clip and path end.
    if (m_painter.isActive())
        m_painter.setClipPath(QPainterPath(), Qt::NoClip);
    m_pathOpen = false;
    m_path = QPainterPath();
}

void TCanvasReport::EndDevicePage() {}

void TCanvasReport::EndJob()
{
    EndPainting();
}

void TCanvasReport::AbandonJob()
{
    EndPainting();
}

void TCanvasReport::Abort()
{
    const bool wasDrawing = Drawing();
    TBaseReport::Abort();
    if (wasDrawing) {
        AbandonJob();
        DiscardPainting();
    }
}

void TCanvasReport::ResetDrawingState()
{
    m_penColor = Qt::black;
    m_bound = QRectF();
    m_penStyle = Qt::SolidLine;
    m_penWidth = 1;
    m_penMode = TPenMode::pmCopy;
    m_brushColor = Qt::white;
    m_brushStyle = Qt::NoBrush;
    m_brushBitmap = QImage();
    m_brushSourceKey = 0;
    m_fontName = QStringLiteral("Arial");
    m_fontPoints = 10;
    m_bold = m_italic = m_underline = m_strikeOut = false;
    m_fontColor = Qt::black;
    m_fontRotation = 0;
    m_transparentText = false;
    m_xPos = m_yPos = m_lineTop = 0;
    m_current = QPointF();
    m_pathOpen = false;
    m_path = QPainterPath();
}

// ---- Pen and brush -------------------------------------------------------------

void TCanvasReport::SetPen(const QColor &colour, Qt::PenStyle style, double width, TPenMode mode)
{
    m_penColor = colour;
    m_penStyle = style;
    m_penWidth = width;
    m_penMode = mode;
}

double TCanvasReport::PenWidthPixels(double width) const
{
    // Not rounded to whole device pixels: a shape's outline and its dashes
    // are then as long on paper as on the screen, so the dashes fall on the
    // same places all round it.
    if (width < 0)
        return std::max(1.0, -width / 100.0 * XDPI());
    return std::max(1.0, width);
}

QPen TCanvasReport::DevicePen() const
{
    const std::optional<QColor> ink = TPenRendering::Ink(m_penMode, m_penColor);
    if (m_penStyle == Qt::NoPen || !ink)
        return QPen(Qt::NoPen);
    const double width = PenWidthPixels(m_penWidth);
    // Sharp corners are bevelled past the miter limit, as the screen's pens
    // do (TGPen) and as PDF defines a miter join.
    QPen pen(*ink, width, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::FlatCap, Qt::SvgMiterJoin);
    // Dashes are measured in card pixels, so they come out as long as on
    // the screen whatever the printer's resolution.
    if (m_penStyle != Qt::CustomDashLine)
        TPenRendering::ApplyStyle(pen, m_penStyle, XDPI() / cw::ScreenPixelsPerInch);
    return pen;
}

void TCanvasReport::SetBrush(const QColor &colour, Qt::BrushStyle style, const QImage &bitmap)
{
    const bool sameSource =
        !bitmap.isNull() && bitmap.cacheKey() == m_brushSourceKey && colour == m_brushColor;
    m_brushColor = colour;
    m_brushStyle = style;
    if (bitmap.isNull()) {
        m_brushBitmap = QImage();
        m_brushSourceKey = 0;
        return;
    }
    // The same pattern set again keeps its image, so a PDF stores it once.
    if (sameSource && !m_brushBitmap.isNull())
        return;
    m_brushSourceKey = bitmap.cacheKey();
    // Pattern brushes are kept as ARGB images: a QBitmap brush loses its
    // colour in recorded pictures and in PDF output.
    if (bitmap.depth() == 1) {
        QImage pattern(bitmap.size(), QImage::Format_ARGB32);
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x)
                pattern.setPixel(x, y, qGray(bitmap.pixel(x, y)) < 128 ? colour.rgb() : qRgb(255, 255, 255));
        m_brushBitmap = pattern;
    } else {
        m_brushBitmap = bitmap.convertToFormat(QImage::Format_ARGB32);
    }
}

QBrush TCanvasReport::DeviceBrush() const
{
    if (!m_brushBitmap.isNull() && m_brushStyle != Qt::NoBrush)
        return QBrush(m_brushBitmap);
    // The pen mode is the drawing mode of the whole shape: the fill takes
    // the ink the mode gives the brush colour (see TPenRendering).
    const std::optional<QColor> ink = TPenRendering::Ink(m_penMode, m_brushColor);
    if (!ink || m_brushStyle == Qt::NoBrush)
        return QBrush(Qt::NoBrush);
    if (m_brushStyle == Qt::TexturePattern || m_brushStyle == Qt::LinearGradientPattern ||
        m_brushStyle == Qt::RadialGradientPattern || m_brushStyle == Qt::ConicalGradientPattern)
        return QBrush(*ink, Qt::SolidPattern);
    if (m_brushStyle >= Qt::HorPattern && m_brushStyle <= Qt::DiagCrossPattern)
        return QBrush(HatchTile());
    return QBrush(*ink, m_brushStyle);
}

// Hatches keep the spacing they have on the screen (8 screen pixels), not 8
// printer dots, so paper shows the lines the design shows: the 8 x 8 hatch
// cell is drawn once and enlarged to the device's scale as a texture.
QImage TCanvasReport::HatchTile() const
{
    const QColor colour = TPenRendering::Ink(m_penMode, m_brushColor).value_or(Qt::transparent);
    const QSize size(std::max(1, cw::Round(8.0 * XDPI() / cw::ScreenPixelsPerInch)),
                     std::max(1, cw::Round(8.0 * YDPI() / cw::ScreenPixelsPerInch)));
    const QString key = QStringLiteral("%1/%2/%3x%4")
                            .arg(int(m_brushStyle))
                            .arg(colour.rgba())
                            .arg(size.width())
                            .arg(size.height());
    if (key != m_hatchKey) {
        QImage cell(8, 8, QImage::Format_ARGB32_Premultiplied);
        cell.fill(Qt::transparent);
        QPainter painter(&cell);
        painter.fillRect(cell.rect(), QBrush(colour, m_brushStyle));
        painter.end();
        m_hatchTile = cell.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        m_hatchKey = key;
    }
    return m_hatchTile;
}

// Pen modes are carried out as ink colours (TPenRendering), never as raster
// operations, which a PDF or a printer cannot honour.
void TCanvasReport::ApplyPen(bool forLine)
{
    m_painter.setPen(DevicePen());
    m_painter.setBrush(forLine ? QBrush(Qt::NoBrush) : DeviceBrush());
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TCanvasReport::ApplyBrush()
{
    ApplyPen(false);
    m_painter.setPen(Qt::NoPen);
}

// ---- Shapes ---------------------------------------------------------------------

// The line of a shape's outline runs through the centres of its edge pixels:
// a one-pixel pen marks the pixels from the first corner up to, not including,
// the second corner's device position, as the classic device interface does;
// wider pens are centred on that line.  Without a pen the fill covers exactly
// the pixels from the first corner up to the second.
QRectF TCanvasReport::ShapeRect(double x1, double y1, double x2, double y2) const
{
    const double left = std::min(XI2D(x1), XI2D(x2));
    const double right = std::max(XI2D(x1), XI2D(x2));
    const double top = std::min(YI2D(y1), YI2D(y2));
    const double bottom = std::max(YI2D(y1), YI2D(y2));
    if (m_penStyle == Qt::NoPen)
        return QRectF(left, top, right - left, bottom - top);
    // The outline lies inside the rectangle, as on the screen: a wide pen
    // does not make the shape larger on paper.
    const double half = PenWidthPixels(m_penWidth) / 2.0;
    return QRectF(left + half, top + half, std::max(0.0, right - left - 2 * half),
                  std::max(0.0, bottom - top - 2 * half));
}

QPointF TCanvasReport::ShapeCorner(double x1, double y1, double x2, double y2) const
{
    return QPointF(std::min(XI2D(x1), XI2D(x2)), std::min(YI2D(y1), YI2D(y2)));
}

void TCanvasReport::DrawShape(const QPainterPath &outline, const QPointF &anchor)
{
    if (m_pathOpen) {
        m_path.addPath(outline);
        return;
    }
    if (!Drawing())
        return;
    ApplyPen(false);
    const std::optional<QColor> ink = TPenRendering::Ink(m_penMode, m_brushColor);
    if (m_brushBitmap.isNull() && m_brushStyle >= Qt::HorPattern && m_brushStyle <= Qt::DiagCrossPattern) {
        if (ink) {
            m_painter.save();
            m_painter.setClipPath(outline, Qt::IntersectClip);
            m_painter.fillPath(HatchPath(outline.boundingRect(), anchor), *ink);
            m_painter.restore();
        }
        m_painter.setBrush(Qt::NoBrush);
    }
    m_painter.drawPath(outline);
}

// A hatch fill as ink, not as an image: one screen pixel of ink for every
// set pixel of the 8 x 8 hatch cell, repeated from `anchor` as the surface
// repeats it from the object's corner.  An image tile with transparent gaps
// comes out with dark fringes wherever a viewer scales its colours apart
// from its mask.
QPainterPath TCanvasReport::HatchPath(const QRectF &area, const QPointF &anchor) const
{
    QImage cell(8, 8, QImage::Format_ARGB32_Premultiplied);
    cell.fill(Qt::transparent);
    {
        QPainter painter(&cell);
        painter.fillRect(cell.rect(), QBrush(Qt::black, m_brushStyle));
    }
    const double sx = XDPI() / cw::ScreenPixelsPerInch, sy = YDPI() / cw::ScreenPixelsPerInch;
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const int firstX = int(std::floor((area.left() - anchor.x()) / (8 * sx))),
              lastX = int(std::ceil((area.right() - anchor.x()) / (8 * sx)));
    const int firstY = int(std::floor((area.top() - anchor.y()) / (8 * sy))),
              lastY = int(std::ceil((area.bottom() - anchor.y()) / (8 * sy)));
    for (int ty = firstY; ty <= lastY; ++ty)
        for (int y = 0; y < 8; ++y)
            for (int tx = firstX; tx <= lastX; ++tx)
                for (int x = 0; x < 8;) {
                    if (qAlpha(cell.pixel(x, y)) == 0) {
                        ++x;
                        continue;
                    }
                    const int run = x;
                    while (x < 8 && qAlpha(cell.pixel(x, y)) != 0)
                        ++x;
                    path.addRect(QRectF(anchor.x() + (8 * tx + run) * sx, anchor.y() + (8 * ty + y) * sy,
                                        (x - run) * sx, sy));
                }
    return path;
}

void TCanvasReport::Rectangle(double x1, double y1, double x2, double y2)
{
    QPainterPath path;
    path.addRect(ShapeRect(x1, y1, x2, y2));
    DrawShape(path, ShapeCorner(x1, y1, x2, y2));
}

void TCanvasReport::RoundRect(double x1, double y1, double x2, double y2, double cornerWidth,
                              double cornerHeight)
{
    QPainterPath path;
    path.addRoundedRect(ShapeRect(x1, y1, x2, y2), std::abs(WidthToDevice(cornerWidth)) / 2.0,
                        std::abs(HeightToDevice(cornerHeight)) / 2.0);
    DrawShape(path, ShapeCorner(x1, y1, x2, y2));
}

void TCanvasReport::Ellipse(double x1, double y1, double x2, double y2)
{
    QPainterPath path;
    path.addEllipse(ShapeRect(x1, y1, x2, y2));
    DrawShape(path, ShapeCorner(x1, y1, x2, y2));
}

void TCanvasReport::MoveTo(double x, double y)
{
    m_current = QPointF(XI2D(x) + 0.5, YI2D(y) + 0.5);
    if (m_pathOpen)
        m_path.moveTo(m_current);
}

void TCanvasReport::LineTo(double x, double y)
{
    const QPointF to(XI2D(x) + 0.5, YI2D(y) + 0.5);
    const QPointF from = m_current;
    m_current = to;
    if (m_pathOpen) {
        if (m_path.elementCount() == 0 || m_path.currentPosition() != from)
            m_path.moveTo(from);
        m_path.lineTo(to);
        return;
    }
    if (!Drawing() || m_penStyle == Qt::NoPen || from == to)
        return;
    // The line runs through pixel centres and, as on the classic device
    // interface, leaves out its last pixel: both ends move back half a pixel
    // along the line.  Filling the stroke outline (rather than stroking) puts
    // the same pixels on raster images and in vector output.
    // Lines end flat where they end, as the surface draws them.
    QPen pen = DevicePen();
    if (pen.style() == Qt::NoPen)
        return;
    pen.setCapStyle(Qt::FlatCap);
    QPointF shift = (to - from) / QLineF(from, to).length() * 0.5;
    // A straight stroke of an even number of dots is centred on its pixel's
    // top (or left) edge, so that its sides fall on pixel edges too.
    if (from.y() != to.y() && from.x() != to.x())
        // A sloping line runs from corner to corner of its end pixels, as
        // the surface draws it, whatever the direction it is drawn in.
        shift = QPointF(0.5, 0.5);
    else if (int(pen.widthF()) % 2 == 0) {
        if (from.y() == to.y())
            shift.ry() += 0.5;
        else
            shift.rx() += 0.5;
    }
    QPainterPath line;
    line.moveTo(from - shift);
    line.lineTo(to - shift);
    QPainterPathStroker stroker(pen);
    ApplyPen(true);
    m_painter.fillPath(stroker.createStroke(line), pen.color());
}

void TCanvasReport::Polygon(const QPolygon &points)
{
    if (points.size() < 2)
        return;
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addPolygon(QPolygonF(points).translated(0.5, 0.5));
    path.closeSubpath();
    DrawShape(path, QPointF(0, 0));
}

void TCanvasReport::FillRect(const QRect &rect)
{
    if (!Drawing() || rect.isEmpty() || m_brushStyle == Qt::NoBrush)
        return;
    ApplyBrush();
    m_painter.fillRect(QRectF(rect), DeviceBrush());
}

} // namespace cw::engine
