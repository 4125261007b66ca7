#pragma once
// Strict comparison of two renderings of the same card, block by block: the
// mean colour of every small block (6 x 6 pixels by default) must agree per
// channel within a limit.  Unlike a mean over the whole card, one line drawn
// in the wrong colour, dashed where it should be solid or missing altogether
// shows up as a block that disagrees.

#include <QImage>
#include <QPoint>
#include <QString>

namespace cw::test {

struct BlockDifference
{
    int worst = 0; // largest per-channel difference of block means (0..255)
    QPoint at;     // top-left pixel of the block where it occurs
    QString ToString() const;
};

// Compares a and b (same size) within `within` (the whole picture when
// null).  A size mismatch counts as a difference of 255.
BlockDifference CompareBlocks(const QImage &a, const QImage &b, int block = 6, QRect within = QRect());

// The mean colour of the block of `size` x `size` pixels at `topLeft`.
QColor BlockMean(const QImage &image, QPoint topLeft, int size = 6);

} // namespace cw::test
