#include "design/model/TCardRenderer.h"

#include "app/model/TCardLayout.h"
#include "design/model/TGGraphicControl.h"
#include "print/engine/Units.h"

#include <QPainter>

namespace cw::model {

QImage TCardRenderer::Render(const std::vector<TGGraphicControl *> &objects, const QSize &size,
                             const QImage &background)
{
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (!background.isNull()) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(0, 0), image.size()), background);
        painter.restore();
    }
    PaintObjects(painter, objects);
    painter.end();
    return image;
}

void TCardRenderer::PaintObjects(QPainter &painter, const std::vector<TGGraphicControl *> &objects)
{
    for (TGGraphicControl *object : objects)
        if (object && object->Visible)
            object->PaintTo(painter, object->Left(), object->Top());
}

std::vector<TGGraphicControl *> TCardRenderer::EdgeObjects(const std::vector<TGGraphicControl *> &objects,
                                                           const QSize &size)
{
    std::vector<TGGraphicControl *> touching;
    for (TGGraphicControl *object : objects) {
        if (!object || !object->Visible)
            continue;
        const QRect frame = object->BoundsRect();
        if (frame.left() <= 0 || frame.top() <= 0 || frame.left() + frame.width() >= size.width() ||
            frame.top() + frame.height() >= size.height())
            touching.push_back(object);
    }
    return touching;
}

void TCardRenderer::DrawBorder(QImage &image, int width)
{
    if (image.isNull() || width < 1)
        return;
    QPainter painter(&image);
    DrawBorder(painter, image.size(), width);
}

void TCardRenderer::DrawBorder(QPainter &painter, const QSize &size, int width)
{
    if (size.isEmpty() || width < 1)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int w = size.width(), h = size.height();
    painter.fillRect(0, 0, w, width, Qt::black);
    painter.fillRect(0, h - width, w, width, Qt::black);
    painter.fillRect(0, 0, width, h, Qt::black);
    painter.fillRect(w - width, 0, width, h, Qt::black);
    painter.restore();
}

QSize TCardRenderer::CardSize(const TCardLayout &layout)
{
    return layout.SurfaceSize(ScreenPixelsPerInch);
}

QSize TCardRenderer::ZoomedSize(const QSize &size, float zoom)
{
    if (zoom == 1.0f)
        return size;
    return QSize(Round(size.width() * double(zoom)), Round(size.height() * double(zoom)));
}

} // namespace cw::model
