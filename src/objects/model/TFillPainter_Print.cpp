// The paper side of the fill painter: texture tiles and gradient bands at
// printer resolution, and the outline pen.
#include "objects/model/TFillPainter.h"

#include "design/model/TGGraphicControl.h"
#include "print/engine/TBaseReport.h"
#include "print/engine/Units.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <vector>

namespace cw::model {

namespace {
std::function<int()> &colorCountQuery()
{
    static std::function<int()> query;
    return query;
}
} // namespace

int TFillPainter::ScreenColorCount()
{
    if (colorCountQuery())
        return colorCountQuery()();
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || screen->depth() <= 0)
        return 256;
    const int depth = screen->depth();
    return depth >= 24 ? (1 << 24) : (1 << depth);
}

void TFillPainter::SetScreenColorCountQuery(std::function<int()> query)
{
    colorCountQuery() = std::move(query);
}

void TFillPainter::PrintSurface(engine::TBaseReport &report, const QRectF &object, const QRect &area,
                                const QColor &colour)
{
    switch (m_surface) {
    case fsClear:
        return;
    case fsColour:
        report.SetBrush(colour, Qt::SolidPattern);
        report.FillRect(area);
        return;
    case fsSolid:
        if (m_solid.isNull())
            BuildSolidBitmap();
        printTexture(report, m_solid, object, area);
        return;
    case fsTexture:
        printTexture(report, m_image.Image(), object, area);
        return;
    case fsGradient: {
        // The area plus a quarter inch, for rounding at the clip's far edges.
        const QRect cover(area.topLeft(), QSize(Trunc(0.25 * report.XDPI()) + area.width() + 1,
                                                Trunc(0.25 * report.YDPI()) + area.height() + 1));
        PrintGradient(report, object.toRect(), cover, GradientStartColor(), GradientEndColor(),
                      IsHorizontal(m_direction));
        return;
    }
    }
}

void TFillPainter::printTexture(engine::TBaseReport &report, const QImage &picture, const QRectF &object,
                                const QRect &area) const
{
    const double ppi = ScreenPixelsPerInch;
    const double sx = report.XDPI() / ppi;
    const double sy = report.YDPI() / ppi;
    const double tw = picture.width() * sx;
    const double th = picture.height() * sy;
    // The tile grid lies on the screen's grid from the box's corner; it
    // starts whole tiles earlier when the area reaches above or left of it.
    QRectF tiled(QPointF(area.topLeft()), QPointF(area.right() + 1, area.bottom() + 1));
    if (tw > 0 && th > 0) {
        const double before = std::max(0.0, std::ceil((object.left() - area.left()) / tw - 1e-9)) * tw;
        const double above = std::max(0.0, std::ceil((object.top() - area.top()) / th - 1e-9)) * th;
        tiled.setTopLeft(object.topLeft() - QPointF(before, above));
    }
    // A preview on a screen of 256 colours or fewer gets one composed bitmap.
    const TObjectHost *host = m_owner.Host();
    const bool composed = host && host->IsPreviewing() && ScreenColorCount() <= 256;
    PrintTiles(report, picture,
               tiled.translated(report.UnprintableLeftPixels(), report.UnprintableTopPixels()), sx, sy,
               composed);
}

bool TFillPainter::SetupOutline(engine::TBaseReport &report, const QColor &brushColour) const
{
    if (m_outlineStyle == psClear)
        return false;
    report.SetBrush(brushColour, Qt::NoBrush);
    report.SetPen(TGColor::ToQColor(m_outlineColor), TGPen::ToQtStyle(m_outlineStyle),
                  -std::max(m_outlineWidth, 1) * 100.0 / ScreenPixelsPerInch, engine::TPenMode::pmCopy);
    return true;
}

namespace {

// The picture with its first column repeated after its last and its first
// row after its bottom: one tile and the start of its neighbours.
QImage wrappedByOnePixel(const QImage &picture)
{
    // Every card of a sheet prints the same tiles: the last few made are
    // kept, so the PDF stores each once.
    struct Made
    {
        qint64 key;
        QImage tile;
    };
    thread_local std::vector<Made> made;
    for (const Made &m : made)
        if (m.key == picture.cacheKey())
            return m.tile;
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    QImage out(source.width() + 1, source.height() + 1, QImage::Format_ARGB32);
    if (out.isNull())
        return source;
    for (int y = 0; y < out.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(source.constScanLine(y % source.height()));
        auto *to = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            to[x] = from[x % source.width()];
    }
    if (made.size() >= 8)
        made.erase(made.begin());
    made.push_back({picture.cacheKey(), out});
    return out;
}

} // namespace

void TFillPainter::PrintTiles(engine::TBaseReport &report, const QImage &picture, const QRectF &box,
                              double sx, double sy, bool composed)
{
    if (picture.isNull())
        return;
    const double stepX = picture.width() * sx;
    const double stepY = picture.height() * sy;
    if (Round(stepX) < 1 || Round(stepY) < 1)
        return;
    const double dx = report.XDPI();
    const double dy = report.YDPI();
    if (composed) {
        const QRect dots = box.toRect();
        const int tw = Round(stepX), th = Round(stepY);
        QImage sheet(dots.width() + 1, dots.height() + 1, QImage::Format_RGB32);
        if (sheet.isNull())
            return;
        sheet.fill(Qt::white);
        {
            QPainter p(&sheet);
            for (int y = 0; y < dots.height() + th; y += th)
                for (int x = 0; x < dots.width() + tw; x += tw)
                    p.drawImage(QRect(x, y, tw, th), picture);
        }
        report.PrintBitmapRect(dots.left() / dx, dots.top() / dy, (dots.left() + dots.width()) / dx,
                               (dots.top() + dots.height()) / dy, sheet);
        return;
    }
    // Every tile starts exactly where the screen's tile starts, between
    // printer dots where it falls there: tiles on whole dots moved a
    // texture's stripes by up to a sixth of a screen pixel.
    // Each tile overlaps the next by one of its pixels, so no seam shows
    // between them; the overlap repeats the next tile's first pixels rather
    // than stretching the tile, which put its pixels up to a screen pixel
    // away from where the screen has them.
    const QImage overlapping = wrappedByOnePixel(picture);
    const double tileX = stepX + stepX / picture.width();
    const double tileY = stepY + stepY / picture.height();
    for (int j = 0; j * stepY < box.height(); ++j)
        for (int i = 0; i * stepX < box.width(); ++i) {
            const double x1 = (box.left() + i * stepX) / dx;
            const double y1 = (box.top() + j * stepY) / dy;
            report.PrintBitmapRect(x1, y1, x1 + tileX / dx, y1 + tileY / dy, overlapping);
        }
}

void TFillPainter::PrintGradient(engine::TBaseReport &report, const QRect &box, const QRect &cover,
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
