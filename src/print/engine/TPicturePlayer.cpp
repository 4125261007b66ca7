#include "print/engine/TPicturePlayer.h"

#include "print/engine/TPainterState.h"

#include <QPaintDevice>

namespace cw::engine {

void TPicturePlayer::Play(QPainter &painter, const QPicture &picture, const QRectF &source,
                          const QRectF &target)
{
    if (picture.isNull() || source.isEmpty() || target.isEmpty() || !painter.isActive())
        return;
    const QPaintDevice *device = painter.device();
    const double deviceDpiX =
        device && device->logicalDpiX() > 0 ? device->logicalDpiX() : picture.logicalDpiX();
    const double deviceDpiY =
        device && device->logicalDpiY() > 0 ? device->logicalDpiY() : picture.logicalDpiY();

    painter.save();
    // The picture holds only what it changed from a fresh painter.
    TPainterState::Reset(painter);
    painter.translate(target.topLeft());
    painter.scale(target.width() / source.width(), target.height() / source.height());
    painter.translate(-source.topLeft());
    // Undo the rescaling play() is about to apply.
    painter.scale(picture.logicalDpiX() / deviceDpiX, picture.logicalDpiY() / deviceDpiY);
    QPicture shared(picture); // play() is not const; the copy shares the data
    shared.play(&painter);
    painter.restore();
}

} // namespace cw::engine
