#include "support/CardOutputs.h"

#include "design/TGBasePanel.h"
#include "design/TGHandle.h"
#include "print/model/TSheetBackground.h"
#include "print/printer/TReportPrinter.h"

#include <QDir>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <vector>

namespace cw::test {

namespace {

// Where the card sits on the printed sheet, inches from its corner.
constexpr double CardLeft = 1.0;
constexpr double CardTop = 1.0;
constexpr int Dpi = 96;
// Cells are rasterised at a multiple of the printer's 600 dots per inch
// (PaperDpi) and averaged down by area.  At 96 dpi the rasteriser takes every pixel a clip
// rectangle touches, so a clip edge a dot off the pixel grid let a whole row
// of clipped text show; at a resolution that is not a multiple of the
// printer's it puts a picture's edges on its own whole pixels, up to one of
// them away.  And it sets each glyph on the whole dot above its baseline:
// at 600 dpi that moved text up to a sixth of a pixel, at 1200 a twelfth.

// The dots of one axis that one 96-dpi pixel covers, each with the share
// of the pixel it makes up.
struct Share
{
    int dot;
    double weight;
};

std::vector<std::vector<Share>> sharesAlong(double start, int pixels, int dots, int dpi)
{
    const double step = double(dpi) / Dpi;
    std::vector<std::vector<Share>> all(size_t(std::max(0, pixels)));
    for (int i = 0; i < pixels; ++i) {
        const double from = start + i * step, to = from + step;
        for (int d = int(std::floor(from)); d < to && d < dots; ++d) {
            const double covered = std::min(to, d + 1.0) - std::max(from, double(d));
            if (d >= 0 && covered > 0)
                all[size_t(i)].push_back({d, covered / step});
        }
    }
    return all;
}

// The cell `size` pixels large whose corner lies `start` dots into the
// raster, each pixel the mean of the dots it covers: the dots of each row
// are averaged along it first, then the rows down each column.
QImage averagedDown(const QImage &source, QPointF start, QSize size, int dpi)
{
    const QImage in = source.convertToFormat(QImage::Format_RGB32);
    const auto columns = sharesAlong(start.x(), size.width(), in.width(), dpi);
    const auto rows = sharesAlong(start.y(), size.height(), in.height(), dpi);
    struct Sum
    {
        double r = 0, g = 0, b = 0, weight = 0;
    };
    // Each raster row averaged across the cell's columns.
    std::vector<Sum> across(size_t(in.height()) * size_t(size.width()));
    for (int dot = 0; dot < in.height(); ++dot) {
        const auto *line = reinterpret_cast<const QRgb *>(in.constScanLine(dot));
        for (int x = 0; x < size.width(); ++x) {
            Sum &sum = across[size_t(dot) * size_t(size.width()) + size_t(x)];
            for (const Share &column : columns[size_t(x)]) {
                const QRgb p = line[column.dot];
                sum.r += column.weight * qRed(p);
                sum.g += column.weight * qGreen(p);
                sum.b += column.weight * qBlue(p);
                sum.weight += column.weight;
            }
        }
    }
    QImage out(size, QImage::Format_RGB32);
    out.fill(Qt::white);
    for (int y = 0; y < size.height(); ++y) {
        auto *target = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            Sum total;
            for (const Share &row : rows[size_t(y)]) {
                const Sum &part = across[size_t(row.dot) * size_t(size.width()) + size_t(x)];
                total.r += row.weight * part.r;
                total.g += row.weight * part.g;
                total.b += row.weight * part.b;
                total.weight += row.weight * part.weight;
            }
            if (total.weight > 0)
                target[x] =
                    qRgb(int(std::lround(total.r / total.weight)), int(std::lround(total.g / total.weight)),
                         int(std::lround(total.b / total.weight)));
        }
    }
    return out;
}

bool inked(QRgb pixel)
{
    return std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 200;
}

} // namespace

CardOutputs RenderCardOutputs(ui::TGBasePanel &surface, const QString &pdfPath, const QString &backgroundFile)
{
    CardOutputs result;
    surface.SetZoom(1.0f);
    result.exported = surface.RenderToBitmap();
    // The screen: the surface's own paint with the selection cleared; the
    // grid is painted only when shown and the outline lies on the edge.
    surface.Frame().hide();
    const bool grid = surface.ShowGrid();
    const bool outline = surface.DrawOutline();
    surface.setShowGrid(false);
    surface.setDrawOutline(false);
    result.screen = surface.grab().toImage().convertToFormat(QImage::Format_RGB32);
    surface.setShowGrid(grid);
    surface.setDrawOutline(outline);

    QTemporaryDir temp;
    const QString pdf = pdfPath.isEmpty() ? temp.filePath(QStringLiteral("card.pdf")) : pdfPath;
    printer::TReportPrinter report;
    report.SetOutputFileName(pdf);
    report.SetResolution(600);
    report.SetPaperSize(engine::PaperLetter);
    model::TSheetBackground background;
    background.Load(backgroundFile);
    const double cardWidth = double(result.exported.width()) / Dpi;
    const double cardHeight = double(result.exported.height()) / Dpi;
    report.OnPrint = [&](engine::TBaseReport &r) {
        r.MarginLeft = 0;
        r.MarginTop = 0;
        background.Print(r, CardLeft, CardTop, cardWidth, cardHeight);
        surface.setPrinting(true);
        surface.PrintObjects(r, CardLeft, CardTop);
        surface.setPrinting(false);
    };
    try {
        report.Execute();
    } catch (const std::exception &e) {
        result.error = QString::fromLocal8Bit(e.what());
        return result;
    } catch (...) {
        result.error = QStringLiteral("the print job failed");
        return result;
    }
    const QRect card(int(std::lround(CardLeft * Dpi)), int(std::lround(CardTop * Dpi)),
                     result.exported.width(), result.exported.height());
    const QList<QImage> cells = RasteriseCells(pdf, card, &result.error, PaperDpi);
    if (cells.isEmpty()) {
        if (result.error.isEmpty())
            result.error = QStringLiteral("the print job made no page");
        return result;
    }
    result.paper = cells.first();
    return result;
}

QList<QImage> RasteriseCells(const QString &pdf, const QRect &cell, QString *error, int dpi)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdftoppm.isEmpty() || pdfinfo.isEmpty()) {
        *error = QStringLiteral("pdftoppm and pdfinfo are not installed");
        return {};
    }
    QProcess info;
    info.start(pdfinfo, {pdf});
    if (!info.waitForFinished(60000) || info.exitStatus() != QProcess::NormalExit || info.exitCode() != 0) {
        *error = QStringLiteral("pdfinfo failed: ") + QString::fromLocal8Bit(info.readAllStandardError());
        return {};
    }
    const QRegularExpressionMatch pagesLine =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(QString::fromLocal8Bit(info.readAllStandardOutput()));
    const int pages = pagesLine.hasMatch() ? pagesLine.captured(1).toInt() : 0;
    if (pages <= 0) {
        *error = QStringLiteral("pdfinfo found no pages in ") + pdf;
        return {};
    }
    const double step = double(dpi) / Dpi;
    const int left = int(std::floor(cell.x() * step)), top = int(std::floor(cell.y() * step));
    const int right = int(std::ceil((cell.x() + cell.width()) * step));
    const int bottom = int(std::ceil((cell.y() + cell.height()) * step));
    QList<QImage> cells;
    // Uncompressed pages read back fast but are large: a few at a time.
    constexpr int PagesAtOnce = 8;
    for (int first = 1; first <= pages; first += PagesAtOnce) {
        QTemporaryDir temp;
        const int last = std::min(pages, first + PagesAtOnce - 1);
        QProcess process;
        process.start(pdftoppm, {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                                 QString::number(first), QStringLiteral("-l"), QString::number(last),
                                 QStringLiteral("-x"), QString::number(left), QStringLiteral("-y"),
                                 QString::number(top), QStringLiteral("-W"), QString::number(right - left),
                                 QStringLiteral("-H"), QString::number(bottom - top), pdf,
                                 temp.filePath(QStringLiteral("cell"))});
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0) {
            *error =
                QStringLiteral("pdftoppm failed: ") + QString::fromLocal8Bit(process.readAllStandardError());
            return {};
        }
        // pdftoppm numbers the pages with as many digits as the last one needs.
        QStringList names =
            QDir(temp.path()).entryList({QStringLiteral("cell-*.ppm")}, QDir::Files, QDir::Name);
        std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
            return a.size() != b.size() ? a.size() < b.size() : a < b;
        });
        if (names.size() != last - first + 1) {
            *error =
                QStringLiteral("pdftoppm made %1 of pages %2 to %3").arg(names.size()).arg(first).arg(last);
            return {};
        }
        for (const QString &name : names) {
            // A whole sheet at 600 dpi is past Qt's default limit for one image.
            QImageReader reader(temp.filePath(name));
            reader.setAllocationLimit(1024);
            const QImage dots = reader.read();
            if (dots.isNull()) {
                *error = QStringLiteral("the rasterised page %1 could not be read: %2")
                             .arg(name, reader.errorString());
                return {};
            }
            cells << averagedDown(dots, QPointF(cell.x() * step - left, cell.y() * step - top), cell.size(),
                                  dpi);
        }
    }
    return cells;
}

double InkMismatch(const QImage &a, const QImage &b, int slack)
{
    if (a.size() != b.size() || a.isNull())
        return 1.0;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    auto nearInk = [slack](const QImage &image, int cx, int cy) {
        for (int yy = std::max(0, cy - slack); yy <= std::min(image.height() - 1, cy + slack); ++yy) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(yy));
            for (int xx = std::max(0, cx - slack); xx <= std::min(image.width() - 1, cx + slack); ++xx)
                if (inked(line[xx]))
                    return true;
        }
        return false;
    };
    qint64 inkedPixels = 0;
    qint64 unmatched = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            if (inked(p[col])) {
                ++inkedPixels;
                if (!nearInk(y, col, row))
                    ++unmatched;
            }
            if (inked(q[col])) {
                ++inkedPixels;
                if (!nearInk(x, col, row))
                    ++unmatched;
            }
        }
    }
    return inkedPixels == 0 ? 0.0 : double(unmatched) / double(inkedPixels);
}

bool SaveSideBySide(const QString &path, const QImage &a, const QImage &b, const QImage &c)
{
    const int gap = 8;
    const int width = a.width() + b.width() + c.width() + 2 * gap;
    const int height = std::max({a.height(), b.height(), c.height()});
    QImage out(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    out.fill(QColor(128, 128, 128));
    QPainter painter(&out);
    painter.drawImage(0, 0, a);
    painter.drawImage(a.width() + gap, 0, b);
    painter.drawImage(a.width() + b.width() + 2 * gap, 0, c);
    painter.end();
    return out.save(path);
}

} // namespace cw::test
