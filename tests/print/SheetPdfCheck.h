#pragma once
// Checks of a printed sheet in a PDF file: every page rasterised at 300 dpi
// with pdftoppm, and every card cell of the layout compared with where the
// margins, pitches and nudges put it.  Shared by the command-line and the
// designer's "save sheet as PDF" tests.

#include "app/model/TCardLayout.h"
#include "app/model/TPreferences.h"
#include "print/model/TBackRegistration.h"
#include "print/model/TLabelPrintJob.h"

#include <QCollator>
#include <QDir>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QProcess>
#include <QRect>
#include <QString>
#include <climits>
#include <cmath>

namespace cw::test {

constexpr int SheetDpi = 300;

// Letter, 2 x 4 cards of 3.5 x 2 inches with gaps between them.
inline model::TCardLayout LetterLayoutWithGaps()
{
    model::TCardLayout layout;
    layout.Height = 2.0f;
    layout.Width = 3.5f;
    layout.Across = 2;
    layout.Down = 4;
    layout.TopMargin = 0.75f;
    layout.LeftMargin = 0.55f;
    layout.HPitch = 4.0f;
    layout.VPitch = 2.496f;
    layout.Papersize = model::TCardLayout::PaperLetter;
    return layout;
}

// The sheet a layout, the nudges (1/32 inch) and a selection must give,
// worked out by hand.
inline model::TLabelPrintSettings
ExpectedSheet(const model::TCardLayout &layout, const model::TPrinterNudges &n,
              const model::TCardSelection &selection = model::TCardSelection())
{
    model::TLabelPrintSettings s;
    s.Across = layout.Across;
    s.Down = layout.Down;
    s.CardWidth = layout.Width;
    s.CardHeight = layout.Height;
    s.LeftMargin = double(layout.LeftMargin) + n.LeftMarginNudge / 32.0;
    s.TopMargin = double(layout.TopMargin) + n.TopMarginNudge / 32.0;
    s.HorizontalPitch = double(layout.HPitch) + n.HorizontalSpacing / 32.0;
    s.VerticalPitch = double(layout.VPitch) + n.VerticalSpacing / 32.0;
    s.Selection = selection;
    return s;
}

// Every page of `pdf` as an image, in page order; empty when pdftoppm fails.
inline QList<QImage> RasterisePdf(const QString &pdf, const QString &folder)
{
    const QString base = QDir(folder).filePath(QStringLiteral("page"));
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    QProcess raster;
    raster.start(QStringLiteral("pdftoppm"), {"-r", QString::number(SheetDpi), "-png", pdf, base});
    if (!raster.waitForFinished(120000) || raster.exitStatus() != QProcess::NormalExit ||
        raster.exitCode() != 0)
        return {};
    QStringList names = QDir(folder).entryList({QStringLiteral("page-*.png")}, QDir::Files);
    QCollator numeric;
    numeric.setNumericMode(true);
    std::sort(names.begin(), names.end(), numeric);
    QList<QImage> pages;
    for (const QString &name : names)
        pages << QImage(QDir(folder).filePath(name)).convertToFormat(QImage::Format_RGB32);
    return pages;
}

// The smallest rectangle holding every pixel darker than `threshold` (grey
// level) inside `within`; null when there is none.
inline QRect InkBounds(const QImage &picture, QRect within, int threshold = 128)
{
    const QImage image = picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
                             ? picture
                             : picture.convertToFormat(QImage::Format_RGB32);
    within = within.intersected(image.rect());
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = within.left(); x <= within.right(); ++x)
            if (qGray(line[x]) < threshold) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Device pixels (300 dpi) covered by the inch rectangle (x, y)-(x + w, y + h).
inline QRect CellPixels(double x, double y, double w, double h)
{
    const auto px = [](double inches) { return int(std::lround(inches * SheetDpi)); };
    return QRect(QPoint(px(x), px(y)), QPoint(px(x + w) - 1, px(y + h) - 1));
}

// What each selected card leaves on the sheet: a filled box of `width` x
// `height` inches at the card's corner, or (outline) the card's outline.
struct CardMark
{
    double width = 0;
    double height = 0;
    bool outline = false;
};

// Empty when `page` shows exactly the sheet `s` describes: every selected
// position of the sheet has its mark within one device pixel of the
// position's corner (left margin + column x pitch, top likewise), filled or
// hollow as asked; every other position is blank.
inline QString CheckSheet(const QImage &page, const model::TLabelPrintSettings &s, const CardMark &mark)
{
    const int positions = s.Across * s.Down;
    for (int k = 0; k < positions; ++k) {
        const int c = k % s.Across;
        const int r = k / s.Across;
        const double x = s.LeftMargin + c * s.HorizontalPitch;
        const double y = s.TopMargin + r * s.VerticalPitch;
        const QRect expected = CellPixels(x, y, mark.width, mark.height);
        // Thin hairlines come out grey once rasterised: any ink counts.
        const QRect found = InkBounds(page, expected.adjusted(-12, -12, 12, 12), mark.outline ? 250 : 128);
        if (!s.Selection[std::size_t(k)]) {
            if (!found.isNull())
                return QStringLiteral("position %1 is not selected but printed").arg(k + 1);
            continue;
        }
        const auto near = [](int a, int b) { return std::abs(a - b) <= 1; };
        if (found.isNull() || !near(found.left(), expected.left()) ||
            !near(found.right(), expected.right()) || !near(found.top(), expected.top()) ||
            !near(found.bottom(), expected.bottom()))
            return QStringLiteral("position %1: ink at %2,%3-%4,%5, expected %6,%7-%8,%9")
                .arg(k + 1)
                .arg(found.left())
                .arg(found.top())
                .arg(found.right())
                .arg(found.bottom())
                .arg(expected.left())
                .arg(expected.top())
                .arg(expected.right())
                .arg(expected.bottom());
        const bool centreInked = qGray(page.pixel(expected.center())) < 128;
        if (centreInked == mark.outline)
            return QStringLiteral("position %1 is %2").arg(k + 1).arg(mark.outline ? "filled" : "hollow");
    }
    return {};
}

// The centre of the ink inside `within`, in device pixels from the page's
// edge (ink covering pixels a … b has its centre at (a + b + 1) / 2); far off
// the page when there is none.
inline QPointF InkCentre(const QImage &page, const QRect &within, int threshold = 128)
{
    const QRect ink = InkBounds(page, within, threshold);
    if (ink.isNull())
        return QPointF(-1000, -1000);
    return QPointF((ink.left() + ink.right() + 1) / 2.0, (ink.top() + ink.bottom() + 1) / 2.0);
}

// Empty when, for every position of `s`, the centre of the ink in the card
// on `front` and the centre of the ink behind it on `back` (the back page
// turned over about the binding edge) differ by the registration offset as
// seen through the sheet, to one device pixel.  A back card's ink is looked
// for 60 pixels inside its cell, leaving out marks in its corners.
inline QString CheckBacks(const QImage &front, const QImage &back, const model::TLabelPrintSettings &s,
                          const model::TBackRegistration &registration, int threshold = 128)
{
    const bool longEdge = registration.Binding == model::TBinding::LongEdge;
    const QImage turned = back.mirrored(longEdge, !longEdge);
    const double step = SheetDpi / 32.0;
    const QPointF offset(registration.Horizontal * step * (longEdge ? -1 : 1),
                         registration.Vertical * step * (longEdge ? 1 : -1));
    for (int k = 0; k < s.Across * s.Down; ++k) {
        const QRect cell =
            CellPixels(s.LeftMargin + (k % s.Across) * s.HorizontalPitch,
                       s.TopMargin + (k / s.Across) * s.VerticalPitch, s.CardWidth, s.CardHeight);
        const QPointF f = InkCentre(front, cell, threshold);
        const QRect behind = cell.translated(int(std::lround(offset.x())), int(std::lround(offset.y())))
                                 .adjusted(60, 60, -60, -60);
        const QPointF b = InkCentre(turned, behind, threshold);
        const QPointF miss = b - (f + offset);
        if (f.x() < 0 || std::abs(miss.x()) > 1.0 || std::abs(miss.y()) > 1.0)
            return QStringLiteral("card %1: front centre %2,%3, back centre %4,%5 (offset %6,%7)")
                .arg(k + 1)
                .arg(f.x())
                .arg(f.y())
                .arg(b.x())
                .arg(b.y())
                .arg(offset.x())
                .arg(offset.y());
    }
    return {};
}

} // namespace cw::test
