#include "support/BlockCompare.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>

namespace cw::test {

namespace {

struct Rgb
{
    double r = 0, g = 0, b = 0;
};

Rgb rgb(QRgb p)
{
    return {double(qRed(p)), double(qGreen(p)), double(qBlue(p))};
}

double length(const Rgb &v)
{
    return std::sqrt(v.r * v.r + v.g * v.g + v.b * v.b);
}

Rgb minus(const Rgb &x, const Rgb &y)
{
    return {x.r - y.r, x.g - y.g, x.b - y.b};
}

// The colours p0 + t·dir for t in [0, tmax]: mixes of two colours, and the
// stronger inks a fuller coverage of the one over the other gives.
struct Segment
{
    Rgb p0;
    Rgb dir;
    double tmax = 1;

    double distance(const Rgb &p) const
    {
        const double dd = dir.r * dir.r + dir.g * dir.g + dir.b * dir.b;
        const Rgb d = minus(p, p0);
        if (dd < 1e-9)
            return length(d);
        const double t = std::clamp((d.r * dir.r + d.g * dir.g + d.b * dir.b) / dd, 0.0, tmax);
        return length({d.r - t * dir.r, d.g - t * dir.g, d.b - t * dir.b});
    }
};

// How far along dir from p0 the colour stays inside the RGB cube.  A channel
// that barely changes does not count: the background averaged to 254.9 red
// against an ink of 255 would otherwise stop a yellow ink's stretch at once.
double insideCube(const Rgb &p0, const Rgb &dir, double limit)
{
    constexpr double Barely = 4.0;
    double t = limit;
    const double from[] = {p0.r, p0.g, p0.b};
    const double step[] = {dir.r, dir.g, dir.b};
    for (int c = 0; c < 3; ++c) {
        if (step[c] > Barely)
            t = std::min(t, (255.0 - from[c]) / step[c]);
        else if (step[c] < -Barely)
            t = std::min(t, -from[c] / step[c]);
    }
    return std::max(1.0, t);
}

// How far p lies from the mixes a·o + b·u + c·v (a, b, c ≥ 0, summing to 1)
// when its nearest point lies inside that triangle; infinity otherwise (the
// triangle's edges are the segments between the colours, measured apart).
double triangleDistance(const Rgb &p, const Rgb &o, const Rgb &u, const Rgb &v)
{
    const Rgb e1 = minus(u, o), e2 = minus(v, o), d = minus(p, o);
    const auto dot = [](const Rgb &x, const Rgb &y) { return x.r * y.r + x.g * y.g + x.b * y.b; };
    const double a = dot(e1, e1), b = dot(e1, e2), c = dot(e2, e2);
    const double det = a * c - b * b;
    if (det < 1e-6)
        return std::numeric_limits<double>::infinity();
    const double pd1 = dot(d, e1), pd2 = dot(d, e2);
    const double s = (c * pd1 - b * pd2) / det;
    const double t = (a * pd2 - b * pd1) / det;
    if (s < 0 || t < 0 || s + t > 1)
        return std::numeric_limits<double>::infinity();
    return length({d.r - s * e1.r - t * e2.r, d.g - s * e1.g - t * e2.g, d.b - s * e1.b - t * e2.b});
}

// The few colours that make up `pixels`: the most frequent one (the
// background), then greedily the pixel least explained by the mixes found
// so far, until every pixel is explained or MaxColours are taken.  Eight:
// where a picture's stripes meet a symbol, a label's text and a shape's
// outline, six colours left a real colour of the other picture unexplained
// (fewer are taken wherever fewer explain every pixel).  The pixel tested
// must still lie on a mix of two colours found there, so text in a colour
// the other picture lacks stays seen: with the colour of the shape before
// it in every label on paper, 138 of the 200 generated cards fail alike
// with six colours and with eight.
constexpr size_t MaxColours = 8;

class Palette
{
public:
    Palette(const std::vector<QRgb> &pixels, double stretch)
    {
        std::array<quint16, 512> counts{};
        int best = 0;
        for (QRgb p : pixels) {
            const int key = ((qRed(p) >> 5) << 6) | ((qGreen(p) >> 5) << 3) | (qBlue(p) >> 5);
            if (++counts[size_t(key)] > counts[size_t(best)])
                best = key;
        }
        Rgb sum;
        int n = 0;
        for (QRgb p : pixels)
            if ((((qRed(p) >> 5) << 6) | ((qGreen(p) >> 5) << 3) | (qBlue(p) >> 5)) == best) {
                sum.r += qRed(p);
                sum.g += qGreen(p);
                sum.b += qBlue(p);
                ++n;
            }
        colors.push_back({sum.r / n, sum.g / n, sum.b / n});
        while (colors.size() < MaxColours) {
            double worst = 0;
            Rgb next;
            for (QRgb p : pixels) {
                const Rgb c = rgb(p);
                const double d = distance(c);
                if (d > worst) {
                    worst = d;
                    next = c;
                }
            }
            if (worst < 6)
                break;
            add(next, stretch);
        }
    }

    double distance(const Rgb &p) const
    {
        double d = length(minus(p, colors.front()));
        for (const Segment &s : segments)
            d = std::min(d, s.distance(p));
        // Where two inks cross on the background (a text edge over a hatch
        // line), one pixel blends all three: the mixes of the background
        // with two inks count too.  A colour that is none of them, such as
        // teal text among black and white, still lies outside every mix.
        for (size_t i = 1; i < colors.size(); ++i)
            for (size_t j = i + 1; j < colors.size(); ++j)
                d = std::min(d, triangleDistance(p, colors.front(), colors[i], colors[j]));
        return d;
    }

    Rgb nearest(const Rgb &p) const
    {
        return *std::min_element(colors.begin(), colors.end(), [&p](const Rgb &x, const Rgb &y) {
            return length(minus(p, x)) < length(minus(p, y));
        });
    }

    std::vector<Rgb> colors;

private:
    void add(const Rgb &c, double stretch)
    {
        for (size_t i = 0; i < colors.size(); ++i) {
            const Rgb dir = minus(c, colors[i]);
            segments.push_back({colors[i], dir, insideCube(colors[i], dir, stretch)});
        }
        colors.push_back(c);
    }

    std::vector<Segment> segments;
};

QColor toColor(const Rgb &c)
{
    return QColor(int(std::lround(c.r)), int(std::lround(c.g)), int(std::lround(c.b)));
}

bool sameBlock(const QImage &a, const QImage &b, const QRect &r)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        if (std::memcmp(a.constScanLine(y) + r.left() * 4, b.constScanLine(y) + r.left() * 4,
                        size_t(r.width()) * 4) != 0)
            return false;
    return true;
}

} // namespace

BlockCompare::BlockCompare(int block, int slack, double coverageStretch)
    : m_block(block), m_slack(slack), m_stretch(coverageStretch)
{
}

BlockDifference BlockCompare::oneWay(const QImage &from, const QImage &to, const QRect &block) const
{
    const QRect around = block.adjusted(-m_slack, -m_slack, m_slack, m_slack).intersected(to.rect());
    std::vector<QRgb> pixels;
    pixels.reserve(size_t(around.width() * around.height()));
    for (int y = around.top(); y <= around.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(to.constScanLine(y));
        pixels.insert(pixels.end(), line + around.left(), line + around.right() + 1);
    }
    const Palette palette(pixels, m_stretch);

    BlockDifference result;
    result.block = block;
    Rgb worstPixel;
    for (int y = block.top(); y <= block.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(from.constScanLine(y));
        for (int x = block.left(); x <= block.right(); ++x) {
            const Rgb p = rgb(line[x]);
            const double d = palette.distance(p);
            if (d > result.distance || (x == block.left() && y == block.top())) {
                result.distance = d;
                worstPixel = p;
            }
        }
    }
    result.a = toColor(worstPixel);
    result.b = toColor(palette.nearest(worstPixel));
    return result;
}

std::vector<BlockDifference> BlockCompare::Compare(const QImage &first, const QImage &second) const
{
    if (first.size() != second.size() || first.isNull())
        return {};
    const QImage a = first.convertToFormat(QImage::Format_RGB32);
    const QImage b = second.convertToFormat(QImage::Format_RGB32);
    std::vector<BlockDifference> blocks;
    for (int top = 0; top < a.height(); top += m_block)
        for (int left = 0; left < a.width(); left += m_block) {
            const QRect block = QRect(left, top, m_block, m_block).intersected(a.rect());
            if (sameBlock(a, b, block)) {
                BlockDifference same;
                same.block = block;
                same.a = same.b = QColor::fromRgb(a.pixel(block.topLeft()));
                blocks.push_back(same);
                continue;
            }
            const BlockDifference ab = oneWay(a, b, block);
            BlockDifference ba = oneWay(b, a, block);
            if (ba.distance > ab.distance) {
                std::swap(ba.a, ba.b);
                ba.inFirst = false;
                blocks.push_back(ba);
            } else {
                blocks.push_back(ab);
            }
        }
    return blocks;
}

BlockDifference BlockCompare::Worst(const QImage &a, const QImage &b) const
{
    const std::vector<BlockDifference> blocks = Compare(a, b);
    if (blocks.empty()) {
        BlockDifference mismatch;
        mismatch.distance = 441;
        return mismatch;
    }
    return *std::max_element(
        blocks.begin(), blocks.end(),
        [](const BlockDifference &x, const BlockDifference &y) { return x.distance < y.distance; });
}

QString BlockCompare::Describe(const BlockDifference &d, const QString &nameA, const QString &nameB)
{
    return QStringLiteral("block (%1,%2) %3x%4: %5 %6 vs %7 %8, distance %9")
        .arg(d.block.x())
        .arg(d.block.y())
        .arg(d.block.width())
        .arg(d.block.height())
        .arg(nameA, d.a.name(), nameB, d.b.name())
        .arg(d.distance, 0, 'f', 1);
}

} // namespace cw::test
