#include "design/model/TBitmapStretch.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <vector>

namespace cw::model {

namespace {

// How much of the pixel centred at 0 lies left of x, for the three shapes a
// source pixel takes in the smooth picture: a tent one pixel to either side,
// a tent whose left (or right) half is flat for the first (or last) pixel of
// a row, and flat on both sides for a bitmap one pixel wide.
double area(double x, bool flatLeft, bool flatRight)
{
    if (x <= 0) {
        if (flatLeft)
            return x;
        return x <= -1 ? 0 : (x + 1) * (x + 1) / 2;
    }
    const double left = flatLeft ? 0 : 0.5;
    if (flatRight)
        return left + x;
    return x >= 1 ? left + 0.5 : left + 0.5 - (1 - x) * (1 - x) / 2;
}

// The source pixels one destination pixel averages, with their weights.
struct Taps
{
    int first = 0;
    std::vector<float> weights;
};

std::vector<Taps> tapsFor(int from, int to)
{
    std::vector<Taps> taps(static_cast<size_t>(to));
    const double scale = double(from) / to;
    for (int i = 0; i < to; ++i) {
        const double a = i * scale, b = (i + 1) * scale;
        const int first = std::max(0, int(std::floor(a - 0.5)));
        const int last = std::min(from - 1, int(std::ceil(b + 0.5)));
        Taps &t = taps[size_t(i)];
        t.first = first;
        double sum = 0;
        for (int j = first; j <= last; ++j) {
            const double centre = j + 0.5;
            const bool flatLeft = j == 0, flatRight = j == from - 1;
            const double w = area(b - centre, flatLeft, flatRight) - area(a - centre, flatLeft, flatRight);
            t.weights.push_back(float(w));
            sum += w;
        }
        // The weights cover the pixel's whole area; dividing by their sum
        // also takes out the rounding of the area sums.
        for (float &w : t.weights)
            w = float(w / sum);
    }
    return taps;
}

} // namespace

QImage StretchBitmap(const QImage &source, const QSize &size)
{
    if (source.isNull() || size.isEmpty())
        return QImage();
    const QImage in = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    if (in.isNull() || out.isNull())
        return QImage();
    const int sw = in.width(), sh = in.height(), dw = size.width(), dh = size.height();
    const std::vector<Taps> across = tapsFor(sw, dw);
    const std::vector<Taps> down = tapsFor(sh, dh);

    // Across first, into four floats per pixel, then down.  Only the source
    // rows the current result row averages are kept (a photograph shrunk
    // onto a card would otherwise hold all its rows at the result's width).
    const auto filterRow = [&](int y, std::vector<float> &row) {
        row.resize(size_t(dw) * 4);
        const auto *line = reinterpret_cast<const QRgb *>(in.constScanLine(y));
        for (int x = 0; x < dw; ++x) {
            const Taps &t = across[size_t(x)];
            float a = 0, r = 0, g = 0, b = 0;
            for (size_t k = 0; k < t.weights.size(); ++k) {
                const QRgb p = line[t.first + int(k)];
                const float w = t.weights[k];
                a += w * float(qAlpha(p));
                r += w * float(qRed(p));
                g += w * float(qGreen(p));
                b += w * float(qBlue(p));
            }
            float *o = row.data() + size_t(x) * 4;
            o[0] = a;
            o[1] = r;
            o[2] = g;
            o[3] = b;
        }
    };
    std::deque<std::vector<float>> window; // filtered source rows from windowFirst on
    int windowFirst = 0;
    const auto channel = [](float v) { return std::clamp(int(std::lround(v)), 0, 255); };
    for (int y = 0; y < dh; ++y) {
        const Taps &t = down[size_t(y)];
        while (!window.empty() && windowFirst < t.first) {
            window.pop_front();
            ++windowFirst;
        }
        if (window.empty())
            windowFirst = t.first;
        while (windowFirst + int(window.size()) < t.first + int(t.weights.size())) {
            window.emplace_back();
            filterRow(windowFirst + int(window.size()) - 1, window.back());
        }
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < dw; ++x) {
            float a = 0, r = 0, g = 0, b = 0;
            for (size_t k = 0; k < t.weights.size(); ++k) {
                const float *p = window[k].data() + size_t(x) * 4;
                const float w = t.weights[k];
                a += w * p[0];
                r += w * p[1];
                g += w * p[2];
                b += w * p[3];
            }
            // Premultiplied: no colour may exceed its alpha.
            const int alpha = channel(a);
            line[x] = qRgba(std::min(channel(r), alpha), std::min(channel(g), alpha),
                            std::min(channel(b), alpha), alpha);
        }
    }
    return out;
}

} // namespace cw::model
