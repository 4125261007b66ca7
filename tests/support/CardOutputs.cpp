#include "support/CardOutputs.h"

#include "design/TGBasePanel.h"
#include "design/TGHandle.h"
#include "print/model/TSheetBackground.h"
#include "print/printer/TReportPrinter.h"

#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>

namespace cw::test {

namespace {

// Where the card sits on the printed sheet, inches from its corner.
constexpr double CardLeft = 1.0;
constexpr double CardTop = 1.0;
constexpr int Dpi = 96;
// Cells are rasterised at four times that and averaged down: the rasteriser
// takes every pixel a clip rectangle touches, so at 96 dpi a clip edge a
// printer dot off the pixel grid let a whole row of clipped text show.
constexpr int Supersample = 4;

// Each pixel the mean of the factor × factor pixels it covers.
QImage averagedDown(const QImage &source, int factor)
{
    const QImage in = source.convertToFormat(QImage::Format_RGB32);
    QImage out(in.width() / factor, in.height() / factor, QImage::Format_RGB32);
    const int n = factor * factor;
    for (int y = 0; y < out.height(); ++y) {
        auto *target = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = 0; dy < factor; ++dy) {
                const auto *line = reinterpret_cast<const QRgb *>(in.constScanLine(y * factor + dy));
                for (int dx = 0; dx < factor; ++dx) {
                    const QRgb p = line[x * factor + dx];
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                }
            }
            target[x] = qRgb((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n);
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
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) {
        result.error = QStringLiteral("pdftoppm is not installed");
        return result;
    }
    const QString prefix = temp.filePath(QStringLiteral("sheet"));
    QProcess process;
    process.start(pdftoppm, {QStringLiteral("-r"), QString::number(Dpi), QStringLiteral("-png"),
                             QStringLiteral("-singlefile"), pdf, prefix});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        result.error =
            QStringLiteral("pdftoppm failed: ") + QString::fromLocal8Bit(process.readAllStandardError());
        return result;
    }
    const QImage sheet(prefix + QStringLiteral(".png"));
    const QRect card(int(std::lround(CardLeft * Dpi)), int(std::lround(CardTop * Dpi)),
                     result.exported.width(), result.exported.height());
    result.paper = sheet.copy(card).convertToFormat(QImage::Format_RGB32);
    return result;
}

QList<QImage> RasteriseCells(const QString &pdf, const QRect &cell, QString *error)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) {
        *error = QStringLiteral("pdftoppm is not installed");
        return {};
    }
    QTemporaryDir temp;
    const QString prefix = temp.filePath(QStringLiteral("cell"));
    QProcess process;
    const int f = Supersample;
    process.start(pdftoppm, {QStringLiteral("-r"), QString::number(Dpi * f), QStringLiteral("-x"),
                             QString::number(cell.x() * f), QStringLiteral("-y"), QString::number(cell.y() * f),
                             QStringLiteral("-W"), QString::number(cell.width() * f), QStringLiteral("-H"),
                             QString::number(cell.height() * f), QStringLiteral("-png"), pdf, prefix});
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        *error = QStringLiteral("pdftoppm failed: ") + QString::fromLocal8Bit(process.readAllStandardError());
        return {};
    }
    // pdftoppm numbers the pages with as many digits as the last one needs.
    QStringList names = QDir(temp.path()).entryList({QStringLiteral("cell-*.png")}, QDir::Files, QDir::Name);
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    QList<QImage> cells;
    for (const QString &name : names)
        cells << averagedDown(QImage(temp.filePath(name)), f);
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
