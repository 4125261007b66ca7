#include "design/TGBasePanel.h"

#include "app/model/Exception.h"
#include "app/model/ProgramFolder.h"
#include "design/TGHandle.h"
#include "design/TPopupMenuBuilder.h"
#include "print/engine/Units.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace cw::ui {

TGBasePanel::TGBasePanel(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    // Right-clicks open the card and object menus from the mouse handlers.
    setContextMenuPolicy(Qt::PreventContextMenu);
    m_font.setFamily(QStringLiteral("Arial"));
    m_font.setPointSize(10);
    resize(m_cardSize);
    Clock = [] {
        static QElapsedTimer timer = [] {
            QElapsedTimer t;
            t.start();
            return t;
        }();
        return timer.elapsed() + 1;
    };
    RunPopup = [this](std::vector<model::TGMenuItem> &items, const QPoint &globalPos) {
        TPopupMenuBuilder::Popup(items, globalPos, this);
    };
    m_clipboardPath = model::ProgramFolder::file(QStringLiteral("Clipbrd.tmp"));
    m_frame = new TGHandle(this);
    hookFrame();
}

TGBasePanel::~TGBasePanel()
{
    m_frame->Clear();
    m_objects.clear();
    m_hiddenObjects.clear();
    // The clipboard does not outlive the program run; errors are ignored.
    if (!m_clipboardPath.isEmpty() && QFile::exists(m_clipboardPath))
        QFile::remove(m_clipboardPath);
}

void TGBasePanel::setDrawOutline(bool on)
{
    m_drawOutline = on;
    update();
}

void TGBasePanel::setShape(TLabelShapeType shape)
{
    m_shape = shape;
    update();
}

void TGBasePanel::setGridSize(TGridSize size)
{
    m_gridSize = size;
    m_frame->SetGridX(gridPixels());
    m_frame->SetGridY(gridPixels());
    m_frame->SetSnapToGrid(m_snapToGrid);
    update();
}

void TGBasePanel::setShowGrid(bool on)
{
    m_showGrid = on;
    update();
}

void TGBasePanel::setSnapToGrid(bool on)
{
    m_snapToGrid = on;
    // The frame snaps to the grid size in force (4 or 8 pixels).
    m_frame->SetGridX(gridPixels());
    m_frame->SetGridY(gridPixels());
    m_frame->SetSnapToGrid(on);
    update();
}

void TGBasePanel::LoadColorPicture(const QString &path)
{
    setColorPicture(model::TGPicture::FromFile(path));
}

void TGBasePanel::setColorPicture(const QImage &image)
{
    model::TGPicture picture;
    picture.SetBitmap(image);
    setColorPicture(picture);
}

void TGBasePanel::setColorPicture(const model::TGPicture &picture)
{
    m_colorPicture = picture;
    update();
}

void TGBasePanel::ClearColorPicture()
{
    m_colorPicture.Clear();
    update();
}

QSize TGBasePanel::zoomedCardSize(float zoom) const
{
    return QSize(Round(m_cardSize.width() * double(zoom)), Round(m_cardSize.height() * double(zoom)));
}

void TGBasePanel::SetZoom(float factor)
{
    if (factor == m_zoom)
        return;
    m_zooming = true;
    float current = m_zoom;
    if (static_cast<int>(current * 10) == 0)
        current = 1.0f;
    // The card is m_cardSize at 100 % and is shown scaled from it, so zooming
    // in and out again gives the card its size back to the pixel.  A size set
    // from outside (resize) is taken as the card at the current zoom.
    if (size() != zoomedCardSize(current))
        m_cardSize = QSize(Round(width() / double(current)), Round(height() / double(current)));
    m_zoom = factor;
    setFixedSize(zoomedCardSize(factor));
    RescaleObjects(static_cast<double>(factor) / current);
    QApplication::processEvents();
    m_zooming = false;
    update();
}

void TGBasePanel::setCardSize(int cardWidth, int cardHeight)
{
    // Given at the current zoom; kept at 100 %.
    if (m_zoom == 1.0f || static_cast<int>(m_zoom * 10) == 0)
        m_cardSize = QSize(cardWidth, cardHeight);
    else
        m_cardSize = QSize(Round(cardWidth / double(m_zoom)), Round(cardHeight / double(m_zoom)));
    setFixedSize(cardWidth, cardHeight);
    update();
}

void TGBasePanel::Changed()
{
    if (!m_zooming)
        emit LabelChangedEvent(this);
}

void TGBasePanel::CreateObjectInRect(const QRect &) {}

QPainterPath TGBasePanel::OutlineRegion() const
{
    QPainterPath path;
    const QRectF r(0, 0, width() + 1, height() + 1);
    switch (m_shape) {
    case lsRectangle:
        path.addRect(r);
        break;
    case lsRoundRect:
        path.addRoundedRect(r, 12, 12);
        break;
    case lsEllipse:
        path.addEllipse(r);
        break;
    }
    return path;
}

void TGBasePanel::PaintBackground(QPainter &painter) const
{
    const QRect all(0, 0, width(), height());
    painter.fillRect(all, Qt::white);
    if (!m_colorPicture.IsEmpty()) {
        // Stretched over the whole card: a bitmap's pixels are scaled, a
        // metafile is played into the card rectangle as vectors.
        painter.save();
        painter.setClipPath(OutlineRegion());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        m_colorPicture.Draw(painter, QRectF(all));
        painter.restore();
    }
    if (m_drawOutline) {
        painter.save();
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        // A 1-pixel outline covering the card's first and last pixel rows and
        // columns, like a rectangle from (0, 0) to (width, height) exclusive.
        const QRectF r(0.5, 0.5, width() - 1, height() - 1);
        switch (m_shape) {
        case lsRectangle:
            painter.drawRect(r);
            break;
        case lsRoundRect:
            painter.setRenderHint(QPainter::Antialiasing);
            painter.drawRoundedRect(r, 12, 12);
            break;
        case lsEllipse:
            painter.setRenderHint(QPainter::Antialiasing);
            painter.drawEllipse(r);
            break;
        }
        painter.restore();
    }
    if (m_showGrid)
        PaintGrid(painter);
}

void TGBasePanel::PaintGrid(QPainter &painter) const
{
    // Green dots every 4 (or 8) card pixels at x = y = 2 (mod 4 or 8): an
    // 8 x 8 tile drawn at the painter's device pixel ratio, so the dots stay
    // one logical pixel and crisp on HiDPI screens.
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    QImage tile(qCeil(8 * dpr), qCeil(8 * dpr), QImage::Format_ARGB32_Premultiplied);
    tile.setDevicePixelRatio(dpr);
    tile.fill(Qt::transparent);
    {
        QPainter t(&tile);
        const QColor green(0x00, 0x80, 0x00);
        const int step = gridPixels();
        for (int y = 2; y < 8; y += step)
            for (int x = 2; x < 8; x += step)
                t.fillRect(QRectF(x, y, 1, 1), green);
    }
    painter.save();
    painter.setClipPath(OutlineRegion(), Qt::IntersectClip);
    painter.setBrushOrigin(0, 0);
    painter.fillRect(QRect(0, 0, width(), height()), QBrush(tile));
    painter.restore();
}

QRect TGBasePanel::NormalizedBand(const QRect &band)
{
    QRect r;
    r.setCoords(std::min(band.left(), band.right()), std::min(band.top(), band.bottom()),
                std::max(band.left(), band.right()), std::max(band.top(), band.bottom()));
    return r;
}

QRect TGBasePanel::bandPaintRect(const QRect &band) const
{
    const QRect n = NormalizedBand(band);
    return QRect(n.topLeft(), QSize(n.right() - n.left() + 1, n.bottom() - n.top() + 1));
}

void TGBasePanel::PaintRubberBand(QPainter &painter) const
{
    // A dotted white pen in XOR mode: visible on any colour underneath.
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen pen(Qt::white, 1, Qt::DotLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QRect n = NormalizedBand(m_rubberBand);
    painter.drawRect(QRectF(n.left() + 0.5, n.top() + 0.5, n.right() - n.left(), n.bottom() - n.top()));
    painter.restore();
}

void TGBasePanel::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    PaintBackground(painter);
    PaintDesign(painter, event->rect());
    if (m_rubberBanding)
        PaintRubberBand(painter);
}

void TGBasePanel::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    if (objectMouseDown(event->button(), event->modifiers(), p, event->globalPosition().toPoint()))
        return;
    m_rubberBand.setCoords(p.x(), p.y(), p.x(), p.y());
    if (event->button() == Qt::RightButton || event->button() == Qt::MiddleButton) {
        ShowPopupMenu(event->globalPosition().toPoint());
        return;
    }
    if (event->button() == Qt::LeftButton) {
        m_rubberBanding = true;
        setCursor(Qt::PointingHandCursor);
    }
}

void TGBasePanel::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    // A press that selected an object goes on into a drag of the frame.  Only
    // with the selection tool: with a drawing tool the frame hands its mouse
    // input back to the surface, so routing it there would never end.
    if (m_pointing && m_frame->Captured() && !m_rubberBanding) {
        m_frame->HandleMouseMove(event->buttons(), event->modifiers(), p - m_frame->pos());
        return;
    }
    if (!m_rubberBanding) {
        if (!m_pointing)
            setCursor(Qt::DragMoveCursor);
        else if (ObjectAtPoint(p))
            setCursor(Qt::PointingHandCursor);
        else
            unsetCursor();
        return;
    }
    const QRect before = bandPaintRect(m_rubberBand);
    m_rubberBand.setRight(p.x());
    m_rubberBand.setBottom(p.y());
    update(before.adjusted(-1, -1, 1, 1));
    update(bandPaintRect(m_rubberBand).adjusted(-1, -1, 1, 1));
}

void TGBasePanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_frame->Captured() && !m_rubberBanding) {
        m_frame->HandleMouseUp(event->button(), event->modifiers(),
                               event->position().toPoint() - m_frame->pos());
        return;
    }
    if (!m_rubberBanding)
        return;
    m_rubberBanding = false;
    // The band ends where the button was released, even when no move was
    // reported for that last point.
    const QPoint p = event->position().toPoint();
    m_rubberBand.setRight(p.x());
    m_rubberBand.setBottom(p.y());
    m_lastDrag =
        QPoint(m_rubberBand.right() - m_rubberBand.left(), m_rubberBand.bottom() - m_rubberBand.top());
    m_rubberBand = NormalizedBand(m_rubberBand);
    update(bandPaintRect(m_rubberBand).adjusted(-1, -1, 1, 1));
    if (m_pointing) {
        SelectObjectsInBand(m_rubberBand, event->modifiers());
        unsetCursor();
    } else {
        const QRect band = m_rubberBand;
        CreateObjectInRect(band);
        emit DroppedObjectEvent(band);
    }
}

} // namespace cw::ui
