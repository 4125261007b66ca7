#include "objects/model/TSuperShapeFill.h"

#include "print/engine/TBaseReport.h"
#include "print/engine/Units.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QStringList>

namespace cw::model {

namespace {
std::function<int()> &colorCountQuery()
{
    static std::function<int()> query;
    return query;
}
} // namespace

const QStringList &TSuperShapeFill::FillDirectionNames()
{
    static const QStringList names{"gdUp", "gdDown", "gdLeft", "gdRight"};
    return names;
}

QColor TSuperShapeFill::BandColor(const QColor &start, const QColor &end, int i)
{
    return QColor(start.red() + MulDiv(i, end.red() - start.red(), 255),
                  start.green() + MulDiv(i, end.green() - start.green(), 255),
                  start.blue() + MulDiv(i, end.blue() - start.blue(), 255));
}

QRect TSuperShapeFill::BandRect(int i, int w, int h, bool horizontal)
{
    if (horizontal) {
        const int x1 = MulDiv(i, w, 256);
        const int x2 = MulDiv(i + 1, w, 256);
        return QRect(x1, 0, x2 - x1, h);
    }
    const int y1 = MulDiv(i, h, 256);
    const int y2 = MulDiv(i + 1, h, 256);
    return QRect(0, y1, w, y2 - y1);
}

QImage TSuperShapeFill::GradientBitmap(int w, int h, const QColor &start, const QColor &end, bool horizontal)
{
    if (w <= 0 || h <= 0)
        return QImage();
    QImage image(w, h, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(start);
    QPainter p(&image);
    for (int i = 0; i < 256; ++i) {
        const QRect band = BandRect(i, w, h, horizontal);
        if (!band.isEmpty())
            p.fillRect(band, BandColor(start, end, i));
    }
    return image;
}

void TSuperShapeFill::TileOnScreen(QPainter &painter, const QImage &picture, QSize tileSize, int w, int h)
{
    if (picture.isNull() || tileSize.width() < 1 || tileSize.height() < 1)
        return;
    const bool exact = tileSize == picture.size();
    for (int y = 0; y < h; y += tileSize.height())
        for (int x = 0; x < w; x += tileSize.width()) {
            if (exact)
                painter.drawImage(QPoint(x, y), picture);
            else
                painter.drawImage(QRect(QPoint(x, y), tileSize), picture);
        }
}

int TSuperShapeFill::ScreenColorCount()
{
    if (colorCountQuery())
        return colorCountQuery()();
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || screen->depth() <= 0)
        return 256;
    const int depth = screen->depth();
    return depth >= 24 ? (1 << 24) : (1 << depth);
}

void TSuperShapeFill::SetScreenColorCountQuery(std::function<int()> query)
{
    colorCountQuery() = std::move(query);
}

void TSuperShapeFill::PrintTiles(engine::TBaseReport &report, const QImage &picture, const QRect &box,
                                 double sx, double sy, bool composed)
{
    if (picture.isNull())
        return;
    const int tw = Round(picture.width() * sx);
    const int th = Round(picture.height() * sy);
    if (tw < 1 || th < 1)
        return;
    const int L = box.left();
    const int T = box.top();
    const int R = box.left() + box.width();
    const int B = box.top() + box.height();
    const double dx = report.XDPI();
    const double dy = report.YDPI();
    if (composed) {
        QImage sheet(R - L + 1, B - T + 1, QImage::Format_RGB32);
        if (sheet.isNull())
            return;
        sheet.fill(Qt::white);
        {
            QPainter p(&sheet);
            for (int y = 0; y < B - T + th; y += th)
                for (int x = 0; x < R - L + tw; x += tw)
                    p.drawImage(QRect(x, y, tw, th), picture);
        }
        report.PrintBitmapRect(L / dx, T / dy, R / dx, B / dy, sheet);
        return;
    }
    for (int y = 0; y < B - T + th; y += th)
        for (int x = 0; x < R - L + tw; x += tw) {
            const double x1 = (L + x) / dx;
            const double y1 = (T + y) / dy;
            report.PrintBitmapRect(x1, y1, x1 + tw / dx + 0.01, y1 + th / dy + 0.01, picture);
        }
}

void TSuperShapeFill::PrintGradient(engine::TBaseReport &report, const QRect &box, const QRect &cover,
                                    const QColor &start, const QColor &end, bool horizontal)
{
    if (box.isEmpty() || cover.isEmpty())
        return;
    report.SetPen(Qt::black, Qt::SolidLine, -1, engine::TPenMode::pmCopy);
    auto fill = [&](const QRect &r, const QColor &colour) {
        if (r.isEmpty())
            return;
        report.SetBrush(colour, Qt::SolidPattern);
        report.FillRect(r);
    };
    // Neighbouring bands of the same colour (a gentle gradient has many)
    // go out as one rectangle: the same pixels, far fewer drawing calls.
    auto forEachRun = [&](int w, int h, bool across, const auto &paint) {
        int runStart = 0;
        int runEnd = 0;
        QColor runColour;
        for (int i = 0; i < 256; ++i) {
            const QRect band = BandRect(i, w, h, across);
            if (band.isEmpty())
                continue;
            const QColor colour = BandColor(start, end, i);
            const int from = across ? band.left() : band.top();
            const int to = from + (across ? band.width() : band.height());
            if (runEnd > runStart && colour == runColour && from == runEnd) {
                runEnd = to;
                continue;
            }
            if (runEnd > runStart)
                paint(runStart, runEnd, runColour);
            runStart = from;
            runEnd = to;
            runColour = colour;
        }
        if (runEnd > runStart)
            paint(runStart, runEnd, runColour);
    };
    const int coverRight = cover.left() + cover.width();
    const int coverBottom = cover.top() + cover.height();
    const int boxRight = box.left() + box.width();
    const int boxBottom = box.top() + box.height();
    if (horizontal) {
        fill(QRect(QPoint(cover.left(), cover.top()), QPoint(box.left() - 1, coverBottom - 1)), start);
        forEachRun(box.width(), box.height(), true, [&](int from, int to, const QColor &colour) {
            fill(QRect(box.left() + from, cover.top(), to - from, cover.height()), colour);
        });
        fill(QRect(QPoint(boxRight, cover.top()), QPoint(coverRight - 1, coverBottom - 1)), end);
    } else {
        fill(QRect(QPoint(cover.left(), cover.top()), QPoint(coverRight - 1, box.top() - 1)), start);
        forEachRun(box.width(), box.height(), false, [&](int from, int to, const QColor &colour) {
            fill(QRect(cover.left(), box.top() + from, cover.width(), to - from), colour);
        });
        fill(QRect(QPoint(cover.left(), boxBottom), QPoint(coverRight - 1, coverBottom - 1)), end);
    }
}

} // namespace cw::model
