#pragma once
// Where two pictures of one card disagree about ink, block by block: the
// share of inked pixels in each small block (6 x 6 by default) is compared,
// so a letter or symbol that is missing, added or different in shape shows
// as whole blocks of difference, while the soft edges of a print rasterised
// down to screen resolution move a block's share only a little.  Pixels are
// "inked" when some channel is far from white, so coloured fills count too.

#include <QImage>
#include <QPoint>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace cw::test {

inline bool InkedPixel(QRgb p)
{
    return std::max({255 - qRed(p), 255 - qGreen(p), 255 - qBlue(p)}) > 100;
}

struct InkBlockDifference
{
    double worst = 0; // largest difference of inked shares (0 … 1)
    QPoint block;     // top-left pixel of that block
    double a = 0;     // the shares there
    double b = 0;
    QString Describe() const
    {
        return QStringLiteral("block at %1,%2: %3 vs %4 inked")
            .arg(block.x())
            .arg(block.y())
            .arg(a, 0, 'f', 2)
            .arg(b, 0, 'f', 2);
    }
};

// The share of inked pixels in the block of `image` at (x, y) whose size is
// `size` pixels (cut at the picture's edge).
inline double InkShare(const QImage &image, int x, int y, int size)
{
    int inked = 0;
    int all = 0;
    for (int yy = y; yy < std::min(y + size, image.height()); ++yy)
        for (int xx = x; xx < std::min(x + size, image.width()); ++xx) {
            ++all;
            inked += InkedPixel(image.pixel(xx, yy));
        }
    return all ? double(inked) / all : 0.0;
}

// Compares `a` block by block with `b`, whose pixels may be `scale` times as
// many in each direction (a zoomed copy): a's blocks of `size` pixels meet
// b's blocks of size × scale.  The worst block is reported.
inline InkBlockDifference CompareInkBlocks(const QImage &a, const QImage &b, int size = 6, int scale = 1)
{
    InkBlockDifference result;
    for (int y = 0; y < a.height(); y += size)
        for (int x = 0; x < a.width(); x += size) {
            const double sa = InkShare(a, x, y, size);
            const double sb = InkShare(b, x * scale, y * scale, size * scale);
            if (std::abs(sa - sb) > result.worst) {
                result.worst = std::abs(sa - sb);
                result.block = QPoint(x, y);
                result.a = sa;
                result.b = sb;
            }
        }
    return result;
}

} // namespace cw::test
