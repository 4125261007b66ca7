#pragma once
// One card three ways — as the design surface paints it, as picture export
// writes it and as it comes out of the printer — so tests can check that the
// three agree.  The paper copy is a real PDF made by the printer report,
// rasterised with pdftoppm at the screen's 96 pixels per inch and cut out at
// the card's position on the sheet.

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

namespace cw::ui {
class TGBasePanel;
}

namespace cw::test {

struct CardOutputs
{
    QImage screen;   // the surface's own paint at 100 %, grid and handles hidden
    QImage exported; // the picture export (RenderToBitmap)
    QImage paper;    // the printed card, 96 pixels per inch
    QString error;   // why the paper copy is missing (no pdftoppm, failed job)
};

// Renders the card on `surface` all three ways.  `pdfPath` keeps the PDF
// (for looking at it); empty: a temporary file.  `backgroundFile` is the
// background picture printed under the objects, as a print job prints it
// (the surface's own background shows on screen and in the export).
CardOutputs RenderCardOutputs(ui::TGBasePanel &surface, const QString &pdfPath = QString(),
                              const QString &backgroundFile = QString());

// The resolution cells of a card are rasterised at: twice the printer's,
// so that the rasteriser's own rounding of glyph places stays under a
// twelfth of a pixel.  A whole sheet at it takes half a gigabyte.
inline constexpr int PaperDpi = 1200;

// Every page of `pdf` rasterised at `dpi`, a multiple of the printer's 600
// dots per inch, averaged down by area to 96 and cut to `cell` (96-dpi
// pixels from the sheet's corner), in page order.  Empty, and `error` set,
// when pdftoppm is missing or fails.
QList<QImage> RasteriseCells(const QString &pdf, const QRect &cell, QString *error, int dpi);

// The share (0…1) of pixels that are inked (not near-white) in one picture
// and not near an inked pixel (within `slack` pixels) of the other.
double InkMismatch(const QImage &a, const QImage &b, int slack = 2);

// Writes a, b and c side by side into one PNG (to look at).
bool SaveSideBySide(const QString &path, const QImage &a, const QImage &b, const QImage &c);

} // namespace cw::test
