#pragma once
// Replays a QPicture with an exact mapping.  QPicture::play() rescales by the
// target device's logical dpi over the dpi the picture was recorded at (the
// screen's); the player cancels that, so a frame of the picture's own
// coordinates lands exactly on the target rectangle of the painter's
// current coordinates, whatever the device.

#include <QPainter>
#include <QPicture>

namespace cw::engine {

class TPicturePlayer
{
public:
    // Plays picture so that source (picture coordinates) fills target
    // (painter coordinates).  The painter's state is restored afterwards.
    static void Play(QPainter &painter, const QPicture &picture, const QRectF &source, const QRectF &target);
};

// Shorthand used by the reports.
inline void PlayPicture(QPainter &painter, const QPicture &picture, const QRectF &source,
                        const QRectF &target)
{
    TPicturePlayer::Play(painter, picture, source, target);
}

} // namespace cw::engine
