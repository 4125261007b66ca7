#include "support/BlockMeans.h"

#include <QColor>
#include <algorithm>
#include <cstdlib>

namespace cw::test {

QString BlockDifference::ToString() const
{
    return QStringLiteral("worst block differs by %1 at (%2, %3)").arg(worst).arg(at.x()).arg(at.y());
}

QColor BlockMean(const QImage &image, QPoint topLeft, int size)
{
    const QRect block = QRect(topLeft, QSize(size, size)) & image.rect();
    if (block.isEmpty())
        return QColor();
    long r = 0, g = 0, b = 0;
    for (int y = block.top(); y <= block.bottom(); ++y)
        for (int x = block.left(); x <= block.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            r += qRed(p);
            g += qGreen(p);
            b += qBlue(p);
        }
    const long n = long(block.width()) * block.height();
    return QColor(int(r / n), int(g / n), int(b / n));
}

BlockDifference CompareBlocks(const QImage &a, const QImage &b, int block, QRect within)
{
    BlockDifference result;
    if (a.size() != b.size() || a.isNull()) {
        result.worst = 255;
        return result;
    }
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    const QRect area = within.isNull() ? x.rect() : within & x.rect();
    for (int top = area.top(); top <= area.bottom(); top += block)
        for (int left = area.left(); left <= area.right(); left += block) {
            const QColor p = BlockMean(x, QPoint(left, top), block);
            const QColor q = BlockMean(y, QPoint(left, top), block);
            const int d = std::max({std::abs(p.red() - q.red()), std::abs(p.green() - q.green()),
                                    std::abs(p.blue() - q.blue())});
            if (d > result.worst) {
                result.worst = d;
                result.at = QPoint(left, top);
            }
        }
    return result;
}

} // namespace cw::test
