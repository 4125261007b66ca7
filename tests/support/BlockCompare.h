#pragma once
// Compares two renderings of the same card in small blocks (6 × 6 pixels),
// by the colours of the ink in each block rather than by a mean, so that one
// line of thin text in the wrong colour shows.
//
// Screen text is hinted at 96 pixels per inch; printed text is drawn at
// 600 dpi and rasterised down: glyph edges fall on other pixels and carry
// other coverage.  So a pixel is not compared with the pixel at the same
// place.  Instead every pixel of a block of one picture must be explained by
// the other picture near the same place (the block widened by `slack`
// pixels): it must lie on a mix of two of the few colours found there — the
// block's background and its inks — as an anti-aliased edge does, or of the
// background and two inks, where an edge crosses another ink.  A mix may
// reach up to `coverageStretch` times further from the colour under it (the
// background or another ink) than the other picture's ink, because a thin
// stroke rasterised down covers its pixels more or less than the same stroke
// on screen: a thin outline over a shape's fill never shows its own pure
// colour on one picture where it covers a whole pixel on the other.
//
// The distance is Euclidean in RGB (0 … 441): black text drawn teal is about
// 60–100 away from every black/white mix, red about 150–200.  It is taken
// both ways (a → b and b → a) and the larger one counts.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

namespace cw::test {

struct BlockDifference
{
    QRect block;         // pixels of the block
    double distance = 0; // 0: every pixel is explained by the other picture
    QColor a;            // the worst pixel of the picture it was found in …
    QColor b;            // … and the ink colour of the other picture there
    bool inFirst = true; // the worst pixel lies in the first picture
};

class BlockCompare
{
public:
    static constexpr int DefaultBlock = 6;

    explicit BlockCompare(int block = DefaultBlock, int slack = 2, double coverageStretch = 2.0);

    // One entry per block, row by row (columns = ceil(width / block)); empty
    // when the pictures differ in size.
    std::vector<BlockDifference> Compare(const QImage &a, const QImage &b) const;
    int Columns(const QImage &image) const { return (image.width() + m_block - 1) / m_block; }

    // The largest entry of Compare (distance 441 for pictures of other sizes).
    BlockDifference Worst(const QImage &a, const QImage &b) const;

    // "block (x,y) 6x6: a #rrggbb vs b #rrggbb, distance d".
    static QString Describe(const BlockDifference &d, const QString &nameA, const QString &nameB);

private:
    // The worst pixel of `from` in `block` and how far it is from every
    // mix of the colours `to` holds around the block.
    BlockDifference oneWay(const QImage &from, const QImage &to, const QRect &block) const;

    int m_block;
    int m_slack;
    double m_stretch;
};

} // namespace cw::test
