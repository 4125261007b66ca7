// A printed sheet of cards stores each picture of the design once: every card
// position draws the same texture and surface bitmaps, so the PDF holds one
// image object per picture, however many cards and sheets the job makes.
// And every card of the sheet prints inside its own rectangle.
#include "design/model/TBCShapes.h"
#include "design/model/TGLabelObjectFiler.h"
#include "design/model/TGPicture.h"
#include "objects/model/TSuperShape.h"
#include "print/model/TLabelPrintJob.h"
#include "print/printer/TReportPrinter.h"
#include "support/CardOutputs.h"
#include "text/model/TGSuperText.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <optional>

using namespace cw;
using namespace cw::model;

namespace {

QImage pattern(int side, QRgb a, QRgb b)
{
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, ((x / 4 + y / 4) % 2) ? a : b);
    return image;
}

// The card as it comes from a card file: a textured rounded rectangle with
// a shadow, a solid diamond, a gradient star, a textured and a gradient
// SuperText.  Three pictures: two textures and the diamond's solid surface.
TGLabelObjectFiler::ObjectList readDesign()
{
    TGPicture wood;
    wood.SetBitmap(pattern(32, qRgb(150, 100, 60), qRgb(120, 80, 40)));
    TGPicture slate;
    slate.SetBitmap(pattern(24, qRgb(90, 100, 110), qRgb(60, 70, 80)));

    TSuperShape rounded;
    rounded.SetBounds(10, 10, 100, 80);
    rounded.SetShape(TSuperShape::gstRoundRect);
    rounded.SetSurfaceType(TSuperShape::stBrushImage);
    rounded.SetImage(wood);
    rounded.SetShadowOrient(TSuperShape::soLowerRight);
    TSuperShape diamond;
    diamond.SetBounds(120, 10, 60, 60);
    diamond.SetShape(TSuperShape::gstDiamond);
    diamond.SetSurfaceType(TSuperShape::stBrushPattern);
    TSuperShape star;
    star.SetBounds(190, 10, 70, 70);
    TGSuperText textured;
    textured.SetBounds(10, 100, 200, 40);
    textured.SetCaption("Slate");
    textured.SetSurfaceType(TGSuperText::stBrushImage);
    textured.SetImage(slate);
    TGSuperText gradient;
    gradient.SetBounds(10, 140, 200, 40);
    gradient.SetCaption("Gradient");

    std::vector<TGGraphicControl *> objects{&rounded, &diamond, &star, &textured, &gradient};
    TGLabelObjectFiler::ObjectRefs refs;
    for (size_t i = 0; i < objects.size(); ++i) {
        objects[i]->Name = QStringLiteral("Special%1").arg(i + 1);
        refs.push_back(objects[i]);
    }
    TGLabelObjectFiler filer;
    return filer.ReadObjectList(TGLabelObjectFiler::ObjectListBytes(refs));
}

// Composes `sheets` sheets of every card position (2 across, 5 down) into a
// PDF at 600 dots per inch, as the print command does.
bool printSheets(const TGLabelObjectFiler::ObjectList &design, const QString &pdf, int sheets, int cards = 10)
{
    printer::TReportPrinter report;
    report.SetOutputFileName(pdf);
    report.SetResolution(600);
    report.SetPaperSize(engine::PaperLetter);
    report.SetProcessEvents({});
    TLabelPrintJob job;
    job.Settings.PrintToPrinter = true;
    job.Settings.SheetCount = sheets;
    for (int i = cards; i < TLabelPrintJob::SelectionCount; ++i)
        job.Settings.Selection[size_t(i)] = false;
    job.PrintObjects = [&](engine::TBaseReport &r, double x, double y) {
        for (const auto &o : design)
            o->PrintTo(r, x, y);
    };
    report.OnBeforePrint = [&](engine::TBaseReport &r) { job.BeforePrintLabels(r); };
    report.OnPrint = [&](engine::TBaseReport &r) { job.PrintLabels(r); };
    try {
        report.Execute();
    } catch (...) {
        return false;
    }
    return QFile::exists(pdf);
}

// Image objects in the PDF (each stored picture is one XObject of subtype
// Image; Qt writes object dictionaries uncompressed).
int storedImages(const QString &pdf)
{
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return int(file.readAll().count("/Subtype /Image"));
}

} // namespace

class TestSheetImages : public QObject
{
    Q_OBJECT
private slots:
    void eachPictureIsStoredOnceOnATenCardSheet()
    {
        QTemporaryDir folder;
        const TGLabelObjectFiler::ObjectList design = readDesign();
        QCOMPARE(int(design.size()), 5);

        const QString one = folder.filePath("one.pdf");
        QVERIFY(printSheets(design, one, 1, 1));
        QCOMPARE(storedImages(one), 3);

        const QString ten = folder.filePath("ten.pdf");
        QVERIFY(printSheets(design, ten, 1));
        QCOMPARE(storedImages(ten), 3);
        // Two sheets, twenty cards: still each picture once.
        const QString two = folder.filePath("two.pdf");
        QVERIFY(printSheets(design, two, 2));
        QCOMPARE(storedImages(two), 3);

        // pdfimages, where installed, lists every placement and its object:
        // ten cards' tiles, three objects.
        const QString pdfimages = QStandardPaths::findExecutable(QStringLiteral("pdfimages"));
        if (pdfimages.isEmpty())
            return;
        QProcess list;
        list.start(pdfimages, {QStringLiteral("-list"), ten});
        QVERIFY(list.waitForFinished(60000));
        QSet<QString> objects;
        int placements = 0;
        for (const QByteArray &line : list.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> f = line.simplified().split(' ');
            if (f.size() > 11 && f.at(2) == "image") {
                ++placements;
                objects.insert(QString::fromLatin1(f.at(10)));
            }
        }
        QCOMPARE(objects.size(), 3);
        QVERIFY(placements >= 10 * 3);
    }

    // The surface cuts a card's objects at its edge; paper must too.  Each
    // card has one red square at its bottom right corner, reaching 20 pixels
    // past both edges: past them it would print on the card beside it and
    // the one below, where those print nothing, and on the sheet's margins.
    void objectsPastTheCardsEdgePrintOnTheirCardOnly()
    {
        TBCShapes square;
        square.SetBounds(316, 172, 40, 40);
        square.SetBrush(TGBrush{clRed, bsSolid});
        square.SetPen(TGPen{clRed, pmCopy, psClear, 0});
        square.SetTransparent(false);
        square.Name = QStringLiteral("Square");
        TGLabelObjectFiler filer;
        const TGLabelObjectFiler::ObjectList design =
            filer.ReadObjectList(TGLabelObjectFiler::ObjectListBytes({&square}));
        QTemporaryDir folder;
        const QString pdf = folder.filePath("edges.pdf");
        QVERIFY(printSheets(design, pdf, 1));
        QString error;
        // A whole sheet, at the printer's own resolution to keep it small.
        const QList<QImage> pages = test::RasteriseCells(pdf, QRect(0, 0, 816, 1056), &error, 600);
        QVERIFY2(pages.size() == 1, qPrintable(error));
        const QImage &page = pages.first();
        const TLabelPrintSettings layout;
        // The card and the spot in it a pixel away from (x, y), or none.
        auto spot = [&](int x, int y) -> std::optional<QPoint> {
            const double column = (x / 96.0 - layout.LeftMargin) / layout.HorizontalPitch;
            const double row = (y / 96.0 - layout.TopMargin) / layout.VerticalPitch;
            if (column < 0 || row < 0 || column >= layout.Across || row >= layout.Down)
                return std::nullopt;
            return QPoint(
                x - int(std::lround((layout.LeftMargin + int(column) * layout.HorizontalPitch) * 96)),
                y - int(std::lround((layout.TopMargin + int(row) * layout.VerticalPitch) * 96)));
        };
        int wrong = 0;
        QString first;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const std::optional<QPoint> at = spot(x, y);
                // A pixel of the square's edge or of a card's edge may blend.
                const bool red = at && at->x() >= 316 && at->y() >= 172 && at->x() < 336 && at->y() < 192;
                const bool edge = at && (at->x() == 315 || at->y() == 171 || at->x() == 0 || at->y() == 0 ||
                                         at->x() == 335 || at->y() == 191);
                const QRgb p = page.pixel(x, y);
                const bool printed = qGreen(p) < 128;
                if (edge || red == printed)
                    continue;
                if (first.isEmpty())
                    first = QStringLiteral("(%1, %2) is %3").arg(x).arg(y).arg(QColor(p).name());
                ++wrong;
            }
        QVERIFY2(wrong == 0, qPrintable(QStringLiteral("%1 pixels wrong, first %2").arg(wrong).arg(first)));
    }
};

QTEST_MAIN(TestSheetImages)
#include "tst_sheet_images.moc"
